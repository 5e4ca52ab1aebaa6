#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# A bounded fuzzing run: the seed corpus of the repository plus long texts made here, about a
# minute of fuzzing; finding nothing is the pass. Usage: run-fuzzer.sh FUZZER SEED_CORPUS
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=${VANTREL_FUZZ_SECONDS:-60}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$seeds"/* "$work/"
# Long pasted texts: digits, digits with spaces, and a long text that stops early.
head -c 60000 /dev/zero | tr '\0' '7' >"$work/long-digits"
printf '12 %.0s' $(seq 20000) >"$work/long-spaced-digits"
{ printf '5x'; head -c 60000 /dev/zero | tr '\0' '9'; } >"$work/long-stops-early"
artifacts=${VANTREL_ARTIFACTS:-$work}
"$fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/fuzz-" "$work" 2>"$work/fuzz.log" || {
    tail -n 40 "$work/fuzz.log" >&2
    exit 1
}
grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units)' "$work/fuzz.log" || true
echo "fuzzing found nothing in ${seconds} s"
