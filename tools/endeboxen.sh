#!/usr/bin/env bash
# A box that ends the program ends it with the offers to save: every such box is shown by
# endeMelden (core/endemeldung.cpp), the one place beside the main window's close that asks
# for the end with its offers. The end without offers belongs to the frame (app/) and to the
# quick exit of left Shift + Esc. Prints every other call and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

fehler=0
erlaubt() {   # file, allowed files...
  local datei=$1; shift
  for a in "$@"; do [[ "$datei" == $a ]] && return 0; done
  return 1
}
while IFS=: read -r datei zeile text; do
  if ! erlaubt "$datei" core/endemeldung.cpp core/rahmen.h app/beenden.cpp app/hauptfenster.cpp; then
    echo "$datei:$zeile: ends the program without endeMelden:$text"
    fehler=1
  fi
done < <(git grep -n -E '\bprogrammBeendenMitAngebot\(' -- '*.cpp' '*.h' ':!tests/*' 2>/dev/null)
while IFS=: read -r datei zeile text; do
  if ! erlaubt "$datei" 'app/*' core/rahmen.h diagrams/tasten.cpp permutation/fenster.cpp; then
    echo "$datei:$zeile: ends the program without the offers:$text"
    fehler=1
  fi
done < <(git grep -n -E '\bprogrammBeenden\(' -- '*.cpp' '*.h' ':!tests/*' 2>/dev/null)
exit $fehler
