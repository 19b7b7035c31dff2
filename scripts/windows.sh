#!/usr/bin/env bash
# Builds SOLVA-TX for 64-bit Windows in build-windows/ with MinGW-w64 and a Qt for Windows,
# runs every test program under Wine, sends a map through Wine's COM ports, and packages the
# zip and the installer, which it then installs, starts and uninstalls under Wine.
#   scripts/windows.sh [--if-available]
# The Qt for Windows comes from SOLVA_QT_WINDOWS (a prefix folder or its .tar.xz) or from
# ../shared/toolkits/qt6-mingw-*.tar.xz beside the clone. With --if-available, having none
# is said in one line and is not a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
source scripts/phase.sh
build=$repo/build-windows

toolkit=${SOLVA_QT_WINDOWS:-}
if [ -z "$toolkit" ]; then
    toolkit=$(ls -d "$repo"/../shared/toolkits/qt6-mingw-*.tar.xz 2>/dev/null | tail -1 || true)
fi
if [ -z "$toolkit" ] || [ ! -e "$toolkit" ]; then
    echo "No Qt for Windows (SOLVA_QT_WINDOWS or ../shared/toolkits/qt6-mingw-*.tar.xz): the Windows build is skipped."
    [ "${1:-}" = "--if-available" ] && exit 0
    exit 1
fi

phase "Windows set-up"
packages=(cmake ninja-build xz-utils g++-mingw-w64-x86-64-posix wine wine64 nsis socat strace xvfb
          qt6-base-dev qt6-base-dev-tools qt6-translations-l10n fonts-dejavu-core
          python3-pefile)  # reads the executable's version resource
scripts/install-missing.sh "${packages[@]}"

# The Qt for Windows is copied into the build area once, with Qt's Hungarian dialog texts
# added (Debian's, of the same Qt version), which it lacks.
qt=$build/qt6-mingw
stamp=$build/qt6-mingw.from
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$(realpath "$toolkit")" ] \
    || [ "$toolkit" -nt "$stamp" ]; then
    rm -rf "$qt" && mkdir -p "$build"
    if [ -d "$toolkit" ]; then
        cp -a "$toolkit/." "$qt"
    else
        tar xJf "$toolkit" -C "$build"
    fi
    mkdir -p "$qt/translations"
    cp /usr/share/qt6/translations/qtbase_hu.qm "$qt/translations/"
    realpath "$toolkit" >"$stamp"
fi
[ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] || { echo "$toolkit holds no Qt 6 for Windows"; exit 1; }

# A Wine of its own, and the runtime DLLs found where they are, not copied.
export WINEPREFIX=$build/wine
export WINEPATH="Z:$qt/bin;Z:/usr/lib/gcc/x86_64-w64-mingw32/12-posix;Z:/usr/x86_64-w64-mingw32/lib"
export QT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/dejavu  # the offscreen platform's fonts
[ -f "$WINEPREFIX/system.reg" ] || scripts/wine-run.sh wineboot --init >/dev/null 2>&1

phase "Windows build"
emulator="env;WINEPREFIX=$WINEPREFIX;WINEPATH=${WINEPATH//;/\\;};QT_QPA_FONTDIR=$QT_QPA_FONTDIR"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
      -DSOLVA_QT_WINDOWS="$qt" -DQT_HOST_PATH=/usr -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_UNITY_BUILD=ON -DSOLVA_WARNINGS_AS_ERRORS=ON -DSOLVA_BUILD_BENCH=OFF \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator;$repo/scripts/wine-run.sh"
cmake --build "$build"

version=$(sed -n 's/^project(solva-tx VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
echo "== The version resource of solva-tx.exe"
scripts/check-version-resource.py "$build/app/solva-tx.exe" "$version"
read_by_windows=$(scripts/wine-run.sh cscript //nologo "Z:$repo/scripts/file-version.js" \
                  "Z:$build/app/solva-tx.exe" | tr -d '\r')
echo "Windows itself (Wine's Scripting.FileSystemObject) reads the file version $read_by_windows"
[ "$read_by_windows" = "$version.0" ] || { echo "and not $version.0"; exit 1; }

# The installer's compression keeps one core busy for most of a minute: it runs beside the
# tests under Wine, which wait on Wine more than they compute, and its report follows them.
(cd "$build" && cpack -C Release >cpack.log 2>&1) &
packing=$!
trap 'kill $packing 2>/dev/null || true' EXIT

phase "Windows tests under Wine (the zip and the installer made meanwhile)"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

phase "a send through Wine's COM ports"
scripts/wine-com-check.sh "$build/app/solva-tx.exe"

phase "the zip and the installer"
wait $packing || { cat "$build/cpack.log"; echo "cpack failed"; exit 1; }
cat "$build/cpack.log"
scripts/wine-install-check.sh "$build/solva-tx-$version-win64.exe"
phase
