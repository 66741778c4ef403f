#!/usr/bin/env bash
# Sets Brushly up on a fresh machine and starts it: installs what is missing, builds the
# program and the tools, generates the reference data, then runs the program with any
# arguments given (a document to open).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRUSHLY_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"
"$root/scripts/generate-data.sh" "$build"
exec "$build/src/app/brushly" "$@"
