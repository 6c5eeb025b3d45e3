#include "platform/AppError.h"
#include "platform/HandlerGuard.h"
#include "platform/HostPath.h"
#include "platform/ProgramStarter.h"
#include "platform/ScratchDir.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(ErrorBox, FullStopOnlyAfterCharactersSortingAfterDot)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"Cannot open file x.dat", "Cannot open file x.dat."},
        {"Done.", "Done."},
        {"(error $2108)", "(error $2108)"}, // ')' sorts before '.'
        {"odd-", "odd-"},          // '-' sorts before '.'
        {"quoted\"", "quoted\""},  // '"' sorts before '.'
        {"slash/", "slash/."},     // '/' sorts after '.'
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorPresenter::withFullStop(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(ErrorBox, GuardStopsTheHandlerAndShowsTheMessageUnderTheAppTitle)
{
    ErrorRecorder errors;
    bool reachedEnd = false;
    const bool ok = guarded([&] {
        throw AppError(QStringLiteral("'' is not a valid integer value"));
        reachedEnd = true;
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(reachedEnd);
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(errors.messages[0], QStringLiteral("'' is not a valid integer value."));
    EXPECT_EQ(errors.titles[0], QStringLiteral("Korvane Publishing Inc."));
    EXPECT_TRUE(guarded([] {}));
    EXPECT_EQ(errors.messages.size(), 1);
}

TEST(HostPathTest, BackslashesRelativeAndCaseFallback)
{
    TempCurrentDir dir;
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("Master/P4A")));
    writeFile(dir.file(QStringLiteral("Master/P4A/SIMU.DBF")), "x");
    const QString root = QDir::currentPath();

    EXPECT_EQ(HostPath::toHost(QStringLiteral("master\\p4a\\simu.dbf")), root + "/Master/P4A/SIMU.DBF");
    EXPECT_EQ(HostPath::toHost(QStringLiteral("master\\p4a\\")), root + "/Master/P4A/");
    // Written exactly as it exists: the same answer, doubled separators and
    // the trailing one kept as the matched form keeps them.
    EXPECT_EQ(HostPath::toHost(QStringLiteral("Master\\\\P4A\\SIMU.DBF")), root + "/Master/P4A/SIMU.DBF");
    EXPECT_EQ(HostPath::toHost(QStringLiteral("Master\\P4A\\")), root + "/Master/P4A/");
    EXPECT_EQ(HostPath::toHost(QStringLiteral("Master\\.\\P4A")), root + "/Master/./P4A");
    // Unknown tail components are kept as written after the matched prefix.
    EXPECT_EQ(HostPath::toHost(QStringLiteral("master\\p4a\\new.dbt")), root + "/Master/P4A/new.dbt");
    EXPECT_EQ(HostPath::toHost(QStringLiteral("master\\zz\\simu.dbf")), root + "/Master/zz/simu.dbf");
    EXPECT_EQ(HostPath::toHost(QStringLiteral("/abs/path")), QStringLiteral("/abs/path"));
}

TEST(HostPathTest, ExactNameWinsOverCaseInsensitiveMatch)
{
    TempCurrentDir dir;
    writeFile(dir.file(QStringLiteral("readme.txt")), "a");
    writeFile(dir.file(QStringLiteral("README.TXT")), "b");
    EXPECT_TRUE(HostPath::toHost(QStringLiteral("README.TXT")).endsWith("/README.TXT"));
    EXPECT_TRUE(HostPath::toHost(QStringLiteral("readme.txt")).endsWith("/readme.txt"));
}

TEST(HostPathTest, DriveLetters)
{
    TempCurrentDir dir;
    HostPath::setDrivesBase(dir.path() + "/drives");
    EXPECT_EQ(HostPath::toHost(QStringLiteral("e:\\tutorial")), dir.path() + "/drives/e/tutorial");
    EXPECT_EQ(HostPath::toHost(QStringLiteral("E:\\done_new\\")), dir.path() + "/drives/e/done_new/");
    EXPECT_EQ(HostPath::toHost(QStringLiteral("c:\\1.jpg")), ScratchDir::path() + "/1.jpg");
    HostPath::setDrivesBase(QString());
}

TEST(Scratch, PrivateDirectoryRemovedWithItsSession)
{
    const QString dir = ScratchDir::path();
    const QFileInfo info(dir);
    ASSERT_TRUE(info.isDir());
    EXPECT_EQ(info.permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                  | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther),
        QFileDevice::Permissions());
    EXPECT_EQ(QFileInfo(dir).absolutePath(), ScratchDir::base());
    writeFile(dir + "/1.jpg", "x");
    ScratchDir::remove();
    EXPECT_FALSE(QFileInfo::exists(dir));
    const QString fresh = ScratchDir::path();
    EXPECT_NE(fresh, dir);
    EXPECT_TRUE(QFileInfo(fresh).isDir());
}

TEST(Starter, CourseCommandLinesMapToDesktopEquivalents)
{
    TempCurrentDir dir;
    const auto notepad = ProgramStarter::map(QStringLiteral("NOTEPAD readme.txt"));
    EXPECT_EQ(notepad.program, QStringLiteral("xdg-open"));
    EXPECT_EQ(notepad.arguments, QStringList{dir.path() + "/readme.txt"});

    const auto explorer = ProgramStarter::map(QStringLiteral("explorer \\"));
    EXPECT_EQ(explorer.program, QStringLiteral("xdg-open"));
    ASSERT_EQ(explorer.arguments.size(), 1);
    EXPECT_TRUE(dir.path().startsWith(explorer.arguments[0]));

    ASSERT_TRUE(QDir().mkpath(QStringLiteral("MSIE")));
    const auto installer = ProgramStarter::map(QStringLiteral("MSIE\\setup.exe"));
    EXPECT_EQ(installer.program, dir.path() + "/MSIE/setup.exe");

    const auto plain = ProgramStarter::map(QStringLiteral("com404.exe"));
    EXPECT_EQ(plain.program, QStringLiteral("com404.exe"));
}

TEST(Starter, HookSeesTheCommandLineAndNothingStarts)
{
    ProgramRecorder programs;
    ProgramStarter::WinExec(QStringLiteral("control display.cpl"), 1);
    ProgramStarter::WinExec(QStringLiteral("control desk.cpl"), 1);
    EXPECT_EQ(programs.commandLines, (QStringList{"control display.cpl", "control desk.cpl"}));
}
