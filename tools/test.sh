#!/usr/bin/env bash
# Builds Talvern and runs the whole test suite, from a fresh machine on.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
build=${TALVERN_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" -j"$(nproc)"
# Widget tests draw offscreen; the whole-program tests start their own Xvfb.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# The benchmark (label "bench") measures rather than checks: not here.
# A failure here does not stop the runs below: every part reports, then the
# script fails if any part did.
failed=()
ctest --test-dir "$build" -j"$(nproc)" -LE bench --output-on-failure --timeout 600 || failed+=(ctest)

# The Debian package, installed with apt and started: this changes the
# system, so only where asked (CI, on a machine of its own).
if [ "${TALVERN_CHECK_DEB:-0}" = 1 ]; then
  tests/install/check_deb.sh "$build" || failed+=(package)
fi

# The unit, flow, store and odds tests once more under AddressSanitizer and
# UndefinedBehaviorSanitizer: a Debug build (at -O1, so the exhaustive
# tests stay quick) of the test programs only, no windows and no media.
asan=${TALVERN_ASAN_BUILD_DIR:-$build-asan}
cmake -S . -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALVERN_BENCHMARKS=OFF \
  "-DCMAKE_CXX_FLAGS=-O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
tests=(tests/engine_tests tests/flow_tests tests/store/store_tests tests/odds/odds_tests tests/settings/settings_flow_tests)
if grep -q '^ *add_subdirectory(reliability)' tests/CMakeLists.txt; then
  tests+=(tests/reliability/reliability_tests)
fi
targets=()
for t in "${tests[@]}"; do targets+=("$(basename "$t")"); done
cmake --build "$asan" -j"$(nproc)" --target "${targets[@]}"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/reliability/sanitizers/lsan.supp
for t in "${tests[@]}"; do
  echo "== $t under AddressSanitizer and UndefinedBehaviorSanitizer"
  # The runs killed at every system call prove atomicity, not memory
  # safety, and take minutes under the sanitizers: the plain build has them.
  "$asan/$t" --gtest_brief=1 --gtest_filter=-*KilledRun* || failed+=("$t under the sanitizers")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all tests passed"
