#!/usr/bin/env bash
# Start-up benchmark: Sorvane against a bare Qt Widgets window.
#
# Measures, for each program, the time from process start (fork) until its
# top-level window is mapped on the X server, and its resident memory
# (VmRSS, plus VmHWM) 300 ms after the map. Both run on one private Xvfb
# server, interleaved, and are watched by the same helper (bench/mapwait.c):
# it selects SubstructureNotify on the root window before starting the
# program and waits for the map of a window with the expected WM_NAME.
#
# Sorvane is run from a temp copy whose dir.ini points at a fake game folder
# holding mods/bf2142/init.con, so it opens its main menu straight away.
#
# Usage: bench/startup.sh [path-to-sorvane] [runs]
#   path-to-sorvane  default (also when "") build-release/app/sorvane, built
#                    in Release into build-release if missing
#   runs             runs of each program, default 15
#   BENCH_TITLE      window title to wait for, default "Sorvane"
#                    (e.g. BENCH_TITLE=BareWindow to try it on the bare window)
#
# Prints median/min/max per program and the sorvane/bare ratios of the
# medians against the targets, at most 1.15x the time and 1.20x the memory
# (informational: exits 0 unless something failed to run).
#
# Needs: cmake ninja-build g++ qt6-base-dev libx11-dev xvfb
#        (installed with apt-get when missing and run as root)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
title=${BENCH_TITLE:-Sorvane}
runs=${2:-15}
time_target=1.15
memory_target=1.20

[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "runs must be a positive number" >&2; exit 2; }

missing=()
for p in cmake ninja-build g++ qt6-base-dev libx11-dev xvfb; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "missing packages: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y "${missing[@]}" || { apt-get update && apt-get install -y "${missing[@]}"; }
fi

tmp=$(mktemp -d /tmp/sorvane-bench.XXXXXX)
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# The program under test.
if [[ -n ${1:-} ]]; then
    prog=$1
else
    prog=$root/build-release/app/sorvane
    if [[ ! -x $prog ]]; then
        echo "== building $root in Release (build-release)"
        (cd "$root" && cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -G Ninja \
            && cmake --build build-release -j8)
    fi
fi
[[ -x $prog ]] || { echo "not an executable: $prog" >&2; exit 1; }

echo "== building the bare window and the helper"
cmake -S "$here/bare" -B "$tmp/bare-build" -DCMAKE_BUILD_TYPE=Release -G Ninja >/dev/null
cmake --build "$tmp/bare-build" -j8 >/dev/null
bare=$tmp/bare-build/bare
cc -O2 -Wall -o "$tmp/mapwait" "$here/mapwait.c" -lX11

# Sorvane's copy, its settings and the fake game folder.
mkdir -p "$tmp/game/mods/bf2142" "$tmp/run"
echo "// bench" >"$tmp/game/mods/bf2142/init.con"
cp "$prog" "$tmp/run/"
real=$tmp/run/$(basename "$prog")
printf '%s\r\n' "$tmp/game" >"$tmp/run/dir.ini"
printf 'BF2142\r\n' >"$tmp/run/dirMod.ini"

# One private X server for all runs.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -qx '[0-9]\+' "$tmp/display" 2>/dev/null && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$tmp/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
grep -qx '[0-9]\+' "$tmp/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$tmp/display")
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$tmp/xdg
mkdir -m 700 "$XDG_RUNTIME_DIR"

measure() { # name dir title exe
    local out
    if ! out=$(cd "$2" && "$tmp/mapwait" "$3" 30 "$4" 2>>"$tmp/$1.log"); then
        echo "run of $1 failed; its output:" >&2
        cat "$tmp/$1.log" >&2
        exit 1
    fi
    echo "$out" >>"$tmp/$1.txt"
}

echo "== $runs runs each on DISPLAY=$DISPLAY: bare ($bare) / sorvane ($prog, title \"$title\")"
for ((i = 1; i <= runs; i++)); do
    measure bare "$tmp/bare-build" BareWindow "$bare"
    measure sorvane "$tmp/run" "$title" "$real"
    printf '.'
done
echo

# stats FILE COLUMN DIVISOR -> "median min max"
stats() {
    awk -v c="$2" '{ print $c }' "$1" | sort -g | awk -v d="$3" '
        { v[NR] = $1 / d }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              printf "%.1f %.1f %.1f\n", m, v[1], v[NR] }'
}

printf '\n%-8s %27s   %27s   %12s\n' "" "start-up to map (ms)" "VmRSS (MiB)" "VmHWM (MiB)"
printf '%-8s %9s %8s %8s   %9s %8s %8s   %12s\n' program median min max median min max median
for name in bare sorvane; do
    read -r tmed tmin tmax <<<"$(stats "$tmp/$name.txt" 1 1)"
    read -r rmed rmin rmax <<<"$(stats "$tmp/$name.txt" 2 1024)"
    read -r hmed _ _ <<<"$(stats "$tmp/$name.txt" 3 1024)"
    printf '%-8s %9s %8s %8s   %9s %8s %8s   %12s\n' "$name" "$tmed" "$tmin" "$tmax" "$rmed" "$rmin" "$rmax" "$hmed"
    declare "${name}_t=$tmed" "${name}_r=$rmed"
done

echo
ratio() { # label sorvane bare target
    awk -v l="$1" -v a="$2" -v b="$3" -v t="$4" 'BEGIN {
        r = a / b
        printf "%-22s %5.2fx  (target at most %.2fx)  %s\n", l, r, t, r <= t ? "PASS" : "OVER" }'
}
ratio "time   sorvane/bare" "$sorvane_t" "$bare_t" "$time_target"
ratio "memory sorvane/bare" "$sorvane_r" "$bare_r" "$memory_target"
