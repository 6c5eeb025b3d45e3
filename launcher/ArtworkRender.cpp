// Build-time helper: renders the launcher's title screen once into the raw
// 32-bit pixels that the program carries as an uncompressed resource, so no
// start of the program pays for drawing it (large anti-aliased text) or for
// decoding it (a PNG of it cost a fifth of a start).
#include "launcher/Artwork.h"

#include <QFile>
#include <QGuiApplication>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QImage title = Artwork::titleScreen().convertToFormat(QImage::Format_RGB32);
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    for (int y = 0; y < title.height(); ++y) {
        const auto* line = reinterpret_cast<const char*>(title.constScanLine(y));
        const qint64 bytes = qint64(title.width()) * 4;
        if (out.write(line, bytes) != bytes)
            return 1;
    }
    return 0;
}
