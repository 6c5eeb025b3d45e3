#include "platform/AppError.h"
#include "platform/ScratchDir.h"
#include "platform/FrameShow.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

QByteArray jpegOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

QString scratchFile()
{
    return ScratchDir::path() + QStringLiteral("/1.jpg");
}

// Whatever the bytes, the frame goes through "c:\1.jpg" and the file is gone
// afterwards, also when the decoding is left to the worker (gone before the
// frame arrives); only a real JPEG gives a picture, the same either way.
TEST(FrameShow, ScratchFileIsGoneAfterEveryFrame)
{
    QImage frame(640, 480, QImage::Format_RGB32);
    frame.fill(qRgb(0, 128, 255));
    const QByteArray jpeg = jpegOf(frame);
    struct Case {
        const char* name;
        QByteArray bytes;
        bool decodes;
    } cases[] = {
        {"frame", jpeg, true},
        {"empty", QByteArray(), false},
        {"truncated", jpeg.left(jpeg.size() / 2), false},
        {"not a jpeg", QByteArray(5000, 'x'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto image = FrameShow::throughScratchFile(c.bytes);
        EXPECT_EQ(image != nullptr, c.decodes);
        if (image) {
            EXPECT_EQ(image->size(), QSize(640, 480));
            EXPECT_EQ(QColor(image->pixel(320, 240)).blue(), 255);
        }
        EXPECT_FALSE(QFileInfo::exists(scratchFile()));

        // Into the memory of a frame of the same size, as the player gives it.
        QImage recycled(640, 480, QImage::Format_RGB32);
        std::future<QImage> later = FrameShow::showLater(c.bytes, &recycled);
        EXPECT_FALSE(QFileInfo::exists(scratchFile()));
        EXPECT_TRUE(recycled.isNull()) << "taken once the file worked";
        const QImage arrived = later.get();
        EXPECT_EQ(arrived.isNull(), !c.decodes);
        if (image)
            EXPECT_EQ(arrived, *image);
    }
}

// A worker woken ahead of a frame decodes it when it comes; a wake whose wait
// is over, a second wake, or a frame that fails before decoding leaves the
// next frame to be started as without it. Every frame arrives, once, the same
// as decoded in place, whichever thread decodes it; each case runs several
// times so that the worker is met both waiting and already gone.
TEST(FrameShow, AWokenWorkerDecodesTheFrameItIsGivenOrLeavesItToThePool)
{
    using namespace std::chrono;
    QImage picture(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(picture.scanLine(y)), picture.width(), qRgb(y / 2, 90, 255 - y / 2));
    const QByteArray jpeg = jpegOf(picture);
    const auto expected = FrameShow::throughScratchFile(jpeg);
    ASSERT_NE(expected, nullptr);
    struct Case {
        const char* name;
        microseconds waitFor;
        int wakes;
        bool failingFrameFirst;
    } cases[] = {
        {"woken, then the frame", seconds(5), 1, false},
        {"its wait over at once", microseconds(0), 1, false},
        {"woken twice", seconds(5), 2, false},
        {"a frame failing before the next", seconds(5), 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int round = 0; round < 10; ++round) {
            for (int k = 0; k < c.wakes; ++k)
                FrameShow::wakeDecoder(c.waitFor);
            if (c.failingFrameFirst) {
                ASSERT_TRUE(QDir(ScratchDir::path()).mkdir(QStringLiteral("1.jpg")));
                EXPECT_THROW(FrameShow::showLater(jpeg), AppError);
                QDir(ScratchDir::path()).rmdir(QStringLiteral("1.jpg"));
            }
            QImage recycled(640, 480, QImage::Format_RGB32);
            std::future<QImage> later = FrameShow::showLater(jpeg, &recycled);
            // Bounded only so that a lost frame fails here instead of hanging.
            ASSERT_EQ(later.wait_for(seconds(30)), std::future_status::ready) << "round " << round;
            EXPECT_EQ(later.get(), *expected) << "round " << round;
        }
    }
}

// A stale scratch file (left by a crash) is replaced, not decoded.
TEST(FrameShow, StaleScratchFileIsReplaced)
{
    {
        QFile stale(scratchFile());
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray(100000, 'z'));
    }
    QImage frame(64, 48, QImage::Format_RGB32);
    frame.fill(Qt::red);
    const auto image = FrameShow::throughScratchFile(jpegOf(frame));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(64, 48));
    EXPECT_FALSE(QFileInfo::exists(scratchFile()));
}

// When "c:\1.jpg" cannot be created the step fails with the course's
// message, naming the course path.
TEST(FrameShow, UnwritableScratchFileIsReported)
{
    ASSERT_TRUE(QDir(ScratchDir::path()).mkdir(QStringLiteral("1.jpg")));
    try {
        FrameShow::throughScratchFile(QByteArray("anything"));
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot create file c:\\1.jpg"));
    }
    // Before any decoding starts, so the frame on screen is still the caller's.
    QImage onScreen(64, 48, QImage::Format_RGB32);
    try {
        FrameShow::showLater(QByteArray("anything"), &onScreen);
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot create file c:\\1.jpg"));
    }
    EXPECT_FALSE(onScreen.isNull());
    QDir(ScratchDir::path()).rmdir(QStringLiteral("1.jpg"));
}

} // namespace
