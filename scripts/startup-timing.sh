#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Times two programs that quit after their first paint, side by side: runs alternate between
# them (so that a busy moment of the machine hits both alike), 5 warm-up runs and 40 measured
# runs each; reports the median time from exec to exit and the median peak resident memory
# (from wait4), then the ratios. Run on an X display.  Usage: startup-timing.sh PROGRAM BASELINE
set -euo pipefail
exec /usr/bin/python3 - "$@" <<'PY'
import os, statistics, sys, time

def run(path):
    start = time.perf_counter()
    pid = os.posix_spawn(path, [path], os.environ)
    _, status, usage = os.wait4(pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{path} failed with status {status}")
    return elapsed * 1000, usage.ru_maxrss / 1024  # ms, MiB

program, baseline = sys.argv[1], sys.argv[2]
for _ in range(5):
    run(program), run(baseline)
samples = {program: [], baseline: []}
for _ in range(40):
    for path in (program, baseline):
        samples[path].append(run(path))

def medians(path):
    return (statistics.median(t for t, _ in samples[path]),
            statistics.median(m for _, m in samples[path]))

(program_ms, program_mib), (baseline_ms, baseline_mib) = medians(program), medians(baseline)
print(f"first paint: vantrel {program_ms:.1f} ms, baseline {baseline_ms:.1f} ms, "
      f"ratio {program_ms / baseline_ms:.2f} (target at most 1.25)")
print(f"peak RSS:    vantrel {program_mib:.1f} MiB, baseline {baseline_mib:.1f} MiB, "
      f"ratio {program_mib / baseline_mib:.2f} (target at most 1.15)")
PY
