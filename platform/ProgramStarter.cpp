#include "platform/ProgramStarter.h"

#include "platform/HostPath.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>

namespace {

ProgramStarter::Hook& hook()
{
    static ProgramStarter::Hook h;
    return h;
}

QString firstInPath(const QStringList& candidates)
{
    for (const QString& c : candidates) {
        if (!QStandardPaths::findExecutable(c).isEmpty())
            return c;
    }
    return {};
}

} // namespace

ProgramStarter::Hook ProgramStarter::setHook(Hook newHook)
{
    Hook old = std::move(hook());
    hook() = std::move(newHook);
    return old;
}

ProgramStarter::Command ProgramStarter::map(const QString& commandLine)
{
    const QString line = commandLine.trimmed();
    const QString lower = line.toLower();
    if (lower.startsWith(QLatin1String("notepad "))) {
        const QString file = line.mid(8).trimmed();
        return {QStringLiteral("xdg-open"), {HostPath::toHost(file)}};
    }
    if (lower == QLatin1String("explorer \\")) {
        QString root = QStorageInfo(QDir::currentPath()).rootPath();
        if (root.isEmpty())
            root = QStringLiteral("/");
        return {QStringLiteral("xdg-open"), {root}};
    }
    if (lower == QLatin1String("control display.cpl") || lower == QLatin1String("control desk.cpl")) {
        const QString settings = firstInPath({QStringLiteral("gnome-control-center"),
            QStringLiteral("systemsettings"), QStringLiteral("xfce4-display-settings"),
            QStringLiteral("lxrandr"), QStringLiteral("arandr")});
        if (settings == QLatin1String("gnome-control-center"))
            return {settings, {QStringLiteral("display")}};
        if (settings == QLatin1String("systemsettings"))
            return {settings, {QStringLiteral("kcm_kscreen")}};
        return {settings, {}};
    }
    QStringList parts = QProcess::splitCommand(line);
    if (parts.isEmpty())
        return {};
    QString program = parts.takeFirst();
    if (program.contains(QLatin1Char('\\')) || program.contains(QLatin1Char('/')))
        program = HostPath::toHost(program);
    return {program, parts};
}

void ProgramStarter::WinExec(const QString& commandLine, int showMode)
{
    Q_UNUSED(showMode);
    if (hook()) {
        hook()(commandLine);
        return;
    }
    const Command command = map(commandLine);
    if (command.program.isEmpty())
        return;
    // The outcome is ignored on purpose: a missing installer or editor is not
    // reported, the caller goes on as before.
    QProcess::startDetached(command.program, command.arguments);
}
