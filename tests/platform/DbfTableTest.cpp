#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/ScratchDir.h"
#include "platform/TableField.h"
#include "support/TestSupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Bytes that trip text-minded readers: end-of-file marks, field terminators,
// NULs and high bytes, in a pattern that differs per seed.
QByteArray awkwardBytes(int size, int seed)
{
    static const char alphabet[] = {0x1A, 0x1F, 0x00, char(0xFF), 0x0D, 0x0A, ' ', 'x'};
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = (i + seed) % 3 == 0 ? alphabet[(i / 3 + seed) % 8] : char((i * 7 + seed) & 0xFF);
    return bytes;
}

quint32 le32At(const QByteArray& bytes, int offset)
{
    const auto* u = reinterpret_cast<const unsigned char*>(bytes.constData() + offset);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

void patch(const QString& path, qint64 offset, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(offset));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray le32Bytes(quint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xFF);
    return b;
}

// The course's table object with its two field objects.
struct Store {
    DbfTable table;
    TableField gr{table, QByteArrayLiteral("GR"), TableField::Kind::Blob};
    TableField m{table, QByteArrayLiteral("M"), TableField::Kind::Memo};

    explicit Store(const QString& directory, const QString& name = QStringLiteral("simu.dbf"))
    {
        table.setDatabaseName(directory);
        table.setTableName(name);
    }

    void append(const QByteArray& frame, const QByteArray& text = {})
    {
        table.insert();
        gr.setValue(frame);
        if (!text.isEmpty())
            m.setValue(text);
        table.post();
    }
};

QString newStore(const QString& directory)
{
    QDir().mkpath(directory);
    const QString path = directory + QStringLiteral("/simu.dbf");
    DbfTable::create(path, DbfTable::frameStoreFields());
    return path;
}

std::vector<QByteArray> readAll(DbfTable& table, const QByteArray& field)
{
    std::vector<QByteArray> values;
    table.first();
    while (!table.eof()) {
        values.push_back(table.fieldBytes(field));
        table.next();
    }
    return values;
}

// Runs a test with the records held in memory and with records read from
// the file as they are visited (what big tables do).
class DbfTableRecords : public testing::TestWithParam<bool> {
protected:
    void SetUp() override { DbfTable::setRecordCacheLimit(GetParam() ? -1 : 0); }
    void TearDown() override { DbfTable::setRecordCacheLimit(-1); }
};

INSTANTIATE_TEST_SUITE_P(Both, DbfTableRecords, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "InMemory" : "FromFile");
                         });

} // namespace

TEST(DbfTableCreate, WritesTheFrameStoreTemplateByteForByte)
{
    TempCurrentDir dir;
    newStore(dir.path());
    const QByteArray dbf = readFile(dir.file(QStringLiteral("simu.dbf")));
    ASSERT_EQ(dbf.size(), 98);
    EXPECT_EQ(quint8(dbf[0]), 0x8B);
    EXPECT_EQ(le32At(dbf, 4), 0u);
    EXPECT_EQ(dbf.mid(8, 4), QByteArray("\x61\x00\x15\x00", 4)); // header 97, record 21
    EXPECT_EQ(quint8(dbf[29]), 0x57);
    QByteArray gr(32, '\0');
    gr.replace(0, 2, "GR");
    gr[11] = 'B';
    gr[16] = 10;
    QByteArray m(32, '\0');
    m[0] = 'M';
    m[11] = 'M';
    m[16] = 10;
    EXPECT_EQ(dbf.mid(32, 32), gr);
    EXPECT_EQ(dbf.mid(64, 32), m);
    EXPECT_EQ(dbf.mid(96), QByteArray("\x0D\x1A"));

    const QByteArray dbt = readFile(dir.file(QStringLiteral("simu.dbt")));
    ASSERT_EQ(dbt.size(), 512);
    EXPECT_EQ(le32At(dbt, 0), 1u);
    EXPECT_EQ(dbt.mid(8, 8), QByteArray("simu\0\0\0\0", 8));
    EXPECT_EQ(dbt.mid(20, 2), QByteArray("\x00\x02", 2));

    EXPECT_THROW(DbfTable::create(dir.file(QStringLiteral("simu.dbf")), DbfTable::frameStoreFields()), AppError)
        << "an existing table is never replaced";
}

