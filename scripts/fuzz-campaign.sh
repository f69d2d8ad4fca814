#!/bin/sh
# Runs every libFuzzer target (ASan + UBSan) for a number of executions, one target at a time, and
# prints the executions each took. Needs clang.
#   scripts/fuzz-campaign.sh [executions] [seconds at most per target] [target ...]
# Defaults: 1000000 executions, 5400 seconds, every target. The working corpora stay in
# build-fuzz/corpus-work/<target> (seeded from fuzz/corpus/<folder>), the logs in
# build-fuzz/fuzz-logs; a crash leaves its input in build-fuzz/findings. Every finding, once
# fixed, goes into fuzz/regression/<folder> (replayed by the test command). A finding ends the
# target with a non-zero exit; the .xls reader's child process leaves "crash-" files of its own
# there (libfreexl's faults in the child, read as a refused file), which are none.
set -eu
cd "$(dirname "$0")/.."

runs="${1:-1000000}"
seconds="${2:-5400}"
[ $# -gt 0 ] && shift
[ $# -gt 0 ] && shift
targets="${*:-profile_file_fuzz legacy_ini_fuzz online_parsers_fuzz xml_data_reader_fuzz spreadsheet_reader_fuzz}"

corpus_of() {
    case "$1" in
    profile_file_fuzz) echo profile ;;
    legacy_ini_fuzz) echo legacy-ini ;;
    online_parsers_fuzz) echo online ;;
    xml_data_reader_fuzz) echo xml ;;
    spreadsheet_reader_fuzz) echo spreadsheet ;;
    *) echo "unknown target $1" >&2; exit 2 ;;
    esac
}

options_of() {
    case "$1" in
    online_parsers_fuzz) echo "-dict=fuzz/online.dict" ;;
    xml_data_reader_fuzz) echo "-dict=fuzz/xml_data.dict -rss_limit_mb=2048" ;;
    spreadsheet_reader_fuzz) echo "-rss_limit_mb=2048" ;;
    *) echo "" ;;
    esac
}

if [ ! -f build-fuzz/CMakeCache.txt ]; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVELLORAN_FUZZ=ON \
        -DVELLORAN_BUILD_GUI=OFF -DVELLORAN_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
# shellcheck disable=SC2086
cmake --build build-fuzz --target $targets

mkdir -p build-fuzz/fuzz-logs build-fuzz/findings
for target in $targets; do
    folder="$(corpus_of "$target")"
    work="build-fuzz/corpus-work/$target"
    mkdir -p "$work"
    log="build-fuzz/fuzz-logs/$target.log"
    # shellcheck disable=SC2046
    set +e
    nice -n 15 "build-fuzz/fuzz/$target" -runs="$runs" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
        $(options_of "$target") "$work" "fuzz/corpus/$folder" >"$log" 2>&1
    status=$?
    set -e
    executed="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    elapsed="$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)"
    echo "$target: ${executed:-?} executions in ${elapsed:-?} s, exit $status, corpus $(ls "$work" | wc -l) inputs"
done
