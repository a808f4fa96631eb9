# Shared by run.sh and test.sh: installs the Debian packages that the build
# needs, then configures and builds one build folder.

set -euo pipefail

fail() {
    echo "error: $*" >&2
    exit 1
}

# Packages every build needs; test.sh adds the test libraries, run.sh the
# desktop opener that hands a program file to its editor.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic)
TEST_PACKAGES=(libgtest-dev libgmock-dev)
RUN_PACKAGES=(xdg-utils)

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        fail "missing Debian packages: ${missing[*]} (run as root, or: sudo apt-get install ${missing[*]})"
    fi
    echo "Installing ${missing[*]} ..."
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq || fail "apt-get update failed"
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
        fail "apt-get install ${missing[*]} failed"
}

# build_tree DIR BUILD_TYPE [CMAKE_OPTION...]: configures once, then builds
# only what changed.
build_tree() {
    local dir=$1 type=$2
    shift 2
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" ||
            fail "cmake could not configure $dir"
    fi
    cmake --build "$dir" || fail "the build in $dir failed"
}

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
