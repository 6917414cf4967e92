#!/usr/bin/env bash
# Builds the program (Release, into build/) and starts it: ./run.sh [network file]
set -euo pipefail
cd "$(dirname "$0")"
source tools/pakete.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELNOR_TESTS=OFF >/dev/null
cmake --build build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "velnor: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "velnor is a desktop program; start it inside a graphical session." >&2
  exit 1
fi
# a relative file argument names a file in the caller's folder
arg=()
if [ $# -gt 0 ]; then arg=("$(realpath -m -- "$1")"); fi
exec build/velnor "${arg[@]}"
