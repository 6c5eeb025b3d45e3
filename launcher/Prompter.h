#pragma once

#include <QString>

#include <functional>

// The launcher's own message and question boxes, titled with the application
// title. The program installs window-system boxes at start-up; tests install
// recorders so that nothing blocks.
class Prompter {
public:
    using MessageSink = std::function<void(const QString& title, const QString& text)>;
    using ConfirmSink = std::function<bool(const QString& title, const QString& text)>;

    // Replace the sinks; each returns the previous one.
    static MessageSink setMessageSink(MessageSink sink);
    static ConfirmSink setConfirmSink(ConfirmSink sink);

    // A box with an OK button.
    static void message(const QString& text);

    // A box with Yes and No; true for Yes. Without a sink the answer is No,
    // so an unattended run never changes anything.
    static bool confirm(const QString& text);
};
