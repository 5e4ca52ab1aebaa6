#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures what README's Performance section reports: ParseCount and a whole Calculate (Google
# Benchmark), and start-up to the first painted window with its peak memory, side by side with a
# bare Qt window built in the same tree. Start-up runs on a private Xvfb display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
scripts/build.sh >/dev/null

echo "== ParseCount"
build/tests/grades_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_filter=. 2>/dev/null | grep -E 'median|Benchmark'
echo "== Calculate on ten boxes of 1 MB, and a paste of 1 MB (offscreen)"
build/tests/calculate_benchmark --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E 'median|Benchmark'

echo "== Start-up to the first painted window, under Xvfb"
bash tests/xserver/with-xvfb.sh bash scripts/startup-timing.sh build/tests/startup_probe \
    build/tests/startup_baseline

echo "== Start-up of the Windows program under Wine, beside the Linux program"
scripts/build-windows.sh >/dev/null
cmake --build build/windows --target startup_probe >/dev/null
bash tests/xserver/with-xvfb.sh bash scripts/startup-timing-wine.sh \
    build/windows/startup_probe.exe build/tests/startup_probe

if scripts/web-can-build.sh 2>/dev/null; then
    echo "== Start-up of the browser build in headless Chromium, beside a bare Qt window"
    scripts/build-web.sh >/dev/null
    qt=$(scripts/build-web-qt.sh | tail -n 1)
    EMSDK=$qt/emsdk "$qt/bin/qt-cmake" -S . -B build/web-bench -G Ninja \
        -DCMAKE_BUILD_TYPE=Release -DVANTREL_WEB_BENCHMARK=ON \
        -DVANTREL_HOST_ICON_EXPORT="$PWD/build/icon_export" >/dev/null
    EMSDK=$qt/emsdk cmake --build build/web-bench --target startup_probe startup_baseline >/dev/null
    python3 scripts/web-startup-timing.py build/web-bench/bench/probe build/web-bench/bench/baseline
fi

