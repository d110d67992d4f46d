#!/usr/bin/env bash
# Builds the Find Next benchmark in Release and runs it offscreen.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../../build-bench-findnext}
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target findnext
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/findnext"
