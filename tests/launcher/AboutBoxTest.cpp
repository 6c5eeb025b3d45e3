#include "launcher/Artwork.h"
#include "launcher/about.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(AboutBoxTest, FixedTopmostDialogWithDefaultOk)
{
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(box.size(), QSize(284, 196));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box.ProductName->text(), QStringLiteral("LESSONWRIGHT"));
    EXPECT_TRUE(box.ProductName->font().bold());
    EXPECT_EQ(box.Version->text(), QStringLiteral("FOR BEGINNER - FORM DESIGN"));
    EXPECT_TRUE(box.Comments->wordWrap());
    EXPECT_EQ(box.ProgramIcon->pixmap().size(), QSize(32, 32));
    EXPECT_TRUE(box.OKButton->isDefault());
    EXPECT_EQ(box.OKButton->text(), QStringLiteral("OK"));

    box.show();
    EXPECT_TRUE(box.isVisible());
    box.OKButton->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(AboutBoxTest, ArtworkHasItsSizesAndIsNotBlank)
{
    const QImage title = Artwork::titleScreen();
    EXPECT_EQ(title.size(), QSize(600, 450));
    EXPECT_NE(title.pixel(10, 10), title.pixel(100, 250));

    const QImage icon = Artwork::programIcon();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255);
}
