#include "tools/WebCommands.h"

#include "tools/AuthorCli.h"
#include "webexport/ScormPackage.h"
#include "webexport/WebExport.h"

#include <QDir>

namespace WebCommands {

namespace {

void report(QIODevice& out, const WebExport::Summary& summary, const QString& where)
{
    out.write(QStringLiteral("%1 parts, %2 frames exported to %3\n")
                  .arg(summary.parts)
                  .arg(summary.frames)
                  .arg(QDir::toNativeSeparators(where))
                  .toLocal8Bit());
}

} // namespace

void exportWeb(const QStringList& args, QIODevice& out)
{
    report(out, WebExport::exportCourse(args.at(0), args.at(1)), args.at(1));
}

void exportScorm(const QStringList& args, QIODevice& out)
{
    report(out, ScormPackage::build(args.at(0), args.at(1)), args.at(1));
}

void registerCommands(AuthorCli& cli)
{
    cli.add({QStringLiteral("export-web"), QStringLiteral("COURSE OUT"),
             QStringLiteral("write a folder that plays every lesson of COURSE in a browser"), 2, 2, exportWeb});
    cli.add({QStringLiteral("export-scorm"), QStringLiteral("COURSE OUT.zip"),
             QStringLiteral("write COURSE as a SCORM 1.2 package for a learning management system"), 2, 2, exportScorm});
}

} // namespace WebCommands
