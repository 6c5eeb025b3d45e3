#include "CliRun.h"

#include "content/EventScript.h"
#include "content/StepScript.h"
#include "tools/AuthorCli.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

std::string CliRun::describe(const QStringList& args) const
{
    return QStringLiteral("lessonwright-author %1 -> %2\nstdout: %3\nstderr: %4")
        .arg(args.join(QLatin1Char(' ')))
        .arg(exitCode)
        .arg(QString::fromLocal8Bit(out.left(2000)), QString::fromLocal8Bit(err.left(2000)))
        .toStdString();
}

CliRun runInProcess(const QStringList& args)
{
    CliRun r;
    QBuffer out(&r.out);
    QBuffer err(&r.err);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    r.exitCode = AuthorCli::withStandardCommands().run(args, out, err);
    return r;
}

CliRun runExecutable(const QStringList& args, const QString& directory)
{
    CliRun r;
    QProcess process;
    const QString where = directory.isEmpty() ? QDir::currentPath() : directory;
    process.setWorkingDirectory(where);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), where + QStringLiteral("/data"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LW_BINARY_DIR "/lessonwright-author"), args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "lessonwright-author did not finish: " << args.join(' ').toStdString();
        return r;
    }
    r.exitCode = process.exitCode();
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

QByteArray eventScriptFile(int events)
{
    std::vector<EventRecord> records(size_t(std::max(events, 0)));
    for (EventRecord& record : records)
        record.eventName = EventScript::eventNameFor(record.message);
    return EventScript::write(records).join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

QByteArray stepScriptFile(int screen)
{
    Step step;
    step.screen = screen;
    step.narration = QStringList{QStringLiteral("Click the button.")};
    return StepScript::write({step}).join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}
