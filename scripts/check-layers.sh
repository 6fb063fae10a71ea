#!/usr/bin/env bash
# Folders are layers: a file may include only from its own folder or from a layer below it.
# The widget-free layers must not include Qt Widgets or Qt Gui headers either.
# Usage: scripts/check-layers.sh [SOURCE_DIR]   (default: src/ beside this script)
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
cd "$src"

# Bottom first. Folders on one line share a rank and may not include each other.
layers=(
  "calculator/toolkit"
  "calculator/core"
  "calculator/catalog"
  "calculator/procedures"
  "storage"
  "planner"
  "widgets/toolkit"
  "widgets/artwork"
  "widgets/about"
  "widgets/main_window"
  "widgets/planner_window cli"
  "app"
)
declare -A rank
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank[$folder]=$i; done
done
folder_of() { # the longest known layer folder that the path starts with
  local path=$1 best=""
  for folder in "${!rank[@]}"; do
    case "$path" in "$folder"/*) [ ${#folder} -gt ${#best} ] && best=$folder ;; esac
  done
  printf '%s' "$best"
}

status=0
# These link Qt Core only: no header of Qt Gui, Widgets or Svg.
widget_free="calculator/toolkit calculator/core calculator/catalog calculator/procedures storage planner cli"
while IFS= read -r file; do
  own=$(folder_of "$file")
  if [ -z "$own" ]; then
    echo "layers: $file lies in no known layer"; status=1; continue
  fi
  while IFS= read -r inc; do
    target=$(folder_of "$inc")
    [ -z "$target" ] && continue # a header of the folder itself, or a system one
    if [ "$target" != "$own" ] && [ "${rank[$target]}" -ge "${rank[$own]}" ]; then
      echo "layers: $file includes $inc, which is not below it"; status=1
    fi
  done < <(sed -n -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
  if [[ " $widget_free " == *" $own "* ]] \
     && grep -n -E '#[[:space:]]*include[[:space:]]*<(Qt(Gui|Widgets|Svg)(/|>)|Q(Widget|Application|GuiApplication|Painter|PainterPath|Image|Pixmap|Icon|Color|Palette|Font|FontMetrics|Screen|Window|Action|KeyEvent|MouseEvent|Pen|Brush|Svg[A-Za-z]*|MessageBox|LineEdit|ComboBox|MainWindow|Label|Dialog|Layout|[HV]BoxLayout|Accessible)\b)' "$file" >/dev/null; then
    echo "layers: $file is widget-free but includes a Qt Gui or Widgets header"; status=1
  fi
done < <(find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's#^\./##' | sort)
[ $status -eq 0 ] && echo "layers: every include runs downward"
exit $status
