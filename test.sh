#!/usr/bin/env bash
# Builds Tessivar with its tests (debug) and runs every test.
source "$(dirname "$0")/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_tree "$ROOT/build/debug" Debug -DTESSIVAR_BUILD_TESTS=ON

ctest --test-dir "$ROOT/build/debug" --output-on-failure --timeout 120 -j "$(nproc)" || fail "tests failed"
