# Sourced by run.sh: whether the display the program will open can be reached. It runs
# before anything is installed or built, so a session without a usable display learns
# it at once. The program checks again itself (by opening the display) before Qt would
# abort on it.

# the X display of DISPLAY: its socket (file or abstract) for ":n" and "unix:n", its TCP
# port 6000+n for "host:n"
x_erreichbar() {
  local anzeige=${DISPLAY:-}
  [ -n "$anzeige" ] || return 1
  case $anzeige in
    /*) [ -S "$anzeige" ] || [ -S "${anzeige%:*}" ]; return ;;   # a socket path of its own
  esac
  local rechner=${anzeige%:*} nummer=${anzeige##*:}
  nummer=${nummer%%.*}                   # ":1.0" names screen 0 of display 1
  [[ $nummer =~ ^[0-9]+$ ]] || return 1
  case $rechner in
    "" | unix)
      [ -S "/tmp/.X11-unix/X$nummer" ] ||
        grep -q " @/tmp/.X11-unix/X$nummer\$" /proc/net/unix 2>/dev/null ;;
    *)
      timeout 3 bash -c 'exec 3<>"/dev/tcp/$0/$1"' "$rechner" $((6000 + 10#$nummer)) 2>/dev/null ;;
  esac
}

# the Wayland socket: WAYLAND_DISPLAY (default "wayland-0") in XDG_RUNTIME_DIR, or its
# own absolute path
wayland_erreichbar() {
  [ -n "${WAYLAND_SOCKET:-}" ] && return 0     # a socket handed over already open
  local name=${WAYLAND_DISPLAY:-wayland-0}
  case $name in
    /*) ;;
    *) [ -n "${XDG_RUNTIME_DIR:-}" ] || return 1
       name=$XDG_RUNTIME_DIR/$name ;;
  esac
  [ -S "$name" ]
}

# 0 when the program can open its display; otherwise says why on stderr and returns 1.
# QT_QPA_PLATFORM picks the platform (a list separated by ';' is tried in turn); those
# that need no display (offscreen, vnc, ...) always pass.
anzeige_pruefen() {
  local plattform=${QT_QPA_PLATFORM:-} eintrag
  local -a liste
  if [ -n "$plattform" ]; then
    IFS=';' read -ra liste <<< "$plattform"
    for eintrag in "${liste[@]}"; do
      case ${eintrag%%:*} in
        xcb) x_erreichbar && return 0 ;;
        wayland*) wayland_erreichbar && return 0 ;;
        *) return 0 ;;
      esac
    done
  elif [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "velnor: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "velnor is a desktop program; start it inside a graphical session." >&2
    return 1
  else
    if [ -n "${DISPLAY:-}" ] && x_erreichbar; then return 0; fi
    if [ -n "${WAYLAND_DISPLAY:-}" ] && wayland_erreichbar; then return 0; fi
  fi
  echo "velnor: the display cannot be opened (DISPLAY=\"${DISPLAY:-}\", WAYLAND_DISPLAY=\"${WAYLAND_DISPLAY:-}\"${plattform:+, QT_QPA_PLATFORM=\"$plattform\"})." >&2
  echo "velnor is a desktop program; start it inside a running graphical session, or set QT_QPA_PLATFORM=offscreen to run it without a screen." >&2
  return 1
}
