#!/usr/bin/env bash
# Builds and runs every test: the regular build, AddressSanitizer + UndefinedBehaviorSanitizer
# over the whole suite, ThreadSanitizer over the tests that involve threads, and the fuzz
# targets for a bounded number of runs.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh || exit 1

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
unset VADEL_SIMULATE

passed=0 failed=0 status=0
stage() {  # stage NAME BUILD-DIR CTEST-ARGS... ; configure/build arguments come from $cfg and $targets
  local name=$1 dir=$2; shift 2
  echo "=== $name ==="
  if ! cmake -S . -B "$dir" -G Ninja "${cfg[@]}" >"$dir.configure.log" 2>&1; then
    cat "$dir.configure.log"; echo "$name: configure failed"; status=1; failed=$((failed + 1)); return
  fi
  if ! cmake --build "$dir" -j"$jobs" "${targets[@]}"; then
    echo "$name: build failed"; status=1; failed=$((failed + 1)); return
  fi
  local log="$dir.ctest.log"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 600 "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -n "$line" ]; then
    local f t
    f=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    t=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + t - f)); failed=$((failed + f))
  fi
  [ "$rc" -eq 0 ] || status=1
}

mkdir -p build
cfg=(-DCMAKE_BUILD_TYPE=RelWithDebInfo); targets=()
stage "regular build" build

cfg=(-DCMAKE_BUILD_TYPE=Debug -DVADEL_SANITIZE=address -DVADEL_BENCH=OFF); targets=()
stage "address and undefined-behaviour sanitizers" build-asan

cfg=(-DCMAKE_BUILD_TYPE=Debug -DVADEL_SANITIZE=thread -DVADEL_GUI=OFF -DVADEL_BENCH=OFF); targets=()
stage "thread sanitizer" build-tsan -L threads

if [ -f fuzz/CMakeLists.txt ]; then
  cfg=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVADEL_FUZZ=ON
       -DVADEL_GUI=OFF -DVADEL_BENCH=OFF); targets=(--target vadel_fuzz)
  stage "fuzzing" build-fuzz -L fuzz
fi

echo
echo "All stages: $passed passed, $failed failed"
exit $status
