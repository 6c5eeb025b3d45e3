#include "CliRun.h"

#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "support/TestSupport.h"
#include "tools/AuthorCli.h"
#include "tools/TableTool.h"

#include <QBuffer>
#include <QDir>

#include <gtest/gtest.h>

namespace {

// A frame store in dir/simu.dbf with the given frames; M of record 1 set.
void makeStore(const QString& dir, const std::vector<QByteArray>& frames)
{
    QDir().mkpath(dir);
    DbfTable::create(dir + QStringLiteral("/simu.dbf"), DbfTable::frameStoreFields());
    DbfTable table;
    TableField gr(table, "GR", TableField::Kind::Blob);
    TableField m(table, "M", TableField::Kind::Memo);
    table.setDatabaseName(dir);
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        table.insert();
        gr.setValue(frames[i]);
        if (i == 0)
            m.setValue("0000 script\r\n");
        table.post();
    }
}

const QByteArray kBinary("\xFF\xD8\x1A\x1F\x00\r\n\x1A\xFF\xD9", 10);

} // namespace

TEST(AuthorCli, WrongUsageExitsTwoWithTheUsageText)
{
    TempCurrentDir dir;
    const QStringList cases[] = {
        {},
        {QStringLiteral("nonsense")},
        {QStringLiteral("count")},
        {QStringLiteral("count"), QStringLiteral("a"), QStringLiteral("b")},
        {QStringLiteral("template")},
        {QStringLiteral("dump"), QStringLiteral(".")},
        {QStringLiteral("dump"), QStringLiteral("."), QStringLiteral("x"), QStringLiteral("GR")},
        {QStringLiteral("dump"), QStringLiteral("."), QStringLiteral("1x"), QStringLiteral("GR")},
    };
    for (const QStringList& args : cases) {
        const CliRun r = runInProcess(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("usage: lessonwright-author")) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const CliRun real = runExecutable({});
    EXPECT_EQ(real.exitCode, 2);
    EXPECT_TRUE(real.err.contains("usage: lessonwright-author"));
    EXPECT_TRUE(real.err.contains("dump DIR RECORD FIELD"));
}

TEST(AuthorCli, TemplateCreatesAnEmptyFrameStorePair)
{
    TempCurrentDir dir;
    const CliRun r = runExecutable({QStringLiteral("template"), dir.file(QStringLiteral("ori"))});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    ASSERT_TRUE(QFile::exists(dir.file(QStringLiteral("ori/test.dbt"))));

    DbfTable table;
    TableField gr(table, "GR", TableField::Kind::Blob);
    TableField m(table, "M", TableField::Kind::Memo);
    table.setDatabaseName(QStringLiteral("ori\\"));
    table.setTableName(QStringLiteral("test.dbf"));
    table.open();
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_EQ(table.fieldDef("GR").type, 'B');
    EXPECT_EQ(table.fieldDef("M").type, 'M');
    table.close();

    // A second run must not wipe a template that may hold work.
    const CliRun again = runInProcess({QStringLiteral("template"), QStringLiteral("ori")});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains("already exists")) << again.err.toStdString();
}

TEST(AuthorCli, CountAndDumpReadAFrameStore)
{
    TempCurrentDir dir;
    makeStore(dir.file(QStringLiteral("master/p4a")), {kBinary, "second", {}});

    const struct {
        QStringList args;
        int exitCode;
        QByteArray out;
        const char* err; // part of stderr
    } cases[] = {
        {{"count", dir.file("master/p4a")}, 0, "3\n", ""},
        {{"count", "master\\P4A"}, 0, "3\n", ""}, // course form, any case
        {{"dump", dir.file("master/p4a"), "1", "GR"}, 0, kBinary, ""},
        {{"dump", "master/p4a", "1", "M"}, 0, "0000 script\r\n", ""},
        {{"dump", "master/p4a", "2", "GR"}, 0, "second", ""},
        {{"dump", "master/p4a", "3", "GR"}, 0, "", ""},
        {{"dump", "master/p4a", "2", "M"}, 0, "", ""},
        {{"dump", "master/p4a", "0", "GR"}, 1, "", "Record 0 does not exist"},
        {{"dump", "master/p4a", "4", "GR"}, 1, "", "Record 4 does not exist"},
        {{"dump", "master/p4a", "1", "gr"}, 1, "", "Field 'gr' not found"},
        {{"count", "master/p9"}, 1, "", "Cannot open file"},
        {{"dump", "master/p9", "1", "GR"}, 1, "", "Cannot open file"},
    };
    for (const auto& c : cases) {
        const CliRun r = runInProcess(c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << what << ": " << r.err.toStdString();
        EXPECT_EQ(r.out, c.out) << what;
        EXPECT_TRUE(r.err.contains(c.err)) << what << ": " << r.err.toStdString();
        if (c.exitCode != 2)
            EXPECT_FALSE(r.err.contains("usage:")) << what;
    }

    // Through the executable, stdout carries the bytes unchanged.
    const CliRun dump = runExecutable({QStringLiteral("dump"), dir.file(QStringLiteral("master/p4a")),
                                       QStringLiteral("1"), QStringLiteral("GR")});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.out, kBinary);
    const CliRun count = runExecutable({QStringLiteral("count"), dir.file(QStringLiteral("master/p4a"))});
    EXPECT_EQ(count.out, QByteArray("3\n"));
    const CliRun missing = runExecutable({QStringLiteral("count"), dir.file(QStringLiteral("nothing"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith("Cannot open file ")) << missing.err.toStdString();
}

TEST(AuthorCli, CommandsAreAddedThroughTheTable)
{
    AuthorCli cli;
    QStringList seen;
    QStringList options;
    cli.add({QStringLiteral("echo"), QStringLiteral("A B"), QStringLiteral("print the words"), {},
             {AuthorCli::Arg::Word, AuthorCli::Arg::Word}, {QStringLiteral("--loud")},
             [&](const AuthorCli::Call& call) {
                 seen = call.args;
                 options = call.options;
                 call.out.write(call.args.join(' ').toUtf8());
             }});
    QByteArray outBytes;
    QByteArray errBytes;
    QBuffer out(&outBytes);
    QBuffer err(&errBytes);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    EXPECT_EQ(cli.run({QStringLiteral("echo"), QStringLiteral("a"), QStringLiteral("--loud"), QStringLiteral("b")}, out, err), 0);
    EXPECT_EQ(outBytes, QByteArray("a b"));
    EXPECT_EQ(options, QStringList{"--loud"});
    // "--" ends the options: what follows is an argument.
    EXPECT_EQ(cli.run({QStringLiteral("echo"), QStringLiteral("--"), QStringLiteral("--loud"), QStringLiteral("b")}, out, err), 0);
    EXPECT_EQ(seen, (QStringList{"--loud", "b"}));
    EXPECT_EQ(cli.run({QStringLiteral("echo"), "1", "2", "3"}, out, err), 2);
    EXPECT_EQ(cli.run({QStringLiteral("echo"), "1", "--soft", "3"}, out, err), 2);
    EXPECT_TRUE(cli.usage().contains("echo [--loud] A B")) << cli.usage().toStdString();
}
