// Cross-checks with independent dBASE readers and writers (Debian's
// python3-dbfread and python3-dbf), run as separate processes.
#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <map>

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

QString peerScript(const char* name)
{
    return QStringLiteral(LW_SOURCE_DIR "/tests/peers/") + QLatin1String(name);
}

bool pythonHas(const QString& module)
{
    if (!QFile::exists(kPython))
        return false;
    QProcess p;
    p.start(kPython, {QStringLiteral("-c"), QStringLiteral("import ") + module});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray runPeer(const char* script, const QStringList& args)
{
    QProcess p;
    p.start(kPython, QStringList{peerScript(script)} + args);
    const bool finished = p.waitForFinished(60000);
    const QByteArray err = p.readAllStandardError();
    EXPECT_TRUE(finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        << script << " failed: " << err.toStdString();
    return p.readAllStandardOutput();
}

// The peer reader's output: one map field -> bytes per record.
std::vector<std::map<QByteArray, QByteArray>> readWithDbfread(const QString& dbf)
{
    std::vector<std::map<QByteArray, QByteArray>> records;
    const QByteArray out = runPeer("read_with_dbfread.py", {dbf});
    for (const QByteArray& line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        std::map<QByteArray, QByteArray> record;
        for (const QByteArray& pair : line.split('\t')) {
            const int eq = pair.indexOf('=');
            record[pair.left(eq)] = QByteArray::fromHex(pair.mid(eq + 1));
        }
        records.push_back(std::move(record));
    }
    return records;
}

QByteArray awkward(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = i % 5 == 0 ? "\x1A\x1F\x00\xFF"[(i / 5 + seed) % 4] : char((i * 31 + seed) & 0xFF);
    return bytes;
}

} // namespace

TEST(DbfPeers, DbfreadReadsOurTablesByteForByte)
{
    if (!pythonHas(QStringLiteral("dbfread")))
        GTEST_SKIP() << "/usr/bin/python3 lacks the dbfread module (Debian package python3-dbfread)";
    TempCurrentDir dir;
    DbfTable::create(dir.file(QStringLiteral("simu.dbf")), DbfTable::frameStoreFields());
    std::vector<std::pair<QByteArray, QByteArray>> expected;
    const int sizes[] = {1, 0, 503, 504, 505, 1015, 1016, 1017, 40000};
    for (int i = 0; i < int(std::size(sizes)); ++i) {
        QByteArray text;
        if (i == 0)
            text = "0000 event line\r\n\r\n";
        else if (i == 1)
            text = QByteArray("$$$$$$ Step\r\n\x1F text with marks \x1A", 32);
        expected.emplace_back(awkward(sizes[i], i), text);
    }
    {
        DbfTable table;
        TableField gr(table, "GR", TableField::Kind::Blob);
        TableField m(table, "M", TableField::Kind::Memo);
        table.setDatabaseName(dir.path());
        table.setTableName(QStringLiteral("simu.dbf"));
        table.open();
        for (const auto& [frame, text] : expected) {
            table.insert();
            gr.setValue(frame);
            m.setValue(text);
            table.post();
        }
        // An edit moves a record's content to new blocks; the peer follows.
        table.setRecNo(3);
        table.edit();
        expected[2].first = awkward(777, 42);
        gr.setValue(expected[2].first);
        table.post();
    }

    const auto records = readWithDbfread(dir.file(QStringLiteral("simu.dbf")));
    ASSERT_EQ(records.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(records[i].at("GR"), expected[i].first) << "record " << i + 1;
        EXPECT_EQ(records[i].at("M"), expected[i].second) << "record " << i + 1;
    }
}

TEST(DbfPeers, LevelThreeTableWrittenByDbfOpensAndTakesNewRecords)
{
    if (!pythonHas(QStringLiteral("dbf")))
        GTEST_SKIP() << "/usr/bin/python3 lacks the dbf module (Debian package python3-dbf)";
    TempCurrentDir dir;
    runPeer("write_level3_table.py", {dir.file(QStringLiteral("old.dbf"))});

    DbfTable table;
    TableField desc(table, "DESC", TableField::Kind::Memo);
    table.setTableName(QStringLiteral("old.dbf"));
    table.open();
    ASSERT_EQ(table.recordCount(), 4);
    const QByteArray texts[] = {"First memo text\r\nsecond line", QByteArray("long ").repeated(300), "", "last"};
    const QByteArray names[] = {"alpha", "beta", "gamma", "delta"};
    for (int i = 0; i < 4; ++i) {
        table.setRecNo(i + 1);
        EXPECT_EQ(desc.value(), texts[i]) << "record " << i + 1;
        EXPECT_EQ(table.fieldBytes("NAME").trimmed(), names[i]);
    }

    table.insert();
    table.setFieldBytes("NAME", "epsilon");
    desc.setValue("added here\r\n");
    table.post();
    table.close();

    if (!pythonHas(QStringLiteral("dbfread")))
        return;
    const auto records = readWithDbfread(dir.file(QStringLiteral("old.dbf")));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[4].at("DESC"), QByteArray("added here\r\n"));
    EXPECT_EQ(records[4].at("NAME").trimmed(), QByteArray("epsilon"));
    EXPECT_EQ(records[1].at("DESC"), texts[1]);
}

TEST(DbfPeers, SampleTablesReadTheSameAsDbfread)
{
    if (!pythonHas(QStringLiteral("dbfread")))
        GTEST_SKIP() << "/usr/bin/python3 lacks the dbfread module (Debian package python3-dbfread)";
    const QString fixtures = QStringLiteral(LW_SOURCE_DIR "/tests/fixtures/dbase");
    const struct {
        const char* table;
        QByteArray memoField;
    } cases[] = {{"dbase_83.dbf", "DESC"}, {"dbase_8b.dbf", "MEMO"}};
    for (const auto& c : cases) {
        const auto records = readWithDbfread(fixtures + '/' + QLatin1String(c.table));
        DbfTable table;
        table.setDatabaseName(fixtures);
        table.setTableName(QLatin1String(c.table));
        table.open();
        ASSERT_EQ(std::size_t(table.recordCount()), records.size()) << c.table;
        for (std::size_t i = 0; i < records.size(); ++i) {
            table.setRecNo(int(i) + 1);
            EXPECT_EQ(table.fieldBytes(c.memoField), records[i].at(c.memoField)) << c.table << " record " << i + 1;
        }
    }
}
