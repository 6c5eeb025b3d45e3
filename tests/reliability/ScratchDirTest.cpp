#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ProbeRun {
    int exitCode = -1;
    QString folder;
    QString mode;
    QString errors;
};

ProbeRun runProbe(const QString& mode, const QString& tmpdir)
{
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), tmpdir);
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

} // namespace
