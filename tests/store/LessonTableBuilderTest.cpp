#include "StoreTestSupport.h"

#include "platform/HostPath.h"
#include "store/FileList.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// A course root with its template and one frame folder.
class BuilderTest : public testing::Test {
protected:
    void SetUp() override
    {
        makeTemplate(root.path());
        frames = root.file(QStringLiteral("frames"));
        makeDirectory(frames);
    }

    QString frame(const QString& name) const { return frames + QLatin1Char('/') + name; }

    void addFrames(const QStringList& names)
    {
        for (const QString& name : names)
            writeFile(frame(name), frameJpeg(int(qHash(name))));
    }

    TempCurrentDir root;
    QString frames;
    ErrorRecorder errors;
};

TEST(BuilderPathRules, DirectoryAndBaseNameOfTheChosenFile)
{
    struct Case {
        const char* chosen;
        const char* directory;
        const char* base;
    };
    const Case cases[] = {
        {"e:\\done_new\\p4a\\jpgs\\p4a.jpg", "e:\\done_new\\p4a\\jpgs", "p4a"},
        {"C:\\p7.jpg", "C:\\", "p7"},                 // a drive root keeps its backslash
        {"/home/author/p7/0001.jpg", "/home/author/p7", "0001"},
        {"/p7.jpg", "/", "p7"},
        {"/frames/p4a.jpeg", "/frames", "p4a."},     // four-letter extension keeps the dot
        {"/frames/p4a.dat", "/frames", "p4a"},
        {"/frames/ab", "/frames", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LessonTableBuilder::directoryOf(QString::fromLatin1(c.chosen)), QString::fromLatin1(c.directory)) << c.chosen;
        EXPECT_EQ(LessonTableBuilder::baseNameOf(QString::fromLatin1(c.chosen)), QString::fromLatin1(c.base)) << c.chosen;
    }
}

TEST(FileListTest, SortsWithoutRegardToCaseAndLeavesOutHiddenFilesAndFolders)
{
    TempCurrentDir dir;
    for (const char* name : {"c.jpg", "B.JPG", "a.jpg", ".hidden.jpg", "notes.txt", "b.jpg", "x.jpgx"})
        writeFile(dir.file(QString::fromLatin1(name)), "x");
    makeDirectory(dir.file(QStringLiteral("folder.jpg")));
    EXPECT_EQ(FileList::matchingNames(dir.path(), QStringLiteral("*.jpg")),
              (QStringList{"a.jpg", "B.JPG", "b.jpg", "c.jpg"}));
    EXPECT_EQ(FileList::matchingNames(dir.path(), QStringLiteral("*.dat")), QStringList());
}

TEST(FileListTest, PointingAtADirectoryMakesItCurrentAndAMissingOneChangesNothing)
{
    TempCurrentDir dir;
    makeDirectory(dir.file(QStringLiteral("sub")));
    writeFile(dir.file(QStringLiteral("sub/one.dat")), "1");
    FileList list(QStringLiteral("*.dat"));
    list.setDirectory(dir.file(QStringLiteral("sub")));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(dir.file(QStringLiteral("sub"))).canonicalFilePath());
    EXPECT_EQ(list.items(), QStringList{"one.dat"});

    try {
        list.setDirectory(dir.file(QStringLiteral("missing")));
        FAIL() << "a missing directory was accepted";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("I/O error 3"));
    }
    EXPECT_EQ(list.items(), QStringList{"one.dat"});
    EXPECT_EQ(QDir::currentPath(), QFileInfo(dir.file(QStringLiteral("sub"))).canonicalFilePath());
}