TEST(DbfTableCreate, CreatingAndEveryPostStampTodaysDate)
{
    // Year - 1900, month, day; a run across midnight may see either day.
    const auto stampedToday = [](const QByteArray& dbf, const QDate& before) {
        const QDate stamp(1900 + quint8(dbf[1]), quint8(dbf[2]), quint8(dbf[3]));
        return stamp == before || stamp == QDate::currentDate();
    };
    TempCurrentDir dir;
    const QString dbfPath = dir.file(QStringLiteral("simu.dbf"));
    QDate before = QDate::currentDate();
    newStore(dir.path());
    EXPECT_TRUE(stampedToday(readFile(dbfPath), before));
    Store store(QString{});
    store.table.open();
    for (int i = 0; i < 2; ++i) {
        patch(dbfPath, 1, QByteArray("\x01\x01\x01", 3)); // 1 January 1901
        before = QDate::currentDate();
        store.append("frame");
        EXPECT_TRUE(stampedToday(readFile(dbfPath), before)) << "post " << i;
    }
}

TEST_P(DbfTableRecords, LargeObjectsAtBlockEdgesReadBackExactly)
{
    // A memo of n bytes takes ceil((n + 9) / 512) blocks: sizes around 503/504
    // and 1015/1016 cross a block edge.
    const std::vector<int> sizes = {0, 1, 7, 8, 9, 502, 503, 504, 505, 1014, 1015, 1016, 1017, 4096, 150000};
    TempCurrentDir dir;
    newStore(QStringLiteral("master/p1"));
    {
        Store store(QStringLiteral("master\\p1\\"));
        store.table.open();
        for (std::size_t i = 0; i < sizes.size(); ++i)
            store.append(awkwardBytes(sizes[i], int(i)), i < 2 ? awkwardBytes(sizes[i] + 3, 99) : QByteArray());
        EXPECT_EQ(store.table.recordCount(), int(sizes.size()));
        EXPECT_EQ(store.table.recNo(), int(sizes.size())) << "the posted record is current";
    }

    Store store(QStringLiteral("master\\p1\\"));
    store.table.open();
    const std::vector<QByteArray> frames = readAll(store.table, "GR");
    ASSERT_EQ(frames.size(), sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i)
        EXPECT_EQ(frames[i], awkwardBytes(sizes[i], int(i))) << "size " << sizes[i];
    store.table.first();
    EXPECT_EQ(store.m.value(), awkwardBytes(3, 99));
    store.table.next();
    EXPECT_EQ(store.m.value(), awkwardBytes(4, 99));
    store.table.next();
    EXPECT_EQ(store.m.value(), QByteArray());

    // Layout: the memo file holds exactly the blocks the rule asks for, each
    // memo framed as FF FF 08 00, length + 8, data, 0x1F, zero padding.
    const QByteArray dbt = readFile(dir.file(QStringLiteral("master/p1/simu.dbt")));
    const QByteArray dbf = readFile(dir.file(QStringLiteral("master/p1/simu.dbf")));
    qint64 expectedBlocks = 1;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const QByteArray record = dbf.mid(97 + 21 * int(i), 21);
        EXPECT_EQ(record[0], ' ');
        if (sizes[i] == 0) {
            EXPECT_EQ(record.mid(1, 10), QByteArray(10, ' '));
        } else {
            const int block = record.mid(1, 10).trimmed().toInt();
            EXPECT_EQ(record.mid(1, 10), QByteArray::number(block).rightJustified(10, ' '));
            const int at = block * 512;
            EXPECT_EQ(dbt.mid(at, 4), QByteArray("\xFF\xFF\x08\x00", 4));
            EXPECT_EQ(le32At(dbt, at + 4), quint32(sizes[i] + 8));
            EXPECT_EQ(dbt.at(at + 8 + sizes[i]), 0x1F);
            const int blocks = (sizes[i] + 9 + 511) / 512;
            EXPECT_EQ(dbt.mid(at + 9 + sizes[i], blocks * 512 - 9 - sizes[i]),
                      QByteArray(blocks * 512 - 9 - sizes[i], '\0'));
            expectedBlocks += blocks;
        }
        if (i < 2)
            expectedBlocks += (sizes[i] + 3 + 9 + 511) / 512;
    }
    EXPECT_EQ(dbt.size(), expectedBlocks * 512);
    EXPECT_EQ(le32At(dbt, 0), quint32(expectedBlocks)) << "next free block";
    EXPECT_EQ(le32At(dbf, 4), quint32(sizes.size()));
    EXPECT_EQ(dbf.size(), 97 + 21 * int(sizes.size()) + 1);
    EXPECT_EQ(dbf.back(), 0x1A);
}

