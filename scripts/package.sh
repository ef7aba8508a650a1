#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package
# build/larendo_<version>_amd64.deb (install it with apt install ./build/larendo_…deb).
source "$(dirname "$0")/common.sh"
install_packages
build "$ROOT/build"
rm -f "$ROOT"/build/larendo_*.deb
(cd "$ROOT/build" && cpack -G DEB)
