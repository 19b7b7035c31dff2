#!/usr/bin/env bash
# Runs a Windows program under Wine 64-bit; CTest's emulator for the Windows build. Wine hides
# the host's QT_* variables from Windows programs and passes WINEQT_* on as QT_*, so every
# QT_* variable given here is passed on that way.
set -euo pipefail
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}  # no Mono or Gecko prompts
export WINELOADER=${WINELOADER:-/usr/lib/wine/wine64}
exec "$WINELOADER" "$@"
