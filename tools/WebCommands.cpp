#include "tools/WebCommands.h"

#include "player/ArrowPictures.h"
#include "webexport/ScormPackage.h"
#include "webexport/WebPartCompiler.h"
#include "webexport/WebExport.h"

#include <QDir>

namespace WebCommands {

namespace {

// The player window's own arrows and pointer, for the web player to draw.
WebExport::Pictures pictures()
{
    WebExport::Pictures list;
    for (const NarrationPass::ArrowName& a : NarrationPass::kArrowNames)
        list.emplace_back(QStringLiteral("arrows/%1.png").arg(WebPartCompiler::pictureName(a.arrow)), ArrowPictures::picture(a.arrow));
    list.emplace_back(QStringLiteral("pointer.png"), ArrowPictures::pointerPicture());
    return list;
}

WebExport::Progress progressOf(const AuthorCli::Call& call)
{
    return [&call](const QString& code, int frames) { call.progress(QStringLiteral("%1: %2 frames").arg(code).arg(frames)); };
}

void report(const AuthorCli::Call& call, const WebExport::Summary& summary)
{
    call.out.write(QStringLiteral("%1 parts, %2 frames exported to %3\n")
                       .arg(summary.parts)
                       .arg(summary.frames)
                       .arg(call.written.at(1))
                       .toLocal8Bit());
}

} // namespace

void exportWeb(const AuthorCli::Call& call)
{
    report(call, WebExport::exportCourse(call.args.at(0), call.args.at(1), pictures(), progressOf(call)));
}

void exportScorm(const AuthorCli::Call& call)
{
    report(call, ScormPackage::build(call.args.at(0), call.args.at(1), pictures(), progressOf(call)));
}

} // namespace WebCommands
