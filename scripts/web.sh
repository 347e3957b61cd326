#!/usr/bin/env bash
# Builds the site into build/web/site/ (a page per language, each on the core and the form compiled
# to WebAssembly with its language's texts) and serves it at http://localhost:8000. --build-only
# only builds; --test also runs the core's tests in WebAssembly under node, the pages' tests in
# Chromium and Firefox with Lighthouse's audit, and what Orca says of the planner in Firefox.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-serve}
case $mode in
    serve | --build-only) scripts/ensure-packages.sh web ;;
    --test) scripts/ensure-packages.sh web web-test ;;
    *) echo "usage: scripts/web.sh [--build-only | --test]" >&2; exit 2 ;;
esac

# Debian's emcc runs on Debian's node modules, whichever node the machine has.
export NODE_PATH=/usr/share/nodejs
node=$(command -v node || command -v nodejs)
build=build/web
emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel -DRANKTALLY_WERROR=ON \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$node;--no-experimental-fetch" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
site=$build/site

case $mode in
    --build-only) ;;
    --test)
        echo "== the core's tests in WebAssembly, under node"
        ctest --test-dir "$build" --output-on-failure
        echo "== the page in Chromium and Firefox"
        (cd web/tests && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
        RANKTALLY_SITE=$PWD/$site RANKTALLY_CATALOGUE=$PWD/$build/catalogue.json \
            npm --prefix web/tests test
        echo "== the planner as Orca tells it in Firefox"
        timeout 600 dbus-run-session -- web/tests/orca_firefox.sh "$site" \
            2> >(grep -v "^dbus-daemon" >&2)
        ;;
    serve)
        echo "Ranktally is at http://localhost:8000/ (Ctrl+C stops it)"
        exec python3 -m http.server 8000 --bind 127.0.0.1 --directory "$site"
        ;;
esac
