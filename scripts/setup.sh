#!/bin/sh
# Sets up a fresh Debian 12 machine (run as root) and builds Velloran.
#   scripts/setup.sh run    install what is needed, build, start the GUI
#   scripts/setup.sh test   install what is needed, build and run every test (plain build with the
#                           GUI tests, then the sanitizer build); exits non-zero on any failure
set -eu
cd "$(dirname "$0")/.."

mode="${1:-}"
case "$mode" in
run|test) ;;
*) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

packages="g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-svg-dev libxerces-c-dev libcurl4-openssl-dev nlohmann-json3-dev
    libical-dev libqrencode-dev libxlsxwriter-dev libzip-dev libfreexl-dev libsecret-1-dev
    fonts-dejavu-core culmus"
if [ "$mode" = test ]; then
    packages="$packages libgtest-dev libgmock-dev libbenchmark-dev clang-format python3
        poppler-utils zbar-tools python3-pyftpdlib python3-openssl vsftpd rclone openssl
        file dpkg-dev desktop-file-utils appstream libclang-rt-14-dev"
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update
# shellcheck disable=SC2086
apt-get install -y --no-install-recommends $packages

jobs="$(nproc)"

if [ "$mode" = run ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLORAN_BUILD_TESTS=OFF
    cmake --build build -j "$jobs"
    exec ./build/src/ui/velloran
fi

# The sources keep the project's .clang-format style.
find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The Debian package of this build installs, and what it installs works.
rm -f build/velloran_*.deb
(cd build && cpack -G DEB)
# --reinstall: a rebuilt package of the same version replaces the one installed before.
apt-get install -y --reinstall ./build/velloran_*.deb
velloran-cli version
velloran --version
desktop-file-validate /usr/share/applications/velloran.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.velloran.Velloran.metainfo.xml

# The core, the CLI and their tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELLORAN_SANITIZE=ON \
    -DVELLORAN_BUILD_GUI=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
