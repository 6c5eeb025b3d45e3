#include "content/storyboard/LibraryBuilder.h"

#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "platform/AppError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace LibraryBuilder {
namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written whole or not at all, so a failed run never leaves half a list.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(QStringLiteral("Cannot create file %1").arg(path));
}

} // namespace

PartScripts generate(const Storyboard& board)
{
    const Storyboard::Result result = board.play();
    return {EventScript::write(result.events), StepScript::write(result.steps)};
}

QStringList writeLibrary(const QString& storyboardDir, const QString& libraryDir)
{
    QStringList written;
    for (const auto& part : Catalogue::parts()) {
        const QString source = QDir(storyboardDir).filePath(part.code + QStringLiteral(".story"));
        if (!QFile::exists(source))
            continue;
        const Storyboard board = Storyboard::parse(StoryboardText::load(source), part.code + QStringLiteral(".story"));
        if (board.code() != part.code)
            throw AppError(QStringLiteral("%1 describes part %2").arg(source, board.code()));
        const PartScripts scripts = generate(board);
        const QDir sheet(QDir(libraryDir).filePath(part.sheet));
        writeBytes(sheet.filePath(part.eventList + QStringLiteral(".txt")), ScriptLibrary::joinLines(scripts.events));
        writeBytes(sheet.filePath(part.stepList + QStringLiteral(".txt")), ScriptLibrary::joinLines(scripts.steps));
        written << part.code;
    }
    return written;
}

int exportLibrary(const QString& dir)
{
    int count = 0;
    for (const QString& sheet : ScriptLibrary::sheets()) {
        for (const QString& list : ScriptLibrary::lists(sheet)) {
            const QString path = QDir(dir).filePath(sheet + QLatin1Char('/') + list + QStringLiteral(".txt"));
            writeBytes(path, ScriptLibrary::joinLines(ScriptLibrary::lines(sheet, list), "\r\n"));
            ++count;
        }
    }
    return count;
}

} // namespace LibraryBuilder
