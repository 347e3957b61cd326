#!/usr/bin/env bash
# Checks a .deb as a distribution would: the desktop entry and the AppStream metadata validate,
# lintian finds no error, and the unpacked package starts and shows its window. The .deb is the one
# given (a release's, say), or one it builds.
# Usage: scripts/check-package.sh [DEB]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/readiness.sh

scripts/ensure-packages.sh build package

app_id=org.ranktally.Ranktally
if [ $# -gt 0 ]; then
    deb=$1
else
    build=build/package
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DRANKTALLY_WERROR=ON \
        >/dev/null
    cmake --build "$build" --parallel "$(nproc)"
    rm -f "$build"/*.deb
    (cd "$build" && cpack -G DEB >/dev/null)
    deb=$(ls "$build"/ranktally_*.deb)
fi
[ -s "$deb" ] || { echo "no package: $deb" >&2; exit 1; }
echo "== $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml"
echo "== translations"
# Each shipped language in the menu entry and in the metadata, the name in none.
desktop_entry=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
while read -r language; do
    case $language in '#'* | '') continue ;; esac
    grep -q "^Comment\[$language\]=" "$desktop_entry" ||
        { echo "the menu entry has no comment in $language" >&2; exit 1; }
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" ||
        { echo "the metadata has no summary in $language" >&2; exit 1; }
done <po/LINGUAS
if grep -q '^Name\[' "$desktop_entry" || grep -qE '<(name|developer_name) xml:lang=' "$metainfo"; then
    echo "the name Ranktally is translated" >&2
    exit 1
fi
# Qt's own texts in those languages come from Debian's catalogues of Qt.
dpkg-deb -f "$deb" Recommends | grep -q 'qt6-translations-l10n' ||
    { echo "the package does not recommend qt6-translations-l10n" >&2; exit 1; }
echo "every language of po/LINGUAS, the name untranslated"
echo "== lintian"
lintian --fail-on error --allow-root "$deb"

echo "== installed files"
expected=(
    usr/bin/ranktally
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    usr/share/doc/ranktally/copyright
    usr/share/doc/ranktally/changelog.gz
    usr/share/man/man1/ranktally.1.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [ -s "$root/$file" ] || { echo "missing from the package: $file" >&2; exit 1; }
done
if file "$root/usr/bin/ranktally" | grep -q 'not stripped'; then
    echo "the packaged binary is not stripped" >&2
    exit 1
fi
echo "all ${#expected[@]} files in place"

echo "== the installed program shows its window"
start_xvfb 1024x768x24
log=$(mktemp)
"$root/usr/bin/ranktally" >"$log" 2>&1 &
program=$!
trap 'kill $program $XVFB_PID 2>/dev/null; rm -rf "$root" "$log"' EXIT
shown=no
window_viewable() {
    xwininfo -name Ranktally | grep -q 'Map State: IsViewable' || ! kill -0 "$program"
}
wait_until 120 "the installed program's window" window_viewable &&
    xwininfo -name Ranktally 2>/dev/null | grep -q 'Map State: IsViewable' && shown=yes
if [ "$shown" != yes ]; then
    echo "the installed program showed no window; it said:" >&2
    cat "$log" >&2
    exit 1
fi
echo "window \"Ranktally\" shown on $DISPLAY"
