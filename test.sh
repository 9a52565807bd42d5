#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
. "$ROOT/tools/setup.sh"
install_missing $PACKAGES_BUILD $PACKAGES_TEST
build build
cd "$ROOT/build"
ctest -j "$(nproc)" --output-on-failure
