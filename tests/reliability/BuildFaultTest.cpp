#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Faults while a store is being built: the disk fills up, or the builder is
// killed, in the middle of appending frames. Afterwards the store opens,
// holds every record whose post returned, byte for byte, and no record
// points at data that is not there. The appending runs in a child process
// so that the fault hits it and not the test.

namespace {

// Frame i: bytes that differ per record and include the memo end marks, so
// a record read from the wrong place or cut short never passes.
QByteArray frame(int i, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    std::mt19937 gen(std::uint32_t(i) * 2654435761u);
    for (char& b : bytes)
        b = char(gen() & 0xFF);
    bytes[0] = char(0x1A);
    bytes[size / 2] = char(0x1F);
    return bytes;
}

int frameSize(int i, int base)
{
    return base + (i * 7919) % base;
}

QByteArray script(int i)
{
    return QByteArray("# ") + QByteArray::number(i).rightJustified(4, '0') + "  script text";
}

class Store {
public:
    explicit Store(const QString& dir)
    {
        m_table.setDatabaseName(dir);
        m_table.setTableName(QStringLiteral("simu.dbf"));
    }
    DbfTable& table() { return m_table; }

    void append(int i, int base)
    {
        m_table.insert();
        m_table.setFieldBytes("GR", frame(i, frameSize(i, base)));
        m_table.setFieldBytes("M", script(i));
        m_table.post();
    }

private:
    DbfTable m_table;
};

// Opens the store and checks every record; returns the record count.
int verifyStore(const QString& dir, int base)
{
    Store store(dir);
    store.table().open();
    const int count = store.table().recordCount();
    for (int r = 1; r <= count; ++r) {
        store.table().setRecNo(r);
        const int i = r - 1;
        EXPECT_EQ(store.table().fieldBytes("GR"), frame(i, frameSize(i, base))) << "record " << r;
        EXPECT_EQ(store.table().fieldBytes("M"), script(i)) << "record " << r;
    }
    return count;
}

// After the fault the store takes new records again.
void appendAfterFault(const QString& dir, int base)
{
    Store store(dir);
    store.table().open();
    const int count = store.table().recordCount();
    store.append(count, base);
    store.table().close();
    EXPECT_EQ(verifyStore(dir, base), count + 1);
}

// The appending child: acknowledges each post that returned by writing its
// record index to ack. Leaves through _exit, so nothing of the parent's
// (its scratch folder) is cleaned up from here.
[[noreturn]] void appendUntilFailure(const QString& dir, int base, int ack, int limit)
{
    try {
        Store store(dir);
        store.table().open();
        for (int i = 0; i < limit; ++i) {
            store.append(i, base);
            if (write(ack, &i, sizeof i) != sizeof i)
                _exit(3);
        }
        _exit(1); // the fault never came
    } catch (const AppError&) {
        _exit(0);
    } catch (...) {
        _exit(2);
    }
}

int readAcks(int fd)
{
    int acked = 0;
    int index = 0;
    while (read(fd, &index, sizeof index) == sizeof index) {
        EXPECT_EQ(index, acked);
        ++acked;
    }
    return acked;
}

class BuildFault : public testing::Test {
protected:
    void SetUp() override
    {
        dir = course.path() + QStringLiteral("/master/p1");
        QDir().mkpath(dir);
        DbfTable::create(dir + QStringLiteral("/simu.dbf"), DbfTable::frameStoreFields());
    }

    TempCurrentDir course;
    QString dir;
};

class DiskFull : public BuildFault, public testing::WithParamInterface<int> {};

// The file-size limit stands for the free space left: each value cuts a
// different write of an append (memo blocks, next-free number, record).
TEST_P(DiskFull, KeepsEveryRecordPostedBeforeIt)
{
    const int limit = GetParam();
    const int base = 700;
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        close(pipeFds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit rl{};
        rl.rlim_cur = rl.rlim_max = rlim_t(limit);
        if (setrlimit(RLIMIT_FSIZE, &rl) != 0)
            _exit(4);
        appendUntilFailure(dir, base, pipeFds[1], 100000);
    }
    close(pipeFds[1]);
    const int acked = readAcks(pipeFds[0]);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << "the append that hit the limit must fail with a message";

    EXPECT_EQ(verifyStore(dir, base), acked) << "the failed post must not be counted";
    EXPECT_LE(QFileInfo(dir + "/simu.dbt").size(), limit);
    appendAfterFault(dir, base);
}

INSTANTIATE_TEST_SUITE_P(Limits, DiskFull, testing::Values(1500, 2000, 2560, 4000, 7777, 20000, 65536));

// A disk too full for a new store leaves no half-made store behind (the
// memo file, written first, is the larger of the two).
TEST_F(BuildFault, CreatingOnAFullDiskLeavesNothingBehind)
{
    const QString other = course.path() + QStringLiteral("/master/p2");
    QDir().mkpath(other);
    for (const int limit : {0, 50, 300}) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit rl{};
            rl.rlim_cur = rl.rlim_max = rlim_t(limit);
            setrlimit(RLIMIT_FSIZE, &rl);
            try {
                DbfTable::create(other + QStringLiteral("/simu.dbf"), DbfTable::frameStoreFields());
                _exit(1);
            } catch (const AppError& e) {
                _exit(e.message().startsWith(QLatin1String("Cannot write file")) ? 0 : 2);
            }
        }
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "limit " << limit;
        EXPECT_TRUE(QDir(other).isEmpty()) << "limit " << limit;
    }
    // With room again the store is made as usual.
    DbfTable::create(other + QStringLiteral("/simu.dbf"), DbfTable::frameStoreFields());
}