TEST_P(DbfTableRecords, FirstNextEofAndRecNo)
{
    TempCurrentDir dir;
    newStore(dir.path());
    Store store(QString{});
    store.table.open();
    // Empty table: the flag is set at once and moves change nothing.
    EXPECT_TRUE(store.table.eof());
    EXPECT_EQ(store.table.recordCount(), 0);
    EXPECT_EQ(store.table.recNo(), 0);
    store.table.next();
    store.table.first();
    EXPECT_TRUE(store.table.eof());
    EXPECT_EQ(store.gr.value(), QByteArray());

    for (int i = 1; i <= 3; ++i)
        store.append(QByteArray::number(i));
    store.table.close();
    store.table.open();

    struct Step {
        std::function<void(DbfTable&)> move;
        int recNo;
        bool eof;
    };
    const Step steps[] = {
        {[](DbfTable&) {}, 1, false}, // as opened
        {[](DbfTable& t) { t.next(); }, 2, false},
        {[](DbfTable& t) { t.next(); }, 3, false},
        {[](DbfTable& t) { t.next(); }, 3, true}, // past the end: stays, flag set
        {[](DbfTable& t) { t.next(); }, 3, true},
        {[](DbfTable& t) { t.first(); }, 1, false},
        {[](DbfTable& t) { t.setRecNo(3); }, 3, false},
        {[](DbfTable& t) { t.next(); }, 3, true},
        {[](DbfTable& t) { t.setRecNo(2); }, 2, false},
    };
    int n = 0;
    for (const Step& step : steps) {
        step.move(store.table);
        EXPECT_EQ(store.table.recNo(), step.recNo) << "step " << n;
        EXPECT_EQ(store.table.eof(), step.eof) << "step " << n;
        EXPECT_EQ(store.gr.value(), QByteArray::number(step.recNo)) << "step " << n;
        ++n;
    }
    EXPECT_THROW(store.table.setRecNo(0), AppError);
    EXPECT_THROW(store.table.setRecNo(4), AppError);

    store.table.close();
    EXPECT_FALSE(store.table.isOpen());
    EXPECT_TRUE(store.table.eof());
    EXPECT_THROW(store.table.next(), AppError);
    EXPECT_THROW(store.gr.value(), AppError);
}

TEST_P(DbfTableRecords, EditWritesNewBlocksAndLeavesOldOnesAlone)
{
    TempCurrentDir dir;
    newStore(dir.path());
    Store store(dir.path());
    store.table.open();
    store.append(awkwardBytes(700, 1), "events");
    store.append(awkwardBytes(300, 2));
    store.append(awkwardBytes(10, 3));
    const QByteArray before = readFile(dir.file(QStringLiteral("simu.dbt")));

    store.table.setRecNo(2);
    store.table.edit();
    EXPECT_EQ(store.gr.value(), awkwardBytes(300, 2)) << "edit starts from the stored value";
    store.gr.setValue(awkwardBytes(2000, 4));
    store.m.setValue("steps");
    EXPECT_EQ(store.gr.value(), awkwardBytes(2000, 4)) << "the edited value is visible before posting";
    store.table.post();
    EXPECT_EQ(store.table.recNo(), 2);
    EXPECT_EQ(store.table.recordCount(), 3);

    const QByteArray after = readFile(dir.file(QStringLiteral("simu.dbt")));
    EXPECT_EQ(after.mid(4, before.size() - 4), before.mid(4)) << "old blocks are never overwritten";
    EXPECT_GT(after.size(), before.size());

    store.table.close();
    store.table.open();
    EXPECT_EQ(readAll(store.table, "GR"),
              (std::vector<QByteArray>{awkwardBytes(700, 1), awkwardBytes(2000, 4), awkwardBytes(10, 3)}));
    EXPECT_EQ(readAll(store.table, "M"), (std::vector<QByteArray>{"events", "steps", {}}));

    // Clearing a large object leaves a blank pointer.
    store.table.setRecNo(1);
    store.table.edit();
    store.gr.setValue({});
    store.table.post();
    EXPECT_EQ(store.gr.value(), QByteArray());
    EXPECT_EQ(store.m.value(), QByteArray("events"));
}

