#include "StoreTestSupport.h"

#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "store/CourseChecker.h"
#include "store/DemoCourse.h"
#include "store/StandInFrames.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Every frame of every part is the same small flat picture: the course has
// the full shape (one record per event) but builds in a moment.
DemoCourse::FrameSource flatFrames()
{
    const QByteArray jpeg = frameJpeg(7);
    return [jpeg](const Catalogue::PartEntry& part, const DemoCourse::FrameSink& sink) {
        for (int i = 0; i < StandInFrames::eventCount(part); ++i)
            sink(i, jpeg);
    };
}

// One course built for all tests of this file that only read it.
class CourseTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        s_root = s_dir->path() + "/course";
        s_summary = DemoCourse::build(s_root, flatFrames());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    static QTemporaryDir* s_dir;
    static QString s_root;
    static DemoCourse::Summary s_summary;
};

QTemporaryDir* CourseTest::s_dir = nullptr;
QString CourseTest::s_root;
DemoCourse::Summary CourseTest::s_summary;

int totalEvents()
{
    int events = 0;
    for (const auto& part : Catalogue::parts())
        events += StandInFrames::eventCount(part);
    return events;
}

TEST_F(CourseTest, HoldsOneRecordPerEventAndTheLibraryScripts)
{
    EXPECT_EQ(s_summary.parts, 37);
    EXPECT_EQ(s_summary.records, totalEvents());
    for (const char* name : {"1.dbf", "readme.txt", "ori/test.dbf", "ori/test.dbt"})
        EXPECT_TRUE(QFileInfo::exists(s_root + "/" + name)) << name;
    const QByteArray readme = readFile(s_root + "/readme.txt");
    EXPECT_TRUE(readme.contains("\r\n"));
    EXPECT_FALSE(readme.contains("\n\n")) << "bare line feeds in readme.txt";

    for (const auto& part : Catalogue::parts()) {
        const QString dir = s_root + "/master/" + part.code;
        // Only the store stays behind: frames and script files are gone.
        EXPECT_EQ(QDir(dir).entryList(QDir::Files, QDir::Name), (QStringList{"simu.dbf", "simu.dbt"})) << part.code.toStdString();
        const auto m = fieldValues(dir, "M");
        ASSERT_EQ(int(m.size()), StandInFrames::eventCount(part)) << part.code.toStdString();
        EXPECT_EQ(m[0], DemoCourse::scriptFileBytes(ScriptLibrary::lines(part.sheet, part.eventList)));
        EXPECT_EQ(m[1], DemoCourse::scriptFileBytes(ScriptLibrary::lines(part.sheet, part.stepList)));
    }
}

TEST_F(CourseTest, EveryTableCarriesTheFixedCourseDate)
{
    QDirIterator it(s_root, {"*.dbf"}, QDir::Files, QDirIterator::Subdirectories);
    int tables = 0;
    while (it.hasNext()) {
        const QByteArray header = readFile(it.next()).left(4);
        EXPECT_EQ(header.mid(1, 3), QByteArray("\x65\x01\x01", 3)) << it.filePath().toStdString();
        ++tables;
    }
    EXPECT_EQ(tables, 39);
}

TEST_F(CourseTest, CheckerIsCleanOnTheBuiltCourse)
{
    const CourseChecker::Result result = CourseChecker::check(s_root);
    EXPECT_EQ(result.problems, QStringList());
    EXPECT_EQ(result.records, totalEvents());
}

TEST(CourseBuild, RefusesAFolderThatIsNotEmpty)
{
    TempCurrentDir dir;
    makeDirectory(dir.file("course"));
    writeFile(dir.file("course/keep.txt"), "mine");
    EXPECT_THROW(DemoCourse::build(dir.file("course"), flatFrames()), AppError);
    EXPECT_EQ(QDir(dir.file("course")).entryList(QDir::Files), QStringList{"keep.txt"});
}

