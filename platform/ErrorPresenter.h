#pragma once

#include <QString>

#include <functional>

// Shows a failure to the user. The real program installs a message-box sink at
// start-up; tests install a recorder so nothing blocks.
class ErrorPresenter {
public:
    using Sink = std::function<void(const QString& title, const QString& text)>;

    // Replaces the sink and returns the previous one.
    static Sink setSink(Sink sink);

    // Shows message in the application's error box, with a full stop appended
    // when its last character sorts after ".".
    static void show(const QString& message);

    static QString withFullStop(const QString& message);

    // The title of every error box: the application title.
    static QString title();
    static void setTitle(const QString& title);
};
