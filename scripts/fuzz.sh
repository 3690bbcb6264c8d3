#!/usr/bin/env bash
# Builds the whole-pipeline fuzzer with clang in build-fuzz/ and runs it at the
# lowest priority, seeded with the real section files and the hostile ones.
# The corpus it grows stays in build-fuzz/corpus (not in the repository); a
# finding is written to build-fuzz/findings/ and ends the run with status 1.
#
#   scripts/fuzz.sh                  20 minutes of the pipeline fuzzer
#   FUZZ_SECONDS=60 scripts/fuzz.sh  a shorter run
#   FUZZ_TARGET=read-airfoil-fuzzer scripts/fuzz.sh
#                                    the coordinate reader's fuzzer instead
set -euo pipefail
cd "$(dirname "$0")/.."
target="${FUZZ_TARGET:-pipeline-fuzzer}"
seconds="${FUZZ_SECONDS:-1200}"

# libFuzzer comes with clang; install it if it is missing.
if ! command -v clang++ >/dev/null; then
    sudo_cmd=""
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends clang
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DAEROLUNE_CHECKED=ON -DAEROLUNE_FUZZ=ON >/dev/null
nice -n 19 cmake --build build-fuzz --target "$target"

# The seeds are copied in so the real files are never rewritten; libFuzzer
# adds what it finds to the first directory only.
corpus=build-fuzz/corpus/$target
mkdir -p "$corpus" build-fuzz/findings
cp -n tests/data/reference/sections/*.dat tests/data/sections/*.dat tests/data/hostile/*.dat "$corpus"/

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The time limit per input is wall-clock time: at the lowest priority on a
# busy machine an input that takes 2 seconds of processor time can wait a
# minute for it, so only an input stuck for ten minutes counts as a hang.
nice -n 19 "build-fuzz/tests/io/fuzz/$target" -max_len=20000 -max_total_time="$seconds" -timeout=600 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ "$corpus"