TEST_F(BuilderTest, InsertAddsTheFramesInSortedOrderWithoutRegardToCase)
{
    addFrames({"c.jpg", "a.jpg", "B.jpg"});
    Bench bench(root.path());
    bench.builder.insert(frame(QStringLiteral("c.jpg")));

    const auto gr = fieldValues(frames, "GR");
    ASSERT_EQ(gr.size(), 3u);
    EXPECT_EQ(gr[0], readFile(frame("a.jpg")));
    EXPECT_EQ(gr[1], readFile(frame("B.jpg")));
    EXPECT_EQ(gr[2], readFile(frame("c.jpg")));
    EXPECT_EQ(fieldValues(frames, "M"), std::vector<QByteArray>(3));
    EXPECT_EQ(bench.builder.frameFiles().items(), (QStringList{"a.jpg", "B.jpg", "c.jpg"}));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(frames).canonicalFilePath());
    EXPECT_TRUE(bench.table.isOpen());
    EXPECT_EQ(bench.builder.recordCount(), 3);
}

TEST_F(BuilderTest, InsertTwiceKeepsTheFirstStoreAndAppendsTheFramesAgain)
{
    addFrames({"a.jpg", "B.jpg", "c.jpg"});
    Bench bench(root.path());
    bench.builder.insert(frame("a.jpg"));
    bench.builder.insert(frame("B.jpg"));

    const auto gr = fieldValues(frames, "GR");
    ASSERT_EQ(gr.size(), 6u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(gr[size_t(i)], gr[size_t(i + 3)]) << i;
    EXPECT_EQ(gr[0], readFile(frame("a.jpg")));
}

TEST_F(BuilderTest, InsertWithoutFramesLeavesAnEmptyStoreCopiedFromTheTemplate)
{
    writeFile(frame("notes.txt"), "not a frame");
    Bench bench(root.path());
    bench.builder.insert(frame("notes.txt"));
    EXPECT_EQ(bench.builder.recordCount(), 0);
    EXPECT_TRUE(QFileInfo::exists(frame("simu.dbf")));
    EXPECT_TRUE(QFileInfo::exists(frame("simu.dbt")));
}

TEST_F(BuilderTest, InsertFillsTheCopyOfAReadOnlyTemplate)
{
    // A template on a disc is read-only; the store copied from it is not.
    for (const char* name : {"ori/test.dbf", "ori/test.dbt"})
        QFile::setPermissions(root.file(name), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    addFrames({"a.jpg"});
    Bench bench(root.path());
    bench.builder.insert(frame("a.jpg"));
    EXPECT_EQ(bench.builder.recordCount(), 1);
    // Permission bits, not access checks: tests may run as root.
    for (const char* name : {"simu.dbf", "simu.dbt"})
        EXPECT_TRUE(QFile::permissions(frame(name)) & QFile::WriteOwner) << name;
    EXPECT_FALSE(QFile::permissions(root.file("ori/test.dbf")) & QFile::WriteOwner);
}

TEST_F(BuilderTest, InsertWithoutTemplateOrStoreFailsOnOpening)
{
    addFrames({"a.jpg"});
    Bench bench(root.file(QStringLiteral("elsewhere")));
    EXPECT_THROW(bench.builder.insert(frame("a.jpg")), AppError);
    EXPECT_FALSE(QFileInfo::exists(frame("simu.dbf")));
    EXPECT_FALSE(bench.table.isOpen());
}

// A "*.jpg" the decoder cannot read would become a blank frame in the
// lesson: Insert refuses it before the first record is posted, naming it.
TEST_F(BuilderTest, InsertRefusesAFrameThatIsNotAJpegAndPostsNothing)
{
    const struct {
        const char* what;
        QByteArray bytes;
    } bad[] = {
        {"text", "0000 this is a text file\r\n"},
        {"empty", {}},
        {"cut short", frameJpeg(5).left(200)},
    };
    for (const auto& c : bad) {
        for (const bool storeThere : {false, true}) {
            QDir(frames).removeRecursively();
            makeDirectory(frames);
            addFrames({"a.jpg", "c.jpg"});
            if (storeThere) {
                Bench first(root.path());
                first.builder.insert(frame("a.jpg"));
            }
            writeFile(frame("b.jpg"), c.bytes);
            const QByteArray table = storeThere ? readFile(frame("simu.dbf")) : QByteArray();
            const QByteArray memo = storeThere ? readFile(frame("simu.dbt")) : QByteArray();

            Bench bench(root.path());
            try {
                bench.builder.insert(frame("a.jpg"));
                ADD_FAILURE() << c.what << ": accepted";
            } catch (const AppError& e) {
                EXPECT_EQ(e.message(), LessonTableBuilder::unreadableFrameMessage(
                                           QFileInfo(frames).canonicalFilePath() + "/b.jpg")) << c.what;
            }
            EXPECT_EQ(QFileInfo::exists(frame("simu.dbf")), storeThere) << c.what;
            if (storeThere) {
                EXPECT_EQ(readFile(frame("simu.dbf")), table) << c.what;
                EXPECT_EQ(readFile(frame("simu.dbt")), memo) << c.what;
                EXPECT_EQ(fieldValues(frames, "GR").size(), 2u) << c.what;
            }
        }
    }
}

TEST_F(BuilderTest, ScriptsOnStoresOfDifferentSizes)
{
    struct Case {
        int frames;
        int records;      // after Scripts
        bool secondIsCopy; // record 2 repeats the first frame
    };
    const Case cases[] = {{0, 2, true}, {1, 2, true}, {2, 2, false}, {3, 3, false}, {5, 5, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frames);
        const QString dir = root.file(QStringLiteral("part%1").arg(c.frames));
        makeDirectory(dir);
        for (int i = 0; i < c.frames; ++i)
            writeFile(dir + QStringLiteral("/%1.jpg").arg(i, 4, 10, QLatin1Char('0')), frameJpeg(i));
        writeFile(dir + "/p7.dat", "0000 event\r\nframe\r\n");
        writeFile(dir + "/p7.lsn", "$$$$$$ Step\r\n!\r\n");

        Bench bench(root.path());
        bench.builder.insert(dir + "/p7.dat");
        const auto before = fieldValues(dir, "GR");
        bench.builder.scripts(dir + "/p7.jpg");

        const auto gr = fieldValues(dir, "GR");
        const auto m = fieldValues(dir, "M");
        ASSERT_EQ(int(gr.size()), c.records);
        EXPECT_EQ(m[0], QByteArray("0000 event\r\nframe\r\n"));
        EXPECT_EQ(m[1], QByteArray("$$$$$$ Step\r\n!\r\n"));
        for (size_t i = 2; i < m.size(); ++i)
            EXPECT_TRUE(m[i].isEmpty()) << i;
        if (c.secondIsCopy)
            EXPECT_EQ(gr[1], gr[0]);
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(gr[i], before[i]) << "frame " << i << " changed";
        EXPECT_FALSE(QFileInfo::exists(HostPath::toHost(QStringLiteral("c:\\sth.jpg"))));
        EXPECT_EQ(bench.table.recNo(), 2);
    }
}

TEST_F(BuilderTest, ScriptsWithAFourLetterExtensionReadsNamesWithTwoDots)
{
    addFrames({"p4a.jpeg"});
    writeFile(frame("p4a..dat"), "events");
    writeFile(frame("p4a..lsn"), "steps");
    Bench bench(root.path());
    bench.builder.insert(frame("p4a.jpeg"));
    bench.builder.scripts(frame("p4a.jpeg"));
    EXPECT_EQ(fieldValues(frames, "M"), (std::vector<QByteArray>{"events", "steps"}));
}

TEST_F(BuilderTest, AMissingScriptFileStopsScriptsAndPostsNothing)
{
    addFrames({"0000.jpg", "0001.jpg", "0002.jpg"});
    Bench bench(root.path());
    bench.builder.insert(frame("0000.jpg"));

    // No .dat: record 1 keeps its empty M.
    try {
        bench.builder.scripts(frame("p4a.jpg"));
        FAIL() << "a missing .dat was accepted";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot open file "))) << e.message().toStdString();
        EXPECT_TRUE(e.message().endsWith(QStringLiteral("p4a.dat"))) << e.message().toStdString();
    }
    EXPECT_EQ(fieldValues(frames, "M"), std::vector<QByteArray>(3));

    // The .dat alone: record 1 is posted, record 2 is not.
    writeFile(frame("p4a.dat"), "events");
    try {
        bench.builder.scripts(frame("p4a.jpg"));
        FAIL() << "a missing .lsn was accepted";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().endsWith(QStringLiteral("p4a.lsn"))) << e.message().toStdString();
    }
    EXPECT_EQ(fieldValues(frames, "M"), (std::vector<QByteArray>{"events", "", ""}));

    // The table is usable afterwards: nothing was left half-edited.
    writeFile(frame("p4a.lsn"), "steps");
    bench.builder.scripts(frame("p4a.jpg"));
    EXPECT_EQ(fieldValues(frames, "M"), (std::vector<QByteArray>{"events", "steps", ""}));
    EXPECT_EQ(bench.builder.recordCount(), 3);
}

TEST_F(BuilderTest, PathsLongerThan255CharactersAreUsedWhole)
{
    // Two long folder names push every path past 255 characters; a cut path
    // would name a different (or no) file.
    const QString deep = root.file(QString(120, QLatin1Char('d')) + QLatin1Char('/') + QString(120, QLatin1Char('e')));
    makeDirectory(deep);
    const QString longName = QString(60, QLatin1Char('f')) + QStringLiteral(".jpg");
    writeFile(deep + "/" + longName, frameJpeg(1));
    writeFile(deep + "/" + QString(60, QLatin1Char('f')) + ".dat", "events");
    writeFile(deep + "/" + QString(60, QLatin1Char('f')) + ".lsn", "steps");
    ASSERT_GT((deep + "/" + longName).size(), 255);

    Bench bench(root.path());
    bench.builder.insert(deep + "/" + longName);
    bench.builder.scripts(deep + "/" + longName);
    EXPECT_EQ(fieldValues(deep, "GR"), (std::vector<QByteArray>{frameJpeg(1), frameJpeg(1)}));
    EXPECT_EQ(fieldValues(deep, "M"), (std::vector<QByteArray>{"events", "steps"}));
}

// Move File works on drive E:, which tests point at a folder of their own.
class MoveFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        HostPath::setDrivesBase(dir.path() + "/drives");
        tutorial = dir.path() + "/drives/e/tutorial";
        done = dir.path() + "/drives/e/done_new";
        makeDirectory(tutorial);
        makeDirectory(done);
    }
    void TearDown() override { HostPath::setDrivesBase(QString()); }

    TempCurrentDir dir;
    QString tutorial;
    QString done;
};

