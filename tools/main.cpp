#include "platform/ScratchDir.h"
#include "tools/AuthorCli.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Qt's own diagnostics (a missing runtime directory and the like) would mix
// with the command's output and messages; authors see them only on request.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("LESSONWRIGHT_DEBUG"))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

// lessonwright-author COMMAND [ARGS]: the authoring commands, one per run.
int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietQtMessages);
    // Rendering frames needs fonts, hence a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ScratchDir::Session scratch; // "c:\..." paths land in a private folder

    // Unbuffered, so that progress lines on stderr show as they are made.
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    return AuthorCli::withStandardCommands().run(app.arguments().mid(1), out, err);
}
