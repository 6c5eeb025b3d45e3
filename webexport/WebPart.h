#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the web player needs of one part, compiled from its scripts by the
// same pointer and narration rules the desktop player runs. Every position is
// in recorded 640 x 480 coordinates.
struct WebEvent {
    // The arrow after this event's frame step (none on a part's first frame).
    enum class ArrowShow { Hidden, Shown };

    int frame = -1;            // record shown, counting from 0; -1 for none
    bool storeAtEnd = false;   // a move past the last record was attempted
    std::vector<QPoint> ticks; // the pointer after each tick toward this event's target

    bool boxVisible = false;
    QStringList text;          // the narration box's lines
    QPoint box;                // the box's top-left corner

    ArrowShow arrow = ArrowShow::Hidden;
    QPoint arrowAt;            // the arrow picture's top-left corner
    QString arrowPicture;      // "right", "left", "down", "up"; empty keeps the last one
};

// A narration step as the step list shows it.
struct WebStep {
    int event = 0;
    QString topic;
};

struct WebPart {
    QString code;
    int lesson = 0;
    int records = 0;
    std::vector<WebEvent> events;
    std::vector<WebStep> steps;
};