TEST_P(DbfTableRecords, StateRules)
{
    TempCurrentDir dir;
    newStore(dir.path());
    Store store(dir.path());
    store.table.open();

    EXPECT_THROW(store.table.post(), AppError) << "post needs edit or insert";
    EXPECT_THROW(store.gr.setValue("x"), AppError) << "fields change only while editing";

    // Edit on an empty table starts an insert.
    store.table.edit();
    store.gr.setValue("first");
    store.table.post();
    EXPECT_EQ(store.table.recordCount(), 1);
    EXPECT_EQ(store.table.recNo(), 1);
    EXPECT_FALSE(store.table.eof());

    // Cancel drops an insert and an edit.
    store.table.insert();
    store.gr.setValue("dropped");
    store.table.cancel();
    EXPECT_EQ(store.table.recordCount(), 1);
    store.table.edit();
    store.gr.setValue("dropped");
    store.table.cancel();
    EXPECT_EQ(store.gr.value(), QByteArray("first"));

    // An insert posted without any value adds an empty record.
    store.table.insert();
    store.table.post();
    EXPECT_EQ(store.table.recordCount(), 2);
    EXPECT_EQ(store.gr.value(), QByteArray());

    // Moving away from a changed record keeps the change; an untouched new
    // record is dropped.
    store.table.first();
    store.table.edit();
    store.gr.setValue("changed");
    store.table.next();
    store.table.first();
    EXPECT_EQ(store.gr.value(), QByteArray("changed"));
    store.table.insert();
    store.table.first();
    EXPECT_EQ(store.table.recordCount(), 2);

    // Closing discards what was not posted.
    store.table.insert();
    store.gr.setValue("lost");
    store.table.close();
    store.table.open();
    EXPECT_EQ(store.table.recordCount(), 2);

    // Directory and name change only while closed.
    EXPECT_THROW(store.table.setDatabaseName(QStringLiteral("x")), AppError);
    EXPECT_THROW(store.table.setTableName(QStringLiteral("x.dbf")), AppError);
}

TEST(DbfTableFiles, LoadAndSaveUseCoursePathsAndReportTheCallersText)
{
    TempCurrentDir dir;
    newStore(QStringLiteral("master/p4a"));
    Store store(QStringLiteral("master\\p4a\\"));
    store.table.open();
    writeFile(ScratchDir::path() + QStringLiteral("/sth.jpg"), awkwardBytes(5000, 7));

    store.table.insert();
    store.gr.loadFromFile(QStringLiteral("c:\\sth.jpg"));
    store.table.post();
    store.gr.saveToFile(QStringLiteral("c:\\1.jpg"));
    EXPECT_EQ(readFile(ScratchDir::path() + QStringLiteral("/1.jpg")), awkwardBytes(5000, 7));

    store.table.insert();
    store.table.post();
    store.gr.saveToFile(QStringLiteral("c:\\1.jpg"));
    EXPECT_EQ(QFileInfo(ScratchDir::path() + QStringLiteral("/1.jpg")).size(), 0) << "empty GR gives an empty file";

    const struct {
        std::function<void()> action;
        QString message;
    } failures[] = {
        {[&] {
             store.table.edit();
             store.m.loadFromFile(QStringLiteral("missing\\p4a.dat"));
         },
         QStringLiteral("Cannot open file missing\\p4a.dat")},
        {[&] { store.m.loadFromFile(QStringLiteral("master")); }, QStringLiteral("Cannot open file master")},
        {[&] { store.gr.saveToFile(QStringLiteral("nowhere\\deeper\\1.jpg")); },
         QStringLiteral("Cannot create file nowhere\\deeper\\1.jpg")},
    };
    for (const auto& f : failures) {
        try {
            f.action();
            ADD_FAILURE() << "no error for " << f.message.toStdString();
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), f.message);
        }
    }
    store.table.cancel();
    EXPECT_EQ(store.table.recordCount(), 2) << "a failed load posts nothing";
}

TEST(DbfTableOpen, MissingFilesNameTheCoursePath)
{
    TempCurrentDir dir;
    Store store(QStringLiteral("master\\p4a\\"));
    try {
        store.table.open();
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot open file master\\p4a\\simu.dbf"));
    }
    EXPECT_FALSE(store.table.isOpen());

    newStore(QStringLiteral("master/p4a"));
    QFile::remove(dir.file(QStringLiteral("master/p4a/simu.dbt")));
    try {
        store.table.open();
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot open file master\\p4a\\simu.dbt"));
    }
    EXPECT_FALSE(store.table.isOpen());
}

