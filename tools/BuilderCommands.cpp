#include "tools/BuilderCommands.h"

#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/HostPath.h"
#include "platform/TableField.h"
#include "store/CourseChecker.h"
#include "store/DemoCourse.h"
#include "store/LessonTableBuilder.h"
#include "tools/ErrorReason.h"
#include "tools/ExplainedError.h"
#include "tools/TableTool.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace BuilderCommands {
namespace {

const QString kStoreName = QStringLiteral("simu.dbf");
const QString kTutorialDirectory = QStringLiteral("e:\\tutorial");

void writeLine(QIODevice& device, const QString& text)
{
    device.write(text.toLocal8Bit());
    device.write("\n");
}

// The window's table object and builder, as one command's run needs them.
// The template is found below the directory current when the command
// starts, as the window finds it below the start-up directory.
struct Workbench {
    Workbench()
    {
        table.setTableName(kStoreName);
        builder.recordStartupDirectory();
    }
    QString templateFile() const { return builder.startupDirectory() + QStringLiteral("ori/test.dbf"); }

    DbfTable table;
    TableField gr{table, QByteArrayLiteral("GR"), TableField::Kind::Blob};
    TableField m{table, QByteArrayLiteral("M"), TableField::Kind::Memo};
    LessonTableBuilder builder{table, gr, m};
};

bool holdsStore(const QString& directory)
{
    return QFileInfo::exists(QDir(directory).filePath(kStoreName))
        || QFileInfo::exists(QDir(directory).filePath(QStringLiteral("simu.dbt")));
}

// The folder a PATH argument stands for: itself, or the folder of a file.
QString folderOf(const QString& hostPath)
{
    return QFileInfo(hostPath).isDir() ? hostPath : LessonTableBuilder::directoryOf(hostPath);
}

// A directory given on the command line stands for any file inside it.
QString chosenFile(const QString& path)
{
    if (QFileInfo(path).isDir())
        return QDir(path).filePath(QStringLiteral("*"));
    return path;
}

} // namespace

void insert(const AuthorCli::Call& call)
{
    Workbench bench;
    const bool newStore = !holdsStore(folderOf(call.args[0]));
    try {
        bench.builder.insert(chosenFile(call.args[0]));
    } catch (const AppError& e) {
        // A new store is a copy of the template: when that is missing, the
        // engine can only say that the store is.
        if (!newStore || QFileInfo::exists(bench.templateFile()))
            throw;
        throw ExplainedError(QStringLiteral("%1 (the template %2 it is copied from is missing too; "
                                            "'lessonwright-author template ori' makes one)")
                                 .arg(ErrorReason::explained(e.message()), bench.templateFile()));
    }
    writeLine(call.out, QStringLiteral("%1: %2 frames inserted, %3 records")
                            .arg(bench.builder.frameFiles().directory())
                            .arg(bench.builder.frameFiles().items().size())
                            .arg(bench.table.recordCount()));
}

void scripts(const AuthorCli::Call& call)
{
    Workbench bench;
    bench.builder.scripts(call.args[0]);
    writeLine(call.out, QStringLiteral("%1: scripts %2.dat and %2.lsn loaded, %3 records")
                            .arg(bench.builder.frameFiles().directory(), LessonTableBuilder::baseNameOf(call.args[0]))
                            .arg(bench.table.recordCount()));
}

void moveFiles(const AuthorCli::Call& call)
{
    // The builder reports an unreachable folder only as "I/O error 3"; here
    // the author also learns which folder that is on this host.
    const QString tutorial = HostPath::toHost(kTutorialDirectory);
    const QString reason = ErrorReason::forListing(tutorial);
    if (!reason.isEmpty())
        throw ExplainedError(QStringLiteral("I/O error 3: ") + ErrorReason::pathProblem(kTutorialDirectory, tutorial, reason));
    Workbench bench;
    const int moved = bench.builder.moveFiles();
    writeLine(call.out, QStringLiteral("%1 of %2 script files moved")
                            .arg(moved)
                            .arg(bench.builder.scriptFiles().items().size() * 2));
}

