// Writes the application icon's XPM images as PNG files for the desktop's icon theme, and as a
// Windows .ico holding both sizes. Usage: icon_export OUT_16.png OUT_32.png OUT.ico

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>

#include "app/shuttle16.xpm"
#include "app/shuttle32.xpm"

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

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUT_16.png OUT_32.png OUT.ico\n", argv[0]);
        return 2;
    }
    const QImage small(shuttle16_xpm);
    const QImage large(shuttle32_xpm);
    QFile ico(QString::fromLocal8Bit(argv[3]));
    const bool written = small.save(QString::fromLocal8Bit(argv[1]), "PNG") &&
                         large.save(QString::fromLocal8Bit(argv[2]), "PNG") &&
                         ico.open(QIODevice::WriteOnly) && ico.write(Ico({large, small})) > 0;
    return written ? 0 : 1;
}
