#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, -DPICTOVA_FUZZ=ON) into ${PICTOVA_FUZZ_BUILD_DIR:-build-fuzz}
# and runs each for ${PICTOVA_FUZZ_SECONDS:-30} seconds on a copy of its seed corpus in fuzz/corpus.
# Fails when any target finds a crash, a hang, a leak or a broken invariant; the input that did
# it is kept under <build folder>/fuzz-artifacts. Arguments name the targets to run (default all).
# A long run: PICTOVA_FUZZ_RUNS=10000000 runs that many inputs instead of a time, and
# PICTOVA_FUZZ_MAX_LEN=256 keeps inputs short (a few dozen steps each, many more inputs a second).
set -euo pipefail
cd "$(dirname "$0")/.."
PICTOVA_FUZZ=1 scripts/install-deps.sh

dir="${PICTOVA_FUZZ_BUILD_DIR:-build-fuzz}"
seconds="${PICTOVA_FUZZ_SECONDS:-30}"
length=()
[ -n "${PICTOVA_FUZZ_MAX_LEN:-}" ] && length=(-max_len="$PICTOVA_FUZZ_MAX_LEN")
if [ -n "${PICTOVA_FUZZ_RUNS:-}" ]; then
    budget=(-runs="$PICTOVA_FUZZ_RUNS")
else
    budget=(-max_total_time="$seconds")
fi
# Warnings are shown but do not stop this build: clang warns of other things than gcc, whose
# builds (scripts/test.sh) hold the tree to none.
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DPICTOVA_FUZZ=ON -DPICTOVA_TESTS=OFF \
    -DPICTOVA_WERROR=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target fuzzers -j"$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for corpus in fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_stack_use_after_return=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
artifacts="$dir/fuzz-artifacts"
mkdir -p "$artifacts"

passed=0
failed=0
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    cp -r "fuzz/corpus/$target/." "$work/$target/"
    log="$work/$target.log"
    # The game window's font and glyph caches fill during the first inputs, which sends libFuzzer
    # looking for leaks after nearly every one; the window targets run without that search, and every
    # corpus gets a leak pass of its own afterwards.
    search=()
    [ "$target" = client ] || [ "$target" = album ] && search=(-detect_leaks=0)
    # The program's own stderr is closed (a peer's malformed messages are logged there by
    # design); crash reports and libFuzzer's own lines still come through.
    common=(-timeout=25 -rss_limit_mb=4096 -close_fd_mask=2 -artifact_prefix="$artifacts/$target-")
    if "$dir/fuzz/fuzz_$target" "$work/$target" "${budget[@]}" -print_final_stats=1 \
        "${common[@]}" "${length[@]}" "${search[@]}" >"$log" 2>&1 &&
        "$dir/fuzz/fuzz_$target" "$work/$target" -runs=0 -detect_leaks=1 "${common[@]}" >>"$log" 2>&1; then
        passed=$((passed + 1))
        runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
        cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 || true)
        echo "fuzz_$target: ok (${runs:-?} runs, ${cov:-cov: ?})"
    else
        failed=$((failed + 1))
        echo "fuzz_$target: FAILED"
        tail -n 60 "$log"
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