void buildPart(const AuthorCli::Call& call)
{
    const QString& frames = call.args[0];
    const QString& outDir = call.args[3];
    if (holdsStore(outDir) && !call.has(QStringLiteral("--append")))
        throw ExplainedError(QStringLiteral("%1 already holds a frame store; --append adds the frames after its records")
                                 .arg(call.written[3]));
    const bool made = !QFileInfo::exists(outDir);
    if (made && !QDir().mkpath(outDir))
        throw ExplainedError(ErrorReason::explained(QStringLiteral("Cannot create directory %1").arg(outDir)));

    // A fresh store is a copy of the standard empty template, made aside:
    // the author needs no template of their own.
    QTemporaryDir aside;
    if (!aside.isValid())
        throw AppError(QStringLiteral("Cannot create directory %1").arg(QDir::tempPath()));
    TableTool::createTemplate(QDir(aside.path()).filePath(QStringLiteral("ori")));
    Workbench bench;
    bench.builder.setStartupDirectory(aside.path());
    try {
        bench.builder.insertFrames(frames, outDir);
    } catch (...) {
        if (made)
            QDir().rmdir(outDir); // only when still empty
        throw;
    }
    const qsizetype inserted = bench.builder.frameFiles().items().size();
    bench.builder.loadScripts(outDir, call.args[1], call.args[2]);
    writeLine(call.out, QStringLiteral("%1: %2 frames inserted, scripts loaded, %3 records")
                            .arg(outDir)
                            .arg(inserted)
                            .arg(bench.table.recordCount()));
}

void demoCourse(const AuthorCli::Call& call)
{
    const DemoCourse::Summary summary = DemoCourse::build(call.args[0], DemoCourse::defaultFrames(),
        [&](const Catalogue::PartEntry& part, int records) {
            call.progress(QStringLiteral("%1: %2 records").arg(part.code).arg(records));
        });
    writeLine(call.out, QStringLiteral("%1 parts, %2 records").arg(summary.parts).arg(summary.records));
}

void check(const AuthorCli::Call& call)
{
    const QString& folder = call.args[0];
    CourseChecker::Result result;
    if (CourseChecker::isPartFolder(folder)) {
        result = CourseChecker::checkFolder(folder);
        call.progress(QStringLiteral("%1: %2 records, %3 problem(s)")
                          .arg(QDir(folder).dirName()).arg(result.records).arg(result.problems.size()));
    } else if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("1.dbf")))
               || QFileInfo(QDir(folder).filePath(QStringLiteral("master"))).isDir()) {
        result = CourseChecker::check(folder, [&](const QString& code, int records, int problems) {
            call.progress(QStringLiteral("%1: %2 records, %3 problem(s)").arg(code).arg(records).arg(problems));
        });
    } else {
        throw ExplainedError(QStringLiteral("%1: neither a course folder (no 1.dbf, no master) "
                                            "nor a part's folder (no simu.dbf)").arg(call.written[0]));
    }
    for (const QString& problem : result.problems) {
        // "p7: Cannot open file ..." gets its reason like any other failure.
        const int cut = problem.indexOf(QStringLiteral(": "));
        writeLine(call.out, cut < 0 ? problem : problem.left(cut + 2) + ErrorReason::explained(problem.mid(cut + 2)));
    }
    if (!result.clean())
        throw AppError(QStringLiteral("%1 problem(s)").arg(result.problems.size()));
    writeLine(call.out, QStringLiteral("clean: %1 %2, %3 records")
                            .arg(result.parts)
                            .arg(result.parts == 1 ? QStringLiteral("part") : QStringLiteral("parts"))
                            .arg(result.records));
}

} // namespace BuilderCommands