TEST_F(MoveFileTest, MovesEachPairIntoItsFrameFolderAndLeavesFailedMovesInPlace)
{
    const QString longBase = QString(200, QLatin1Char('q'));
    for (const QString& base : {QStringLiteral("p7"), QStringLiteral("p8"), QStringLiteral("p9"), longBase}) {
        writeFile(tutorial + "/" + base + ".dat", base.toLatin1() + " events");
        writeFile(tutorial + "/" + base + ".lsn", base.toLatin1() + " steps");
    }
    makeDirectory(done + "/p7/jpgs");
    // p8 has no frame folder; p9's folder already holds a step script.
    makeDirectory(done + "/p9/jpgs");
    writeFile(done + "/p9/jpgs/p9.lsn", "filed earlier");
    makeDirectory(done + "/" + longBase + "/jpgs");

    Bench bench(dir.path());
    EXPECT_EQ(bench.builder.moveFiles(), 5);

    struct Expect {
        QString path;
        QByteArray content; // empty: must not exist
    };
    const Expect expects[] = {
        {done + "/p7/jpgs/p7.dat", "p7 events"},
        {done + "/p7/jpgs/p7.lsn", "p7 steps"},
        {tutorial + "/p7.dat", {}},
        {tutorial + "/p8.dat", "p8 events"},
        {tutorial + "/p8.lsn", "p8 steps"},
        {tutorial + "/p9.lsn", "p9 steps"},
        {done + "/p9/jpgs/p9.lsn", "filed earlier"},
        {done + "/p9/jpgs/p9.dat", "p9 events"},
        {done + "/" + longBase + "/jpgs/" + longBase + ".lsn", longBase.toLatin1() + " steps"},
        {done + "/" + longBase + "/jpgs/" + longBase + ".dat", longBase.toLatin1() + " events"},
    };
    for (const Expect& e : expects) {
        if (e.content.isEmpty())
            EXPECT_FALSE(QFileInfo::exists(e.path)) << e.path.toStdString();
        else
            EXPECT_EQ(readFile(e.path), e.content) << e.path.toStdString();
    }
    EXPECT_EQ(QDir::currentPath(), QFileInfo(tutorial).canonicalFilePath());
    EXPECT_EQ(bench.builder.scriptFiles().items(), (QStringList{"p7.dat", "p8.dat", "p9.dat", longBase + ".dat"}));
}

