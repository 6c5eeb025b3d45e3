#include "tools/BuilderCommands.h"

#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "store/CourseChecker.h"
#include "store/DemoCourse.h"
#include "store/LessonTableBuilder.h"
#include "tools/AuthorCli.h"

#include <QDir>
#include <QFileInfo>

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

void registerCommands(AuthorCli& cli)
{
    const auto add = [&](const char* name, const char* arguments, const char* summary, int args,
                         void (*command)(const QStringList&, QIODevice&)) {
        cli.add({QLatin1String(name), QLatin1String(arguments), QLatin1String(summary), args, args, command});
    };
    add("insert", "PATH",
        "build PATH's frame store from its *.jpg frames (PATH: a file in the frame folder, or the folder); "
        "template ori\\test.dbf below the current directory", 1, insert);
    add("scripts", "FILE", "load FILE's base name + .dat into M of record 1 and + .lsn into M of record 2", 1, scripts);
    add("move-files", "", "move e:\\tutorial\\<base>.lsn and .dat into e:\\done_new\\<base>\\jpgs\\", 0, moveFiles);
    add("demo-course", "DIR", "write a complete demo course into DIR (new or empty)", 1, demoCourse);
    add("check", "ROOT", "check every part's frame store of the course in ROOT; one line per problem", 1, check);
}

} // namespace BuilderCommands
