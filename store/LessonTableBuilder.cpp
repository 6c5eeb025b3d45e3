#include "store/LessonTableBuilder.h"

#include "platform/DbfTable.h"
#include "platform/AppError.h"
#include "platform/HostPath.h"
#include "platform/NViewLib.h"
#include "platform/TableField.h"
#include "store/FrameStore.h"

#include <QDir>
#include <QFile>

namespace {

const QString kSecondFrameScratch = QStringLiteral("c:\\sth.jpg");
const QString kTutorialDirectory = QStringLiteral("e:\\tutorial");
const QString kDoneDirectory = QStringLiteral("e:\\done_new\\");

int lastSeparator(const QString& path)
{
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

// Joins a directory and a file name with one separator.
QString joined(const QString& directory, const QString& name)
{
    if (directory.endsWith(QLatin1Char('/')) || directory.endsWith(QLatin1Char('\\')))
        return directory + name;
    return directory + QLatin1Char('/') + name;
}

// A file copy that refuses to replace its destination; the outcome is not
// reported, as with the template copies of a store that already exists.
void copyIfAbsent(const QString& source, const QString& destination)
{
    const QString hostDestination = HostPath::toHost(destination);
    if (QFileInfo::exists(hostDestination))
        return;
    if (!QFile::copy(HostPath::toHost(source), hostDestination))
        return;
    // A template read from a disc is read-only; its copy is the store the
    // builder is about to fill.
    QFile::setPermissions(hostDestination, QFile::permissions(hostDestination) | QFile::WriteOwner);
}

// Rolls back an insert or edit that did not reach its post, so that a failed
// load never leaves the table half-way through a change.
class PendingChange {
public:
    explicit PendingChange(DbfTable& table)
        : m_table(table)
    {
    }
    ~PendingChange()
    {
        if (!m_posted) {
            try {
                m_table.cancel();
            } catch (...) {
                // The table was not editing; nothing to undo.
            }
        }
    }
    void post()
    {
        m_table.post();
        m_posted = true;
    }

private:
    DbfTable& m_table;
    bool m_posted = false;
};

// Decodes every frame before the first is posted: a text file or a damaged
// picture named "*.jpg" would otherwise become a blank frame in the lesson,
// and the frames posted before it could not be taken back.
void refuseUnreadableFrames(const QString& directory, const QStringList& names)
{
    QImage recycled;
    for (const QString& name : names) {
        const QString path = joined(directory, name);
        QFile file(path);
        std::unique_ptr<QImage> image;
        if (file.open(QIODevice::ReadOnly))
            image = NViewLibDecode(file.readAll(), std::move(recycled));
        if (!image)
            throw AppError(LessonTableBuilder::unreadableFrameMessage(path));
        recycled = std::move(*image);
    }
}

class FileRemover {
public:
    explicit FileRemover(const QString& path)
        : m_hostPath(HostPath::toHost(path))
    {
    }
    ~FileRemover() { QFile::remove(m_hostPath); }

private:
    QString m_hostPath;
};

} // namespace

LessonTableBuilder::LessonTableBuilder(DbfTable& table, TableField& gr, TableField& m)
    : m_table(table)
    , m_gr(gr)
    , m_m(m)
{
}

void LessonTableBuilder::recordStartupDirectory()
{
    setStartupDirectory(QDir::currentPath());
}

void LessonTableBuilder::setStartupDirectory(const QString& directory)
{
    m_startupDirectory = directory;
    if (!m_startupDirectory.endsWith(QLatin1Char('/')) && !m_startupDirectory.endsWith(QLatin1Char('\\')))
        m_startupDirectory += QLatin1Char('/');
}

QString LessonTableBuilder::directoryOf(const QString& chosenPath)
{
    const int cut = lastSeparator(chosenPath);
    if (cut < 0)
        return QString();
    // A drive root keeps its separator ("C:\"), and so does the host root.
    if (cut == 0 || (cut == 2 && chosenPath.at(1) == QLatin1Char(':')))
        return chosenPath.left(cut + 1);
    return chosenPath.left(cut);
}

QString LessonTableBuilder::baseNameOf(const QString& chosenPath)
{
    QString name = chosenPath.mid(lastSeparator(chosenPath) + 1);
    name.chop(4);
    return name;
}

void LessonTableBuilder::openStore(const QString& directory)
{
    FrameStore::open(m_table, directory);
}

QString LessonTableBuilder::unreadableFrameMessage(const QString& path)
{
    return QStringLiteral("Cannot insert %1: it is not a JPEG picture").arg(path);
}

void LessonTableBuilder::insert(const QString& chosenPath)
{
    m_frameFiles.setDirectory(directoryOf(chosenPath));
    // The directory is current now: a relative path would be resolved a
    // second time below it, so the store goes where the list was taken.
    appendListedFrames(m_frameFiles.directory());
}

void LessonTableBuilder::insertFrames(const QString& frameDirectory, const QString& storeDirectory)
{
    const QString store = HostPath::toHost(storeDirectory); // before the list moves the current directory
    m_frameFiles.setDirectory(frameDirectory);
    appendListedFrames(store);
}

void LessonTableBuilder::appendListedFrames(const QString& storeDirectory)
{
    // The list was taken when the directory was chosen: frames are named so
    // that this order is the recording order.
    const QString frameDirectory = m_frameFiles.directory();
    refuseUnreadableFrames(frameDirectory, m_frameFiles.items());

    copyIfAbsent(m_startupDirectory + QStringLiteral("ori\\test.dbf"), joined(storeDirectory, QStringLiteral("simu.dbf")));
    copyIfAbsent(m_startupDirectory + QStringLiteral("ori\\test.dbt"), joined(storeDirectory, QStringLiteral("simu.dbt")));

    openStore(storeDirectory);

    for (const QString& name : m_frameFiles.items()) {
        m_table.insert();
        PendingChange change(m_table);
        m_gr.loadFromFile(joined(frameDirectory, name));
        change.post();
    }
}

void LessonTableBuilder::scripts(const QString& chosenPath)
{
    m_frameFiles.setDirectory(directoryOf(chosenPath));
    openStore(m_frameFiles.directory());
    const QString base = joined(m_frameFiles.directory(), baseNameOf(chosenPath));
    fillScripts(base + QStringLiteral(".dat"), base + QStringLiteral(".lsn"));
}

void LessonTableBuilder::loadScripts(const QString& storeDirectory, const QString& eventFile, const QString& stepFile)
{
    openStore(HostPath::toHost(storeDirectory));
    fillScripts(eventFile, stepFile);
}

void LessonTableBuilder::fillScripts(const QString& eventFile, const QString& stepFile)
{
    {
        m_table.edit(); // on an empty store this starts record 1
        PendingChange change(m_table);
        m_m.loadFromFile(eventFile);
        change.post();
    }

    if (m_table.recordCount() <= 1) {
        // A part with one frame still needs a record 2 for its step script:
        // it repeats the first frame.
        const FileRemover remover(kSecondFrameScratch);
        m_gr.saveToFile(kSecondFrameScratch);
        m_table.insert();
        PendingChange change(m_table);
        m_gr.loadFromFile(kSecondFrameScratch);
        change.post();
    } else {
        m_table.next();
    }

    m_table.edit();
    PendingChange change(m_table);
    m_m.loadFromFile(stepFile);
    change.post();
}

int LessonTableBuilder::recordCount() const
{
    return m_table.recordCount();
}

int LessonTableBuilder::moveFiles()
{
    m_scriptFiles.setDirectory(kTutorialDirectory);
    int moved = 0;
    for (const QString& name : m_scriptFiles.items()) {
        QString base = name;
        base.chop(4);
        const QString from = kTutorialDirectory + QLatin1Char('\\') + base;
        const QString to = kDoneDirectory + base + QStringLiteral("\\jpgs\\") + base;
        for (const QLatin1String extension : {QLatin1String(".lsn"), QLatin1String(".dat")}) {
            const QString source = HostPath::toHost(from + extension);
            const QString target = HostPath::toHost(to + extension);
            // A move never replaces a file already filed, and never creates
            // the frame folder: either would hide a mistake of the author.
            // A link in the target's place counts as filed even when it
            // leads nowhere: moving onto it would write through it.
            const QFileInfo targetInfo(target);
            if (!QFileInfo::exists(source) || targetInfo.exists() || targetInfo.isSymLink()
                || !QFileInfo(targetInfo.path()).isDir())
                continue;
            if (QFile::rename(source, target))
                ++moved;
        }
    }
    return moved;
}
