#include "StoreTestSupport.h"

#include "platform/FrameShow.h"
#include "platform/HostPath.h"
#include "store/FrameStore.h"
#include "support/TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

TEST(FrameStoreTest, ShowsEachFrameThroughTheScratchFileAndRemovesIt)
{
    TempCurrentDir dir;
    makeTemplate(dir.path());
    makeDirectory(dir.file("master/p1"));
    writeFile(dir.file("master/p1/0000.jpg"), frameJpeg(1));
    writeFile(dir.file("master/p1/0001.jpg"), frameJpeg(3, 320, 240));
    {
        // Insert refuses a frame that does not decode; a damaged store can
        // still hold one, so it is posted directly.
        Bench bench(dir.path());
        bench.builder.insert(dir.file("master/p1/0000.jpg"));
        bench.table.setRecNo(2);
        bench.table.edit();
        const QByteArray small = bench.gr.value();
        bench.gr.setValue("not a picture");
        bench.table.post();
        bench.table.insert();
        bench.gr.setValue(small);
        bench.table.post();
    }
    QDir::setCurrent(dir.path());

    Bench bench(dir.path());
    FrameStore::open(bench.table, QStringLiteral("master\\p1\\"));
    EXPECT_EQ(bench.table.recNo(), 1);

    const QString scratch = HostPath::toHost(QString::fromLatin1(FrameShow::kScratchFile));
    const QSize expected[] = {{640, 480}, {0, 0}, {320, 240}};
    for (int record = 0; record < 3; ++record) {
        if (record > 0)
            bench.table.next();
        bool shown = false;
        FrameShow::showThroughScratchFile(bench.gr.value(), [&](std::unique_ptr<QImage> image) {
            shown = true;
            // The decoder has read the file; it is still there until the
            // frame is handed over.
            EXPECT_TRUE(QFileInfo::exists(scratch));
            EXPECT_EQ(image ? image->size() : QSize(0, 0), expected[record]) << record;
        });
        EXPECT_TRUE(shown);
        EXPECT_FALSE(QFileInfo::exists(scratch)) << record;
    }

    // A failure while the frame is handed over still removes the file.
    EXPECT_THROW(FrameShow::showThroughScratchFile(bench.gr.value(), [](std::unique_ptr<QImage>) { throw AppError("boom"); }),
                 AppError);
    EXPECT_FALSE(QFileInfo::exists(scratch));
}

TEST(FrameStoreTest, OpeningAMissingStoreLeavesTheTableClosed)
{
    TempCurrentDir dir;
    Bench bench(dir.path());
    EXPECT_THROW(FrameStore::open(bench.table, QStringLiteral("master\\p9\\")), AppError);
    EXPECT_FALSE(bench.table.isOpen());
}

} // namespace
