#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs every test there.
# Any report fails the run: out-of-bounds or freed memory, leaks, signed
# overflow, bad shifts, misaligned or null access, float-to-integer casts out
# of range. Slow (a full build, tests two to five times slower); CI runs the
# Qt-free layers' test programs this way after the plain suite (.ci/run says
# why not all).
#
#   scripts/sanitize.sh            build and run everything
#   scripts/sanitize.sh -R Reader  run only the tests matching a ctest regex
#   scripts/sanitize.sh -LE window all but the tests that open the windows
#   SANITIZE_TARGETS="tests_io tests_cli" scripts/sanitize.sh [--gtest_filter=...]
#                                  build and run only these test programs (and
#                                  the command-line companion for tests_cli);
#                                  the arguments go to each program
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
# What the system's libraries do is suppressed in scripts/sanitize/*.supp.
supp="$PWD/scripts/sanitize"
# Every report, from a test or from a program a test starts (the command-line
# companion, whose refusals exit non-zero anyway), is also written to
# build-sanitize/reports/; any file there fails the run.
reports="$PWD/build-sanitize/reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:suppressions=$supp/asan.supp:log_path=$reports/asan:log_exe_name=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan:log_exe_name=1"
# Fails the run if a program wrote a report, whatever its exit status was.
check_reports() {
    if [ -n "$(ls -A "$reports")" ]; then
        echo "Sanitizer reports in $reports:"
        head -n 40 "$reports"/*
        return 1
    fi
}

flags="-fsanitize=address,undefined -fsanitize=float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer"
# GCC's flow analysis on instrumented code reports std::function members
# inside <regex> as maybe used uninitialised (they are set); the plain checked
# build keeps that warning, here it would only fail the build. (Clang has no
# such warning and refuses the option.)
if ! "${CXX:-c++}" -dM -E -x c++ /dev/null | grep -q __clang__; then
    flags="$flags -Wno-maybe-uninitialized"
fi
# Tests run several times slower here than in the plain build: a longer limit.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DAEROLUNE_CHECKED=ON -DAEROLUNE_TEST_TIMEOUT=1500 \
    -DCMAKE_CXX_FLAGS="$flags -O1 -g" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
if [ -z "${SANITIZE_TARGETS:-}" ]; then
    cmake --build build-sanitize -j"${JOBS:-2}"
    status=0
    ctest --test-dir build-sanitize --output-on-failure -j"${JOBS:-2}" --timeout 1800 "$@" || status=$?
    check_reports || status=1
    exit "$status"
fi
# The command-line tests run the companion program: it is built with them.
targets="$SANITIZE_TARGETS"
case " $targets " in *" tests_cli "*) targets="aerolune-cli $targets" ;; esac
# shellcheck disable=SC2086
cmake --build build-sanitize -j"${JOBS:-2}" --target $targets
# Each program runs its whole suite in one process, JOBS of them at a time;
# a program's output is shown when it fails, and one that hangs fails at the
# time limit instead of stalling the run.
# shellcheck disable=SC2317  # called through xargs
run_one() {
    local target=$1 log
    shift
    log="build-sanitize/tests/$target.sanitize.log"
    if (cd build-sanitize/tests && timeout "${SANITIZE_TIMEOUT:-1800}" "./$target" "$@") >"$log" 2>&1; then
        echo "== $target passed ($(grep -E '^\[  PASSED  \]' "$log" || true))"
    else
        echo "== $target FAILED (status $?), the end of its output:"
        tail -n 60 "$log"
        return 1
    fi
}
export -f run_one
status=0
# shellcheck disable=SC2086
printf '%s\n' $SANITIZE_TARGETS | xargs -P "${JOBS:-2}" -I{} bash -c 'run_one "$@"' _ {} "$@" || status=1
check_reports || status=1
exit "$status"
