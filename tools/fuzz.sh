#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz and runs each on its seeds from fuzz/corpus for
# FUZZ_SECONDS (30) seconds, one summary line a target. Exits non-zero when a target found
# something: the input is then in build-fuzz/findings/<target>/, the run in build-fuzz/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-30}
jobs=${FUZZ_JOBS:-2}
targets=(login banners records links pages xmltv channelmap dates)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# clang with its libFuzzer runtime
probe='extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }'
if ! echo "$probe" | clang++ -x c++ -fsanitize=fuzzer -o /dev/null - >/dev/null 2>&1; then
    as_root apt-get update
    as_root apt-get install -y clang libclang-rt-dev
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DBUILD_TESTING=OFF -DOBZORKA_BENCH=OFF -DOBZORKA_FUZZ=ON >/dev/null
ninja -C build-fuzz -j"$jobs" "${targets[@]/#/fuzz_}"

found=0
for target in "${targets[@]}"; do
    # New inputs go to build-fuzz/corpus: the seeds in the tree stay as they are.
    corpus=build-fuzz/corpus/$target
    findings=build-fuzz/findings/$target
    log=build-fuzz/logs/$target.log
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    if UBSAN_OPTIONS=print_stacktrace=1 "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" \
        -timeout=10 -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
        done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)
        runs=$(sed -E 's/^#([0-9]+).*/\1/' <<<"$done_line")
        cov=$(sed -E 's/.* cov: ([0-9]+).*/\1/' <<<"$done_line")
        ft=$(sed -E 's/.* ft: ([0-9]+).*/\1/' <<<"$done_line")
        corp=$(sed -E 's/.* corp: ([0-9]+).*/\1/' <<<"$done_line")
        printf '%-10s %9s runs  cov %5s  ft %5s  corpus %4s  no finding\n' \
            "$target" "$runs" "$cov" "$ft" "$corp"
    else
        found=1
        printf '%-10s FINDING: %s (input in %s, log %s)\n' "$target" \
            "$(grep -m1 -E 'ERROR|Broken|runtime error' "$log" || echo 'see the log')" \
            "$findings" "$log"
    fi
done
exit "$found"