// The builder killed at arbitrary points while appending large frames, over
// several rounds on the same store: each round resumes where the last left.
TEST_F(BuildFault, KilledWhileAppendingKeepsEveryPostedRecord)
{
    const int base = 150 * 1024;
    std::mt19937 gen(20261208);
    int expected = 0;
    for (int round = 0; round < 8; ++round) {
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(pipeFds[0]);
            try {
                Store store(dir);
                store.table().open();
                for (int i = store.table().recordCount();; ++i) {
                    store.append(i, base);
                    if (write(pipeFds[1], &i, sizeof i) != sizeof i)
                        _exit(3);
                }
            } catch (...) {
                _exit(2);
            }
        }
        close(pipeFds[1]);
        // Let it post a few records, then kill it in the middle of the next.
        const int wanted = 1 + int(gen() % 4);
        int acked = 0;
        int index = 0;
        while (acked < wanted && read(pipeFds[0], &index, sizeof index) == sizeof index) {
            ASSERT_EQ(index, expected + acked);
            ++acked;
        }
        // A few microseconds of spinning move the kill around inside an append.
        for (volatile unsigned spin = gen() % 200000; spin > 0; --spin) {
        }
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        while (read(pipeFds[0], &index, sizeof index) == sizeof index)
            ++acked;
        close(pipeFds[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round;

        const int count = verifyStore(dir, base);
        EXPECT_GE(count, expected + acked) << "round " << round;
        EXPECT_LE(count, expected + acked + 1) << "round " << round;
        expected = count;
    }
    appendAfterFault(dir, base);
}

} // namespace

namespace {

// A memo header whose next-free block lies far past the end of the file (a
// damaged header): the append goes at the end of the file, not terabytes
// out into a sparse file.
TEST_F(BuildFault, ADamagedNextFreeNumberDoesNotSendAppendsPastTheEnd)
{
    for (const quint32 nextFree : {0x7fffffffu, 0xffffffffu, 5000u}) {
        SCOPED_TRACE(nextFree);
        QFile dbtFile(dir + QStringLiteral("/simu.dbt"));
        ASSERT_TRUE(dbtFile.open(QIODevice::ReadWrite));
        const QByteArray word(reinterpret_cast<const char*>(&nextFree), 4); // little-endian host
        ASSERT_TRUE(dbtFile.seek(0) && dbtFile.write(word) == 4);
        dbtFile.close();
        const qint64 before = QFileInfo(dbtFile.fileName()).size();

        Store store(dir);
        store.table().open();
        const int count = store.table().recordCount();
        store.append(count, 700);
        store.table().close();
        EXPECT_LE(QFileInfo(dbtFile.fileName()).size(), before + 4 * 512);
        EXPECT_EQ(verifyStore(dir, 700), count + 1);
    }
}

} // namespace

namespace {

// A level-III table keeps memos as text: bytes it could not read back the
// same (an end mark inside, or a start that looks like a level-IV block) are
// refused when written, never stored and later read differently.
TEST_F(BuildFault, ALevelThreeTableRefusesBytesItCouldNotReadBack)
{
    QFile dbfFile(dir + QStringLiteral("/simu.dbf"));
    ASSERT_TRUE(dbfFile.open(QIODevice::ReadWrite) && dbfFile.write("\x83", 1) == 1);
    dbfFile.close();

    const struct {
        const char* name;
        QByteArray bytes;
        bool stored;
    } cases[] = {
        {"plain text", "First memo\r\n", true},
        {"text with a signature later", QByteArray("ab\xff\xff\x08\x00", 6), true},
        {"end mark inside", QByteArray("ab\x1a" "cd", 5), false},
        {"level-IV block start", QByteArray("\xff\xff\x08\x00\x20\x00\x00\x00text", 12), false},
    };
    Store store(dir);
    store.table().open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store.table().insert();
        bool refused = false;
        try {
            store.table().setFieldBytes("M", c.bytes);
            store.table().post();
        } catch (const AppError& e) {
            refused = true;
            EXPECT_TRUE(e.message().contains(QLatin1String("cannot hold these bytes"))) << e.message().toStdString();
            store.table().cancel();
        }
        EXPECT_EQ(refused, !c.stored);
        if (c.stored) {
            EXPECT_EQ(store.table().fieldBytes("M"), c.bytes);
        }
    }
}

} // namespace
