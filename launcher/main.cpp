#include "launcher/AppWindows.h"
#include "launcher/Artwork.h"
#include "launcher/MessageBoxPresenter.h"
#include "launcher/menuunit_.h"
#include "platform/ErrorPresenter.h"
#include "platform/QuitOnSignals.h"
#include "platform/ScratchDir.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// Start-up measurements only (bench/run): with LESSONWRIGHT_QUIT_AFTER_FIRST_PAINT
// set, the program ends as soon as the launcher has been painted once. A
// learner never sets it; the program still reads no command line.
class QuitAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_done = false;
};

// The player takes no command line, except the one question every installed
// program answers: which version it is. Asked before any window system is
// touched, so it works without a display.
bool versionAsked(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (versionAsked(argc, argv)) {
        std::printf("lessonwright %s\n", LESSONWRIGHT_VERSION);
        return 0;
    }

    QApplication app(argc, argv);
    ScratchDir::Session scratch;
    // Asked to stop, the program unwinds and the scratch folder goes too.
    const QuitOnSignals quitOnSignals;
    MessageBoxPresenter::install();
    app.setWindowIcon(QIcon(QPixmap::fromImage(Artwork::programIcon())));

    // The application title names the publisher on every message box. It is
    // deliberately not the display name: Qt would append that to each
    // window's caption.
    ErrorPresenter::setTitle(QStringLiteral("Korvane Publishing Inc."));

    // The five windows, each created once into its global instance. Only the
    // launcher is shown.
    const AppWindows windows;

    // Hidden windows, or a player left showing, must not keep the program
    // alive once the launcher is gone.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(Mainf, &TMainf::closed, &app, &QCoreApplication::quit);

    QuitAfterFirstPaint quitAfterFirstPaint;
    if (qEnvironmentVariableIsSet("LESSONWRIGHT_QUIT_AFTER_FIRST_PAINT"))
        Mainf->installEventFilter(&quitAfterFirstPaint);

    Mainf->show();
    return app.exec();
}
