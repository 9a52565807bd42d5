#!/usr/bin/env bash
# Builds and starts one lesson program: ./run.sh palisteo|quendral|orvenna
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
. "$ROOT/tools/setup.sh"
prog=${1:-palisteo}
case "$prog" in palisteo|quendral|orvenna) ;; *) echo "usage: $0 palisteo|quendral|orvenna" >&2; exit 2;; esac
install_missing $PACKAGES_BUILD
build build
exec "$ROOT/build/bin/$prog"
