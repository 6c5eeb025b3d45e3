#include "CourseFixture.h"

#include "platform/AppError.h"
#include "platform/HostPath.h"
#include "platform/TableField.h"
#include "platform/ScratchDir.h"
#include "platform/FrameShow.h"

#include <QDir>
#include <QFile>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Layout of the stores Course::writeStore makes: GR and M, 10 characters each.
constexpr int kHeaderLength = 97;
constexpr int kRecordLength = 21;

QString dbf(const QString& code = QStringLiteral("p1"))
{
    return Course::hostPartDir(code) + QStringLiteral("/simu.dbf");
}

QString dbt(const QString& code = QStringLiteral("p1"))
{
    return Course::hostPartDir(code) + QStringLiteral("/simu.dbt");
}

qint64 pointerOffset(int record, int field) // record from 1, field 0 = GR, 1 = M
{
    return kHeaderLength + qint64(record - 1) * kRecordLength + 1 + 10 * field;
}

// The memo block a record's GR points at, read from the file.
qint64 grBlock(int record)
{
    return readFile(dbf()).mid(pointerOffset(record, 0), 10).trimmed().toLongLong();
}

// A store of any layout, one record per GR value (M empty).
void writeCustomStore(const std::vector<DbfTable::FieldDef>& fields, const std::vector<QByteArray>& grs)
{
    QDir(Course::hostPartDir(QStringLiteral("p1"))).removeRecursively();
    QDir().mkpath(Course::hostPartDir(QStringLiteral("p1")));
    DbfTable::create(Course::partDir(QStringLiteral("p1")) + QStringLiteral("simu.dbf"), fields);
    DbfTable table;
    table.setDatabaseName(Course::partDir(QStringLiteral("p1")));
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();
    for (const QByteArray& gr : grs) {
        table.insert();
        if (!gr.isNull())
            table.setFieldBytes("GR", gr);
        table.post();
    }
}

enum class Outcome {
    OpenFails,   // the loader reports, the player is not shown
    PlaysWithErrors,
    PlaysQuietly,
};

struct DamageCase {
    const char* name;
    std::function<void()> damage;
    Outcome outcome;
    QString message;          // every reported message contains this
    int lastFrame = 2;        // the frame on screen at the end (-1: none)
    int events = 3;
};

