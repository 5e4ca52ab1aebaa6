#!/usr/bin/env bash
# Installs what is missing, builds Vantrel and runs every test. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/build.sh
cd build
ctest --output-on-failure -j "$(nproc)"
