#!/usr/bin/env bash
# Makes every release artifact of the checked-out commit, from a clean clone of it, into
# build/release-artifacts/: the .deb, the Windows zip and installer, the page as one archive, and
# SHA256SUMS over them. Anyone who runs it on the same commit gets the same bytes: every time
# stamp is SOURCE_DATE_EPOCH (the commit's time unless the caller sets it), and neither the clone's
# folder, the time zone, the locale nor the umask reaches the artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh release build package windows web
root=$PWD
out=$root/build/release-artifacts
version=$(sed -n 's/^project(Ranktally VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct HEAD)}
export TZ=UTC LC_ALL=C.UTF-8
umask 022

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone --quiet "$root" "$work/src"
git -C "$work/src" checkout --quiet "$(git rev-parse HEAD)"
cd "$work/src"
quiet() { "$@" >"$work/log" 2>&1 || { cat "$work/log" >&2; return 1; }; }

echo "== the .deb"
quiet cmake -S . -B build/deb -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
quiet cmake --build build/deb --parallel "$(nproc)"
(cd build/deb && quiet cpack -G DEB)

echo "== the Windows zip and installer"
# The build runs its catalogue compiler under Wine, in a prefix of its own, made first: two
# programs that the build starts at once in a prefix that does not exist yet each make half of it.
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
quiet wineboot --init
quiet cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
quiet cmake --build build/windows --parallel "$(nproc)"

echo "== the page"
quiet env NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B build/web \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node || command -v nodejs);--no-experimental-fetch"
quiet env NODE_PATH=/usr/share/nodejs cmake --build build/web --parallel "$(nproc)"
web=ranktally-$version-web.tar.gz
(cd build/web && tar --create --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 \
    --numeric-owner --mode=u+rw,go+r,go-w --transform="s,^site,ranktally-$version-web," site |
    gzip -9 --no-name >"$web")

rm -rf "$out"
mkdir -p "$out"
cp build/deb/ranktally_"$version"_*.deb build/windows/ranktally-"$version"-windows-x64.zip \
    build/windows/ranktally-"$version"-setup.exe build/web/"$web" "$out"/
cd "$out"
sha256sum -- * >SHA256SUMS
echo "== $out, from $(git -C "$root" rev-parse --short HEAD) at SOURCE_DATE_EPOCH $SOURCE_DATE_EPOCH"
cat SHA256SUMS