TEST(DbfTableOpen, FindsFilesWithoutRegardToLetterCase)
{
    TempCurrentDir dir;
    newStore(QStringLiteral("MASTER/P7"));
    QFile::rename(dir.file(QStringLiteral("MASTER/P7/simu.dbf")), dir.file(QStringLiteral("MASTER/P7/SIMU.DBF")));
    QFile::rename(dir.file(QStringLiteral("MASTER/P7/simu.dbt")), dir.file(QStringLiteral("MASTER/P7/SIMU.DBT")));
    Store store(QStringLiteral("master\\p7\\"));
    store.table.open();
    store.append("frame");
    store.table.close();
    store.table.open();
    EXPECT_EQ(store.gr.value(), QByteArray("frame"));
    EXPECT_EQ(store.table.hostPath(), dir.file(QStringLiteral("MASTER/P7/SIMU.DBF")));
}

TEST(DbfTableOpen, FieldObjectsBindByNameToAnyLargeObject)
{
    using F = DbfTable::FieldDef;
    const F gr{"GR", 'B', 10, 0};
    const F m{"M", 'M', 10, 0};
    const struct {
        std::vector<F> fields;
        QString error; // empty: opens
    } cases[] = {
        {{gr, m}, {}},
        {{F{"GR", 'M', 10, 0}, F{"M", 'B', 10, 0}}, {}},
        {{F{"GR", 'G', 10, 0}, m, F{"NAME", 'C', 20, 0}}, {}},
        {{F{"X", 'B', 10, 0}, m}, QStringLiteral("Field 'GR' not found")},
        {{gr}, QStringLiteral("Field 'M' not found")},
        {{F{"gr", 'B', 10, 0}, m}, QStringLiteral("Field 'GR' not found")},
        {{F{"GR", 'C', 10, 0}, m}, QStringLiteral("Type mismatch for field 'GR', expecting: Blob actual: String")},
        {{gr, F{"M", 'C', 10, 0}}, QStringLiteral("Type mismatch for field 'M', expecting: Memo actual: String")},
        {{F{"GR", 'N', 10, 2}, m}, QStringLiteral("Type mismatch for field 'GR', expecting: Blob actual: Float")},
        {{F{"GR", 'F', 20, 4}, m}, QStringLiteral("Type mismatch for field 'GR', expecting: Blob actual: Float")},
        {{F{"GR", 'N', 6, 0}, m}, QStringLiteral("Type mismatch for field 'GR', expecting: Blob actual: Integer")},
        {{gr, F{"M", 'L', 1, 0}}, QStringLiteral("Type mismatch for field 'M', expecting: Memo actual: Boolean")},
        {{gr, F{"M", 'D', 8, 0}}, QStringLiteral("Type mismatch for field 'M', expecting: Memo actual: Date")},
    };
    int n = 0;
    for (const auto& c : cases) {
        TempCurrentDir dir;
        DbfTable::create(QStringLiteral("t%1.dbf").arg(n), c.fields);
        Store store(QString{}, QStringLiteral("t%1.dbf").arg(n));
        try {
            store.table.open();
            EXPECT_TRUE(c.error.isEmpty()) << "case " << n << " opened";
            EXPECT_TRUE(store.table.isOpen());
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), c.error) << "case " << n;
            EXPECT_FALSE(store.table.isOpen());
        }
        ++n;
    }

    // Fixed fields can be read and written through the table.
    TempCurrentDir dir;
    DbfTable::create(QStringLiteral("named.dbf"), {gr, m, F{"NAME", 'C', 6, 0}});
    Store store(QString{}, QStringLiteral("named.dbf"));
    store.table.open();
    store.table.insert();
    store.table.setFieldBytes("NAME", "abc");
    EXPECT_THROW(store.table.setFieldBytes("NAME", "toolong"), AppError);
    store.table.post();
    EXPECT_EQ(store.table.fieldBytes("NAME"), QByteArray("abc   "));
    EXPECT_THROW(store.table.fieldBytes("NOPE"), AppError);
}

