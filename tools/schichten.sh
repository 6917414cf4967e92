#!/usr/bin/env bash
# Checks the layering of the source folders: a folder includes only folders below it
# (app > dialogs, diagrams, script, permutation, server > files > model > core, texts >
# resources > platform), and a function that a stub file stands in for is defined
# nowhere else. Prints every offence and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

rang() {
  case $1 in
    app) echo 7 ;; dialogs|diagrams|script|permutation|server) echo 6 ;; files) echo 5 ;;
    model) echo 4 ;; core|texts) echo 3 ;; resources) echo 2 ;; platform) echo 1 ;; *) echo 0 ;;
  esac
}

fehler=0
while IFS= read -r datei; do
  oben=${datei%%/*}
  r=$(rang "$oben")
  [ "$r" -gt 0 ] || continue
  while IFS= read -r ziel; do
    z=$(rang "$ziel")
    if [ "$z" -gt "$r" ]; then
      echo "$datei includes $ziel/, a folder above $oben/" >&2
      fehler=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)\/.*/\1/p' "$datei")
done < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')

# A stub file (*/stummel_*.cpp) stands in for functions no folder defines; a function that
# a folder defines as well would be defined twice, so the stub must go.
while IFS= read -r stummel; do
  while IFS= read -r name; do
    andere=$(git grep -l -E "^[A-Za-z_][A-Za-z0-9_:<>,* &]*[ *&]${name}\(" -- '*.cpp' ':!*/stummel_*.cpp' ':!tests/*' 2>/dev/null)
    if [ -n "$andere" ]; then
      echo "$stummel stands in for $name, which $andere defines too: delete the stub" >&2
      fehler=1
    fi
  done < <(sed -n 's/^[A-Za-z_][A-Za-z0-9_:<>,* &]*[ *&]\([A-Za-z_][A-Za-z0-9_]*\)(.*/\1/p' "$stummel" | sort -u)
done < <(git ls-files '*/stummel_*.cpp' 2>/dev/null)

exit $fehler
