#!/usr/bin/env bash
# Builds everything and runs every test (unit, end-to-end, key monkey, idle
# CPU); then the sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer,
# in build-asan/) runs the unit tests, the key monkey and the window tests again.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
. "$ROOT/tools/setup.sh"
install_missing $PACKAGES_BUILD $PACKAGES_TEST
build build
cd "$ROOT/build"
ctest -j "$(nproc)" --output-on-failure

build build-asan -DLESSONS_SANITIZE=ON
cd "$ROOT/build-asan"
ASAN_OPTIONS=detect_leaks=1:strict_init_order=1:check_initialization_order=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest -j "$(nproc)" --output-on-failure -L '^(unit|monkey|e2e)$'
