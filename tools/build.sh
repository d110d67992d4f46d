#!/usr/bin/env bash
# Installs what is missing, builds, and then starts the program or runs the
# tests.
#
#   tools/build.sh run              build (Release) and start Sorvane
#   tools/build.sh test             build (Debug, warnings as errors) and run every test
#   tools/build.sh test --sanitize  the same under AddressSanitizer and UBSan
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
packages=(g++ cmake ninja-build qt6-base-dev qt6-webengine-dev libgl-dev libxcb1-dev fonts-liberation2)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

build() { # folder, build type, extra cmake options...
    local folder=$1 type=$2
    shift 2
    cmake -S "$root" -B "$root/$folder" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
    cmake --build "$root/$folder" -j "$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build build-release Release -DBUILD_TESTING=OFF
    exec "$root/build-release/app/sorvane"
    ;;
test)
    install_missing
    if [ "${2:-}" = "--sanitize" ]; then
        build build-sanitize Debug -DSORVANE_WERROR=ON -DSORVANE_SANITIZE=ON
        export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$(nproc)"
    else
        build build-test Debug -DSORVANE_WERROR=ON
        ctest --test-dir "$root/build-test" --output-on-failure -j "$(nproc)"
    fi
    ;;
*)
    echo "usage: tools/build.sh run | test [--sanitize]" >&2
    exit 2
    ;;
esac
