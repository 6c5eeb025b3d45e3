#include "support/TestSupport.h"

#include <QFile>

#include <stdexcept>

ErrorRecorder::ErrorRecorder()
{
    m_previous = ErrorPresenter::setSink([this](const QString& title, const QString& text) {
        titles << title;
        messages << text;
    });
}

ErrorRecorder::~ErrorRecorder()
{
    ErrorPresenter::setSink(std::move(m_previous));
}

ProgramRecorder::ProgramRecorder()
{
    m_previous = ProgramStarter::setHook([this](const QString& line) { commandLines << line; });
}

ProgramRecorder::~ProgramRecorder()
{
    ProgramStarter::setHook(std::move(m_previous));
}

PointerRecorder::PointerRecorder()
{
    m_previous = PointerControl::setHook([this](const QPoint& p) { moves.push_back(p); });
}

PointerRecorder::~PointerRecorder()
{
    PointerControl::setHook(std::move(m_previous));
}

TempCurrentDir::TempCurrentDir()
    : m_previous(QDir::currentPath())
{
    if (!m_dir.isValid() || !QDir::setCurrent(m_dir.path()))
        throw std::runtime_error("cannot enter a temporary directory");
}

TempCurrentDir::~TempCurrentDir()
{
    QDir::setCurrent(m_previous);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}
