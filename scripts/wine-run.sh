#!/usr/bin/env bash
# Runs a Windows program under Wine without a display and without Wine's
# first-start dialogs. The prefix is made once per build tree.
set -euo pipefail
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX="${PULTARA_WINEPREFIX:-${TMPDIR:-/tmp}/pultara-wine-$(id -u)}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
exec wine "$@" 2> >(grep -v -e '^it looks like wine32' -e 'multiarch needs' -e 'dpkg --add-architecture' -e 'apt-get install wine32' >&2)
