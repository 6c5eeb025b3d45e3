#pragma once

#include "content/Catalogue.h"
#include "playback/NarrationRecord.h"
#include "playback/PlayerState.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

class DbfTable;
class TableField;

// One lesson's playthrough: the queue of part codes, the part being played
// with its two scripts, the event, the pointer, the narration and what the
// screen must show. The player window is its view: its handlers call the
// steps below and then show what screen() says; its two timers tick the
// engine and follow pointerTimer() and frameTimer().
//
// The engine can also go straight to any event of any queued part, or to any
// narration step, and land in the state that playing up to there produces,
// at the cost of one frame decode: the state before an event follows from
// the scripts alone.
class PlaybackEngine {
public:
    // What the engine asks of its view while a step runs, at the moment the
    // step needs it (a failure there ends the step).
    class View {
    public:
        virtual ~View() = default;
        // Decode and show the frame store's current record.
        virtual void showFrame(const TableField& gr) = 0;
        virtual void movePointer(const QPoint& screen) = 0;
        // The lesson store's caption shows the current part code.
        virtual void currentPartCodeChanged(const QString& code) = 0;
    };

    struct NarrationBox {
        bool visible = false;
        QStringList lines;
        std::optional<int> left; // screen coordinates
        std::optional<int> top;
        int shows = 0;           // counts every showing, so the view raises it each time
    };

    struct Arrow {
        bool visible = false;
        std::optional<NarrationPass::Arrow> picture;
        int left = 0; // panel coordinates of the picture's corner
        int top = 0;
    };

    struct Screen {
        int frameRecord = 0;      // the frame store record on screen
        QPoint pointer;           // screen position of the pointer
        NarrationBox box;
        Arrow arrow;
        QString status;           // the hidden status label's text
    };

    // A narration step of the lesson: where it shows and what it is about.
    struct StepPlace {
        int part = 0;  // index in the queue
        int event = 0;
        QString topic;    // the step's "%Topic" text; empty when it has none
        QStringList text; // the box's lines as the step shows them
    };

    static constexpr int kNarrationPause = 109;
    static constexpr int kNoLesson = 999;
    // The pointer ticks and the pause between arrival and frame step at
    // normal speed.
    static constexpr int kPointerIntervalMs = 200;
    static constexpr int kFrameIntervalMs = 1000;
    static constexpr double kSpeeds[] = {0.5, 1.0, 1.5, 2.0};
    static constexpr int kNormalSpeed = 1; // index of 1x in kSpeeds

    PlaybackEngine() = default;
    PlaybackEngine(const PlaybackEngine&) = delete;
    PlaybackEngine& operator=(const PlaybackEngine&) = delete;

    void setView(View* view) { m_view = view; }
    void setFrameStore(DbfTable* table, const TableField* gr);

    // What the part loader and the launcher give it.
    void setQueue(const QStringList& codes) { m_queue = codes; }
    const QStringList& queue() const { return m_queue; }
    void setEventScript(const QStringList& lines) { m_datlist = lines; }
    const QStringList& eventScript() const { return m_datlist; }
    void setStepScript(const QStringList& lines);
    const QStringList& stepScript() const { return m_lsnlist; }
    void setCurrentPartCode(const QString& code);
    const QString& currentPartCode() const { return m_currentCode; }
    void setMapping(const ScreenMapping& mapping) { m_state.setMapping(mapping); }
    // A new mapping in the middle of playback: the pointer, its target and
    // step, the box and the arrow move to the same recorded places under it.
    void remap(const ScreenMapping& mapping);

    // The steps of the player's handlers.
    void showFirstFrame();   // the player appears: the store's first record
    void run();              // Run: the part from its first event
    void pointerTick();      // Timer1: one pointer step
    void frameStep();        // NEXTFRAME: the next event and frame, or the part's end
    void frameTimer();       // Timer2: a frame step, then who runs next
    void next();             // NEXT in the narration box
    void narrationClosed();  // the narration box was closed
    void stop();             // Close: both timers off, the box hidden

