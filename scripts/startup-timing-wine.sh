#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the Windows program's start-up under Wine beside the Linux program's, on the same X
# display: each is a start-up probe that starts like the program and quits after its first
# paint. Runs alternate between the two, 3 warm-up runs and 20 measured runs each, in a fresh
# Wine prefix whose wineserver stays up between runs (as it does on a desktop running Wine).
# Run on an X display.  Usage: startup-timing-wine.sh WINDOWS_PROBE.exe LINUX_PROBE
set -euo pipefail
source "$(dirname "$0")/../tests/windows/wine-prefix.sh"
wine_prefix_boot
wineserver -p >/dev/null 2>&1
/usr/bin/python3 - "$@" <<'PY'
import os, statistics, subprocess, sys, time

def run(command):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return (time.perf_counter() - start) * 1000

windows = ["/usr/lib/wine/wine64", sys.argv[1]]
linux = [sys.argv[2]]
for _ in range(3):
    run(windows), run(linux)
samples = {"windows": [], "linux": []}
for _ in range(20):
    samples["windows"].append(run(windows))
    samples["linux"].append(run(linux))
w, l = statistics.median(samples["windows"]), statistics.median(samples["linux"])
print(f"first paint: vantrel.exe under Wine {w:.0f} ms, vantrel on Linux {l:.0f} ms "
      f"({w / l:.1f} times)")
PY
