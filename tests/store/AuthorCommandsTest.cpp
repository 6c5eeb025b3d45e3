#include "StoreTestSupport.h"

#include "support/TestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the authoring tool in directory with a drive folder of its own.
ToolRun author(const QStringList& args, const QString& directory)
{
    QProcess process;
    process.setWorkingDirectory(directory);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", directory + "/data");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LW_BINARY_DIR "/lessonwright-author"), args);
    if (!process.waitForFinished(600000)) // a whole demo course takes minutes on a busy machine
        ADD_FAILURE() << "lessonwright-author did not finish";
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(AuthorCommandsTest, InsertScriptsAndMoveFilesShareTheWindowsBuilder)
{
    TempCurrentDir root;
    makeTemplate(root.path());
    makeDirectory(root.file("p4a"));
    writeFile(root.file("p4a/0001.jpg"), frameJpeg(1));
    writeFile(root.file("p4a/0000.jpg"), frameJpeg(0));
    writeFile(root.file("p4a/p4a.dat"), "events\r\n");
    writeFile(root.file("p4a/p4a.lsn"), "steps\r\n");

    // The directory itself stands for a file in it.
    ToolRun run = author({"insert", root.file("p4a")}, root.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("2 frames inserted, 2 records")) << run.out.toStdString();
    run = author({"scripts", root.file("p4a/p4a.jpg")}, root.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(fieldValues(root.file("p4a"), "GR"), (std::vector<QByteArray>{frameJpeg(0), frameJpeg(1)}));
    EXPECT_EQ(fieldValues(root.file("p4a"), "M"), (std::vector<QByteArray>{"events\r\n", "steps\r\n"}));

    const QString drive = root.file("data/lessonwright/drives/e");
    makeDirectory(drive + "/tutorial");
    makeDirectory(drive + "/done_new/p7/jpgs");
    writeFile(drive + "/tutorial/p7.dat", "e");
    writeFile(drive + "/tutorial/p7.lsn", "s");
    run = author({"move-files"}, root.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(drive + "/done_new/p7/jpgs/p7.dat"));
    EXPECT_TRUE(QFileInfo::exists(drive + "/done_new/p7/jpgs/p7.lsn"));
}

TEST(AuthorCommandsTest, FailuresAndWrongUsageGiveTheirExitCodes)
{
    TempCurrentDir root;
    struct Case {
        QStringList args;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"insert", root.file("nowhere/x.jpg")}, 1, "nowhere/x.jpg: No such file or directory"},
        {{"scripts"}, 2, "scripts FILE"},
        {{"check", root.file("empty")}, 1, "empty: No such file or directory"},
        {{"move-files"}, 1, "I/O error 3"},
    };
    for (const Case& c : cases) {
        const ToolRun run = author(c.args, root.path());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
}

TEST(AuthorCommandsTest, DemoCourseIsByteIdenticalAcrossRunsAndChecksClean)
{
    TempCurrentDir root;
    // One progress line per part on stderr, unless --quiet.
    // Relative paths: the tool starts in root.
    const ToolRun quiet = author({"demo-course", "--quiet", "one"}, root.path());
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err.toStdString();
    EXPECT_EQ(quiet.err, QString());
    const ToolRun loud = author({"demo-course", "two"}, root.path());
    ASSERT_EQ(loud.exitCode, 0) << loud.err.toStdString();
    const QStringList progress = loud.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(progress.size(), 37) << loud.err.toStdString();
    EXPECT_TRUE(progress.first().startsWith("p1: ")) << progress.first().toStdString();
    EXPECT_TRUE(progress.last().endsWith(" records")) << progress.last().toStdString();
    EXPECT_TRUE(loud.out.startsWith("37 parts, ")) << loud.out.toStdString();

    EXPECT_EQ(QProcess::execute("diff", {"-r", "-q", root.file("one"), root.file("two")}), 0);
    const ToolRun check = author({"check", "one"}, root.path());
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();
    EXPECT_TRUE(check.out.startsWith("clean: 37 parts")) << check.out.toStdString();
    EXPECT_EQ(check.err.count('\n'), 37) << check.err.toStdString();
}

// Our stores must read back byte for byte in an independent dBASE reader.
TEST(AuthorCommandsTest, StoresReadByteExactInAnIndependentReader)
{
    const QString peer = QStringLiteral(LW_SOURCE_DIR "/tests/peers/read_with_dbfread.py");
    if (!QFileInfo::exists(peer))
        GTEST_SKIP() << "peer reader script not present";
    TempCurrentDir root;
    makeTemplate(root.path());
    makeDirectory(root.file("p1"));
    const QByteArray frames[] = {frameJpeg(0), frameJpeg(1), frameJpeg(2)};
    for (int i = 0; i < 3; ++i)
        writeFile(root.file(QStringLiteral("p1/%1.jpg").arg(i)), frames[i]);
    writeFile(root.file("p1/p1.dat"), "0000 event\r\n\x1f\x1a binary-ish\r\n");
    writeFile(root.file("p1/p1.lsn"), "$$$$$$ Step\r\n!\r\n");
    {
        Bench bench(root.path());
        bench.builder.insert(root.file("p1/0.jpg"));
        bench.builder.scripts(root.file("p1/p1.jpg"));
    }
    QProcess process;
    process.start("/usr/bin/python3", {peer, root.file("p1/simu.dbf")});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QStringList lines = QString::fromLatin1(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    const QByteArray memos[] = {"0000 event\r\n\x1f\x1a binary-ish\r\n", "$$$$$$ Step\r\n!\r\n", ""};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lines[i], QStringLiteral("GR=%1\tM=%2").arg(QString::fromLatin1(frames[i].toHex()),
                                                              QString::fromLatin1(memos[i].toHex())));
}

} // namespace
