#include "tools/BuilderCommands.h"

#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "store/CourseChecker.h"
#include "store/DemoCourse.h"
#include "store/LessonTableBuilder.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <new>

namespace BuilderCommands {
namespace {

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
        table.setTableName(QStringLiteral("simu.dbf"));
        builder.recordStartupDirectory();
    }
    DbfTable table;
    TableField gr{table, QByteArrayLiteral("GR"), TableField::Kind::Blob};
    TableField m{table, QByteArrayLiteral("M"), TableField::Kind::Memo};
    LessonTableBuilder builder{table, gr, m};
};

// A directory given on the command line stands for any file inside it.
QString chosenFile(const QString& path)
{
    if (QFileInfo(path).isDir())
        return QDir(path).filePath(QStringLiteral("*"));
    return path;
}

struct Entry {
    const char* name;
    int args;
    const char* usage;
    std::function<void(const QStringList&, QIODevice&)> run;
};

const std::vector<Entry>& entries()
{
    static const std::vector<Entry> table = {
        {"insert", 1, "insert PATH", insert},
        {"scripts", 1, "scripts FILE", scripts},
        {"move-files", 0, "move-files", moveFiles},
        {"demo-course", 1, "demo-course DIR", demoCourse},
        {"check", 1, "check ROOT", check},
    };
    return table;
}

} // namespace

void insert(const QStringList& args, QIODevice& out)
{
    Workbench bench;
    bench.builder.insert(chosenFile(args.value(0)));
    writeLine(out, QStringLiteral("%1: %2 frames inserted, %3 records")
                       .arg(bench.builder.frameFiles().directory())
                       .arg(bench.builder.frameFiles().items().size())
                       .arg(bench.table.recordCount()));
}

void scripts(const QStringList& args, QIODevice& out)
{
    Workbench bench;
    bench.builder.scripts(args.value(0));
    writeLine(out, QStringLiteral("%1: scripts %2.dat and %2.lsn loaded, %3 records")
                       .arg(bench.builder.frameFiles().directory(), LessonTableBuilder::baseNameOf(args.value(0)))
                       .arg(bench.table.recordCount()));
}

void moveFiles(const QStringList&, QIODevice& out)
{
    Workbench bench;
    const int moved = bench.builder.moveFiles();
    writeLine(out, QStringLiteral("%1 of %2 script files moved")
                       .arg(moved)
                       .arg(bench.builder.scriptFiles().items().size() * 2));
}

void demoCourse(const QStringList& args, QIODevice& out)
{
    const DemoCourse::Summary summary = DemoCourse::build(args.value(0), DemoCourse::defaultFrames(),
        [&](const Catalogue::PartEntry& part, int records) {
            writeLine(out, QStringLiteral("%1: %2 records").arg(part.code).arg(records));
        });
    writeLine(out, QStringLiteral("%1 parts, %2 records").arg(summary.parts).arg(summary.records));
}

void check(const QStringList& args, QIODevice& out)
{
    const CourseChecker::Result result = CourseChecker::check(args.value(0));
    for (const QString& problem : result.problems)
        writeLine(out, problem);
    if (!result.clean())
        throw AppError(QStringLiteral("%1 problem(s)").arg(result.problems.size()));
    writeLine(out, QStringLiteral("clean: %1 parts, %2 records").arg(result.parts).arg(result.records));
}

std::optional<int> run(const QStringList& args, QIODevice& out, QIODevice& err)
{
    if (args.isEmpty())
        return std::nullopt;
    for (const Entry& entry : entries()) {
        if (args.first() != QLatin1String(entry.name))
            continue;
        if (args.size() - 1 != entry.args) {
            writeLine(err, QStringLiteral("usage: lessonwright-author %1").arg(QLatin1String(entry.usage)));
            return 2;
        }
        try {
            entry.run(args.mid(1), out);
            return 0;
        } catch (const AppError& e) {
            writeLine(err, e.message());
        } catch (const std::bad_alloc&) {
            writeLine(err, QStringLiteral("Out of memory"));
        } catch (const std::exception& e) {
            writeLine(err, QString::fromLocal8Bit(e.what()));
        }
        return 1;
    }
    return std::nullopt;
}

} // namespace BuilderCommands
