#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of the authoring tool: its exit status and both streams.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    // For failure messages: the arguments and what came back.
    std::string describe(const QStringList& args) const;
};

// Through the command table in this process, in the current directory.
CliRun runInProcess(const QStringList& args);

// The real executable started in directory (the current one when empty),
// with drive folders of its own below directory/data.
CliRun runExecutable(const QStringList& args, const QString& directory = QString());

// Script files as an author writes them (CR LF): an event script of mouse
// clicks, one per event, and a step script with one step on event screen.
QByteArray eventScriptFile(int events);
QByteArray stepScriptFile(int screen);
