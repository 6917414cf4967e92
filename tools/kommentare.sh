#!/usr/bin/env bash
# Comments say what the code does. Prints every comment that instead speaks of another
# program ("the original"), of pieces still to come ("a later part", "the Parts"), or that
# is only a step number ("// 8."), and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

woerter='\b[Tt]he original\b(?!s)|\boriginal'"'"'s\b|\b(later|earlier|next|previous) [Pp]arts?\b(?!-)|\bParts?\b(?!-)|\bspecification\b|\bsteps? [0-9]+(-[0-9]+| and [0-9]+)\b'
nummer='^[0-9]+[a-z]?\.(\s|$)'
fehler=0
while IFS= read -r datei; do
  case "$datei" in
    tools/kommentare.sh) continue ;;
    *.cpp|*.h) trenner='//' ;;
    *) trenner='#' ;;
  esac
  # file:line, a tab, then the comment: behind '//' in C++, behind '#' in scripts and CMake
  treffer=$(awk -v t="$trenner" '{ i = index($0, t)
                                   if (i) { k = substr($0, i + length(t)); sub(/^[ \t]+/, "", k)
                                            print FILENAME ":" FNR "\t" k } }' "$datei" |
            grep -P "\t(.*($woerter)|$nummer)")
  if [ -n "$treffer" ]; then
    echo "$treffer"
    fehler=1
  fi
done < <(git ls-files '*.cpp' '*.h' '*.sh' '*.cmake' '*CMakeLists.txt' 2>/dev/null ||
         find . -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.cmake' -o -name CMakeLists.txt)

[ $fehler -eq 0 ] || echo "These comments speak of something other than what the code does." >&2
exit $fehler
