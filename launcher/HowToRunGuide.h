#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The how-to-run guide: three prompts that walk a first-time user from the
// menu to the lesson list and on to the topic list. The state itself lives in
// the launcher's Tag; this class only says what each event does to it and to
// the play list, which doubles as the guide's prompt line.
class HowToRunGuide {
public:
    static constexpr int Idle = 0;
    static constexpr int WaitingForLesson = 1;
    static constexpr int LessonClicked = 9;

    enum class Event { HowToRun, PointerOverLessons, LessonClick };

    struct Outcome {
        int state = Idle;
        // New content of the play list; nothing when it is left alone.
        std::optional<QStringList> lines;
        // The play list moves up beside the lesson list and becomes visible.
        bool showBesideLessons = false;
    };

    static Outcome apply(int state, bool playListVisible, Event event);

    static QString moveToWhiteBox();
    static QString clickATopic();
    static QStringList blackBoxLines();

    // Top of the play list while the guide points at the lesson list.
    static constexpr int PromptTop = 238;
};
