#!/usr/bin/env bash
# Folders are layers: a file may include only from its own folder or from a layer below it.
# The widget-free layers must not include Qt Widgets or Qt Gui headers either.
# The tests mirror the program: tests/X keeps the rules of src/X. Their helpers count as what
# they include, so a test may use a helper only if it could include what the helper includes
# (tests/support/calculator stands for calculator/procedures, tests/support/planner for planner,
# tests/support/widgets for widgets/main_window, tests/robustness for app).
# Usage: scripts/check-layers.sh [SOURCE_DIR [TESTS_DIR]]   (default: src/ and tests/ beside this script)
set -euo pipefail
here=$(dirname "$0")
src=$(cd "${1:-$here/../src}" && pwd)
tests=""
if [ $# -ge 2 ]; then
  tests=$(cd "$2" && pwd)
elif [ $# -eq 0 ] && [ -d "$here/../tests" ]; then
  tests=$(cd "$here/../tests" && pwd)
fi

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
# These link Qt Core only: no header of Qt Gui, Widgets or Svg.
widget_free="calculator/toolkit calculator/core calculator/catalog calculator/procedures storage planner cli"
# Test folders with no folder of that name in src/, and the layer each stands for.
declare -A mirror=([support/calculator]=calculator/procedures [support/planner]=planner [support/widgets]=widgets/main_window
                   [robustness]=app)

folder_of() { # the longest known layer folder that the path starts with
  local path=$1 best=""
  for folder in "${!rank[@]}" "${!mirror[@]}"; do
    case "$path" in "$folder"/*) [ ${#folder} -gt ${#best} ] && best=$folder ;; esac
  done
  printf '%s' "$best"
}
includes_of() { sed -n -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$1"; }
includes_gui() {
  grep -n -E '#[[:space:]]*include[[:space:]]*<(Qt(Gui|Widgets|Svg)(/|>)|Q(Widget|Application|GuiApplication|Painter|PainterPath|Image|Pixmap|Icon|Color|Palette|Font|FontMetrics|Screen|Window|Action|KeyEvent|MouseEvent|Pen|Brush|Svg[A-Za-z]*|MessageBox|LineEdit|ComboBox|MainWindow|Label|Dialog|Layout|[HV]BoxLayout|Accessible)\b)' "$1" >/dev/null
}

# What a test helper reaches, through the helpers it includes in turn: the layer folders it
# includes from, and "<gui>" if a Qt Gui or Widgets header.
declare -A reach
reach_of() {
  local helper=$1 out="" inc folder
  if [ -n "${reach[$helper]+set}" ]; then printf '%s' "${reach[$helper]}"; return; fi
  reach[$helper]="" # a helper that includes itself in a loop adds nothing more
  includes_gui "$tests/$helper" && out="<gui>"
  while IFS= read -r inc; do
    if [[ $inc == support/* ]]; then
      [ -f "$tests/$inc" ] && out="$out $(reach_of "$inc")"
    else
      folder=$(folder_of "$inc")
      [ -n "$folder" ] && out="$out $folder"
    fi
  done < <(includes_of "$tests/$helper")
  reach[$helper]=$out
  printf '%s' "$out"
}

status=0
# check_tree ROOT: every header and source under ROOT.
check_tree() {
  local root=$1 name=${1##*/} file own targets target inc
  while IFS= read -r file; do
    own=$(folder_of "$file")
    if [ -z "$own" ]; then
      echo "layers: $name/$file lies in no known layer"; status=1; continue
    fi
    own=${mirror[$own]:-$own}
    while IFS= read -r inc; do
      if [ "$root" = "$tests" ] && [[ $inc == support/* ]] && [ -f "$tests/$inc" ]; then
        targets=$(reach_of "$inc" | tr ' ' '\n' | sort -u)
      else
        targets=$(folder_of "$inc")
      fi
      for target in $targets; do
        if [ "$target" = "<gui>" ]; then
          if [[ " $widget_free " == *" $own "* ]]; then
            echo "layers: $name/$file is widget-free but includes $inc, which needs Qt Gui or Widgets"; status=1
          fi
          continue
        fi
        target=${mirror[$target]:-$target}
        if [ "$target" != "$own" ] && [ "${rank[$target]}" -ge "${rank[$own]}" ]; then
          echo "layers: $name/$file includes $inc, which is not below it"; status=1
        fi
      done
    done < <(includes_of "$file")
    if [[ " $widget_free " == *" $own "* ]] && includes_gui "$file"; then
      echo "layers: $name/$file is widget-free but includes a Qt Gui or Widgets header"; status=1
    fi
  done < <(find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's#^\./##' | sort)
}

cd "$src" && check_tree "$src"
if [ -n "$tests" ]; then
  cd "$tests" && check_tree "$tests"
fi
[ $status -eq 0 ] && echo "layers: every include runs downward"
exit $status
