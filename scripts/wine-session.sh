#!/usr/bin/env bash
# One Wine session for the end-to-end tests: a virtual X display on a free
# display number and a fresh Wine prefix, made once per test run and shared
# by its tests.
#   wine-session.sh start STATE   make the display and the prefix
#   wine-session.sh run STATE CMD...   run CMD with DISPLAY and WINEPREFIX set
#   wine-session.sh stop STATE    end Wine and the display, remove the prefix
# PULTARA_WINE_SCREEN (WxHxDEPTH, 1280x1024x24 unless set) sizes the display.
# PULTARA_WINE_VERSION=winxp64 (any `winecfg -v` name) makes the prefix report
# that Windows version, so that the program takes that system's paths.
set -euo pipefail
action=$1
state=$2
shift 2

wine_env() {
  export WINEDEBUG=-all
  # No Mono or Gecko installer; no menu builder, which would write .desktop
  # files and icons into the home folder for a prefix that is deleted later.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export DISPLAY WINEPREFIX
}

case "$action" in
  start)
    WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/pultara-e2e-wine.XXXXXX")
    # Xvfb picks a free display number itself and writes it to fd 3 once it
    # listens: a number chosen here could be taken by another Xvfb meanwhile.
    # -noreset: a server that resets when its last client leaves turns away
    # whoever connects during the reset.
    setsid Xvfb -displayfd 3 -noreset -screen 0 "${PULTARA_WINE_SCREEN:-1280x1024x24}" -nolisten tcp \
      3>"$WINEPREFIX.display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 200); do
      [ -s "$WINEPREFIX.display" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    n=$(head -n1 "$WINEPREFIX.display" 2>/dev/null || true)
    rm -f "$WINEPREFIX.display"
    if [ -z "$n" ]; then
      echo "wine-session: Xvfb did not start" >&2
      kill "$xvfb_pid" 2>/dev/null || true
      rm -rf "$WINEPREFIX"
      exit 1
    fi
    DISPLAY=":$n"
    printf 'DISPLAY=%s\nWINEPREFIX=%s\nXVFB_PID=%s\n' "$DISPLAY" "$WINEPREFIX" "$xvfb_pid" >"$state"
    wine_env
    wineboot -i >/dev/null 2>&1 || true
    # Without a window manager Wine draws the window frames itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f /reg:64 >/dev/null 2>&1 || true
    if [ -n "${PULTARA_WINE_VERSION:-}" ]; then
      wine winecfg -v "$PULTARA_WINE_VERSION" >/dev/null 2>&1
      echo "Wine reports Windows $PULTARA_WINE_VERSION"
    fi
    wineserver -w || true
    echo "Wine session on $DISPLAY in $WINEPREFIX"
    ;;
  run)
    # shellcheck disable=SC1090
    source "$state"
    wine_env
    "$@" 2> >(grep -v -e 'wine32' -e 'multiarch' -e 'dpkg --add-architecture' -e '^ALSA' >&2)
    ;;
  stop)
    [ -f "$state" ] || exit 0
    # shellcheck disable=SC1090
    source "$state"
    wine_env
    wineserver -k 2>/dev/null || true
    # shellcheck disable=SC2153  # XVFB_PID comes from the state file
    kill "$XVFB_PID" 2>/dev/null || true
    case "$WINEPREFIX" in
      */pultara-e2e-wine.*) rm -rf "$WINEPREFIX" ;;
    esac
    rm -f "$state"
    ;;
  *)
    echo "usage: $0 start|run|stop STATE [CMD...]" >&2
    exit 2
    ;;
esac
