#include "platform/ScratchDir.h"

#include "platform/AppError.h"

#include <QDir>

#include <cstdlib>
#include <sys/stat.h>

namespace {

QString& current()
{
    static QString dir;
    return dir;
}

void removeAtExit()
{
    ScratchDir::remove();
}

} // namespace

ScratchDir::Session::Session()
{
    path();
}

ScratchDir::Session::~Session()
{
    ScratchDir::remove();
}

QString ScratchDir::path()
{
    if (!current().isEmpty())
        return current();
    QByteArray templ = QFile::encodeName(QDir::tempPath() + QLatin1String("/lessonwright-XXXXXX"));
    // mkdtemp creates the directory with mode 0700 and a name nobody can predict.
    if (::mkdtemp(templ.data()) == nullptr)
        throw AppError(QStringLiteral("Cannot create file %1").arg(QFile::decodeName(templ)));
    ::chmod(templ.constData(), 0700);
    current() = QFile::decodeName(templ);
    // Also clean up when the program leaves through exit() without unwinding.
    static const bool registered = (std::atexit(removeAtExit), true);
    (void)registered;
    return current();
}

void ScratchDir::remove()
{
    if (current().isEmpty())
        return;
    QDir(current()).removeRecursively();
    current().clear();
}
