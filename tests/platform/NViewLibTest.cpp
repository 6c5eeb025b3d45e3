#include "platform/NViewLib.h"
#include "platform/ScratchDir.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <cstdlib>

namespace {

// A test picture: a colour gradient with a bright square, so a decoder that
// swaps channels or rows gives itself away.
QImage testPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool square = x >= width / 4 && x < width / 2 && y >= height / 4 && y < height / 2;
            image.setPixel(x, y, square ? qRgb(250, 250, 40) : qRgb(x * 255 / width, 30, y * 255 / height));
        }
    }
    return image;
}

enum class Kind { Baseline, Progressive, Greyscale };

QByteArray compress(const QImage& rgb, Kind kind)
{
    tjhandle tj = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int flags = kind == Kind::Progressive ? TJFLAG_PROGRESSIVE : 0;
    const int sampling = kind == Kind::Greyscale ? TJSAMP_GRAY : TJSAMP_420;
    const int rc = tjCompress2(tj, rgb.constBits(), rgb.width(), int(rgb.bytesPerLine()), rgb.height(), TJPF_RGB,
                               &out, &size, sampling, 90, flags);
    QByteArray bytes = rc == 0 ? QByteArray(reinterpret_cast<const char*>(out), int(size)) : QByteArray();
    tjFree(out);
    tjDestroy(tj);
    return bytes;
}

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The luma of JPEG's colour conversion.
int grey(QRgb c)
{
    return int(0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c) + 0.5);
}

} // namespace

TEST(Decoder, BaselineProgressiveAndGreyscaleDecodeToRgb32)
{
    const QImage picture = testPicture(640, 480);
    const struct {
        Kind kind;
        const char* name;
    } cases[] = {{Kind::Baseline, "baseline"}, {Kind::Progressive, "progressive"}, {Kind::Greyscale, "greyscale"}};
    for (const auto& c : cases) {
        const QByteArray jpeg = compress(picture, c.kind);
        ASSERT_FALSE(jpeg.isEmpty()) << c.name;
        const std::unique_ptr<QImage> image = NViewLibDecode(jpeg);
        ASSERT_TRUE(image) << c.name;
        EXPECT_EQ(image->format(), QImage::Format_RGB32) << c.name;
        EXPECT_EQ(image->size(), QSize(640, 480)) << c.name;
        for (const QPoint p : {QPoint(5, 5), QPoint(600, 40), QPoint(30, 450), QPoint(620, 460), QPoint(240, 180)}) {
            const QRgb got = image->pixel(p);
            const QRgb want = picture.pixel(p);
            EXPECT_EQ(qAlpha(got), 255) << c.name;
            if (c.kind == Kind::Greyscale) {
                EXPECT_NEAR(qRed(got), grey(want), 12) << c.name << " at " << p.x() << "," << p.y();
                EXPECT_EQ(qRed(got), qGreen(got)) << c.name;
                EXPECT_EQ(qGreen(got), qBlue(got)) << c.name;
            } else {
                EXPECT_LE(channelDistance(got, want), 16) << c.name << " at " << p.x() << "," << p.y();
            }
        }
    }
}

// Loading by course name: the scratch file under its exact name, other files
// also under another letter case; one after another, so that a file read
// after a larger one is decoded from its own bytes only.
TEST(Decoder, LoadReadsFilesByCourseName)
{
    TempCurrentDir dir;
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("Frames")));
    const QByteArray large = compress(testPicture(320, 240), Kind::Progressive);
    const QByteArray small = compress(testPicture(64, 48), Kind::Baseline);
    ASSERT_GT(large.size(), small.size());
    const struct {
        const char* what;
        QString hostFile;
        QString courseName;
        QByteArray bytes; // empty: no file, no picture
    } cases[] = {
        {"scratch file, large", ScratchDir::path() + QStringLiteral("/1.jpg"), QStringLiteral("c:\\1.jpg"), large},
        {"scratch file, smaller after larger", ScratchDir::path() + QStringLiteral("/1.jpg"),
         QStringLiteral("C:\\1.jpg"), small},
        {"other letter case", dir.file(QStringLiteral("Frames/ONE.JPG")), QStringLiteral("frames\\one.jpg"), large},
        {"missing file", QString(), QStringLiteral("c:\\missing.jpg"), {}},
        {"exact name again", dir.file(QStringLiteral("Frames/two.jpg")), QStringLiteral("Frames\\two.jpg"), small},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.hostFile.isEmpty())
            writeFile(c.hostFile, c.bytes);
        const std::unique_ptr<QImage> loaded = NViewLibLoad(c.courseName, 0);
        if (c.bytes.isEmpty()) {
            EXPECT_FALSE(loaded);
            continue;
        }
        const std::unique_ptr<QImage> decoded = NViewLibDecode(c.bytes);
        ASSERT_TRUE(loaded);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(*loaded, *decoded);
    }
}

