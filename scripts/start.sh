#!/usr/bin/env bash
# Builds Vadel and starts it on the simulated box.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/app/vadel ]; then
  exec build/app/vadel --simulate "$@"
elif [ -x build/tools/cli/vadel-cli ]; then
  build/tools/cli/vadel-cli --simulate sensors
  exec build/tools/cli/vadel-cli --simulate record --time 3 --mics 1,2 --output vadel-demo.wav
else
  exec build/tools/vadel-probe --simulate "$@"
fi
