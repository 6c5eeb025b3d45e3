#include "content/ScriptLibrary.h"

#include "content/Catalogue.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>

namespace ScriptLibrary {
namespace {

// The sheet that no part refers to; it stays in the library after the parts.
const QString kSpareSheet = QStringLiteral("proj1a");

bool plainName(const QString& name)
{
    // Names become resource paths: letters and digits only, so that no
    // name can reach outside the library.
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9]+$"));
    return re.match(name).hasMatch();
}

} // namespace

QStringList splitLines(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    QString text = QString::fromLatin1(bytes);
    // Every line of a stored list ends with a line feed, the last included.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

QByteArray joinLines(const QStringList& lines, const QByteArray& terminator)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + terminator;
    return bytes;
}

QString resourcePath(const QString& sheet, const QString& list)
{
    return QStringLiteral(":/library/%1/%2.txt").arg(sheet, list);
}

QStringList lines(const QString& sheet, const QString& list)
{
    if (!plainName(sheet) || !plainName(list))
        return {};
    // The lists are built into the program and never change while it runs,
    // so each is split once: starting a lesson, listing its steps and going
    // to a step all ask for the same lists, and the split lines share their
    // data with every copy handed out.
    static QMutex mutex;
    static QHash<QString, QStringList> split;
    const QString path = resourcePath(sheet, list);
    const QMutexLocker lock(&mutex);
    const auto found = split.constFind(path);
    if (found != split.constEnd())
        return *found;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return *split.insert(path, splitLines(file.readAll()));
}

QStringList sheets()
{
    QStringList result;
    for (const auto& part : Catalogue::parts())
        result << part.sheet;
    result << kSpareSheet;
    return result;
}

QStringList lists(const QString& sheet)
{
    for (const auto& part : Catalogue::parts())
        if (part.sheet == sheet)
            return {part.eventList, part.stepList};
    if (sheet == kSpareSheet)
        return {QStringLiteral("ListBox73"), QStringLiteral("ListBox74")};
    return {};
}

} // namespace ScriptLibrary