TEST(CourseBuild, StandInFramesAreStableAndOfFrameSize)
{
    const Catalogue::PartEntry& part = Catalogue::parts().front();
    std::vector<QByteArray> first;
    StandInFrames::render(part, [&](int, const QByteArray& jpeg) { first.push_back(jpeg); });
    std::vector<QByteArray> second;
    StandInFrames::render(part, [&](int, const QByteArray& jpeg) { second.push_back(jpeg); });
    EXPECT_EQ(int(first.size()), StandInFrames::eventCount(part));
    EXPECT_EQ(first, second);
    EXPECT_NE(first.front(), first.back());
    EXPECT_EQ(StandInFrames::draw(part, 0).size(), QSize(640, 480));
}

TEST(CourseCheck, SameLinesAcceptsEitherLineEnd)
{
    const QStringList lines{"0000 a", "frame", ""};
    struct Case {
        QByteArray memo;
        bool same;
    };
    const Case cases[] = {
        {"0000 a\r\nframe\r\n\r\n", true},
        {"0000 a\nframe\n\n", true},
        {"0000 a\r\nframe\r\n", false},
        {"0000 a\r\nframe\r\n\r\nmore\r\n", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CourseChecker::sameLines(c.memo, lines), c.same) << c.memo.toStdString();
    EXPECT_TRUE(CourseChecker::sameLines("", {}));
}

// Damages a copy of the course in several ways and expects each problem named.
TEST_F(CourseTest, CheckerNamesEachProblemOfADamagedCourse)
{
    QTemporaryDir copyDir;
    const QString copy = copyDir.path() + "/course";
    ASSERT_EQ(QProcess::execute("cp", {"-r", s_root, copy}), 0);

    // p1: its store is gone.
    QFile::remove(copy + "/master/p1/simu.dbf");
    // p2: record 1's event script replaced, record 3's frame garbage, record 4 small.
    {
        Bench bench(copy);
        bench.table.setDatabaseName(copy + "/master/p2");
        bench.table.open();
        bench.table.edit();
        bench.m.setValue("wrong");
        bench.table.post();
        bench.table.next();
        bench.table.next();
        bench.table.edit();
        bench.gr.setValue("garbage");
        bench.table.post();
        bench.table.next();
        bench.table.edit();
        bench.gr.setValue(frameJpeg(1, 320, 240));
        bench.table.post();
    }
    // p3: fewer records than events (a store built from two frames only).
    QDir(copy + "/master/p3").removeRecursively();
    makeDirectory(copy + "/master/p3");
    writeFile(copy + "/master/p3/a.jpg", frameJpeg(1));
    writeFile(copy + "/master/p3/b.jpg", frameJpeg(2));
    {
        Bench bench(copy);
        bench.builder.insert(copy + "/master/p3/a.jpg");
    }
    // The probe table is gone too.
    QFile::remove(copy + "/1.dbf");

    const CourseChecker::Result result = CourseChecker::check(copy);
    const auto named = [&](const QString& start, const QString& part) {
        for (const QString& p : result.problems)
            if (p.startsWith(start) && p.contains(part))
                return true;
        return false;
    };
    const auto& p3 = *Catalogue::findPart("p3");
    const auto& p2 = *Catalogue::findPart("p2");
    EXPECT_TRUE(named("1.dbf: ", "1.dbf"));
    EXPECT_TRUE(named("p1: ", "simu.dbf"));
    EXPECT_TRUE(named("p2: ", "M of record 1 is not the event script " + p2.eventList));
    EXPECT_TRUE(named("p2: ", "record 3: the frame does not decode"));
    EXPECT_TRUE(named("p2: ", "record 4: the frame is 320 x 240, not 640 x 480"));
    EXPECT_TRUE(named("p3: ", QStringLiteral("2 records for %1 events").arg(StandInFrames::eventCount(p3))));
    EXPECT_TRUE(named("p3: ", "M of record 1 is not the event script") == !ScriptLibrary::lines(p3.sheet, p3.eventList).isEmpty());
    // Nothing else is reported: the other parts are intact.
    for (const QString& p : result.problems)
        EXPECT_TRUE(p.startsWith("1.dbf") || p.startsWith("p1:") || p.startsWith("p2:") || p.startsWith("p3:"))
            << p.toStdString();
}

} // namespace
