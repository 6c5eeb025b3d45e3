#pragma once

#include <QString>

#include <functional>

// Shows a failure to the user. The real program installs a message-box sink at
// start-up; tests install a recorder so nothing blocks.
//
// At most one error box is open at a time. The box is modal, but timer ticks
// keep arriving inside it; a failure that repeats on every tick (a frame
// store that went bad in the middle of a part) would otherwise open a new box
// over the last one every second. A failure reported while a box is open is
// therefore not shown as another box: it is counted and written to standard
// error, and the box that is open stands for it.
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

    // True while the sink is showing a box.
    static bool isShowing();
    // Failures that arrived while a box was open, since start-up.
    static int suppressedCount();
};
