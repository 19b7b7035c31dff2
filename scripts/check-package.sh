#!/usr/bin/env bash
# Makes the Debian package of a build folder (default build/) and checks it as a distribution
# would: lintian --pedantic with no error or warning and no hardening tag, the AppStream
# metainfo (appstreamcli validate --pedantic), both manual pages (mandoc -T lint) and the
# menu entry (desktop-file-validate).
#   scripts/check-package.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/install-missing.sh dpkg-dev lintian appstream mandoc desktop-file-utils

(cd "$build" && cpack -G DEB > /dev/null)
deb=$(ls -t "$build"/solva-tx_*.deb | head -1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== lintian --pedantic $deb"
# Informational tags too (-I), so that the hardening tags show; overrides are listed.
lintian -I --pedantic --show-overrides "$deb" | tee "$root.lintian"
if grep -qE '^(E|W): |^[IP]: .*hardening' "$root.lintian"; then
    echo "lintian: errors, warnings or hardening tags above"
    rm -f "$root.lintian"
    exit 1
fi
rm -f "$root.lintian"

echo "== appstreamcli validate --pedantic"
appstreamcli validate --pedantic --no-net "$root"/usr/share/metainfo/*.metainfo.xml

echo "== mandoc -T lint -W warning"
for page in "$root"/usr/share/man/man1/solva-tx.1.gz "$root"/usr/share/man/hu/man1/solva-tx.1.gz; do
    mandoc -T lint -W warning "$page"
done

echo "== desktop-file-validate"
desktop-file-validate "$root"/usr/share/applications/solva-tx.desktop
echo "The package is clean: $deb"
