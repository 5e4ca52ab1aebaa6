// Writes the application icon's XPM images as PNG files for the desktop's icon theme.
// Usage: icon_export OUT_16.png OUT_32.png

#include <QImage>
#include <cstdio>

#include "app/shuttle16.xpm"
#include "app/shuttle32.xpm"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT_16.png OUT_32.png\n", argv[0]);
        return 2;
    }
    const bool written = QImage(shuttle16_xpm).save(QString::fromLocal8Bit(argv[1]), "PNG") &&
                         QImage(shuttle32_xpm).save(QString::fromLocal8Bit(argv[2]), "PNG");
    return written ? 0 : 1;
}
