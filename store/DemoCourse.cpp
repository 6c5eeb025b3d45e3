#include "store/DemoCourse.h"

#include "content/ScriptLibrary.h"
#include "content/storyboard/FrameRenderer.h"
#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "store/LessonTableBuilder.h"
#include "store/StandInFrames.h"

#include <QDir>
#include <QFile>


namespace DemoCourse {
namespace {

const char kReadme[] =
    "Lessonwright demonstration course\r\n"
    "=================================\r\n"
    "\r\n"
    "This folder is a complete course for the Lessonwright player. It teaches\r\n"
    "form design in a database forms designer through twenty lessons made of\r\n"
    "37 recorded parts. Each part is a replay of a design session: the screen\r\n"
    "frames follow one another while the mouse pointer moves to every recorded\r\n"
    "click, and narration boxes explain the steps.\r\n"
    "\r\n"
    "How to play\r\n"
    "-----------\r\n"
    "1. Start the player with this folder as its current directory.\r\n"
    "2. Click a lesson in the list to see its topics.\r\n"
    "3. Double-click a lesson to play all of its parts, one after another.\r\n"
    "4. When a narration box appears, read it and press NEXT to go on.\r\n"
    "5. Choose Close in the player's menu to return to the lesson list.\r\n"
    "\r\n"
    "The player moves your mouse pointer while a part plays; leave the mouse\r\n"
    "alone until the narration box asks for NEXT.\r\n"
    "\r\n"
    "What is in this folder\r\n"
    "----------------------\r\n"
    "1.dbf            a small table the player opens to check that tables work\r\n"
    "ori\\test.dbf     the empty template every frame store is copied from\r\n"
    "master\\<part>\\   one frame store per part (simu.dbf with simu.dbt)\r\n";

void writeWhole(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw AppError(QStringLiteral("Cannot create file %1").arg(path));
}

void makeDirectory(const QString& path)
{
    if (!QDir().mkpath(path))
        throw AppError(QStringLiteral("Cannot create directory %1").arg(path));
}

// The builder's commands move the current directory; the caller's comes back.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper()
        : m_saved(QDir::currentPath())
    {
    }
    ~CurrentDirectoryKeeper() { QDir::setCurrent(m_saved); }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

private:
    QString m_saved;
};

QString frameName(int index)
{
    return QStringLiteral("%1.jpg").arg(index, 4, 10, QLatin1Char('0'));
}

} // namespace

QDate courseDate()
{
    // Fixed, so that two builds by the same program are byte for byte equal.
    return QDate(2001, 1, 1);
}

FrameSource defaultFrames()
{
    return [](const Catalogue::PartEntry& part, const FrameSink& sink) {
        if (Storyboard::hasBuiltIn(part.code)) {
            FrameRenderer::renderPart(part.code, sink);
            return;
        }
        StandInFrames::render(part, sink);
    };
}

void stampDate(const QString& hostDbfPath, const QDate& date)
{
    QFile file(hostDbfPath);
    const char stamp[3] = {char(date.year() - 1900), char(date.month()), char(date.day())};
    if (!file.open(QIODevice::ReadWrite) || file.size() < 4 || !file.seek(1) || file.write(stamp, 3) != 3)
        throw AppError(QStringLiteral("Cannot write file %1").arg(hostDbfPath));
}

QByteArray scriptFileBytes(const QStringList& lines)
{
    return ScriptLibrary::joinLines(lines, "\r\n");
}

Summary build(const QString& root, const FrameSource& frames,
              const std::function<void(const Catalogue::PartEntry&, int records)>& progress)
{
    const QDir rootDir(QDir(root).absolutePath());
    if (rootDir.exists() && !rootDir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        throw AppError(QStringLiteral("Cannot build a course in %1: the folder is not empty").arg(rootDir.path()));
    makeDirectory(rootDir.path());
    makeDirectory(rootDir.filePath(QStringLiteral("ori")));
    const CurrentDirectoryKeeper keeper;

    const QString probe = rootDir.filePath(QStringLiteral("1.dbf"));
    DbfTable::create(probe, {{QByteArrayLiteral("NAME"), 'C', 10, 0}});
    stampDate(probe, courseDate());
    writeWhole(rootDir.filePath(QStringLiteral("readme.txt")), QByteArray(kReadme));
    const QString templateTable = rootDir.filePath(QStringLiteral("ori/test.dbf"));
    DbfTable::create(templateTable, DbfTable::frameStoreFields());
    stampDate(templateTable, courseDate());

    DbfTable table;
    table.setTableName(QStringLiteral("simu.dbf"));
    TableField gr(table, QByteArrayLiteral("GR"), TableField::Kind::Blob);
    TableField m(table, QByteArrayLiteral("M"), TableField::Kind::Memo);
    LessonTableBuilder builder(table, gr, m);
    builder.setStartupDirectory(rootDir.path());

    Summary summary;
    for (const Catalogue::PartEntry& part : Catalogue::parts()) {
        const QString directory = rootDir.filePath(QStringLiteral("master/") + part.code);
        makeDirectory(directory);
        const QDir partDir(directory);

        // One frame in memory at a time: drawn, encoded, written, dropped.
        QStringList written;
        frames(part, [&](int index, const QByteArray& jpeg) {
            const QString name = frameName(index);
            writeWhole(partDir.filePath(name), jpeg);
            written << name;
        });
        const QString eventFile = part.code + QStringLiteral(".dat");
        const QString stepFile = part.code + QStringLiteral(".lsn");
        writeWhole(partDir.filePath(eventFile),
                   scriptFileBytes(ScriptLibrary::lines(part.sheet, part.eventList)));
        writeWhole(partDir.filePath(stepFile),
                   scriptFileBytes(ScriptLibrary::lines(part.sheet, part.stepList)));

        // Exactly what an author does in the window: pick a file of the
        // frame folder for Insert, then the part's script for Scripts.
        builder.insert(partDir.filePath(eventFile));
        builder.scripts(partDir.filePath(eventFile));
        const int records = table.recordCount();
        table.close();

        // The folder keeps only the store the player reads.
        for (const QString& name : written)
            QFile::remove(partDir.filePath(name));
        QFile::remove(partDir.filePath(eventFile));
        QFile::remove(partDir.filePath(stepFile));
        stampDate(partDir.filePath(QStringLiteral("simu.dbf")), courseDate());

        ++summary.parts;
        summary.records += records;
        if (progress)
            progress(part, records);
    }
    return summary;
}

} // namespace DemoCourse
