#pragma once

#include "playback/NarrationRecord.h"
#include "playback/PlayerState.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <algorithm>
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

    // A narration step of the lesson: where it shows.
    struct StepPlace {
        int part = 0;  // index in the queue
        int event = 0;
    };

    static constexpr int kNarrationPause = 109;
    static constexpr int kNoLesson = 999;

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
    bool pointerTimerOn() const { return m_pointerTimer; }
    bool frameTimerOn() const { return m_frameTimer; }
    int frameTimerTag() const { return m_tag; }
    void setTimers(bool pointer, bool frame) { m_pointerTimer = pointer; m_frameTimer = frame; }
    void setFrameTimerTag(int tag) { m_tag = tag; }

private:
    struct PartNarration {
        // Frame-form passes of the events that have a step, by event number.
        std::map<int, NarrationRecord> byEvent;
        std::map<int, QString> failures; // the pass's error at that event
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

    mutable std::map<QString, PartNarration> m_narrationCache;
};
