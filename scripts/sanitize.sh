#!/usr/bin/env bash
# Builds the rooms' tests (no windows) with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them; any finding fails.
source "$(dirname "$0")/common.sh"
install_packages
build "$ROOT/build-asan" -DLARENDO_WERROR=ON -DLARENDO_GUI=OFF -DLARENDO_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$ROOT/build-asan" --output-on-failure -j"$JOBS"
