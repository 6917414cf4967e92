#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer (into
# build-test/) and runs them all.
set -euo pipefail
cd "$(dirname "$0")"
source tools/pakete.sh

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELNOR_SANITIZE=ON \
      -DVELNOR_TESTS=ON -DVELNOR_BENCH=ON >/dev/null
cmake --build build-test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The tests get a temporary directory of their own: whatever one of them leaves there
# fails the run, once all have run.
tmp=$(mktemp -d "${TMPDIR:-/tmp}/velnor-tests.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
uebrigPruefen() {
  local uebrig
  uebrig=$(find "$tmp" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort)
  if [ -n "$uebrig" ]; then
    echo "The tests left this in the temporary directory ($tmp):" >&2
    echo "$uebrig" >&2
    exit 1
  fi
}

cd build-test
TMPDIR="$tmp" ctest --output-on-failure -j "$(nproc)" --timeout 600
uebrigPruefen

# The server's thread and the GUI thread meet only through atomics and the queue: its
# tests run once more under ThreadSanitizer (a separate build, only that test program).
cd ..
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELNOR_TSAN=ON \
      -DVELNOR_TESTS=ON -DVELNOR_BENCH=OFF >/dev/null
cmake --build build-tsan --target test_server
TMPDIR="$tmp" TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 build-tsan/tests/server/test_server
uebrigPruefen