std::vector<DamageCase> damageCases()
{
    const QString dbfName = QStringLiteral("master\\p1\\simu.dbf");
    const QString dbtName = QStringLiteral("master\\p1\\simu.dbt");
    const QByteArray blob = Course::jpeg(Course::frameColour(0));
    return {
        {"missing part folder", [] { QDir(Course::hostPartDir("p1")).removeRecursively(); }, Outcome::OpenFails,
         "Cannot open file " + dbfName},
        {"missing table file", [] { QFile::remove(dbf()); }, Outcome::OpenFails, "Cannot open file " + dbfName},
        {"missing memo file", [] { QFile::remove(dbt()); }, Outcome::OpenFails, "Cannot open file " + dbtName},
        {"table cut inside its header", [] { Course::truncate(dbf(), 20); }, Outcome::OpenFails,
         "Table file " + dbfName + " is damaged"},
        {"table cut inside its field list", [] { Course::truncate(dbf(), 60); }, Outcome::OpenFails,
         "Table file " + dbfName + " is damaged"},
        {"table cut inside its records", [] { Course::truncate(dbf(), kHeaderLength + kRecordLength + 7); },
         Outcome::OpenFails, "claims 3 records but the file holds only 1"},
        {"header claims more records than the file holds",
         [] { Course::patch(dbf(), 4, QByteArray("\x10\x27\0\0", 4)); }, Outcome::OpenFails,
         "claims 10000 records"},
        {"not a table at all", [] { writeFile(dbf(), "<html><body>The page you asked for was not found.</body></html>"); }, Outcome::OpenFails,
         "Cannot open file " + dbfName},
        {"memo file cut inside its header", [] { Course::truncate(dbt(), 10); }, Outcome::OpenFails,
         "Memo file " + dbtName + " is damaged"},
        {"memo file empty", [] { Course::truncate(dbt(), 0); }, Outcome::OpenFails,
         "Memo file " + dbtName + " is damaged"},
        {"memo file cut inside the first frame", [] { Course::truncate(dbt(), 512 + 100); },
         Outcome::PlaysWithErrors, "Memo file " + dbtName + " is damaged", -1},
        {"record points past the memo file", [] { Course::patch(dbf(), pointerOffset(2, 0), "     99999"); },
         Outcome::PlaysWithErrors, "the GR of record 2 lies past the end of the file"},
        {"memo block number that is no number", [] { Course::patch(dbf(), pointerOffset(2, 0), "  12x4    "); },
         Outcome::PlaysWithErrors, "holds no valid memo block number"},
        {"absurd memo length", [] { Course::patch(dbt(), grBlock(2) * 512 + 4, QByteArray("\xf0\xff\xff\xff", 4)); },
         Outcome::PlaysWithErrors, "the GR of record 2 runs past the end of the file"},
        {"memo length shorter than its header",
         [] { Course::patch(dbt(), grBlock(2) * 512 + 4, QByteArray("\x03\0\0\0", 4)); }, Outcome::PlaysWithErrors,
         "the GR of record 2 has an invalid length (3)"},
        {"field GR missing",
         [] { writeCustomStore({{"IMG", 'B', 10, 0}, {"M", 'M', 10, 0}}, {QByteArray()}); },
         Outcome::OpenFails, "Field 'GR' not found"},
        {"field M missing", [] { writeCustomStore({{"GR", 'B', 10, 0}}, {QByteArray("x")}); }, Outcome::OpenFails,
         "Field 'M' not found"},
        {"field GR is text",
         [] { writeCustomStore({{"GR", 'C', 10, 0}, {"M", 'M', 10, 0}}, {QByteArray()}); }, Outcome::OpenFails,
         "Type mismatch for field 'GR', expecting: Blob actual: String"},
        {"field M is a number",
         [] { writeCustomStore({{"GR", 'B', 10, 0}, {"M", 'N', 4, 0}}, {QByteArray()}); }, Outcome::OpenFails,
         "Type mismatch for field 'M', expecting: Memo actual: Smallint"},
        // Frames the decoder cannot read show nothing; playback goes on.
        {"empty GR", [blob] { writeCustomStore(DbfTable::frameStoreFields(), {blob, QByteArray(), blob}); },
         Outcome::PlaysQuietly, {}, 0},
        {"GR that is not a JPEG",
         [blob] { writeCustomStore(DbfTable::frameStoreFields(), {blob, blob, "GIF89a not a frame"}); },
         Outcome::PlaysQuietly, {}, -1},
        {"GR with a JPEG cut in half",
         [blob] { writeCustomStore(DbfTable::frameStoreFields(), {blob, blob, blob.left(blob.size() / 2)}); },
         Outcome::PlaysQuietly, {}, -1},
        // The last frame stays on screen for the events that have none.
        {"fewer records than events", [] {}, Outcome::PlaysQuietly, {}, 2, 6},
    };
}

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedCourse : public CourseWindows, public testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedCourse, IsReportedAndTheLauncherStaysUsable)
{
    const DamageCase& c = GetParam();
    Course::writeStore(QStringLiteral("p1"), 3);
    Course::writeStore(QStringLiteral("p2"), 3);
    target->setScripts(QStringLiteral("p1"), Course::events(c.events), {});
    target->setScripts(QStringLiteral("p2"), Course::events(3), Course::steps({1}));
    c.damage();

    playLesson(0);
    if (c.outcome == Outcome::OpenFails) {
        ASSERT_EQ(errors.messages.size(), 1) << errors.messages.join('|').toStdString();
        EXPECT_TRUE(errors.messages[0].contains(c.message)) << errors.messages[0].toStdString();
        EXPECT_FALSE(simu_form->isVisible());
        EXPECT_FALSE(ProForm->Table1.isOpen());
        EXPECT_EQ(ProForm->windowTitle(), "p1");
    } else {
        EXPECT_TRUE(simu_form->isVisible());
        int steps = 0;
        while (stepOneEvent() && steps < 50)
            ++steps;
        EXPECT_EQ(steps, c.events) << "one pointer glide and frame step per event";
        if (c.outcome == Outcome::PlaysQuietly) {
            EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
        } else {
            ASSERT_FALSE(errors.messages.isEmpty());
            EXPECT_LE(errors.messages.size(), c.events) << "at most one message per frame shown";
            for (const QString& m : errors.messages)
                EXPECT_TRUE(m.contains(c.message)) << m.toStdString();
        }
        EXPECT_EQ(shownFrame(), c.lastFrame);
        // The scratch frame never stays behind, however showing it ended.
        EXPECT_FALSE(QFile::exists(HostPath::toHost(QString::fromLatin1(FrameShow::kScratchFile))));
    }

    // The launcher stays usable: the next lesson plays from its first frame.
    simu_form->Close1Click();
    errors.messages.clear();
    playLesson(1);
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
    EXPECT_TRUE(simu_form->isVisible());
    EXPECT_EQ(ProForm->windowTitle(), "p2");
    EXPECT_EQ(shownFrame(), 0);
    ASSERT_TRUE(stepOneEvent());
    EXPECT_TRUE(popupform->isVisible()) << "the step of event 1 shows its box";
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedCourse, testing::ValuesIn(damageCases()),
                         [](const testing::TestParamInfo<DamageCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

using MissingLaterPart = CourseWindows;

// The second part of a lesson is missing from the disc: the chaining at the
// end of the first part reports it from the timer, and the player stays
// stopped on the first part's last frame.
TEST_F(MissingLaterPart, StopsOnTheLastFrameOfThePartBefore)
{
    Course::writeStore(QStringLiteral("p4"), 3);
    Course::writeStore(QStringLiteral("p2"), 2);
    target->setScripts(QStringLiteral("p4"), Course::events(3), {});
    target->setScripts(QStringLiteral("p4a"), Course::events(5), {});
    target->setScripts(QStringLiteral("p2"), Course::events(2), {});

    playLesson(3);
    int steps = 0;
    while (stepOneEvent() && steps < 50)
        ++steps;
    EXPECT_EQ(steps, 3);
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(errors.messages[0], "Cannot open file master\\p4a\\simu.dbf.");
    EXPECT_TRUE(simu_form->isVisible());
    EXPECT_EQ(shownFrame(), 2);
    EXPECT_FALSE(simu_form->Timer1->enabled());
    EXPECT_FALSE(simu_form->Timer2->enabled());
    EXPECT_FALSE(ProForm->Table1.isOpen());

    errors.messages.clear();
    playLesson(1);
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
    EXPECT_EQ(shownFrame(), 0);
    EXPECT_TRUE(simu_form->Timer1->enabled());
}

using UnwritableScratch = CourseWindows;

// No writable drive C: the frame scratch file cannot be created. Each frame
// reports it; playback and the launcher go on, and frames show again once
// the file can be written.
TEST_F(UnwritableScratch, EveryFrameReportsTheScratchFileAndPlaybackGoesOn)
{
    Course::writeStore(QStringLiteral("p1"), 3);
    target->setScripts(QStringLiteral("p1"), Course::events(3), {});
    const QString blocker = HostPath::toHost(QString::fromLatin1(FrameShow::kScratchFile));
    ASSERT_TRUE(QDir().mkpath(blocker)); // a folder where the file must go

    playLesson(0);
    EXPECT_TRUE(simu_form->isVisible());
    int steps = 0;
    while (stepOneEvent() && steps < 50)
        ++steps;
    EXPECT_EQ(steps, 3);
    ASSERT_EQ(errors.messages.size(), 3); // the first frame and two steps
    for (const QString& m : errors.messages)
        EXPECT_EQ(m, "Cannot create file c:\\1.jpg.");
    EXPECT_EQ(shownFrame(), -1);

    ASSERT_TRUE(QDir(blocker).removeRecursively());
    errors.messages.clear();
    simu_form->save1Click();
    playLesson(0);
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
    EXPECT_EQ(shownFrame(), 0);
}

// Runs body in a child process without the right to write anything of the
// course (as an unprivileged user when the tests run as root, where file
// modes do not bind), and returns its exit status.
int runWithoutWriteAccess(const std::function<int()>& body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        int rc = 99;
        if (geteuid() == 0) {
            // The child's scratch folder must stay usable for the frames.
            const QByteArray scratch = QFile::encodeName(ScratchDir::path());
            if (chown(scratch.constData(), 65534, 65534) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
                _exit(98);
        }
        rc = body();
        _exit(rc);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (geteuid() == 0)
        (void)chown(QFile::encodeName(ScratchDir::path()).constData(), 0, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

using ReadOnlyCourse = CourseWindows;

// A course on a read-only disc: the store opens for reading, every frame
// decodes, and writing is refused with a message instead of failing later.
TEST_F(ReadOnlyCourse, PlaysFromAFolderThatCannotBeWritten)
{
    Course::writeStore(QStringLiteral("p1"), 3);
    for (const QString& f : {dbf(), dbt()})
        ::chmod(QFile::encodeName(f).constData(), 0444);
    for (const QString& d : {Course::hostPartDir("p1"), QDir::currentPath() + "/master", QDir::currentPath()})
        ::chmod(QFile::encodeName(d).constData(), 0555);

    // The child reads through the engine and the player's frame path only:
    // no windows in a forked process.
    const int rc = runWithoutWriteAccess([] {
        DbfTable table;
        TableField gr(table, "GR", TableField::Kind::Blob);
        TableField m(table, "M", TableField::Kind::Memo);
        table.setDatabaseName(Course::partDir(QStringLiteral("p1")));
        table.setTableName(QStringLiteral("simu.dbf"));
        try {
            table.open();
            for (int k = 0; k < 3; ++k) {
                const std::unique_ptr<QImage> frame = FrameShow::currentFrame(gr);
                if (!frame || Course::frameOf(*frame) != k)
                    return 10 + k;
                table.next();
            }
        } catch (const AppError&) {
            return 2;
        }
        try {
            table.insert();
            return 3; // a read-only store took an insert
        } catch (const AppError& e) {
            return e.message().contains(QLatin1String("read-only")) ? 0 : 4;
        }
    });
    for (const QString& d : {QDir::currentPath(), QDir::currentPath() + "/master", Course::hostPartDir("p1")})
        ::chmod(QFile::encodeName(d).constData(), 0755);
    EXPECT_EQ(rc, 0);
}

} // namespace
