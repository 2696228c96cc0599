#!/usr/bin/env bash
# Builds the import, scene, view and shell tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs them: the first
# memory error, undefined behaviour or leak from our code fails the run.
# Leaks inside system libraries are listed in tests/sanitizers/lsan.supp.
# Usage: scripts/test-sanitizers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs="$(nproc)"
build=build-sanitize
# Little optimisation and line tables only: the build is most of the time.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Sanitize -DPLANDRAW_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g1" >/dev/null

pattern='^test_(import|scene|view|shell)_'
mapfile -t targets < <(ctest --test-dir "$build" -N -R "$pattern" | sed -n 's/^ *Test *#[0-9]*: *//p')
[ ${#targets[@]} -gt 0 ] || { echo "test-sanitizers: no tests match $pattern" >&2; exit 1; }
cmake --build "$build" --parallel "$jobs" --target "${targets[@]}"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
ctest --test-dir "$build" --output-on-failure --no-tests=error --parallel "$jobs" -R "$pattern"
