// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// ParseCount on texts of 10 B, 1 KB and 1 MB: digits, digits with spaces, and a long text
// that stops early.
#include <benchmark/benchmark.h>

#include <string>

#include "grades/ParseCount.h"

namespace {

enum Kind { kDigits, kSpacedDigits, kStopsEarly };

std::string Text(Kind kind, std::size_t size) {
    std::string text;
    text.reserve(size);
    switch (kind) {
        case kDigits:
            text.assign(size, '7');
            break;
        case kSpacedDigits:
            while (text.size() < size) {
                text += (text.size() % 4 == 3) ? ' ' : '1';
            }
            break;
        case kStopsEarly:
            text = "42x";
            text.resize(size, '9');
            break;
    }
    return text;
}

void BM_ParseCount(benchmark::State& state) {
    const std::string text =
        Text(static_cast<Kind>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(grades::ParseCount(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    static const char* const names[] = {"digits", "spaced digits", "stops early"};
    state.SetLabel(names[state.range(0)]);
}

BENCHMARK(BM_ParseCount)
    ->ArgsProduct({{kDigits, kSpacedDigits, kStopsEarly}, {10, 1 << 10, 1 << 20}});

}  // namespace

BENCHMARK_MAIN();
