#!/usr/bin/env bash
# Runs a command in one X display (Xvfb) with a ready Wine prefix. The prefix is prepared inside
# the same display: a wineserver started without one would serve every later Wine program and
# refuse to create windows.
set -euo pipefail
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${PLM_IN_XVFB:-}" ]; then
  PLM_IN_XVFB=1 exec xvfb-run -a "$0" "$@"
fi
wineboot -i >/dev/null 2>&1 || true
status=0
"$@" || status=$?
wineserver -w >/dev/null 2>&1 || true  # let the server and its windows go before the display does
exit $status
