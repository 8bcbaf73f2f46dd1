#!/usr/bin/env bash
# Makes docs/screenshot.png, the README picture: the window on the simulated box right after
# a test capture, drawn without a display by the offscreen platform.
#   scripts/screenshot.sh [OUTPUT.png]      (VADEL_BUILD_DIR picks the build, default build/)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${VADEL_BUILD_DIR:-build}
out=${1:-docs/screenshot.png}

if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target vadel -j"$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A screen of a common laptop size, so the maximised window looks as it does on a desk.
cat >"$work/screen.json" <<'JSON'
{"synchronousWindowSystemEvents": false, "windowFrameMargins": false,
 "screens": [{"name": "screen", "x": 0, "y": 0, "width": 1100, "height": 720,
              "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}
JSON

mkdir -p "$(dirname "$out")"
# Fresh settings: the picture shows the defaults, not this machine's.
XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" \
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
  "$build/app/vadel" --simulate=fast --screenshot "$out"
echo "wrote $out"
