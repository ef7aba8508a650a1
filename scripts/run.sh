#!/usr/bin/env bash
# Installs what is missing, builds, and starts the textbook on a copy of the
# bundled course (the copy keeps the repository's files untouched).
source "$(dirname "$0")/common.sh"
install_packages
build "$ROOT/build" -DLARENDO_BENCH=OFF -DLARENDO_TESTS=OFF
WORK="${LARENDO_COURSE_DIR:-$ROOT/run/course}"
if [ ! -d "$WORK" ]; then
  mkdir -p "$(dirname "$WORK")"
  cp -r "$ROOT/course" "$WORK"
fi
cd "$WORK"
exec "$ROOT/build/src/larendo"
