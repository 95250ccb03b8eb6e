# Debian packages the build and the tests need, and a helper that installs the missing ones.
# shellcheck shell=bash

BUILD_PACKAGES=(g++ make cmake pkg-config qtbase5-dev libqt5serialport5-dev libx11-dev libxtst-dev
    libwayland-dev libxkbcommon-dev qttools5-dev-tools)
TEST_PACKAGES=(xvfb xauth xkb-data x11-xkb-utils x11-xserver-utils libxi-dev fonts-dejavu-core fonts-wqy-microhei qttranslations5-l10n valgrind sway xwayland qtwayland5 dbus-daemon
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 clang libclang-rt-14-dev lintian appstream dpkg-dev file)
# What the Windows build needs beyond the build packages: the MinGW-w64 cross compilers (both
# thread models come with them), zip, dpkg-dev to unpack Debian's qtbase source, and wixl and
# msitools for the installer, and Qt's translations for the boxes' buttons.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64
    binutils-mingw-w64-i686 dpkg-dev zip unzip wixl msitools qttranslations5-l10n)

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

configure_and_build() {
    local build_dir=$1
    shift
    cmake -S . -B "$build_dir" "$@"
    cmake --build "$build_dir" -j"$(nproc)"
}
