#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <utime.h>

namespace {

struct ProbeRun {
    int exitCode = -1;
    QString folder;
    QString mode;
    QString errors;
};

// Runs the probe with the given variables set (or removed, when empty).
ProbeRun runProbe(const QString& mode, const QList<QPair<QString, QString>>& variables)
{
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : variables) {
        if (value.isEmpty())
            env.remove(name);
        else
            env.insert(name, value);
    }
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(LW_SCRATCH_PROBE), {mode});
    probe.waitForFinished(30000);
    ProbeRun run;
    run.exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
    const QStringList out = QString::fromLocal8Bit(probe.readAllStandardOutput()).split('\n');
    run.folder = out.value(0);
    run.mode = out.value(1);
    run.errors = QString::fromLocal8Bit(probe.readAllStandardError());
    return run;
}

ProbeRun runProbe(const QString& mode, const QString& tmpdir)
{
    return runProbe(mode, {{QStringLiteral("TMPDIR"), tmpdir}});
}

// However the program leaves through exit(), with or without a Session, the
// folder is gone afterwards; while it lived it was private and fresh.
TEST(ScratchFolder, IsPrivateFreshAndRemovedWhenTheProgramExits)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const struct {
        const char* mode;
        int exitCode;
    } cases[] = {{"exit", 3}, {"session", 4}};
    QStringList seen;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        const ProbeRun run = runProbe(QString::fromLatin1(c.mode), tmp.path());
        EXPECT_EQ(run.exitCode, c.exitCode) << run.errors.toStdString();
        EXPECT_EQ(QFileInfo(run.folder).absolutePath(), QFileInfo(tmp.path()).canonicalFilePath());
        EXPECT_TRUE(QFileInfo(run.folder).fileName().startsWith("lessonwright-")) << run.folder.toStdString();
        EXPECT_EQ(run.mode, "700");
        EXPECT_FALSE(QFileInfo::exists(run.folder));
        EXPECT_FALSE(seen.contains(run.folder)) << "a fixed name could be taken over";
        seen << run.folder;
    }
    EXPECT_TRUE(QDir(tmp.path()).isEmpty());
}

// A temporary directory that cannot take the folder: the program starts,
// and the frame scratch file is reported with the reason.
TEST(ScratchFolder, AnUnusableTemporaryDirectoryIsReportedNotFatal)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString notADirectory = tmp.filePath(QStringLiteral("plain-file"));
    writeFile(notADirectory, "x");
    for (const QString& tmpdir : {tmp.filePath(QStringLiteral("missing/below")), notADirectory}) {
        SCOPED_TRACE(tmpdir.toStdString());
        const ProbeRun run = runProbe(QStringLiteral("frame"), tmpdir);
        EXPECT_EQ(run.exitCode, 5) << "the frame fails with a message, the program does not crash";
        EXPECT_TRUE(run.errors.contains(QStringLiteral("Cannot create file ") + tmpdir + "/lessonwright-"))
            << run.errors.toStdString();
    }
}

// Where the folder goes: a TMPDIR that is set wins; otherwise a private
// runtime directory, which lives in memory on a desktop session, but only
// when it really is private; otherwise the shared memory file system.
TEST(ScratchFolder, GoesToTheUsersChoiceOrAPrivatePlaceInMemory)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString privateDir = tmp.filePath(QStringLiteral("runtime"));
    const QString openDir = tmp.filePath(QStringLiteral("open"));
    ASSERT_TRUE(QDir().mkpath(privateDir));
    ASSERT_TRUE(QDir().mkpath(openDir));
    QFile::setPermissions(privateDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(openDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                              | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    const bool shm = QFileInfo(QStringLiteral("/dev/shm")).isDir() && QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    const QString fallback = shm ? QStringLiteral("/dev/shm") : QDir::tempPath();
    const struct {
        const char* name;
        QString tmpdir;
        QString runtime;
        QString expected;
    } cases[] = {
        {"TMPDIR wins", tmp.path(), privateDir, tmp.path()},
        {"private runtime directory", QString(), privateDir, privateDir},
        {"runtime directory others may enter", QString(), openDir, fallback},
        {"relative runtime directory", QString(), QStringLiteral("runtime"), fallback},
        {"missing runtime directory", QString(), tmp.filePath(QStringLiteral("gone")), fallback},
        {"no runtime directory", QString(), QString(), fallback},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProbeRun run = runProbe(QStringLiteral("exit"), {{QStringLiteral("TMPDIR"), c.tmpdir},
                                                              {QStringLiteral("XDG_RUNTIME_DIR"), c.runtime}});
        EXPECT_EQ(run.exitCode, 3) << run.errors.toStdString();
        EXPECT_EQ(QFileInfo(run.folder).absolutePath(), QFileInfo(c.expected).canonicalFilePath());
        EXPECT_EQ(run.mode, "700");
        EXPECT_FALSE(QFileInfo::exists(run.folder));
    }
}

// A run that was killed leaves its folder behind; the next start removes it,
// but never a folder in use (locked by its run, however old) nor one that a
// starting run may just have made (changed within the last minute).
TEST(ScratchFolder, FoldersLeftByKilledRunsAreRemovedAtTheNextStart)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const auto age = [](const QString& folder) {
        const QByteArray name = QFile::encodeName(folder);
        const struct utimbuf old {std::time(nullptr) - 600, std::time(nullptr) - 600};
        return ::utime(name.constData(), &old) == 0;
    };

    const ProbeRun killed = runProbe(QStringLiteral("kill"), tmp.path());
    ASSERT_TRUE(QFileInfo(killed.folder).isDir()) << "a killed run cannot clean up";
    ASSERT_TRUE(age(killed.folder));
    const ProbeRun killedRecently = runProbe(QStringLiteral("kill"), tmp.path());
    ASSERT_TRUE(QFileInfo(killedRecently.folder).isDir());

    QProcess holder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), tmp.path());
    holder.setProcessEnvironment(env);
    holder.start(QStringLiteral(LW_SCRATCH_PROBE), {QStringLiteral("hold")});
    ASSERT_TRUE(holder.waitForReadyRead(30000));
    const QString held = QString::fromLocal8Bit(holder.readLine()).trimmed();
    ASSERT_TRUE(QFileInfo(held).isDir());
    ASSERT_TRUE(age(held));

    const ProbeRun next = runProbe(QStringLiteral("exit"), tmp.path());
    EXPECT_EQ(next.exitCode, 3) << next.errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(killed.folder)) << "left by a killed run";
    EXPECT_TRUE(QFileInfo(killedRecently.folder).isDir()) << "changed within the last minute";
    EXPECT_TRUE(QFileInfo(held).isDir()) << "in use by a running program";

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(30000));
    EXPECT_EQ(holder.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(held));
}

// A player asked to stop (by the desktop's log-out, a terminal's Ctrl+C or
// a closed terminal) removes its scratch folder before it exits.
TEST(ScratchDir, SignalledProgramRemovesItsFolder)
{
    QTemporaryDir tmp;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), tmp.path());
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(LW_SCRATCH_PROBE), {QStringLiteral("loop")});
        ASSERT_TRUE(probe.waitForReadyRead(30000)) << signal;
        const QString folder = QString::fromLocal8Bit(probe.readLine()).trimmed();
        ASSERT_TRUE(QFileInfo(folder).isDir()) << signal;
        ::kill(pid_t(probe.processId()), signal);
        ASSERT_TRUE(probe.waitForFinished(30000)) << signal;
        EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_FALSE(QFileInfo::exists(folder)) << signal;
    }
}

} // namespace
