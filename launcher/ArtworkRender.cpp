// Build-time helper: renders the launcher's title screen once into a PNG
// that the program carries as a resource, so no start of the program pays
// for drawing it (large anti-aliased text is most of a start's work).
#include "launcher/Artwork.h"

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    return Artwork::titleScreen().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
