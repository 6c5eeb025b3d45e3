#include "launcher/HowToRunGuide.h"

QString HowToRunGuide::moveToWhiteBox()
{
    return QStringLiteral("Please move mouse to the WHITE box area! ===>");
}

QString HowToRunGuide::clickATopic()
{
    return QStringLiteral("Please click on one of the topics ... ====>");
}

QStringList HowToRunGuide::blackBoxLines()
{
    return {QStringLiteral("Now, Black Box is showing its contents ... ====>"),
        QStringLiteral("Please double click on it to run the simulation ...=>")};
}

HowToRunGuide::Outcome HowToRunGuide::apply(int state, bool playListVisible, Event event)
{
    Outcome out;
    out.state = state;
    switch (event) {
    case Event::HowToRun:
        // Restarts from any state, queue or no queue.
        out.state = WaitingForLesson;
        out.lines = QStringList{moveToWhiteBox()};
        out.showBesideLessons = true;
        break;
    case Event::PointerOverLessons:
        // A hidden play list means the guide was never started: nothing to say.
        if (!playListVisible)
            break;
        if (state == WaitingForLesson) {
            // Repeats on every movement until a lesson is clicked.
            out.lines = QStringList{clickATopic()};
        } else if (state == LessonClicked) {
            // Said once more after the click, then the guide falls silent.
            out.lines = blackBoxLines();
            out.state = Idle;
        }
        break;
    case Event::LessonClick:
        if (playListVisible) {
            out.lines = blackBoxLines();
            out.state = LessonClicked;
        }
        break;
    }
    return out;
}
