#!/usr/bin/env bash
# Sets up, builds and runs Sorvex on Debian 12. Safe to run again and again:
# it installs only the Debian packages that are missing and rebuilds only
# what changed.
#
#   tools/setup.sh run            build, then start the program
#   tools/setup.sh test           build, then run every test
#   tools/setup.sh test-sanitize  build with ASan + UBSan, then run every test
#   tools/setup.sh build          build only
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
action=${1:-build}

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-ipafont-gothic
    libbenchmark-dev
    # For the tests that need a real window system (titles, what a screen
    # reader hears: Qt's platform header for its accessibility bridge), the
    # tests of the installed program and its desktop files, and building the
    # Debian package (dpkg-shlibdeps).
    xvfb xauth xdotool qt6-base-private-dev
    desktop-file-utils appstream dpkg-dev
)

install_missing_packages() {
    local missing=()
    for package in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "error: these packages are missing and sudo is not available: ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DSORVEX_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

install_missing_packages

case "$action" in
build)
    build "$root/build" -DCMAKE_BUILD_TYPE=Release
    ;;
run)
    build "$root/build" -DCMAKE_BUILD_TYPE=Release
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "error: no display: sorvex is a desktop program and needs DISPLAY or WAYLAND_DISPLAY" >&2
        echo "       (without a screen, try: xvfb-run -a tools/setup.sh run)" >&2
        exit 1
    fi
    # The program reads its pictures and manual from its working folder,
    # which the build fills with them.
    cd "$root/build/run"
    exec "$root/build/app/sorvex"
    ;;
test)
    build "$root/build" -DCMAKE_BUILD_TYPE=Release
    ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"
    ;;
test-sanitize)
    build "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DSORVEX_SANITIZE=ON -DSORVEX_BENCHMARKS=OFF
    # Leaks inside system libraries (D-Bus, fontconfig) are not ours to fix;
    # the suppressions name those libraries only, so that a leak in our
    # code still fails a run.
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        LSAN_OPTIONS="suppressions=$root/tools/lsan-system.supp:print_suppressions=0" \
        ctest --test-dir "$root/build-sanitize" --output-on-failure --parallel "$(nproc)"
    ;;
*)
    echo "usage: $0 run|test|test-sanitize|build" >&2
    exit 2
    ;;
esac
