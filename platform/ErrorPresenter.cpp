#include "platform/ErrorPresenter.h"

#include <cstdio>

namespace {

ErrorPresenter::Sink& sink()
{
    static ErrorPresenter::Sink s;
    return s;
}

QString& appTitle()
{
    static QString t = QStringLiteral("Korvane Publishing Inc.");
    return t;
}

// Everything runs on the user-interface thread, so plain counters do.
int& openBoxes()
{
    static int n = 0;
    return n;
}

int& suppressed()
{
    static int n = 0;
    return n;
}

// Marks a box as open for as long as the sink runs, however it returns.
class OpenBox {
public:
    OpenBox() { ++openBoxes(); }
    ~OpenBox() { --openBoxes(); }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
};

} // namespace

ErrorPresenter::Sink ErrorPresenter::setSink(Sink newSink)
{
    Sink old = std::move(sink());
    sink() = std::move(newSink);
    return old;
}

QString ErrorPresenter::withFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ErrorPresenter::show(const QString& message)
{
    const QString text = withFullStop(message);
    if (!sink()) {
        // No window system sink installed (command-line use): standard error.
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return;
    }
    if (openBoxes() > 0) {
        // Reached from a timer tick inside the open box's event loop.
        ++suppressed();
        std::fprintf(stderr, "%s (not shown: an error box is open)\n", qPrintable(text));
        return;
    }
    const OpenBox box;
    // A copy, so a sink that replaces the sink while it runs stays alive.
    const Sink show = sink();
    show(title(), text);
}

QString ErrorPresenter::title()
{
    return appTitle();
}

void ErrorPresenter::setTitle(const QString& title)
{
    appTitle() = title;
}

bool ErrorPresenter::isShowing()
{
    return openBoxes() > 0;
}

int ErrorPresenter::suppressedCount()
{
    return suppressed();
}
