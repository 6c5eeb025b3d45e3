#include "ContentCommands.h"

#include "content/ScriptLibrary.h"
#include "content/storyboard/FrameRenderer.h"
#include "content/storyboard/LibraryBuilder.h"
#include "content/storyboard/LibraryStats.h"
#include "content/storyboard/StepLayoutCheck.h"
#include "platform/AppError.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>

namespace {

Storyboard loadBoard(const QString& what)
{
    if (what.endsWith(QLatin1String(".story")))
        return Storyboard::parse(StoryboardText::load(what), QFileInfo(what).fileName());
    return Storyboard::builtIn(what);
}

int renderPart(const QString& what, const QString& dir)
{
    const int count = FrameRenderer::writeFrames(loadBoard(what), dir);
    std::printf("%d frames written to %s\n", count, qPrintable(dir));
    return 0;
}

int showPart(const QString& what)
{
    const auto scripts = LibraryBuilder::generate(loadBoard(what));
    std::fwrite(ScriptLibrary::joinLines(scripts.events).constData(), 1, ScriptLibrary::joinLines(scripts.events).size(), stdout);
    std::printf("----\n");
    std::fwrite(ScriptLibrary::joinLines(scripts.steps).constData(), 1, ScriptLibrary::joinLines(scripts.steps).size(), stdout);
    return 0;
}

int checkPart(const QString& what)
{
    const Storyboard board = loadBoard(what);
    const auto scripts = LibraryBuilder::generate(board);
    const PartStats stats = LibraryStats::compute(scripts.events, scripts.steps);
    const QStringList problems = LibraryStats::checkPart(board.code(), stats, LibraryStats::builtInAllocation())
        + StepLayoutCheck::check(board);
    for (const QString& p : problems)
        std::printf("%s\n", qPrintable(p));
    std::printf("%s: %d events, %d steps, %d arrows, %lld problem(s)\n", qPrintable(board.code()), stats.events, stats.steps,
                stats.arrowTotal(), static_cast<long long>(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}

} // namespace

std::optional<int> runContentCommand(int argc, char* argv[])
{
    if (argc < 2)
        return std::nullopt;
    const QString command = QString::fromLocal8Bit(argv[1]);
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const struct { const char* name; int count; const char* usage; } known[] = {
        {"render-part", 2, "render-part CODE|FILE.story DIR"},
        {"export-library", 1, "export-library DIR"},
        {"build-library", 2, "build-library STORYBOARD_DIR LIBRARY_DIR"},
        {"show-part", 1, "show-part CODE|FILE.story"},
        {"check-part", 1, "check-part CODE|FILE.story"},
    };
    const auto* entry = std::find_if(std::begin(known), std::end(known), [&](const auto& k) { return command == QLatin1String(k.name); });
    if (entry == std::end(known))
        return std::nullopt;
    if (args.size() != entry->count) {
        std::fprintf(stderr, "usage: lessonwright-author %s\n", entry->usage);
        return 2;
    }
    // Frames are drawn with fonts, which need a GUI application; no window
    // is ever shown, so the offscreen platform serves everywhere.
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int appArgc = 1;
        app = std::make_unique<QGuiApplication>(appArgc, argv);
    }
    try {
        if (command == QLatin1String("render-part"))
            return renderPart(args[0], args[1]);
        if (command == QLatin1String("export-library")) {
            const int n = LibraryBuilder::exportLibrary(args[0]);
            std::printf("%d lists written to %s\n", n, qPrintable(args[0]));
            return 0;
        }
        if (command == QLatin1String("build-library")) {
            const QStringList codes = LibraryBuilder::writeLibrary(args[0], args[1]);
            std::printf("%lld parts written: %s\n", static_cast<long long>(codes.size()), qPrintable(codes.join(QLatin1Char(' '))));
            return 0;
        }
        if (command == QLatin1String("check-part"))
            return checkPart(args[0]);
        return showPart(args[0]);
    } catch (const AppError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
}
