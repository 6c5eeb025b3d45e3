#pragma once

#include "platform/ErrorPresenter.h"
#include "platform/PointerControl.h"
#include "platform/ProgramStarter.h"

#include <QDir>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// Records error boxes instead of showing them, for the lifetime of the object.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    QStringList messages;
    QStringList titles;

private:
    ErrorPresenter::Sink m_previous;
};

// Records started command lines instead of starting programs.
class ProgramRecorder {
public:
    ProgramRecorder();
    ~ProgramRecorder();
    QStringList commandLines;

private:
    ProgramStarter::Hook m_previous;
};

// Records pointer moves instead of moving the system pointer.
class PointerRecorder {
public:
    PointerRecorder();
    ~PointerRecorder();
    std::vector<QPoint> moves;

private:
    PointerControl::Hook m_previous;
};

// Makes a fresh temporary directory the current directory; restores on exit.
class TempCurrentDir {
public:
    TempCurrentDir();
    ~TempCurrentDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Whole-file helpers.
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
