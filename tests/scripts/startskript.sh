#!/usr/bin/env bash
# run.sh without a usable display refuses before it installs or builds anything, and a
# relative file argument names a file in the caller's folder. No display is needed and
# nothing is built: every call that gets past the display check only prints its command.
set -uo pipefail
quelle=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0

# run.sh from the caller's folder tmp, in a clean environment plus the given variables;
# sets status and ausgabe (stdout and stderr)
starten() {
  ausgabe=$(cd "$tmp" && env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM \
            VELNOR_NUR_ZEIGEN=1 "$@" 2>&1)
  status=$?
}

pruefen() {   # name, expected status, text the output must hold
  if [ "$status" -ne "$2" ] || [[ "$ausgabe" != *"$3"* ]]; then
    echo "FAILED: $1: status $status (expected $2), output:"
    echo "$ausgabe"
    fehler=1
  fi
}

# a display number without an X server: no socket file, no abstract socket, no TCP port
n=7391
while [ -e "/tmp/.X11-unix/X$n" ] || grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null ||
      timeout 3 bash -c 'exec 3<>"/dev/tcp/127.0.0.1/$0"' $((6000 + n)) 2>/dev/null; do
  n=$((n + 1))
done

# ---- displays that cannot be opened -----------------------------------------------
unerreichbar=(
  "DISPLAY=:$n"
  "DISPLAY=unix:$n.0"
  "DISPLAY=127.0.0.1:$n"
  "DISPLAY=:$n QT_QPA_PLATFORM=xcb"
  "QT_QPA_PLATFORM=xcb"
  "WAYLAND_DISPLAY=velnor-keins XDG_RUNTIME_DIR=$tmp"
  "WAYLAND_DISPLAY=velnor-keins"
  "DISPLAY=:$n WAYLAND_DISPLAY=velnor-keins XDG_RUNTIME_DIR=$tmp QT_QPA_PLATFORM=wayland;xcb"
)
for fall in "${unerreichbar[@]}"; do
  read -ra variablen <<< "$fall"
  starten "${variablen[@]}" "$quelle/run.sh" netz.gui
  pruefen "$fall" 1 "velnor: the display cannot be opened"
  if [[ "$ausgabe" == *"$quelle/build/velnor"* ]]; then echo "FAILED: $fall: got past the check"; fehler=1; fi
done

starten "$quelle/run.sh"
pruefen "no display at all" 1 "velnor: no display found"

# ---- displays that need no check, or a socket that is there --------------------------
starten QT_QPA_PLATFORM=offscreen "$quelle/run.sh"
pruefen "offscreen" 0 "$quelle/build/velnor"
starten "DISPLAY=:$n" "QT_QPA_PLATFORM=xcb;offscreen" "$quelle/run.sh"
pruefen "xcb, then offscreen" 0 "$quelle/build/velnor"
if command -v python3 >/dev/null; then
  python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$tmp/wayland-velnor"
  starten "WAYLAND_DISPLAY=wayland-velnor" "XDG_RUNTIME_DIR=$tmp" "DISPLAY=:$n" "$quelle/run.sh"
  pruefen "Wayland socket present" 0 "$quelle/build/velnor"
fi

# ---- the file argument against the caller's folder ----------------------------------
mkdir -p "$tmp/unter" "$tmp/anderswo"
ort=$(cd "$tmp" && pwd -P)
argumente=(
  "unter/netz.gui|$ort/unter/netz.gui"
  "unter/mein netz.gui|$ort/unter/mein netz.gui"
  "../$(basename "$ort")/anderswo/x.gui|$ort/anderswo/x.gui"
  "/daten/netz.gui|/daten/netz.gui"
)
for paar in "${argumente[@]}"; do
  argument=${paar%%|*}
  erwartet=${paar#*|}
  starten QT_QPA_PLATFORM=offscreen "$quelle/run.sh" "$argument"
  zeilen=()
  mapfile -t zeilen <<< "$ausgabe"
  if [ "$status" -ne 0 ] || [ "${#zeilen[@]}" -ne 2 ] || [ "${zeilen[1]}" != "$erwartet" ]; then
    echo "FAILED: argument \"$argument\": expected \"$erwartet\", status $status, output:"
    echo "$ausgabe"
    fehler=1
  fi
done

exit $fehler
