#!/usr/bin/env bash
# Installs the Windows installer silently under Wine, checks its Apps & features entry, starts
# the installed program (its version; a picture of its window on a virtual X display),
# uninstalls it and checks that nothing of it is left: no files, no Start-menu entry, no .pax
# file type, no Apps & features entry.
#   WINEPREFIX=... wine-install-check.sh SOLVA-TX-SETUP.EXE
set -euo pipefail
installer=$1
here=$(cd "$(dirname "$0")/.." && pwd)
run=("$here/scripts/wine-run.sh")
unset WINEPATH  # the installed program finds what it needs in its own folder
fail() {
    echo "Installer check FAILED: $*" >&2
    exit 1
}
dir="$WINEPREFIX/drive_c/Program Files/SOLVA-TX"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/SOLVA-TX"
pax_type() {  # the command that opens .pax files, if any
    local key='HKLM\Software\Classes\SOLVA-TX.pax\shell\open\command'
    "${run[@]}" reg query "$key" >/dev/null 2>&1 && "${run[@]}" reg query "$key" | tr -d '\r'
}

"${run[@]}" "$installer" /S
wineserver -w
[ -f "$dir/solva-tx.exe" ] || fail "nothing installed in $dir"
[ -f "$menu/SOLVA-TX.lnk" ] || fail "no Start-menu entry in $menu"
pax_type | grep -qF '"C:\Program Files\SOLVA-TX\solva-tx.exe" "%1"' || fail ".pax files do not open with the program"
echo "Installed: $(cd "$dir" && find . -type f | sort | tr '\n' ' ')"

version=$("${run[@]}" "$dir/solva-tx.exe" --version | tr -d '\r')
echo "The installed program says: $version"
[[ "$version" == "solva-tx "* ]] || fail "no version from the installed program"
# What Apps & features shows of it, and where it finds the uninstaller.
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\SOLVA-TX'
listing=$("${run[@]}" reg query "$entry" | tr -d '\r')
for value in "DisplayName    REG_SZ    SOLVA-TX" "DisplayVersion    REG_SZ    ${version#solva-tx }" \
             "Publisher    REG_SZ    The SOLVA-TX authors" \
             "DisplayIcon    REG_SZ    C:\Program Files\SOLVA-TX\solva-tx.exe" \
             'UninstallString    REG_SZ    "C:\Program Files\SOLVA-TX\Uninstall.exe"'; do
    grep -qF "$value" <<<"$listing" || fail "Apps & features lacks: $value"
done
echo "Its Apps & features entry:$(grep REG_SZ <<<"$listing" | sed 's/ \{4,\}/ /g' | tr '\n' ';')"
picture=$(mktemp -d)/window.png
xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}" "$dir/solva-tx.exe" --screenshot "Z:$picture" >/dev/null
[ "$(head -c 8 "$picture" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] \
    || fail "the installed program drew no picture of its window"
echo "Its window: $picture ($(stat -c %s "$picture") bytes)"

# The uninstaller runs on from a copy of itself in the temporary folder.
"${run[@]}" "$dir/Uninstall.exe" /S
for _ in $(seq 60); do { [ -e "$dir" ] || [ -n "$(pax_type || true)" ]; } || break; sleep 0.5; done
wineserver -w
[ ! -e "$dir" ] || fail "left behind: $(find "$dir" | head)"
[ ! -e "$menu" ] || fail "the Start-menu entry is left"
[ -z "$(pax_type || true)" ] || fail "the .pax file type is left"
! "${run[@]}" reg query "$entry" >/dev/null 2>&1 || fail "the Apps & features entry is left"
echo "Uninstalled: the program's folder, its Start-menu entry, the .pax file type and the" \
     "Apps & features entry are gone."
