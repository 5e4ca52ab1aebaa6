#!/usr/bin/env bash
# Installs what is missing, builds Vantrel and starts it on the current display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
scripts/build.sh program
exec build/bin/vantrel
