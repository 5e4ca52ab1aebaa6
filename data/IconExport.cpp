// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the application icon's XPM images as PNG files for the desktop's icon theme, and as a
// Windows .ico holding both sizes. The larger sizes that software centres want are the 16-colour
// design's pixels repeated (16 px three times, 32 px two, four, six and sixteen times, the last
// two for the browser build's app manifest), never smoothed.
// Usage: icon_export OUT_DIR OUT.ico, writing OUT_DIR/SIZE/org.example.Vantrel.png

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>

#include "data/shuttle16.xpm"
#include "data/shuttle32.xpm"

namespace {

QByteArray Png(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

template <typename T>
void Append(QByteArray& out, T value) {
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An .ico file whose images are stored as PNG, as Windows has read them since Vista.
QByteArray Ico(const QList<QImage>& images) {
    QByteArray ico;
    Append<quint16>(ico, 0);  // reserved
    Append<quint16>(ico, 1);  // an icon
    Append<quint16>(ico, static_cast<quint16>(images.size()));
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        pngs << Png(image);
    }
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        Append<quint8>(ico, static_cast<quint8>(images[i].width()));
        Append<quint8>(ico, static_cast<quint8>(images[i].height()));
        Append<quint8>(ico, 16);  // colours in the palette
        Append<quint8>(ico, 0);
        Append<quint16>(ico, 1);   // planes
        Append<quint16>(ico, 32);  // bits per pixel of the stored PNG
        Append<quint32>(ico, static_cast<quint32>(pngs[i].size()));
        Append<quint32>(ico, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        ico += png;
    }
    return ico;
}

bool SavePng(const QString& folder, const QImage& image) {
    const QString sized = folder + QStringLiteral("/%1").arg(image.width());
    return QDir().mkpath(sized) && image.save(sized + QStringLiteral("/org.example.Vantrel.png"));
}

QImage Repeated(const QImage& image, int times) {
    return image.scaled(image.size() * times, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR OUT.ico\n", argv[0]);
        return 2;
    }
    const QImage small(shuttle16_xpm);
    const QImage large(shuttle32_xpm);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QFile ico(QString::fromLocal8Bit(argv[2]));
    const bool written =
        SavePng(folder, small) && SavePng(folder, large) && SavePng(folder, Repeated(small, 3)) &&
        SavePng(folder, Repeated(large, 2)) && SavePng(folder, Repeated(large, 4)) &&
        SavePng(folder, Repeated(large, 6)) && SavePng(folder, Repeated(large, 16)) &&
        ico.open(QIODevice::WriteOnly) && ico.write(Ico({large, small})) > 0;
    return written ? 0 : 1;
}
