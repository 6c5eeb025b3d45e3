#include "tools/ContentCommands.h"

#include "content/ScriptLibrary.h"
#include "content/storyboard/ContinuityCheck.h"
#include "content/storyboard/FrameRenderer.h"
#include "content/storyboard/LibraryBuilder.h"
#include "content/storyboard/LibraryStats.h"
#include "content/storyboard/StepLayoutCheck.h"
#include "platform/AppError.h"

#include <QFileInfo>

namespace ContentCommands {
namespace {

void writeLine(QIODevice& device, const QString& text)
{
    device.write(text.toLocal8Bit());
    device.write("\n");
}

Storyboard loadBoard(const QString& what)
{
    if (what.endsWith(QLatin1String(".story")))
        return Storyboard::parse(StoryboardText::load(what), QFileInfo(what).fileName());
    return Storyboard::builtIn(what);
}

} // namespace

void renderPart(const AuthorCli::Call& call)
{
    const Storyboard board = loadBoard(call.args[0]);
    call.progress(QStringLiteral("%1: rendering into %2").arg(board.code(), call.args[1]));
    const int count = FrameRenderer::writeFrames(board, call.args[1]);
    writeLine(call.out, QStringLiteral("%1 frames written to %2").arg(count).arg(call.args[1]));
}

void exportLibrary(const AuthorCli::Call& call)
{
    const int lists = LibraryBuilder::exportLibrary(call.args[0]);
    writeLine(call.out, QStringLiteral("%1 lists written to %2").arg(lists).arg(call.args[0]));
}

void buildLibrary(const AuthorCli::Call& call)
{
    const QStringList codes = LibraryBuilder::writeLibrary(call.args[0], call.args[1]);
    writeLine(call.out, QStringLiteral("%1 parts written: %2").arg(codes.size()).arg(codes.join(QLatin1Char(' '))));
}

void showPart(const AuthorCli::Call& call)
{
    const auto scripts = LibraryBuilder::generate(loadBoard(call.args[0]));
    call.out.write(ScriptLibrary::joinLines(scripts.events));
    call.out.write("----\n");
    call.out.write(ScriptLibrary::joinLines(scripts.steps));
}

void checkPart(const AuthorCli::Call& call)
{
    const Storyboard board = loadBoard(call.args[0]);
    const auto scripts = LibraryBuilder::generate(board);
    const PartStats stats = LibraryStats::compute(scripts.events, scripts.steps);
    const QStringList problems = LibraryStats::checkPart(board.code(), stats, LibraryStats::builtInAllocation())
        + StepLayoutCheck::check(board);
    for (const QString& problem : problems)
        writeLine(call.out, problem);
    writeLine(call.out, QStringLiteral("%1: %2 events, %3 steps, %4 arrows, %5 problem(s)")
                            .arg(board.code()).arg(stats.events).arg(stats.steps)
                            .arg(stats.arrowTotal()).arg(problems.size()));
    if (!problems.isEmpty())
        throw AppError(QStringLiteral("%1 problem(s)").arg(problems.size()));
}

void checkContinuity(const AuthorCli::Call& call)
{
    const QStringList problems = ContinuityCheck::checkCourse(call.args[0]);
    for (const QString& problem : problems)
        writeLine(call.out, problem);
    writeLine(call.out, QStringLiteral("%1 hand-over(s) between parts break the example form").arg(problems.size()));
    if (!problems.isEmpty())
        throw AppError(QStringLiteral("%1 problem(s)").arg(problems.size()));
}

void showForm(const AuthorCli::Call& call)
{
    const Storyboard::Result played = loadBoard(call.args[0]).play();
    writeLine(call.out, QStringLiteral("begins:"));
    for (const QString& line : played.startForm)
        writeLine(call.out, QStringLiteral("  ") + line);
    writeLine(call.out, QStringLiteral("ends:"));
    for (const QString& line : played.endForm)
        writeLine(call.out, QStringLiteral("  ") + line);
}

} // namespace ContentCommands
