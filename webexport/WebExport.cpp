#include "webexport/WebExport.h"

#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "webexport/WebPartCompiler.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>

#include <set>

namespace WebExport {

namespace {

// The files of the player that every export carries.
const char* const kPlayerFiles[] = {"index.html", "index.js", "player.js", "style.css"};

QString frameName(int record)
{
    return QStringLiteral("%1.jpg").arg(record, 4, 10, QLatin1Char('0'));
}

// A picture of the window made transparent where the bottom-left colour is,
// as the desktop player draws it.
QByteArray transparentPng(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == ground)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void writePictures(const QDir& dir, const Pictures& pictures)
{
    for (const auto& [name, picture] : pictures)
        writeFile(dir.filePath(name), transparentPng(picture));
}

// The lessons as the launcher lists them: each header row with the topic
// rows under it, and the lesson's part codes in play order.
QJsonObject courseJson()
{
    QJsonArray lessons;
    QJsonObject lesson;
    QJsonArray topics;
    const auto finish = [&] {
        if (lesson.isEmpty())
            return;
        lesson.insert(QStringLiteral("topics"), topics);
        lessons.append(lesson);
    };
    for (const QString& row : Catalogue::rows()) {
        if (!row.startsWith(QLatin1String("Lesson "))) {
            topics.append(row);
            continue;
        }
        finish();
        const int index = int(lessons.size());
        lesson = QJsonObject{{QStringLiteral("number"), index + 1},
                             {QStringLiteral("title"), row},
                             {QStringLiteral("parts"), QJsonArray::fromStringList(Catalogue::partCodes(index))}};
        topics = QJsonArray();
    }
    finish();
    return QJsonObject{{QStringLiteral("title"), QStringLiteral("Lessonwright")}, {QStringLiteral("lessons"), lessons}};
}

// Compiles the part and copies the frames its events show, each the first
// time it is shown.
int exportPart(const Catalogue::PartEntry& entry, const QDir& course, const QDir& out, Summary& summary)
{
    DbfTable table;
    const TableField gr(table, QByteArrayLiteral("GR"), TableField::Kind::Blob);
    const TableField memo(table, QByteArrayLiteral("M"), TableField::Kind::Memo);
    table.setDatabaseName(course.filePath(QStringLiteral("master/") + entry.code));
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();

    // An empty GR is a frame the decoder cannot read: the player shows none.
    std::set<int> empty;
    int copied = 0;
    const QString frameDir = QStringLiteral("frames/") + entry.code + QLatin1Char('/');
    const auto copy = [&](int record, const QByteArray& jpeg) {
        if (jpeg.isEmpty()) {
            empty.insert(record);
            return;
        }
        writeFile(out.filePath(frameDir + frameName(record)), jpeg);
        ++copied;
        summary.frameBytes += jpeg.size();
    };
    WebPart part = WebPartCompiler::compile(entry.code, entry.lesson, ScriptLibrary::lines(entry.sheet, entry.eventList),
                                            ScriptLibrary::lines(entry.sheet, entry.stepList), table, gr, copy);
    for (WebEvent& e : part.events) {
        if (empty.count(e.frame) != 0)
            e.frame = -1;
    }
    writeFile(out.filePath(QStringLiteral("parts/") + entry.code + QStringLiteral(".js")), WebPartCompiler::toScript(part));
    summary.frames += copied;
    return copied;
}

} // namespace

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    // The folder is made when the first file in it fails to open, not looked
    // up for every frame.
    bool opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!opened && QDir().mkpath(QFileInfo(path).path()))
        opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!opened || file.write(bytes) != bytes.size() || !file.flush())
        throw AppError(QStringLiteral("Cannot write file %1").arg(QDir::toNativeSeparators(path)));
}

QStringList filesBelow(const QString& dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray builtInFile(const QString& name)
{
    QFile file(QStringLiteral(":/web/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file %1").arg(file.fileName()));
    return file.readAll();
}

std::unique_ptr<QTemporaryDir> makeStagingFolder(const QString& target)
{
    const QFileInfo info(target);
    if (info.exists() || info.isSymLink())
        throw AppError(QStringLiteral("Cannot create %1: it already exists").arg(QDir::toNativeSeparators(target)));
    const QString parent = info.absolutePath();
    if (!QFileInfo(parent).isDir())
        throw AppError(QStringLiteral("Cannot create %1: folder %2 does not exist").arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(parent)));
    auto staging = std::make_unique<QTemporaryDir>(QDir(parent).filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".part-XXXXXX")));
    if (!staging->isValid())
        throw AppError(QStringLiteral("Cannot create folder in %1").arg(QDir::toNativeSeparators(parent)));
    return staging;
}

Summary writeInto(const QString& courseRoot, const QString& dir, const Pictures& pictures, const Progress& progress)
{
    const QDir course(courseRoot);
    if (!course.exists())
        throw AppError(QStringLiteral("Cannot open folder %1: it does not exist").arg(QDir::toNativeSeparators(courseRoot)));
    const QDir out(dir);
    Summary summary;
    for (const Catalogue::PartEntry& entry : Catalogue::parts()) {
        const int frames = exportPart(entry, course, out, summary);
        ++summary.parts;
        if (progress)
            progress(entry.code, frames);
    }
    for (const char* name : kPlayerFiles)
        writeFile(out.filePath(QLatin1String(name)), builtInFile(QLatin1String(name)));
    writeFile(out.filePath(QStringLiteral("course.js")), WebPartCompiler::receiveScript(courseJson()));
    writePictures(out, pictures);
    return summary;
}

Summary exportCourse(const QString& courseRoot, const QString& out, const Pictures& pictures, const Progress& progress)
{
    const auto staging = makeStagingFolder(out);
    const Summary summary = writeInto(courseRoot, staging->path(), pictures, progress);
    if (!QDir().rename(staging->path(), out))
        throw AppError(QStringLiteral("Cannot create folder %1").arg(QDir::toNativeSeparators(out)));
    staging->setAutoRemove(false);
    // Made private by the temporary folder; an export is for serving.
    QFile::setPermissions(out, QFile::permissions(out) | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return summary;
}

} // namespace WebExport