// The step script of a pair is filed before its event script. Each move
// looks only at its own source and target, so the order shows only when one
// move changes what the other sees: here the event script in the tutorial
// folder is a link to the step script beside it. Once the step script has
// gone, the link leads nowhere and stays; had the event script gone first,
// both would have moved.
TEST_F(MoveFileTest, TheStepScriptMovesBeforeTheEventScript)
{
    const QString folder = done + "/p1/jpgs";
    makeDirectory(folder);
    writeFile(tutorial + "/p1.lsn", "p1 steps");
    ASSERT_TRUE(QFile::link(tutorial + "/p1.lsn", tutorial + "/p1.dat"));

    Bench bench(dir.path());
    EXPECT_EQ(bench.builder.moveFiles(), 1);

    EXPECT_EQ(readFile(folder + "/p1.lsn"), "p1 steps");
    EXPECT_FALSE(QFileInfo(folder + "/p1.dat").isSymLink());
    EXPECT_FALSE(QFileInfo::exists(folder + "/p1.dat"));
    EXPECT_TRUE(QFileInfo(tutorial + "/p1.dat").isSymLink());
}

// A link in a target's place is a file filed earlier, also when it leads
// nowhere or to another file of the course: nothing is written through it.
TEST_F(MoveFileTest, LinksInTheFrameFolderAreNeverWrittenThrough)
{
    const QString folder = done + "/p1/jpgs";
    makeDirectory(folder);
    writeFile(tutorial + "/p1.dat", "p1 events");
    writeFile(tutorial + "/p1.lsn", "p1 steps");
    writeFile(dir.path() + "/other.txt", "keep me");
    ASSERT_TRUE(QFile::link(dir.path() + "/nowhere", folder + "/p1.dat"));
    ASSERT_TRUE(QFile::link(dir.path() + "/other.txt", folder + "/p1.lsn"));

    Bench bench(dir.path());
    EXPECT_EQ(bench.builder.moveFiles(), 0);

    EXPECT_EQ(readFile(tutorial + "/p1.dat"), "p1 events");
    EXPECT_EQ(readFile(tutorial + "/p1.lsn"), "p1 steps");
    EXPECT_EQ(readFile(dir.path() + "/other.txt"), "keep me");
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/nowhere"));
}

TEST_F(MoveFileTest, AMissingTutorialFolderMovesNothing)
{
    QDir(tutorial).removeRecursively();
    Bench bench(dir.path());
    EXPECT_THROW(bench.builder.moveFiles(), AppError);
    EXPECT_EQ(QDir::currentPath(), QFileInfo(dir.path()).canonicalFilePath());
}

} // namespace
