#!/usr/bin/env bash
# Runs the whole test suite: installs what is missing, builds, generates the reference data
# if it is missing, runs every test in a normal build and in an AddressSanitizer +
# UndefinedBehaviorSanitizer build, checks the format, checks the installation (and, as the
# superuser, the Debian package), and fuzzes every file reader for a bounded time. Exits
# non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRUSHLY_BUILD_DIR:-$root/build}
fuzz_seconds=${BRUSHLY_FUZZ_SECONDS:-30}
export QT_QPA_PLATFORM=offscreen
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
jobs=$(nproc)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

section() { printf '\n==== %s ====\n' "$*"; }

# ctest with its output kept, so that the totals of both builds can be added up.
run_ctest() {
    local dir=$1 log=$2
    shift 2
    ctest --test-dir "$dir" --output-on-failure -j"$jobs" "$@" 2>&1 | tee "$log"
    return "${PIPESTATUS[0]}"
}

"$root/scripts/install-deps.sh"

section "Build"
cmake -S "$root" -B "$build" -G Ninja -DBRUSHLY_WERROR=ON >/dev/null
cmake --build "$build"

section "Reference data"
"$root/scripts/generate-data.sh" "$build"

section "Format"
cmake --build "$build" --target format-check

section "Tests"
status=0
run_ctest "$build" "$logs/plain.log" || status=1

section "Installation"
# The superuser (as in CI) also builds, installs, runs and removes the Debian package.
install_check=("$root/scripts/check-install.sh")
[ "$(id -u)" -eq 0 ] && install_check+=(--package)
install_failed=0
"${install_check[@]}" "$build" || install_failed=1

section "Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRUSHLY_SANITIZE=ON \
    -DBRUSHLY_WERROR=ON >/dev/null
cmake --build "$build-asan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions=$root/.ci/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_ctest "$build-asan" "$logs/asan.log" || status=1

section "Fuzzing every reader for ${fuzz_seconds} s each"
cmake -S "$root" -B "$build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRUSHLY_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build-fuzz"
# fuzz NAME SEEDS SECONDS MAX_LEN: runs one target from its seeds; a finding fails the run.
fuzz_passed=0
fuzz_failed=0
fuzz() {
    local name=$1 seeds=$2 seconds=$3 max_len=$4 fuzz_status=0
    echo "$name: ${seconds} s"
    mkdir -p "$build-fuzz/corpus-$name"
    "$build-fuzz/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="$max_len" -print_final_stats=1 "$build-fuzz/corpus-$name" "$seeds" \
        >"$logs/$name.log" 2>&1 || fuzz_status=$?
    grep -E '^(stat::(number_of_executed_units|average_exec_per_sec)|Done)' "$logs/$name.log" || true
    if [ "$fuzz_status" -ne 0 ]; then
        tail -n 30 "$logs/$name.log"
        echo "The fuzzer $name found a failure (status $fuzz_status)"
        fuzz_failed=$((fuzz_failed + 1))
    else
        fuzz_passed=$((fuzz_passed + 1))
    fi
}
seeds=$build/fuzz-seeds
"$root/scripts/fuzz-seeds.sh" "$build" "${BRUSHLY_DATA_DIR:-$root/data}" "$seeds"
fuzz archive_fuzz "$seeds/archive" "$fuzz_seconds" 4096
fuzz word_group_import_fuzz "$seeds/import" "$fuzz_seconds" 8192
fuzz kanji_database_fuzz "$seeds/kanji-db" "$fuzz_seconds" 16384
fuzz jlpt_list_fuzz "$seeds/jlpt" "$fuzz_seconds" 8192
fuzz word_library_fuzz "$seeds/word-library" "$fuzz_seconds" 32768
fuzz abbreviation_list_fuzz "$seeds/abbreviations" "$fuzz_seconds" 4096
fuzz edict_line_fuzz "$seeds/edict" "$fuzz_seconds" 8192
fuzz document_fuzz "$seeds/document" "$fuzz_seconds" 32768
fuzz json_strokes_fuzz "$seeds/json" "$fuzz_seconds" 65536

section "Summary"
passed=0
failed=0
for log in "$logs/plain.log" "$logs/asan.log"; do
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        continue
    fi
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done
passed=$((passed + fuzz_passed + 1 - install_failed))
failed=$((failed + fuzz_failed + install_failed))
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || status=1
exit "$status"