// A recycled image is written only when it is the right size and nobody else
// holds it: a picture shared with another holder keeps its pixels.
TEST(Decoder, RecycledImagesAreReusedOnlyWhenFreeAndTheRightSize)
{
    const QByteArray jpeg = compress(testPicture(64, 48), Kind::Baseline);
    const std::unique_ptr<QImage> expected = NViewLibDecode(jpeg);
    ASSERT_TRUE(expected);
    const struct {
        const char* what;
        QSize size;
        QImage::Format format;
        bool shared;
        bool reused;
    } cases[] = {
        {"free, same size", {64, 48}, QImage::Format_RGB32, false, true},
        {"shared", {64, 48}, QImage::Format_RGB32, true, false},
        {"other size", {48, 64}, QImage::Format_RGB32, false, false},
        {"other format", {64, 48}, QImage::Format_ARGB32, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QImage recycled(c.size, c.format);
        recycled.fill(Qt::magenta);
        const QImage holder = c.shared ? recycled : QImage();
        const uchar* memory = recycled.constBits();
        const std::unique_ptr<QImage> decoded = NViewLibDecode(jpeg, std::move(recycled));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(*decoded, *expected);
        EXPECT_EQ(decoded->constBits() == memory, c.reused);
        if (c.shared)
            EXPECT_EQ(holder.pixel(0, 0), QColor(Qt::magenta).rgb());
    }
}

TEST(Decoder, BadInputGivesNull)
{
    const QByteArray jpeg = compress(testPicture(320, 240), Kind::Baseline);
    const QByteArray progressive = compress(testPicture(320, 240), Kind::Progressive);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        testPicture(32, 32).save(&buffer, "PNG");
    }
    QByteArray noise(4000, Qt::Uninitialized);
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 2654435761u) >> 13);
    QByteArray huge = jpeg;
    // SOF0 height/width set to 60000 x 60000: refused before allocating.
    const int sof = huge.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    huge[sof + 5] = char(0xEA);
    huge[sof + 6] = char(0x60);
    huge[sof + 7] = char(0xEA);
    huge[sof + 8] = char(0x60);

    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"start marker only", QByteArray("\xFF\xD8", 2)},
        {"header only", jpeg.left(300)},
        {"truncated baseline", jpeg.left(jpeg.size() / 2)},
        {"truncated progressive", progressive.left(progressive.size() / 2)},
        {"random bytes", noise},
        {"random after start marker", QByteArray("\xFF\xD8\xFF", 3) + noise},
        {"png", png},
        {"absurd dimensions", huge},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(NViewLibDecode(c.bytes)) << c.what;
        EXPECT_TRUE(NViewLibDecode(jpeg)) << "after " << c.what;
        writeFile(ScratchDir::path() + QStringLiteral("/bad.jpg"), c.bytes);
        EXPECT_FALSE(NViewLibLoad(QStringLiteral("c:\\bad.jpg"), 0)) << c.what;
    }
    EXPECT_FALSE(NViewLibLoad(QStringLiteral("c:\\missing.jpg"), 0));
    EXPECT_FALSE(NViewLibLoad(ScratchDir::path(), 0)) << "a directory";
    // Good data still decodes after all the failures on the shared handle.
    EXPECT_TRUE(NViewLibDecode(jpeg));
}
