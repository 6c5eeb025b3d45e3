#include "content/Catalogue.h"
#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "store/DemoCourse.h"
#include "store/StandInFrames.h"
#include "support/TestSupport.h"
#include "tools/AuthorCli.h"
#include "webexport/ScormPackage.h"
#include "webexport/WebExport.h"
#include "webexport/ZipWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// Small frames that differ from record to record, so a frame copied from the
// wrong record shows.
DemoCourse::FrameSource smallFrames()
{
    return [](const Catalogue::PartEntry& part, const DemoCourse::FrameSink& sink) {
        for (int i = 0; i < StandInFrames::eventCount(part); ++i) {
            QImage image(16, 12, QImage::Format_RGB32);
            image.fill(QColor::fromHsv((i * 37) % 360, 200, 100 + i % 150));
            sink(i, StandInFrames::encodeJpeg(image));
        }
    };
}

class WebExportTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        s_course = s_dir->path() + "/course";
        DemoCourse::build(s_course, smallFrames());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    QTemporaryDir m_out;

    static QTemporaryDir* s_dir;
    static QString s_course;
};

QTemporaryDir* WebExportTest::s_dir = nullptr;
QString WebExportTest::s_course;

} // namespace

// Every frame an event shows is the store's GR bytes, unchanged, and every
// part has its data file.
TEST_F(WebExportTest, CopiesEveryFrameByteForByte)
{
    const QString out = m_out.filePath("web");
    const WebExport::Summary summary = WebExport::exportCourse(s_course, out, {});
    EXPECT_EQ(summary.parts, 37);
    int frames = 0;
    for (const Catalogue::PartEntry& part : Catalogue::parts()) {
        DbfTable table;
        table.setDatabaseName(s_course + "/master/" + part.code);
        table.setTableName("simu.dbf");
        table.open();
        table.first();
        for (int record = 0; record < table.recordCount(); ++record, table.next()) {
            const QString file = QStringLiteral("%1/frames/%2/%3.jpg").arg(out, part.code).arg(record, 4, 10, QLatin1Char('0'));
            ASSERT_EQ(readFile(file), table.fieldBytes("GR")) << file.toStdString();
            ++frames;
        }
        EXPECT_TRUE(QFileInfo::exists(out + "/parts/" + part.code + ".js")) << part.code.toStdString();
    }
    EXPECT_EQ(summary.frames, frames);
    for (const char* name : {"index.html", "index.js", "player.js", "style.css", "course.js"})
        EXPECT_TRUE(QFileInfo::exists(out + "/" + name)) << name;
    // Nothing of the staging folder is left beside the export.
    EXPECT_EQ(QDir(m_out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"web"});
}

// A damaged store, a missing one, an OUT that exists: the message, and
// nothing new on disk.
TEST_F(WebExportTest, FailureLeavesNothingAtOut)
{
    QTemporaryDir work;
    const QString course = work.filePath("course");
    ASSERT_TRUE(QProcess::execute("cp", {"-r", s_course, course}) == 0);
    const QString dbf = course + "/master/p7/simu.dbf";
    QFile file(dbf);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(0);
    file.write("\x7f", 1); // not a dBASE version byte
    file.close();

    const struct {
        QString course;
        QString out;
        QString message;
    } cases[] = {
        {course, work.filePath("out1"), "Cannot open file"},
        {work.filePath("nothing"), work.filePath("out2"), "does not exist"},
        {s_course, work.filePath("course"), "already exists"},
    };
    for (const auto& c : cases) {
        const QStringList before = WebExport::filesBelow(work.path());
        try {
            WebExport::exportCourse(c.course, c.out, {});
            ADD_FAILURE() << "no error for " << c.out.toStdString();
        } catch (const AppError& e) {
            EXPECT_TRUE(e.message().contains(c.message)) << e.message().toStdString();
        }
        EXPECT_EQ(WebExport::filesBelow(work.path()), before);
        EXPECT_EQ(QDir(work.path()).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"course"}));
    }

    // The command line: the same message names the file, exit status 1.
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    EXPECT_EQ(AuthorCli::withStandardCommands().run({"export-web", course, work.filePath("out3")}, out, err), 1);
    EXPECT_TRUE(err.data().contains("p7")) << err.data().constData();
    EXPECT_TRUE(err.data().contains("simu.dbf")) << err.data().constData();
    EXPECT_FALSE(QFileInfo::exists(work.filePath("out3")));
}

