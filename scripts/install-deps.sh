#!/usr/bin/env bash
# Installs the Debian packages (and the browser tests' npm packages) that Tabloom needs and the
# machine lacks. Run as root or as a user who may use sudo.
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev)
test_packages=(googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
               xvfb xauth x11-apps imagemagick fonts-dejavu-core chromium chromium-driver nodejs npm
               desktop-file-utils appstream librsvg2-bin dpkg-dev file util-linux xdotool libxcb1-dev)

wanted=("${build_packages[@]}")
if [[ "${1:-}" == "--test" ]]; then
    wanted+=("${test_packages[@]}")
fi

as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${wanted[@]}"; do
    # node and npm may come from outside Debian's archive; a working command is enough.
    if [[ "$package" == nodejs ]] && command -v node >/dev/null; then continue; fi
    if [[ "$package" == npm ]] && command -v npm >/dev/null; then continue; fi
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
