#!/usr/bin/env bash
# Builds Tessivar (optimised) and starts it. Arguments are handed to the program.
source "$(dirname "$0")/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build_tree "$ROOT/build/release" Release -DTESSIVAR_BUILD_TESTS=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    fail "no display to show the window on; on a machine without one run: xvfb-run ./run.sh"
fi
exec "$ROOT/build/release/app/tessivar" "$@"