TEST(DbfTableFixtures, LevelThreeAndLevelFourSamplesOpenWithTheirMemos)
{
    const QString fixtures = QStringLiteral(LW_SOURCE_DIR "/tests/fixtures/dbase");
    {
        DbfTable table;
        TableField desc(table, "DESC", TableField::Kind::Memo);
        table.setDatabaseName(fixtures);
        table.setTableName(QStringLiteral("dbase_83.dbf"));
        table.open();
        EXPECT_EQ(table.recordCount(), 67);
        const std::vector<QByteArray> memos = readAll(table, "DESC");
        ASSERT_EQ(memos.size(), 67u);
        EXPECT_EQ(memos[0].size(), 524);
        EXPECT_TRUE(memos[0].startsWith("Our Original assortment...a little taste"));
        EXPECT_TRUE(memos[0].endsWith("and Raspberry Blanc."));
        EXPECT_EQ(memos[1].size(), 1268) << "a memo spanning three blocks";
        EXPECT_TRUE(memos[66].endsWith(" a tin.  (1Lb. 2oz.)"));
        qsizetype total = 0;
        for (const QByteArray& memo : memos)
            total += memo.size();
        EXPECT_EQ(total, 24754);
        EXPECT_EQ(table.fieldBytes("ID").trimmed(), QByteArray("94"));
    }
    {
        DbfTable table;
        TableField memo(table, "MEMO", TableField::Kind::Memo);
        table.setDatabaseName(fixtures);
        table.setTableName(QStringLiteral("dbase_8b.dbf"));
        table.open();
        EXPECT_EQ(table.recordCount(), 10);
        EXPECT_EQ(memo.value(), QByteArray("First memo\r\n"));
        const std::vector<QByteArray> memos = readAll(table, "MEMO");
        EXPECT_EQ(memos[6], QByteArray("Seventh memo"));
        EXPECT_EQ(memos[9], QByteArray()) << "record 10 has no memo";
    }
    {
        DbfTable table;
        TableField id(table, "ID", TableField::Kind::Blob);
        table.setDatabaseName(fixtures);
        table.setTableName(QStringLiteral("dbase_83.dbf"));
        try {
            table.open();
            FAIL();
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Type mismatch for field 'ID', expecting: Blob actual: Float"));
        }
    }
}

TEST(DbfTableLevelThree, TextMemosEndAtTheMarkAndBinaryIsRefused)
{
    TempCurrentDir dir;
    // A level-III table made by hand: field NAME C(4), NOTE M(10).
    QByteArray dbf(32 + 64 + 1, '\0');
    dbf[0] = char(0x83);
    dbf[4] = 3;
    dbf[8] = 97;
    dbf[10] = 15;
    dbf.replace(32, 4, "NAME");
    dbf[32 + 11] = 'C';
    dbf[32 + 16] = 4;
    dbf.replace(64, 4, "NOTE");
    dbf[64 + 11] = 'M';
    dbf[64 + 16] = 10;
    dbf[96] = 0x0D;
    dbf += QByteArray(" one ") + QByteArray("1").rightJustified(10, ' ');
    dbf += QByteArray(" two ") + QByteArray("3").rightJustified(10, ' ');
    dbf += QByteArray(" thr ") + QByteArray(10, '0');
    dbf += '\x1A';
    const QByteArray longText = QByteArray("line\r\n").repeated(150); // 900 bytes: two blocks
    QByteArray dbt(512, '\0');
    dbt[0] = 4;
    dbt += longText + "\x1A\x1A";
    dbt += QByteArray(1536 - dbt.size(), '\0');
    dbt += "short text\x1A\x1A";
    dbt += QByteArray(2048 - dbt.size(), '\0');
    writeFile(dir.file(QStringLiteral("old.dbf")), dbf);
    writeFile(dir.file(QStringLiteral("old.dbt")), dbt);

    DbfTable table;
    TableField note(table, "NOTE", TableField::Kind::Memo);
    table.setTableName(QStringLiteral("old.dbf"));
    table.open();
    EXPECT_EQ(readAll(table, "NOTE"), (std::vector<QByteArray>{longText, "short text", {}}));

    table.insert();
    note.setValue("appended");
    table.post();
    table.insert();
    EXPECT_THROW(note.setValue(QByteArray("bin\x1A", 4)), AppError) << "0x1A cannot live in a level-III memo";
    table.cancel();
    table.close();
    table.open();
    table.setRecNo(4);
    EXPECT_EQ(note.value(), QByteArray("appended"));
    const QByteArray written = readFile(dir.file(QStringLiteral("old.dbt")));
    EXPECT_EQ(written.mid(2048, 10), QByteArray("appended\x1A\x1A"));

    // A block without the level-IV header in a level-IV table follows the
    // level-III rule; so does an unterminated last memo.
    QByteArray patched = readFile(dir.file(QStringLiteral("old.dbf")));
    patched[0] = char(0x8B);
    writeFile(dir.file(QStringLiteral("old.dbf")), patched);
    QByteArray memo = readFile(dir.file(QStringLiteral("old.dbt")));
    memo.replace(20, 2, QByteArray("\x00\x02", 2));
    memo.truncate(2048 + 5);
    writeFile(dir.file(QStringLiteral("old.dbt")), memo);
    table.close();
    table.open();
    EXPECT_EQ(readAll(table, "NOTE"), (std::vector<QByteArray>{longText, "short text", {}, "appen"}));
}

