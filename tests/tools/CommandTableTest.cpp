#include "CliRun.h"
#include "StoreTestSupport.h"

#include "support/TestSupport.h"
#include "tools/AuthorCli.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const AuthorCli& table()
{
    static const AuthorCli cli = AuthorCli::withStandardCommands();
    return cli;
}

bool takesPaths(const AuthorCli::Command& command)
{
    return std::any_of(command.kinds.begin(), command.kinds.end(),
                       [](AuthorCli::Arg kind) { return kind != AuthorCli::Arg::Word; });
}

TEST(CommandTable, HelpGoesToStandardOutputAndExitsZero)
{
    const QByteArray usage = table().usage().toLocal8Bit();
    for (const QStringList& args : {QStringList{"help"}, QStringList{"--help"}}) {
        const CliRun r = runInProcess(args);
        EXPECT_EQ(r.exitCode, 0) << r.describe(args);
        EXPECT_EQ(r.out, usage);
        EXPECT_TRUE(r.err.isEmpty());
    }
    for (const AuthorCli::Command& command : table().commands()) {
        // The list names every command as it is called.
        EXPECT_TRUE(usage.contains(AuthorCli::callLine(command).mid(20).toLocal8Bit())) << command.name.toStdString();
        const QByteArray help = AuthorCli::commandHelp(command).toLocal8Bit();
        EXPECT_TRUE(help.startsWith("usage: " + AuthorCli::callLine(command).toLocal8Bit() + "\n"));
        for (const QStringList& args : {QStringList{"help", command.name}, QStringList{command.name, "--help"}}) {
            const CliRun r = runInProcess(args);
            EXPECT_EQ(r.exitCode, 0) << r.describe(args);
            EXPECT_EQ(r.out, help) << r.describe(args);
            EXPECT_TRUE(r.err.isEmpty()) << r.describe(args);
        }
    }

    const CliRun version = runExecutable({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("lessonwright-author " LESSONWRIGHT_VERSION "\n"));
    const CliRun help = runExecutable({"dump", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage: lessonwright-author dump DIR RECORD FIELD\n")) << help.describe({"dump", "--help"});
}

TEST(CommandTable, WrongArgumentsGiveThatCommandsUsageOnStandardErrorAndExitTwo)
{
    TempCurrentDir dir;
    for (const AuthorCli::Command& command : table().commands()) {
        const int count = int(command.kinds.size());
        QList<QStringList> cases = {
            QStringList{command.name} + QStringList(count + 1, QStringLiteral("x")),
            QStringList{command.name, QStringLiteral("--bogus")} + QStringList(count, QStringLiteral("x")),
        };
        if (count > 0)
            cases << QStringList{command.name};
        for (const QStringList& args : cases) {
            const CliRun r = runInProcess(args);
            EXPECT_EQ(r.exitCode, 2) << r.describe(args);
            EXPECT_TRUE(r.out.isEmpty()) << r.describe(args);
            // Its own usage, not the list of every command.
            EXPECT_TRUE(r.err.contains("usage: " + AuthorCli::callLine(command).toLocal8Bit() + "\n")) << r.describe(args);
            EXPECT_FALSE(r.err.contains("Commands:")) << r.describe(args);
        }
    }
    for (const QStringList& args : {QStringList{}, QStringList{"nonsense"}, QStringList{"help", "nonsense"}}) {
        const CliRun r = runInProcess(args);
        EXPECT_EQ(r.exitCode, 2) << r.describe(args);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains("Commands:")) << r.describe(args);
    }
}

// The README lists the commands with the help's own text, so that the two
// cannot drift apart.
TEST(CommandTable, TheReadmeListsTheCommandsAsTheHelpDoes)
{
    const QString usage = table().usage();
    const int start = usage.indexOf("Commands:\n") + 10;
    const QString commands = usage.mid(start, usage.indexOf("\n\n", start) - start + 1);
    QString indented;
    for (const QString& line : commands.split('\n', Qt::SkipEmptyParts))
        indented += "    " + line + "\n";
    QFile readme(QStringLiteral(LW_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(readme.readAll()).contains(indented))
        << "README.md should hold, as a code block:\n" << indented.toStdString();
}

// Each failure names the path and says why, in the system's words, in one
// line; exact messages of the builder come first.
TEST(CommandTable, ErrorsNameThePathAndTheReason)
{
    TempCurrentDir dir;
    makeDirectory(dir.file("p4a"));
    writeFile(dir.file("p4a/0000.jpg"), frameJpeg(0));
    writeFile(dir.file("p4a/p4a.dat"), "events\r\n");
    writeFile(dir.file("a-file"), "x");
    makeDirectory(dir.file("empty"));
    makeDirectory(dir.file("data/lessonwright/drives/e"));
    const QString drives = dir.file("data/lessonwright/drives/e");
    const struct {
        QStringList args;
        QString err; // the whole of stderr
    } cases[] = {
        {{"check", "nosuch"}, "check: nosuch: No such file or directory\n"},
        {{"check", "a-file"}, "check: a-file: Not a directory\n"},
        {{"check", "empty"}, "empty: neither a course folder (no 1.dbf, no master) nor a part's folder (no simu.dbf)\n"},
        {{"insert", "p99"}, "insert: p99: No such file or directory\n"},
        {{"insert", "p99/0000.jpg"}, "insert: p99/0000.jpg: No such file or directory\n"},
        {{"insert", "p4a/0009.jpg"}, "insert: p4a/0009.jpg: No such file or directory\n"},
        {{"scripts", "nowhere\\p4a.jpg"}, "scripts: nowhere\\p4a.jpg: No such file or directory\n"},
        {{"build-part", "p4a", "nope.dat", "p4a/p4a.dat", "out"}, "build-part: nope.dat: No such file or directory\n"},
        {{"build-part", "p4a", "p4a", "p4a/p4a.dat", "out"}, "build-part: p4a: Is a directory\n"},
        {{"render-part", "gone.story", "out"}, "render-part: gone.story: No such file or directory\n"},
        {{"count", "p99"}, "Cannot open file " + dir.file("p99/simu.dbf") + ": No such file or directory\n"},
        {{"template", "a-file/ori"}, "Cannot create directory " + dir.file("a-file/ori") + ": Not a directory\n"},
        {{"move-files"}, "I/O error 3: e:\\tutorial (" + drives + "/tutorial): No such file or directory\n"},
        // Insert with neither a store nor a template says which is missing.
        {{"insert", "p4a"}, "Cannot open file " + dir.file("p4a/simu.dbf") + ": No such file or directory (the template "
                                + dir.path() + "/ori/test.dbf it is copied from is missing too; "
                                  "'lessonwright-author template ori' makes one)\n"},
    };
    for (const auto& c : cases) {
        const CliRun r = runExecutable(c.args, dir.path());
        EXPECT_EQ(r.exitCode, 1) << r.describe(c.args);
        EXPECT_EQ(r.err.toStdString(), c.err.toStdString()) << r.describe(c.args);
    }

    // The exact message of Scripts stays first, with its reason after it.
    makeTemplate(dir.path());
    ASSERT_EQ(runExecutable({"insert", "p4a"}, dir.path()).exitCode, 0);
    const CliRun scripts = runExecutable({"scripts", "p4a/p4a.jpg"}, dir.path());
    EXPECT_EQ(scripts.err.toStdString(),
              ("Cannot open file " + dir.file("p4a/p4a.lsn") + ": No such file or directory\n").toStdString());
}

// Runs the tool as an unprivileged user where the tests run as root, since
// root is never denied.
TEST(CommandTable, PermissionDeniedIsSaid)
{
    TempCurrentDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    makeDirectory(dir.file("locked"));
    QFile::setPermissions(dir.file("locked"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                  | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    QStringList args{"template", "locked/ori"};
    QString program = QStringLiteral(LW_BINARY_DIR "/lessonwright-author");
    if (::geteuid() == 0) {
        if (!QFile::exists("/usr/bin/setpriv"))
            GTEST_SKIP() << "running as root without setpriv";
        args = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + args;
        program = QStringLiteral("/usr/bin/setpriv");
    }
    QProcess process;
    process.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dir.file("data"));
    env.insert("TMPDIR", QDir::tempPath()); // the scratch folder goes where anyone may write
    env.remove("XDG_RUNTIME_DIR");
    process.setProcessEnvironment(env);
    process.start(program, args);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError().toStdString(),
              ("Cannot create directory " + dir.file("locked/ori") + ": Permission denied\n").toStdString());
}

// Every path is taken from the folder the tool was started in, before any
// command moves the current directory: a relative path works everywhere.
TEST(CommandTable, EveryPathTakingCommandAcceptsRelativePaths)
{
    TempCurrentDir dir;
    const auto frames = [&](const QString& folder, int count) {
        makeDirectory(dir.file(folder));
        for (int i = 0; i < count; ++i)
            writeFile(dir.file(QStringLiteral("%1/%2.jpg").arg(folder).arg(i, 4, 10, QLatin1Char('0'))), frameJpeg(i));
    };
    frames("mine", 2); // not a part of the catalogue: checked against its own scripts
    frames("p6", 3);
    frames("shots", 3);
    frames("data/lessonwright/drives/e/done_new/p7", 2); // what e:\done_new\p7 stands for
    writeFile(dir.file("mine/mine.dat"), eventScriptFile(2));
    writeFile(dir.file("mine/mine.lsn"), stepScriptFile(1));
    QFile::copy(dir.file("mine/mine.dat"), dir.file("events.dat"));
    QFile::copy(dir.file("mine/mine.lsn"), dir.file("steps.lsn"));
    makeDirectory(dir.file("stories"));
    QFile::copy(QStringLiteral(LW_SOURCE_DIR "/resources/storyboards/p1.story"), dir.file("stories/p1.story"));
    makeDirectory(dir.file("course"));
    const QDir storyboards(QStringLiteral(LW_SOURCE_DIR "/resources/storyboards"));
    for (const QString& name : storyboards.entryList({"*.story"}, QDir::Files))
        QFile::copy(storyboards.filePath(name), dir.file("course/" + name));

    const struct {
        QStringList args;
        QString check; // a file the command must have written, or empty
    } steps[] = {
        {{"template", "ori"}, "ori/test.dbf"},
        {{"insert", "mine"}, "mine/simu.dbf"},
        {{"insert", "./p6/0000.jpg"}, "p6/simu.dbf"},
        {{"insert", "e:\\done_new\\p7"}, "data/lessonwright/drives/e/done_new/p7/simu.dbf"},
        {{"count", "E:\\Done_New\\P7"}, {}},
        {{"scripts", "mine/mine.jpg"}, {}},
        {{"count", "mine/"}, {}},
        {{"dump", "./mine", "1", "GR"}, {}},
        {{"build-part", "shots", "events.dat", "steps.lsn", "out/p99"}, "out/p99/simu.dbf"},
        {{"check", "out/p99"}, {}},
        {{"check", "mine"}, {}},
        {{"render-part", "stories/p1.story", "rendered"}, "rendered/0000.jpg"},
        {{"show-part", "stories/p1.story"}, {}},
        {{"check-part", "stories/p1.story"}, {}},
        {{"show-form", "stories/p1.story"}, {}},
        {{"check-continuity", "course"}, {}},
        {{"export-library", "exported"}, "exported/proj1/ListBox1.txt"},
        {{"build-library", "stories", "library"}, "library/proj1/ListBox1.txt"},
    };
    // demo-course takes minutes: AuthorCommandsTest runs it, and check on
    // its course, with relative paths. The exports need a whole course:
    // WebExportTest runs them with relative paths on one.
    QStringList covered{"demo-course", "export-web", "export-scorm"};
    for (const auto& step : steps) {
        const CliRun r = runExecutable(step.args + QStringList{"--quiet"}, dir.path());
        EXPECT_EQ(r.exitCode, 0) << r.describe(step.args);
        EXPECT_TRUE(r.err.isEmpty()) << r.describe(step.args);
        if (!step.check.isEmpty())
            EXPECT_TRUE(QFile::exists(dir.file(step.check))) << r.describe(step.args);
        covered << step.args.first();
    }
    EXPECT_EQ(fieldValues(dir.file("mine"), "GR"), (std::vector<QByteArray>{frameJpeg(0), frameJpeg(1)}));
    EXPECT_EQ(fieldValues(dir.file("p6"), "GR").size(), 3u);
    for (const AuthorCli::Command& command : table().commands())
        if (takesPaths(command))
            EXPECT_TRUE(covered.contains(command.name)) << command.name.toStdString() << " has no relative-path case";
}

} // namespace
