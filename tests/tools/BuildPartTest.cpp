#include "CliRun.h"
#include "StoreTestSupport.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// A part outside the catalogue: frames, an event script with one event per
// frame and a step script whose one step is shown on the given event.
class BuildPartTest : public testing::Test {
protected:
    void SetUp() override
    {
        makeDirectory(dir.file("frames"));
        for (int i = 0; i < 3; ++i)
            writeFile(dir.file(QStringLiteral("frames/%1.jpg").arg(i, 4, 10, QLatin1Char('0'))), frameJpeg(i));
        writeScripts(3, 1);
    }

    void writeScripts(int events, int stepScreen)
    {
        writeFile(dir.file("part.dat"), eventScriptFile(events));
        writeFile(dir.file("part.lsn"), stepScriptFile(stepScreen));
    }

    CliRun author(const QStringList& args) { return runExecutable(args, dir.path()); }

    const QStringList build{"build-part", "frames", "part.dat", "part.lsn", "out/mypart"};
    TempCurrentDir dir;
};

TEST_F(BuildPartTest, BuildsAStoreInOneStepThatChecksClean)
{
    const CliRun built = author(build);
    ASSERT_EQ(built.exitCode, 0) << built.describe(build);
    EXPECT_EQ(built.out.toStdString(), (dir.file("out/mypart") + ": 3 frames inserted, scripts loaded, 3 records\n").toStdString());
    // No template was asked for, and none was left behind.
    EXPECT_FALSE(QFileInfo::exists(dir.file("ori")));
    EXPECT_FALSE(QFileInfo::exists(dir.file("frames/simu.dbf")));
    EXPECT_EQ(fieldValues(dir.file("out/mypart"), "GR"), (std::vector<QByteArray>{frameJpeg(0), frameJpeg(1), frameJpeg(2)}));
    const auto memos = fieldValues(dir.file("out/mypart"), "M");
    EXPECT_EQ(memos[0], readFile(dir.file("part.dat")));
    EXPECT_EQ(memos[1], readFile(dir.file("part.lsn")));

    const CliRun check = author({"check", "out/mypart"});
    EXPECT_EQ(check.exitCode, 0) << check.describe({"check"});
    EXPECT_EQ(check.out.toStdString(), "clean: 1 part, 3 records\n");
    EXPECT_EQ(check.err.toStdString(), "mypart: 3 records, 0 problem(s)\n");
}

TEST_F(BuildPartTest, AnExistingStoreIsRefusedUnlessAppending)
{
    ASSERT_EQ(author(build).exitCode, 0);
    const QByteArray before = readFile(dir.file("out/mypart/simu.dbf"));

    const CliRun refused = author(build);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err.toStdString(), "out/mypart already holds a frame store; --append adds the frames after its records\n");
    EXPECT_EQ(readFile(dir.file("out/mypart/simu.dbf")), before);

    const CliRun appended = author(build + QStringList{"--append"});
    EXPECT_EQ(appended.exitCode, 0) << appended.describe(build);
    EXPECT_EQ(fieldValues(dir.file("out/mypart"), "GR").size(), 6u);
}

TEST_F(BuildPartTest, ABadFrameWritesNothing)
{
    writeFile(dir.file("frames/0001.jpg"), "this is text, not a picture\n");
    const CliRun r = author(build);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.toStdString(), ("Cannot insert " + dir.file("frames/0001.jpg") + ": it is not a JPEG picture\n").toStdString());
    EXPECT_FALSE(QFileInfo::exists(dir.file("out/mypart"))) << "the folder made for the store is taken back";
}

TEST_F(BuildPartTest, CheckFindsWhatDoesNotFitTheOwnScripts)
{
    const struct {
        int events;
        int stepScreen;
        const char* problem;
    } cases[] = {
        {4, 1, "mypart: 3 records for 4 events"},
        {3, 3, "mypart: step 1 is shown on event 3, after the last event 2"},
    };
    for (const auto& c : cases) {
        QDir(dir.file("out")).removeRecursively();
        writeScripts(c.events, c.stepScreen);
        ASSERT_EQ(author(build).exitCode, 0);
        const CliRun check = author({"check", "out/mypart"});
        EXPECT_EQ(check.exitCode, 1);
        EXPECT_EQ(check.out.toStdString(), std::string(c.problem) + "\n");
        EXPECT_EQ(check.err.toStdString(), "mypart: 3 records, 1 problem(s)\n1 problem(s)\n");
    }
    // The same folder under a catalogue code is held to the built-in scripts.
    QDir(dir.file("out")).removeRecursively();
    writeScripts(3, 1);
    ASSERT_EQ(author({"build-part", "frames", "part.dat", "part.lsn", "out/p7"}).exitCode, 0);
    const CliRun check = author({"check", "out/p7", "--quiet"});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.out.contains("p7: M of record 1 is not the event script")) << check.describe({"check"});
    EXPECT_FALSE(check.err.contains("records,")) << "--quiet keeps the progress line back";
}

} // namespace
