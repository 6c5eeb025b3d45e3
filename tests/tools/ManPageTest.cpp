#include "CliRun.h"

#include "tools/AuthorCli.h"
#include "tools/ManPage.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Rendered {
    QString text;
    QString warnings;
};

// The page as man shows it, and what groff warns about it.
Rendered render(const QByteArray& roff)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.1");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(roff);
    file.close();
    QProcess groff;
    // One long line per paragraph and no hyphens, so that words can be looked for.
    groff.start("groff", {"-man", "-Tutf8", "-ww", "-rLL=400n", "-rHY=0", "-P-c", "-P-b", "-P-u", path});
    if (!groff.waitForFinished(30000))
        return {};
    return {QString::fromUtf8(groff.readAllStandardOutput()), QString::fromUtf8(groff.readAllStandardError())};
}

TEST(ManPage, TextsAreEscapedForRoff)
{
    ManPage page;
    page.name = "tool";
    page.purpose = "do things";
    page.synopsis = {"tool --flag"};
    page.sections = {{"DESCRIPTION", {{{}, ".dat files come from e:\\tutorial"}, {"--flag", "'quoted' first"}}}};
    const QString roff = page.roff("9.9");
    EXPECT_TRUE(roff.contains("\\&.dat files come from e:\\etutorial\n")) << roff.toStdString();
    EXPECT_TRUE(roff.contains("\\fB\\-\\-flag\\fR\n\\&'quoted' first\n")) << roff.toStdString();
    const Rendered shown = render(roff.toUtf8());
    EXPECT_TRUE(shown.warnings.isEmpty()) << shown.warnings.toStdString();
    EXPECT_TRUE(shown.text.contains(".dat files come from e:\\tutorial")) << shown.text.toStdString();
    EXPECT_TRUE(shown.text.contains("--flag")) << shown.text.toStdString();
}

TEST(ManPage, BothPagesComeFromTheToolAndRenderCleanly)
{
    const CliRun author = runExecutable({"help", "--man", "author"});
    ASSERT_EQ(author.exitCode, 0);
    const Rendered authorPage = render(author.out);
    EXPECT_TRUE(authorPage.warnings.isEmpty()) << authorPage.warnings.toStdString();
    const AuthorCli cli = AuthorCli::withStandardCommands();
    for (const AuthorCli::Command& command : cli.commands()) {
        // Each command with its arguments, as the help gives them.
        const QString call = AuthorCli::callLine(command).mid(QStringLiteral("lessonwright-author ").size());
        EXPECT_TRUE(authorPage.text.contains(call)) << call.toStdString();
    }
    for (const char* words : {"e:\\tutorial\\<base>.lsn", "EXIT STATUS", "lessonwright(1)", "--version"})
        EXPECT_TRUE(authorPage.text.contains(words)) << words;

    const CliRun player = runExecutable({"help", "--man", "player"});
    ASSERT_EQ(player.exitCode, 0);
    const Rendered playerPage = render(player.out);
    EXPECT_TRUE(playerPage.warnings.isEmpty()) << playerPage.warnings.toStdString();
    for (const char* words : {"current directory", "--version", "Enter or Space", "LESSONWRIGHT_AUTHOR=1", "1.dbf",
                              "master/<part>/simu.dbf", "lessonwright-author(1)"})
        EXPECT_TRUE(playerPage.text.contains(words)) << words << "\n" << playerPage.text.toStdString();

    // The build writes both pages with the tool.
    EXPECT_EQ(QFile(LW_BINARY_DIR "/man/lessonwright-author.1").size(), author.out.size());
    EXPECT_EQ(QFile(LW_BINARY_DIR "/man/lessonwright.1").size(), player.out.size());
}

} // namespace
