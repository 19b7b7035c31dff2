#!/usr/bin/env bash
# What a screen reader finds: starts the editor in a virtual X display on its own D-Bus session
# with the accessibility bus, in Hungarian and in English, and fails when a control it can
# reach has no name. The argument is the program (build/app/solva-tx by default).
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/app/solva-tx}")
# Debian's own Python: python3-pyatspi lives in its dist-packages.
check() {  # language, home folder
    (cd "$2" && env -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORM HOME="$2" \
        XDG_CONFIG_HOME="$2/config" XDG_DATA_HOME="$2/data" \
        LC_ALL=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 1366x768x24" dbus-run-session -- \
        /usr/bin/python3 "$OLDPWD/scripts/accessibility_check.py" "$program" "$1")
}
for language in hun eng; do
    home=$(mktemp -d)
    mkdir -p "$home/config/SOLVA-TX"
    printf '[General]\nlanguage=%s\n' "$language" > "$home/config/SOLVA-TX/solva-tx.conf"
    # A virtual display that another one took at the same moment is tried again, twice.
    status=0
    for attempt in 1 2 3; do
        status=0
        check "$language" "$home" || status=$?
        [ "$status" -ne 2 ] && break
    done
    rm -rf "$home"
    [ "$status" -eq 0 ] || exit 1
done
