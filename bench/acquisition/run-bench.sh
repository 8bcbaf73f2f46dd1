#!/usr/bin/env bash
# The recording figures: speed of a `fast` 1500 s run, processor load of a paced 20 s run and
# the time from "Stop" to the file closed (bench_acquisition), then the peak memory of a 1 s
# and a 1500 s `fast` recording by the command line. Run by hand after building
# bench_acquisition and vadel-cli:  bench/acquisition/run-bench.sh BUILD-DIR
set -euo pipefail
build=${1:-build}
cli=$build/tools/cli/vadel-cli
bench=$build/bench/acquisition/bench_acquisition
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
unset VADEL_SIMULATE

"$bench" --benchmark_counters_tabular=true

peak_kb() {  # peak resident memory of one command-line recording, in kB
  /usr/bin/time -f %M "$cli" --simulate=fast record --time "$1" --output "$tmp/m.wav" 2>&1 >/dev/null | tail -n 1
}
short=$(peak_kb 1)
long=$(peak_kb 1500)
echo "Peak memory: 1 s recording ${short} kB, 1500 s recording ${long} kB, difference $((long - short)) kB"
