#!/bin/bash
# Plants a fault in one source file, rebuilds and runs the test programs that should
# catch it, says which tests failed, and always puts the file back as it was.
#
#   scripts/plant-fault.sh [-f FILTER] FILE SED-EXPRESSION [TEST-PROGRAM...]
#
# FILE is a source file under src/, SED-EXPRESSION a sed command that changes it
# (for example 's/channel <= data.ChannelCount()/channel < data.ChannelCount()/').
# Without TEST-PROGRAM the test program of the file's folder is run. -f passes a
# GoogleTest filter (such as 'CsvRoundTrip.*') to every program. BUILD_DIR picks the
# build folder (default build), JOBS the build jobs (default 2).
#
# Exit status: 0 when a test caught the fault, 1 when every test passed with it
# planted, 2 when the fault could not be planted or the build failed.
set -u

usage() {
    sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
}

filter=
while getopts f:h option; do
    case $option in
        f) filter=$OPTARG ;;
        *) usage ;;
    esac
done
shift $((OPTIND - 1))
[ $# -ge 2 ] || usage

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 2
file=$1
expression=$2
shift 2
build=${BUILD_DIR:-build}
jobs=${JOBS:-2}

[ -f "$file" ] || { echo "plant-fault: no file $file" >&2; exit 2; }
[ -f "$build/CMakeCache.txt" ] || { echo "plant-fault: configure $build first" >&2; exit 2; }

# The test program of each source folder, as tests/CMakeLists.txt groups them.
programs=("$@")
if [ ${#programs[@]} -eq 0 ]; then
    case $file in
        src/core/model/*) programs=(core_model_tests) ;;
        src/core/files/*) programs=(core_files_tests) ;;
        src/core/radio/* | src/core/ports/*) programs=(core_radio_tests) ;;
        src/gui/editors/*) programs=(gui_editors_tests) ;;
        src/gui/pages/* | src/gui/dialogs/*) programs=(gui_pages_tests) ;;
        src/gui/radio/*) programs=(gui_radio_tests) ;;
        src/gui/mainwindow/* | src/gui/kit/*) programs=(gui_mainwindow_tests) ;;
        src/cli/*) programs=(cli_tests) ;;
        tools/radiosim/*) programs=(radiosim_tests) ;;
        *) echo "plant-fault: name the test programs for $file" >&2; exit 2 ;;
    esac
fi

saved=$(mktemp)
cp "$file" "$saved"
# Written back rather than moved, so the file gets a new time and the next build
# compiles it again instead of keeping the objects with the fault.
restore() {
    cat "$saved" >"$file"
    rm -f "$saved"
}
trap restore EXIT
trap 'exit 2' INT TERM

sed -i -e "$expression" "$file"
if cmp -s "$file" "$saved"; then
    echo "plant-fault: the expression changes nothing in $file" >&2
    exit 2
fi
echo "plant-fault: planted in $file:"
diff "$saved" "$file" | sed 's/^/    /'

build_programs() {
    cmake --build "$build" -j "$jobs" --target "${programs[@]}" >"$build/plant-fault-build.log" 2>&1
}

if ! build_programs; then
    echo "plant-fault: the build failed with the fault planted (see $build/plant-fault-build.log)" >&2
    exit 2
fi

caught=0
for program in "${programs[@]}"; do
    binary=$(cd "$build" && pwd)/tests/$program
    [ -x "$binary" ] || { echo "plant-fault: no test program $program" >&2; exit 2; }
    arguments=()
    [ -n "$filter" ] && arguments+=("--gtest_filter=$filter")
    output=$(cd "$build" && QT_QPA_PLATFORM=offscreen "$binary" "${arguments[@]}" 2>&1)
    failed=$(printf '%s\n' "$output" | sed -n 's/^\[  FAILED  \] \([^ ,]*\.[^ ,]*\).*/\1/p' | sort -u)
    if [ -n "$failed" ]; then
        caught=1
        echo "plant-fault: $program caught it in:"
        printf '%s\n' "$failed" | sed 's/^/    /'
    elif ! printf '%s\n' "$output" | grep -q '^\[  PASSED  \]'; then
        caught=1
        echo "plant-fault: $program ended without passing (crash or hang):"
        printf '%s\n' "$output" | tail -n 5 | sed 's/^/    /'
    else
        echo "plant-fault: $program passed with the fault planted"
    fi
done

restore
trap - EXIT
# Leave the build without the fault.
build_programs || echo "plant-fault: the rebuild after restoring $file failed" >&2
[ $caught -eq 1 ] && exit 0
exit 1
