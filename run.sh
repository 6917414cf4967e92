#!/usr/bin/env bash
# Builds the program (Release, into build/) and starts it: ./run.sh [network file]
# With VELNOR_NUR_ZEIGEN=1 it checks the display and prints the command it would start,
# without installing, building or starting anything.
set -euo pipefail

# a relative file argument names a file in the caller's folder: resolved before the
# script changes into its own
arg=()
if [ -n "${1:-}" ]; then arg=("$(realpath -m -- "$1")"); fi
cd "$(dirname "$0")"

# the display first: without one there is nothing to install or build for
source tools/anzeige.sh
anzeige_pruefen || exit 1
if [ -n "${VELNOR_NUR_ZEIGEN:-}" ]; then
  printf '%s\n' "$PWD/build/velnor" "${arg[@]}"
  exit 0
fi

source tools/pakete.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELNOR_TESTS=OFF >/dev/null
cmake --build build
exec build/velnor "${arg[@]}"
