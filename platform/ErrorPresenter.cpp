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
    if (sink()) {
        sink()(title(), text);
        return;
    }
    // No window system sink installed (command-line use): standard error.
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

QString ErrorPresenter::title()
{
    return appTitle();
}

void ErrorPresenter::setTitle(const QString& title)
{
    appTitle() = title;
}
