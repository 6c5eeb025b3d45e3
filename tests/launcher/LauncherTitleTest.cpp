#include "launcher/Artwork.h"
#include "launcher/menuunit_.h"

#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// The title screen the launcher shows (carried pre-rendered) is the one the
// program draws, pixel for pixel.
TEST(LauncherTitle, ShowsTheDrawnTitleScreen)
{
    TMainf launcher;
    const QImage shown = launcher.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = Artwork::titleScreen().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(600, 450));
    EXPECT_TRUE(shown == drawn);
}

} // namespace
