#include "launcher/Prompter.h"

#include "platform/ErrorPresenter.h"

#include <cstdio>

namespace {

Prompter::MessageSink& messageSink()
{
    static Prompter::MessageSink s;
    return s;
}

Prompter::ConfirmSink& confirmSink()
{
    static Prompter::ConfirmSink s;
    return s;
}

} // namespace

Prompter::MessageSink Prompter::setMessageSink(MessageSink sink)
{
    MessageSink old = std::move(messageSink());
    messageSink() = std::move(sink);
    return old;
}

Prompter::ConfirmSink Prompter::setConfirmSink(ConfirmSink sink)
{
    ConfirmSink old = std::move(confirmSink());
    confirmSink() = std::move(sink);
    return old;
}

void Prompter::message(const QString& text)
{
    if (messageSink()) {
        messageSink()(ErrorPresenter::title(), text);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

bool Prompter::confirm(const QString& text)
{
    if (confirmSink())
        return confirmSink()(ErrorPresenter::title(), text);
    std::fprintf(stderr, "%s (answered No)\n", qPrintable(text));
    return false;
}
