#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs every test there.
# Any report fails the run: out-of-bounds or freed memory, leaks, signed
# overflow, bad shifts, misaligned or null access, float-to-integer casts out
# of range. Slow (a full build, tests two to five times slower); CI runs it
# after the plain suite.
#
#   scripts/sanitize.sh            build and run everything
#   scripts/sanitize.sh -R Reader  run only the tests matching a ctest regex
#   scripts/sanitize.sh -LE window all but the tests that open the windows
#   SANITIZE_TARGETS="tests_io tests_cli" scripts/sanitize.sh [--gtest_filter=...]
#                                  build and run only these test programs (the
#                                  command-line companion is always built); the
#                                  arguments go to each program
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
# What the system's libraries do is suppressed in scripts/sanitize/*.supp.
supp="$PWD/scripts/sanitize"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:suppressions=$supp/asan.supp"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

flags="-fsanitize=address,undefined -fsanitize=float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer"
# Tests run several times slower here than in the plain build: a longer limit.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DAEROLUNE_CHECKED=ON -DAEROLUNE_TEST_TIMEOUT=1500 \
    -DCMAKE_CXX_FLAGS="$flags -O1 -g" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
if [ -z "${SANITIZE_TARGETS:-}" ]; then
    cmake --build build-sanitize -j"${JOBS:-2}"
    ctest --test-dir build-sanitize --output-on-failure -j"${JOBS:-2}" --timeout 1800 "$@"
    exit
fi
# shellcheck disable=SC2086
cmake --build build-sanitize -j"${JOBS:-2}" --target aerolune-cli $SANITIZE_TARGETS
status=0
for target in $SANITIZE_TARGETS; do
    echo "== $target"
    (cd build-sanitize/tests && "./$target" "$@") || status=1
done
exit "$status"
