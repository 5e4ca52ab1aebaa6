// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What printing puts on the page, without a printer: the window below its menu bar as an image
// of four times the screen's resolution, placed at the window's size.
#include <gtest/gtest.h>

#include <QImage>
#include <QMenuBar>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QTransform>
#include <ostream>
#include <vector>

#include "app/WindowTestSupport.h"
#include "platform/PrintImage.h"

void PrintTo(const QSize& size, std::ostream* out) {
    *out << size.width() << "x" << size.height();
}
void PrintTo(const QRectF& rect, std::ostream* out) {
    *out << rect.width() << "x" << rect.height() << " at " << rect.x() << "," << rect.y();
}

namespace {

// A page that keeps the images painted on it, each with where it went in the page's dots.
class RecordingPage : public QPaintDevice {
  public:
    struct Drawn {
        QImage image;
        QRectF target;
    };

    explicit RecordingPage(int resolution) : resolution_(resolution), engine_(this) {}
    ~RecordingPage() override = default;
    RecordingPage(const RecordingPage&) = delete;
    RecordingPage& operator=(const RecordingPage&) = delete;

    QPaintEngine* paintEngine() const override { return &engine_; }

    std::vector<Drawn> drawn;

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return resolution_ * 17 / 2;  // US Letter
            case PdmHeight:
                return resolution_ * 11;
            case PdmWidthMM:
                return 216;
            case PdmHeightMM:
                return 279;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return resolution_;
            case PdmDepth:
                return 32;
            default:
                return QPaintDevice::metric(metric);
        }
    }

  private:
    // Every feature claimed, so that the painter hands the images over as they are.
    class Engine : public QPaintEngine {
      public:
        explicit Engine(RecordingPage* page) : QPaintEngine(AllFeatures), page_(page) {}

        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& state) override {
            if (state.state() & DirtyTransform) {
                transform_ = state.transform();
            }
        }
        void drawImage(const QRectF& target, const QImage& image, const QRectF&,
                       Qt::ImageConversionFlags) override {
            page_->drawn.push_back({image, transform_.mapRect(target)});
        }
        void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF&) override {
            page_->drawn.push_back({pixmap.toImage(), transform_.mapRect(target)});
        }

      private:
        RecordingPage* page_;
        QTransform transform_;
    };

    int resolution_;
    mutable Engine engine_;
};

class PrintImageTest : public MainWindowTest {
  protected:
    // The window below its menu bar, which is what is printed.
    QSize ContentSize() const {
        const auto* menuBar = window->findChild<QMenuBar*>();
        return {window->width(), window->height() - menuBar->height()};
    }
};

TEST_F(PrintImageTest, TheWindowIsPrintedAtFourTimesTheScreensResolutionAndItsOwnSize) {
    constexpr int kResolution = 1200;  // a printer's at high resolution
    RecordingPage page(kResolution);
    QPainter painter(&page);
    platform::DrawWidgetImage(painter, ClientArea(), kResolution);
    painter.end();

    ASSERT_EQ(page.drawn.size(), 1u);
    const RecordingPage::Drawn& drawn = page.drawn[0];
    // Device pixels, whatever ratio the image says it has.
    EXPECT_EQ(drawn.image.size(), ContentSize() * 4);
    // At 96 dots per inch on screen, the window's size on paper.
    EXPECT_EQ(drawn.target, QRectF(QPointF(0, 0), QSizeF(ContentSize()) * kResolution / 96));
}

}  // namespace