TEST_P(DbfTableRecords, HonoursTheMemoBlockSizeAndNeverWritesBelowTheEnd)
{
    TempCurrentDir dir;
    newStore(dir.path());
    patch(dir.file(QStringLiteral("simu.dbt")), 20, QByteArray("\x00\x04", 2)); // 1024-byte blocks
    QFile::resize(dir.file(QStringLiteral("simu.dbt")), 1024);
    {
        Store store(dir.path());
        store.table.open();
        store.append(awkwardBytes(1100, 1));
        store.append(awkwardBytes(20, 2));
    }
    QByteArray dbt = readFile(dir.file(QStringLiteral("simu.dbt")));
    EXPECT_EQ(dbt.size(), 4 * 1024);
    EXPECT_EQ(dbt.mid(1024, 4), QByteArray("\xFF\xFF\x08\x00", 4));
    EXPECT_EQ(dbt.mid(3072, 4), QByteArray("\xFF\xFF\x08\x00", 4));

    // A stale next-free number must not make the next memo overwrite data.
    patch(dir.file(QStringLiteral("simu.dbt")), 0, le32Bytes(1));
    Store store(dir.path());
    store.table.open();
    store.append(awkwardBytes(30, 3));
    EXPECT_EQ(readAll(store.table, "GR"),
              (std::vector<QByteArray>{awkwardBytes(1100, 1), awkwardBytes(20, 2), awkwardBytes(30, 3)}));
}

TEST_P(DbfTableRecords, DamagedFilesFailWithAMessageNamingTheFile)
{
    // A store of three records: GR of 100, 600 and 50 bytes (blocks 1, 2, 4).
    const auto build = [](const QString& dir) {
        newStore(dir);
        Store store(dir);
        store.table.open();
        store.append(awkwardBytes(100, 1));
        store.append(awkwardBytes(600, 2));
        store.append(awkwardBytes(50, 3));
    };
    const QString dbfName = QStringLiteral("simu.dbf");
    const QString dbtName = QStringLiteral("simu.dbt");
    const auto truncateTo = [](const QString& name, qint64 size) {
        return [=](const QString& dir) { QFile::resize(dir + '/' + name, size); };
    };
    const auto put = [](const QString& name, qint64 offset, QByteArray bytes) {
        return [=](const QString& dir) { patch(dir + '/' + name, offset, bytes); };
    };
    const qint64 record2 = 97 + 21;
    const struct {
        const char* what;
        std::function<void(const QString&)> damage;
        QString file;       // the file the message must name
        const char* detail; // part of the message
    } cases[] = {
        {"empty table file", truncateTo(dbfName, 0), dbfName, "header"},
        {"header cut", truncateTo(dbfName, 20), dbfName, "header"},
        {"descriptors cut", truncateTo(dbfName, 70), dbfName, "header"},
        {"last record cut", truncateTo(dbfName, 97 + 21 * 2 + 5), dbfName, "claims 3 records"},
        {"count too high", put(dbfName, 4, le32Bytes(4)), dbfName, "claims 4 records"},
        {"count absurd", put(dbfName, 4, le32Bytes(0xFFFFFFFF)), dbfName, "claims"},
        {"header length tiny", put(dbfName, 8, QByteArray("\x10\x00", 2)), dbfName, "header length"},
        {"header length past end", put(dbfName, 8, QByteArray("\xFF\xFF", 2)), dbfName, "header"},
        {"record length short", put(dbfName, 10, QByteArray("\x05\x00", 2)), dbfName, "record length"},
        {"no end of field list", put(dbfName, 96, "X"), dbfName, "end marker"},
        {"field of length zero", put(dbfName, 32 + 16, QByteArray(1, '\0')), dbfName, "malformed"},
        {"pointer not a number", put(dbfName, record2 + 1, "   12ab   "), dbfName, "record 2"},
        {"pointer past end", put(dbfName, record2 + 1, "     99999"), dbtName, "past the end"},
        {"pointer absurd", put(dbfName, record2 + 1, "9999999999"), dbtName, "past the end"},
        {"length below 8", put(dbtName, 2 * 512 + 4, le32Bytes(3)), dbtName, "invalid length"},
        {"length zero", put(dbtName, 2 * 512 + 4, le32Bytes(0)), dbtName, "invalid length"},
        {"length absurd", put(dbtName, 2 * 512 + 4, le32Bytes(0xFFFFFFF0)), dbtName, "past the end"},
        {"length past end", put(dbtName, 4 * 512 + 4, le32Bytes(520)), dbtName, "past the end"},
        {"memo file cut inside a memo", truncateTo(dbtName, 2 * 512 + 300), dbtName, "past the end"},
        {"memo file cut before a memo", truncateTo(dbtName, 700), dbtName, "past the end"},
        {"memo file header cut", truncateTo(dbtName, 10), dbtName, "header"},
        {"block size invalid", put(dbtName, 20, QByteArray("\x10\x00", 2)), dbtName, "block size"},
        {"level 7", put(dbfName, 0, "\x8C"), dbfName, "level 7"},
        {"unknown version", put(dbfName, 0, "\x30"), dbfName, "version"},
    };
    for (const auto& c : cases) {
        TempCurrentDir dir;
        build(dir.path());
        c.damage(dir.path());
        Store store(dir.path());
        try {
            store.table.open();
            readAll(store.table, "GR");
            readAll(store.table, "M");
            ADD_FAILURE() << c.what << ": no error";
        } catch (const AppError& e) {
            const QString expectedFile = dir.path() + '/' + c.file;
            EXPECT_TRUE(e.message().contains(expectedFile)) << c.what << ": " << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QLatin1String(c.detail))) << c.what << ": " << e.message().toStdString();
        }
    }
}

