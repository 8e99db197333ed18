#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan, UBSan) in build-fuzz-clang and runs each of them
# for SECONDS on its corpus in fuzz-out/, seeded from the built-in samples. Prints one summary
# line per target; exits 1 when a target found a fault (the input is kept in
# fuzz-out/artifacts/TARGET/), 0 when none did, and also 0, saying so, when clang is missing.
#   fuzz/run_fuzzers.sh [SECONDS] [TARGET...]     e.g. fuzz/run_fuzzers.sh 600 codegen
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(robotfile programtext parameterstring codegen encoding)
fi

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is not installed; fuzzing skipped"
    exit 0
fi

build=build-fuzz-clang
out=fuzz-out
mkdir -p "$out/logs"

echo "fuzz: building the fuzz targets in $build"
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi
if ! cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZUVO_FUZZ=ON "${launcher[@]}" >"$out/logs/configure.log" 2>&1; then
    tail -n 30 "$out/logs/configure.log"
    echo "fuzz: configuring failed"
    exit 1
fi
if ! cmake --build "$build" -j "$(nproc)" --target fuzzers >"$out/logs/build.log" 2>&1; then
    grep -E "error|Error" "$out/logs/build.log" | head -n 30
    echo "fuzz: building failed"
    exit 1
fi
rm -rf "$out/seeds"
if ! "$build/fuzz/fuzz_seeds" "$out/seeds" >/dev/null; then
    echo "fuzz: writing the seed corpus failed"
    exit 1
fi

dictionary_of() {
    case "$1" in
    robotfile) echo fuzz/robotfile.dict ;;
    encoding) echo fuzz/encoding.dict ;;
    *) echo fuzz/programtext.dict ;;
    esac
}

# The last value of a libFuzzer status field ("cov: 123") in a log, 0 when absent.
last_field() {
    grep -oE "$1: [0-9]+" "$2" | tail -n 1 | grep -oE '[0-9]+$' || echo 0
}

failed=0
for target in "${targets[@]}"; do
    binary="$build/fuzz/${target}_fuzzer"
    if [ ! -x "$binary" ]; then
        echo "fuzz: no target named $target"
        failed=1
        continue
    fi
    corpus="$out/corpus/$target"
    artifacts="$out/artifacts/$target"
    log="$out/logs/$target.log"
    mkdir -p "$corpus" "$artifacts"

    started=$(date +%s)
    # ZUVO_FUZZ_SEED fixes the mutation sequence (test.sh sets it), so that the short runs of
    # the test suite repeat the run that was seen to pass; unset, every run explores anew.
    "$binary" -max_total_time="$seconds" -seed="${ZUVO_FUZZ_SEED:-0}" -timeout=30 \
        -rss_limit_mb=3072 -print_final_stats=1 \
        -dict="$(dictionary_of "$target")" -artifact_prefix="$artifacts/" \
        "$corpus" "$out/seeds/$target" >"$log" 2>&1
    status=$?
    elapsed=$(($(date +%s) - started))

    runs=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$log" | grep -oE '[0-9]+$' || true)
    [ -n "$runs" ] || runs=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#' || true)
    summary=$(printf '%-16s %4ss  runs %-9s cov %-5s ft %-6s corpus %-5s' "$target" "$elapsed" \
        "${runs:-0}" "$(last_field cov "$log")" "$(last_field ft "$log")" \
        "$(find "$corpus" -type f | wc -l)")
    if [ "$status" -eq 0 ]; then
        echo "$summary no faults"
    else
        failed=1
        echo "$summary FAULT (exit $status)"
        grep -E "_fuzzer: |^SUMMARY: |runtime error: " "$log" | head -n 5 | sed 's/^/    /'
        grep -oE "Test unit written to .*" "$log" | sed 's/^/    /'
        echo "    log: $log"
    fi
done

if [ "$failed" -ne 0 ]; then
    echo "fuzz: faults found"
    exit 1
fi
echo "fuzz: ${#targets[@]} target(s), no faults"