// The package as an LMS importer and unzip see it: a valid archive whose
// manifest has one item per lesson, each launching a page in the archive.
TEST_F(WebExportTest, ScormPackageIsAValidZipWithOneItemPerLesson)
{
    const QString zip = m_out.filePath("course.zip");
    ScormPackage::build(s_course, zip, {});
    EXPECT_EQ(QDir(m_out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"course.zip"});

    QProcess python;
    python.start("/usr/bin/python3", {"-c", "import sys, zipfile\n"
                                            "z = zipfile.ZipFile(sys.argv[1])\n"
                                            "assert z.testzip() is None\n"
                                            "print('\\n'.join(z.namelist()))\n"
                                            "sys.stdout.flush()\n"
                                            "sys.stderr.write(z.read('imsmanifest.xml').decode())\n",
                                      zip});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().constData();
    const QStringList names = QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(names.first(), "imsmanifest.xml");
    const QByteArray manifest = python.readAllStandardError();

    QXmlStreamReader xml(manifest);
    QStringList items;
    QStringList launches;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("item"))
            items << xml.attributes().value("identifierref").toString();
        if (xml.isStartElement() && xml.name() == QLatin1String("resource")
            && xml.attributes().value("http://www.adlnet.org/xsd/adlcp_rootv1p2", "scormtype") == QLatin1String("sco"))
            launches << xml.attributes().value("href").toString();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(items.size(), 20);
    EXPECT_EQ(launches.size(), 20);
    for (const QString& page : launches)
        EXPECT_TRUE(names.contains(page)) << page.toStdString();
    for (const char* name : {"scorm.js", "player.js", "course.js", "parts/p20d1.js", "frames/p1/0000.jpg"})
        EXPECT_TRUE(names.contains(name)) << name;
}

TEST(ZipWriter, CrcMatchesTheStandardCheckValue)
{
    EXPECT_EQ(ZipWriter::crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(ZipWriter::crc32(QByteArray()), 0u);
}

// The command line, started in a folder, takes COURSE and OUT relative to it
// and reports one progress line per part on stderr.
TEST_F(WebExportTest, CommandsTakePathsRelativeToWhereTheyStart)
{
    ASSERT_TRUE(QFile::link(s_course, m_out.filePath("course")));
    const struct {
        QStringList args;
        QString written;
    } cases[] = {
        {{"export-web", "course", "site"}, "site/index.html"},
        {{"export-scorm", "./course/", "package.zip"}, "package.zip"},
    };
    for (const auto& c : cases) {
        QProcess tool;
        tool.setWorkingDirectory(m_out.path());
        tool.start(QStringLiteral(LW_BINARY_DIR "/lessonwright-author"), c.args);
        ASSERT_TRUE(tool.waitForFinished(120000));
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().constData();
        EXPECT_TRUE(QFileInfo::exists(m_out.filePath(c.written))) << c.written.toStdString();
        const QString err = QString::fromLocal8Bit(tool.readAllStandardError());
        EXPECT_EQ(err.count('\n'), 37) << err.toStdString();
        EXPECT_TRUE(err.startsWith("p1: ")) << err.toStdString();
    }
    for (const QString& picture : {"arrows/right.png", "arrows/northeast.png", "pointer.png"})
        EXPECT_FALSE(QImage(m_out.filePath("site/" + picture)).isNull()) << picture.toStdString();
}
