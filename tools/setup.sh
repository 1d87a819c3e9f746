# Shared by ./run and ./test: installs the Debian 12 packages the build needs when any is
# missing, then configures and builds into build/. Sourced, not run.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

packages=(
    g++ cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-multimedia-dev libsqlite3-dev libcpp-httplib-dev libsodium-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation
    dpkg-dev file desktop-file-utils appstream
    python3-icalendar
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    echo "Installing Debian packages: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The builds of ./test compile many files alike: each compiles once. Where we work, a warning
# is an error.
common=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DOBZORKA_WERROR=ON)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    "${common[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
