# Sourced by run.sh and test.sh: installs the Debian packages the build needs when
# any is missing (as root directly, else through sudo). qt6-translations-l10n gives Qt's
# own texts (file choosers) in the program's language. libcomedi0 is the board driver
# library the program loads at start when it is there (it runs without it too);
# libcomedi-dev brings its manual pages and header.
pakete=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev
        libbenchmark-dev fonts-dejavu-core qt6-translations-l10n libcomedi0 libcomedi-dev)

fehlende=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlende+=("$p")
done
if [ ${#fehlende[@]} -gt 0 ]; then
  echo "installing missing packages: ${fehlende[*]}"
  if [ "$(id -u)" -eq 0 ]; then als_root=(); else als_root=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${als_root[@]}" apt-get update -q || { echo "apt-get update failed" >&2; exit 1; }
  "${als_root[@]}" apt-get install -y -q --no-install-recommends "${fehlende[@]}" \
    || { echo "could not install: ${fehlende[*]}" >&2; exit 1; }
fi
