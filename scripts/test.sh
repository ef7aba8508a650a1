#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
source "$(dirname "$0")/common.sh"
install_packages
build "$ROOT/build" -DLARENDO_TESTS=ON -DLARENDO_WERROR=ON
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
ctest --test-dir "$ROOT/build" --output-on-failure -j"$JOBS"
