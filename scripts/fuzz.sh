#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ with clang (AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each one: first every input kept in fuzz/corpus/ (the inputs that once failed among
# them), then new inputs for a bounded time. Any crash, leak, timeout or memory blow-up fails.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]     default: 60 seconds, every target
#
# Inputs that fail are written to build-fuzz/artifacts/TARGET/; add them to fuzz/corpus/TARGET/
# and to tests/robustness/tst_regressions.cpp once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(user_file numbers ocular_ini nina oal kstars)
build=${FUZZ_BUILD_DIR:-build-fuzz}

packages=(clang libclang-rt-14-dev cmake make pkg-config liberfa-dev qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libqt6sql6-sqlite libgl-dev fonts-dejavu-core)
scripts/ensure-packages.sh "${packages[@]}"

CC=clang CXX=clang++ cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=None >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" -- $(printf 'fuzz_%s ' "${targets[@]}")

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# Absolute paths: the user file target works in a folder of its own.
build=$(realpath "$build")
kept=$(realpath fuzz)
failed=()
for target in "${targets[@]}"; do
    work="$build/corpus/$target"
    artifacts="$build/artifacts/$target/"
    mkdir -p "$work" "$artifacts"
    case $target in
        user_file) max_len=70000 ;; # past the reader's 64 KiB limit
        oal | kstars) max_len=16384 ;; # a log with a few entries; a database of a few pages
        *) max_len=4096 ;;
    esac
    echo "== fuzz_$target: kept inputs, then ${seconds}s of new ones"
    # New inputs go to the build's corpus; the kept ones in fuzz/corpus are only read.
    if ! "$build/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -max_len="$max_len" -dict="$kept/$target.dict" -artifact_prefix="$artifacts" \
        -print_final_stats=1 "$work" "$kept/corpus/$target" 2>"$build/fuzz_$target.log"; then
        failed+=("$target")
        tail -n 60 "$build/fuzz_$target.log"
    fi
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done|#[0-9]+ +DONE)' "$build/fuzz_$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found faults in: ${failed[*]} (inputs in $build/artifacts/)" >&2
    exit 1
fi
echo "fuzzing: no faults in ${targets[*]}"
