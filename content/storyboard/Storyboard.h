#pragma once

#include "content/EventScript.h"
#include "content/StepScript.h"
#include "content/designer/ScreenModel.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// A recorded session written down: the designer's starting state, the
// recorded actions in order and the narration steps tied to them. One
// storyboard yields a part's event script, its step script and its frames.
class Storyboard {
public:
    struct Entry {
        enum class Kind { Command, Action, Step };
        Kind kind = Kind::Command;
        int line = 0;             // 1-based line in the storyboard text
        QString verb;
        QString args;
        // Steps only.
        QString topic;
        std::optional<QRect> location;
        QString arrow;            // direction code, empty for none
        QString arrowTarget;      // named target the arrow points at
        std::optional<QPoint> arrowAt;   // explicit position: x left, y top
        QStringList narration;
    };

    // Parses storyboard text; throws AppError naming the line on a syntax
    // error. Targets are not resolved here: play() does that.
    static Storyboard parse(const QStringList& lines, const QString& name = QString());
    // The compiled-in storyboard of a part; throws when there is none.
    static Storyboard builtIn(const QString& code);
    static bool hasBuiltIn(const QString& code);
    // The size of an arrow picture by direction code ("R", "NW", ...), so an
    // arrow can be set beside what it points at.
    static QSize arrowSize(const QString& code);

    QString code() const { return m_code; }
    // Why the part does not carry on from the form the part before it left
    // (a fresh module, a sample opened from disc); empty when it does.
    QString startsElsewhere() const { return m_startsElsewhere; }
    const std::vector<Entry>& entries() const { return m_entries; }

    // What play() reports for every recorded event, before the event acts:
    // the screen as that event's frame shows it and the record it yields.
    struct Frame {
        int index = 0;
        const ScreenModel* screen = nullptr;
        QString target;           // element the event acts on; empty for keys
        EventRecord record;
        // The control the narration step shown with this frame is about:
        // the step's arrow target, else the event's target, else (keys)
        // the focused control; empty when no step starts here.
        QString subject;
    };
    using FrameVisitor = std::function<void(const Frame&)>;

    // Replays the session. Throws AppError naming the storyboard line when a
    // target does not exist in the state reached or a step cannot be tied
    // to an event.
    // Where a step's attention goes on its frame: the control the next
    // record acts on (the focused field for a key), the point the pointer
    // glides to (none for a key) and the control the arrow aims at.
    struct StepFocus {
        QRect control;
        std::optional<QPoint> pointer;
        QRect arrowAim;
    };
    struct Result {
        std::vector<EventRecord> events;
        std::vector<Step> steps;
        std::vector<StepFocus> focus;   // one per step, in step order
        // The form as the first frame shows it and as the last state
        // command leaves it (ScreenModel::formOutline).
        QStringList startForm;
        QStringList endForm;
    };
    Result play(const FrameVisitor& visitor = {}) const;

private:
    QString m_name;
    QString m_code;
    QString m_startsElsewhere;
    std::vector<Entry> m_entries;
};

namespace StoryboardText {
// The text form of a storyboard stored as a resource or file.
QStringList load(const QString& path);
} // namespace StoryboardText
