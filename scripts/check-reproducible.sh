#!/usr/bin/env bash
# Builds the release twice, from two clones in different folders, one after the other, under
# different umasks, time zones and locales, and fails when any artifact differs, with diffoscope's
# account of the first that does. The first build's artifacts are kept in build/release-artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh release
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone --quiet . "$work/first"
git clone --quiet . "$work/second/elsewhere"
(cd "$work/first" && umask 022 && TZ=UTC LC_ALL=C.UTF-8 scripts/release.sh) >"$work/first.log" 2>&1 ||
    { cat "$work/first.log"; exit 1; }
(cd "$work/second/elsewhere" && umask 077 && TZ=Pacific/Auckland LC_ALL=de_DE.UTF-8 \
    scripts/release.sh) >"$work/second.log" 2>&1 || { cat "$work/second.log"; exit 1; }
first=$work/first/build/release-artifacts
second=$work/second/elsewhere/build/release-artifacts
cat "$first/SHA256SUMS"
if cmp -s "$first/SHA256SUMS" "$second/SHA256SUMS"; then
    echo "both builds gave the same $(wc -l <"$first/SHA256SUMS") artifacts"
    rm -rf build/release-artifacts
    mkdir -p build
    cp -r "$first" build/release-artifacts
    exit 0
fi
echo "the two builds differ:" >&2
diff "$first/SHA256SUMS" "$second/SHA256SUMS" >&2 || true
differing=$( (diff <(sort "$first/SHA256SUMS") <(sort "$second/SHA256SUMS") || true) |
    sed -n 's/^< [0-9a-f]*  //p' | head -1)
scripts/ensure-packages.sh release-diff
diffoscope --text - "$first/$differing" "$second/$differing" | head -80 >&2 || true
exit 1
