#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, skipping those already present.
# With --packaging also the tools that build and check the Debian package (make package,
# make test-package).
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format clang-tidy
    xvfb xauth x11-utils
    fonts-liberation fonts-ipafont-gothic
)

for option in "$@"; do
    case "$option" in
        --packaging) packages+=(dpkg-dev file desktop-file-utils appstream lintian xdotool) ;;
        *) echo "usage: $0 [--packaging]" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