    // Random access within the queued lesson. Throws the engine's error (a
    // store that cannot be opened, a number that is not a number) and then
    // leaves the playthrough as it was.
    void goToEvent(int partIndex, int event);
    void goToStep(int stepIndex);
    std::vector<StepPlace> steps() const;
    int currentPartIndex() const;
    // The event on screen (the last one once the part has ended).
    int currentEvent() const { return std::max(0, std::min(m_state.lineindex / 3, eventCount() - 1)); }
    int eventCount() const { return (int(m_datlist.size()) + 1) / 3; }

    const PlayerState& state() const { return m_state; }
    PlayerState& state() { return m_state; }
    const Screen& screen() const { return m_screen; }
    // A paused playthrough keeps what its timers were doing and runs them
    // again on resume.
    bool pointerTimerOn() const { return m_pointerTimer && !m_paused; }
    bool frameTimerOn() const { return m_frameTimer && !m_paused; }
    void setPaused(bool paused) { m_paused = paused; }
    bool paused() const { return m_paused; }

    // Speed scales both timers' intervals and nothing else.
    void faster() { m_speed = std::min(m_speed + 1, int(std::size(kSpeeds)) - 1); }
    void slower() { m_speed = std::max(m_speed - 1, 0); }
    double speed() const { return kSpeeds[m_speed]; }
    int pointerInterval() const { return int(kPointerIntervalMs / speed() + 0.5); }
    int frameInterval() const { return int(kFrameIntervalMs / speed() + 0.5); }

    // The learner's navigation between narration steps and parts.
    // The step on screen or last passed (-1 before the first).
    int currentStepIndex() const;
    // The step before the one on screen, or the one just read when its box
    // has closed; nothing before the first step.
    void backStep();
    // The current step again from the event before it, glide included.
    void replayStep();
    // Part `partIndex` of the queue from its start, as Run starts it.
    void goToPart(int partIndex) { goToEvent(partIndex, 0); }
    // Run from the menu: back to the part's first frame as well, so the
    // narration and the pointer targets belong to the frame on screen.
    void restartPart();
    // The last queued part has played to its end.
    bool lessonComplete() const;
    // "Lesson 4 · Part 2 of 2 · Step 3 of 12", and "Paused" while paused.
    QString progressText() const;
    int frameTimerTag() const { return m_tag; }
    void setTimers(bool pointer, bool frame) { m_pointerTimer = pointer; m_frameTimer = frame; }
    void setFrameTimerTag(int tag) { m_tag = tag; }

private:
    struct PartNarration {
        // Frame-form passes of the events that have a step, by event number.
        std::map<int, NarrationRecord> byEvent;
        std::map<int, QString> failures; // the pass's error at that event
        std::map<int, QString> topics;   // the topic of the event's first step
    };

    const QString& lineAt(int index) const;
    void showCurrentFrame();
    void movePointer(int x, int y);
    void runNarration(bool frameForm);
    void apply(const NarrationRecord& record, bool frameForm, bool completed);
    void endOfPart();
    bool chainToNextPart();
    const PartNarration& narrationOf(const QString& code, const QStringList& lsnlist) const;
    void loadForSeek(int partIndex);

    View* m_view = nullptr;
    DbfTable* m_table = nullptr;
    const TableField* m_gr = nullptr;

    QStringList m_queue;
    QString m_currentCode;
    QStringList m_datlist;
    QStringList m_lsnlist;
    PlayerState m_state;
    Screen m_screen;

    bool m_pointerTimer = false;
    bool m_frameTimer = false;
    int m_tag = 0;
    int m_runs = 0;      // Runs started, so a frame step sees that it chained
    bool m_runFailed = false;
    bool m_paused = false;
    int m_speed = kNormalSpeed;

    // A part's two scripts as the built-in library holds them, read once.
    struct LibraryPart {
        const Catalogue::PartEntry* entry = nullptr;
        QStringList events;
        QStringList steps;
    };
    const LibraryPart& libraryPart(const QString& code) const;

    mutable std::map<QString, LibraryPart> m_library;
    mutable std::map<QString, PartNarration> m_narrationCache;
    mutable QStringList m_stepsQueue; // the queue m_steps was listed for
    mutable std::vector<StepPlace> m_steps;
};
