#!/usr/bin/env bash
# Builds Tessivar (optimised) and starts it. Without arguments it opens the demo
# link file of examples/; arguments are handed to the program instead.
source "$(dirname "$0")/scripts/common.sh"
source "$ROOT/scripts/demo.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
build_tree "$ROOT/build/release" Release -DTESSIVAR_BUILD_TESTS=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    fail "no display to show the window on; on a machine without one run: xvfb-run ./run.sh"
fi
if [ $# -eq 0 ]; then
    set -- "$(write_demo_link_file "$ROOT/build/demo")"
fi
exec "$ROOT/build/release/app/tessivar" "$@"
