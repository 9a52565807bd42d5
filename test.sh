#!/usr/bin/env bash
# Builds everything and runs every test (unit, end-to-end, key monkey, idle
# CPU); then the sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer,
# in build-asan/) runs the unit tests and the key monkey again.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
. "$ROOT/tools/setup.sh"
install_missing $PACKAGES_BUILD $PACKAGES_TEST
build build
cd "$ROOT/build"
ctest -j "$(nproc)" --output-on-failure

cmake -S "$ROOT" -B "$ROOT/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLESSONS_SANITIZE=ON >/dev/null
cmake --build "$ROOT/build-asan" -j "$(nproc)" --target unit_tests lesson-monkey
cd "$ROOT/build-asan"
ASAN_OPTIONS=detect_leaks=1:strict_init_order=1:check_initialization_order=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest -j "$(nproc)" --output-on-failure -L '^(unit|monkey)$'
