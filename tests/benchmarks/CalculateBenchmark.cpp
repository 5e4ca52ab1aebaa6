// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole Calculate on ten boxes of 1 MB each, and the paste of 1 MB into a box, on Qt's
// offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/CountBox.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/MessageBox.h"

namespace {

template <typename Control>
Control* Find(const frmMain& window, const char* name) {
    return window.findChild<Control*>(QString::fromUtf8(name));
}

const QString kMegabyteCount = QString((1 << 20) - 1, '0') + "5";  // reads as 5

void BM_CalculateTenMegabyteBoxes(benchmark::State& state) {
    frmMain window;
    window.show();
    for (CountBox* box : window.findChildren<CountBox*>()) {
        box->setText(kMegabyteCount);
    }
    auto* cmdcalculate = Find<QPushButton>(window, "cmdcalculate");
    for (auto _ : state) {
        cmdcalculate->click();
    }
    if (Find<QLabel>(window, "Capresult")->text() !=
        "2.36") {  // 5 x 21.25 points over 45 graded students
        state.SkipWithError("wrong GPA");
    }
    state.SetBytesProcessed(state.iterations() * 10 * kMegabyteCount.size());
}
BENCHMARK(BM_CalculateTenMegabyteBoxes)->Unit(benchmark::kMillisecond);

// How long a paste of 1 MB keeps the window busy (the line edit lays the text out).
void BM_PasteMegabyte(benchmark::State& state) {
    frmMain window;
    window.show();
    QApplication::clipboard()->setText(kMegabyteCount);
    auto* txtAplus = Find<CountBox>(window, "txtAplus");
    txtAplus->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        txtAplus->clear();
        state.ResumeTiming();
        QTest::keyClick(txtAplus, Qt::Key_Insert, Qt::ShiftModifier);
        QApplication::processEvents();
    }
    if (txtAplus->text().size() != kMegabyteCount.size()) {
        state.SkipWithError("the paste did not arrive whole");
    }
}
BENCHMARK(BM_PasteMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrepareApplication();
    platform::SetMessageHandler([](QWidget*, const platform::Message&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