TEST(DbfTableDamage, TrailingBytesAfterTheLastRecordAreIgnored)
{
    TempCurrentDir dir;
    newStore(dir.path());
    {
        Store store(dir.path());
        store.table.open();
        store.append("one");
    }
    QFile f(dir.file(QStringLiteral("simu.dbf")));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(QByteArray(50, 'z'));
    f.close();
    Store store(dir.path());
    store.table.open();
    EXPECT_EQ(store.table.recordCount(), 1);
    store.append("two");
    EXPECT_EQ(readAll(store.table, "GR"), (std::vector<QByteArray>{"one", "two"}));
}

TEST(DbfTableDamage, NoSingleByteChangeCrashesOrEscapesAsAnotherError)
{
    // Every byte of the table file and of each memo header, set to a few
    // telling values: the table either reads or fails with AppError. Run
    // under the sanitizers this also proves that no read leaves its buffer.
    TempCurrentDir dir;
    const QString good = dir.file(QStringLiteral("good"));
    newStore(good);
    {
        Store store(good);
        store.table.open();
        store.append(awkwardBytes(100, 1), "text");
        store.append(awkwardBytes(600, 2));
        store.append({});
    }
    const QByteArray dbf = readFile(good + QStringLiteral("/simu.dbf"));
    const QByteArray dbt = readFile(good + QStringLiteral("/simu.dbt"));
    const char values[] = {'\0', char(0xFF), '9'};
    const auto attempt = [&](const QByteArray& tableBytes, const QByteArray& memoBytes) {
        const QString work = dir.file(QStringLiteral("work"));
        QDir().mkpath(work);
        writeFile(work + QStringLiteral("/simu.dbf"), tableBytes);
        writeFile(work + QStringLiteral("/simu.dbt"), memoBytes);
        Store store(work);
        try {
            store.table.open();
            readAll(store.table, "GR");
            readAll(store.table, "M");
            store.append("more");
        } catch (const AppError&) {
        }
    };
    for (int i = 0; i < dbf.size(); ++i) {
        for (char v : values) {
            QByteArray changed = dbf;
            changed[i] = v;
            attempt(changed, dbt);
        }
    }
    std::vector<int> memoBytes;
    for (int block = 0; block * 512 < dbt.size(); ++block) {
        for (int k = 0; k < 12; ++k)
            memoBytes.push_back(block * 512 + k);
    }
    for (int i : memoBytes) {
        for (char v : values) {
            QByteArray changed = dbt;
            changed[i] = v;
            attempt(dbf, changed);
        }
    }
    for (int size = 0; size < dbt.size(); size += 37)
        attempt(dbf, dbt.left(size));
    for (int size = 0; size < dbf.size(); size += 7)
        attempt(dbf.left(size), dbt);
}
