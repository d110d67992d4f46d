#!/usr/bin/env bash
# Builds the editor benchmarks in Release and runs one of them offscreen.
#
#   bench/editors/run.sh findnext    Find Next on a 1 MB bot-name text
#   bench/editors/run.sh scoreopen   opening the score editor against the strategy editor
#   bench/editors/run.sh tweaksave   saving 1 MB from the tweak editor against a bare QSaveFile
#   bench/editors/run.sh longline    one-line .tweak files: load and one key, 50 KB to 1 MB
#
# SORVANE_SOURCE=/other/checkout measures another tree with the same drivers
# (built into its own folder beside the default one).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
driver=${1:?usage: bench/editors/run.sh findnext|scoreopen|tweaksave|longline [args]}
shift
source=${SORVANE_SOURCE:-$here/../..}
source=$(cd "$source" && pwd)
build=$here/../../build-bench$([[ $source == $(cd "$here/../.." && pwd) ]] || echo "-$(echo "$source" | md5sum | cut -c1-8)")
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSORVANE_SOURCE="$source" >/dev/null
cmake --build "$build" --target "$driver" >"$build/last-build.log" || { cat "$build/last-build.log" >&2; exit 1; }
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/$driver" "$@" 2> >(grep -v -e 'does not support' -e XDG_RUNTIME_DIR >&2)
