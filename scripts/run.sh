#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Vantrel and starts it on the current display; with --web,
# builds the browser version and serves it on this machine (VANTREL_WEB_PORT, or 8080) until
# Ctrl+C, printing the address to open.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --web ]; then
    scripts/install-deps.sh web
    scripts/build-web.sh
    port=${VANTREL_WEB_PORT:-8080}
    echo "Vantrel for the browser: open http://127.0.0.1:$port/ (Ctrl+C stops serving it)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
fi
scripts/install-deps.sh run
scripts/build.sh program
exec build/bin/vantrel
