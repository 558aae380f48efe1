#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan, UBSan) in build-fuzz/ and runs each for a while.
#
#   scripts/fuzz.sh                  # every target, 5 seconds each (what ./test runs)
#   scripts/fuzz.sh 600              # every target, 10 minutes each
#   scripts/fuzz.sh 600 books rtf    # only those targets
#
# Each target starts from its seed corpus in fuzz/corpus/<target>/ and keeps what it finds in
# build-fuzz/corpus/<target>/. A failure leaves the input in build-fuzz/artifacts/ and ends the
# script with status 1. Without clang or libFuzzer the script says so and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-5}"
shift || true
jobs="${TAVOLIM_FUZZ_JOBS:-1}"

probe_dir="$(mktemp -d)"
trap 'rm -rf "$probe_dir"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' \
    > "$probe_dir/probe.cpp"
if ! command -v clang++ > /dev/null ||
    ! clang++ -fsanitize=fuzzer,address,undefined "$probe_dir/probe.cpp" -o "$probe_dir/probe" \
        2> /dev/null; then
    echo "fuzz: clang++ ou libFuzzer ausente (pacotes clang e libfuzzer-14-dev); fuzzing pulado."
    exit 0
fi

if [ ! -f build-fuzz/CMakeCache.txt ]; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DTAVOLIM_CORE_ONLY=ON -DTAVOLIM_FUZZ=ON \
        -DTAVOLIM_TESTS=OFF -DTAVOLIM_BENCH=OFF -DTAVOLIM_WERROR=ON > /dev/null
fi
cmake --build build-fuzz --target fuzz_all --parallel "$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*_fuzz.cpp; do
        name="$(basename "$source" _fuzz.cpp)"
        targets+=("$name")
    done
fi

mkdir -p build-fuzz/artifacts build-fuzz/logs
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

# One target: runs it, then prints a line of what it did.
run_target() {
    local name="$1"
    local binary="build-fuzz/fuzz/fuzz_$name"
    local log="build-fuzz/logs/$name.log"
    mkdir -p "build-fuzz/corpus/$name"
    local status=0
    "$binary" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$name-" \
        "build-fuzz/corpus/$name" "fuzz/corpus/$name" > "$log" 2>&1 || status=$?
    local runs cov corpus
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    cov="$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)"
    corpus="$(find "build-fuzz/corpus/$name" -type f | wc -l)"
    if [ "$status" -ne 0 ]; then
        echo "fuzz $name: FALHOU (veja $log)"
        grep -E 'Falhou:|runtime error|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|Test unit written' \
            "$log" | head -5 || true
        return 1
    fi
    echo "fuzz $name: ${runs:-0} execuções, $cov, corpus $corpus"
}

failed=0
pids=()
for name in "${targets[@]}"; do
    if [ ! -x "build-fuzz/fuzz/fuzz_$name" ]; then
        echo "fuzz: alvo desconhecido '$name'"
        exit 2
    fi
    run_target "$name" &
    pids+=($!)
    if [ ${#pids[@]} -ge "$jobs" ]; then
        wait "${pids[0]}" || failed=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
done
exit "$failed"
