#pragma once

#include "playback/PlaybackEngine.h"

#include <QImage>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class BevelPanel;
class ImageBox;
class KeyHelpOverlay;
class LessonEndOverlay;
class NarrationReader;
class PlayerPartTarget;
class PlayerTimer;
class QAction;
class QDialog;
class QLabel;
class StepListPanel;

// The full-screen player: the view of the playback engine. Its handlers do
// their steps by calling the engine and then show what the engine says is
// on screen: the frame, the pointer, the narration box and the arrow. Its
// two timers tick the engine (Timer1 the pointer, Timer2 the frame a second
// after the pointer arrived) and are switched as the engine says. It reads
// frames through ProForm's Table1 and shows the narration box popupform.
class Tsimu_form : public QMainWindow, private PlaybackEngine::View {
    Q_OBJECT
public:
    explicit Tsimu_form(QWidget* parent = nullptr);
    ~Tsimu_form() override;

    // Menu entries.
    void save1Click();    // "Run": restart the part's events and narration
    void Close1Click();   // "Close": hide and stop
    void Minimiz1Click(); // "Minimize": no action
    void me1Click();      // publisher entry: the about box, modally

    // The timers' handlers and the frame step.
    void Timer1Timer();
    void Timer2Timer();
    void NEXTFRAME();

    // The part loader's "show the player": a hidden window is shown (its
    // show handler draws the first record); a shown one comes to the front
    // and draws the first record of the part just opened.
    void showPlayer();

    // The playthrough: queue, part, scripts, event, pointer and narration.
    PlaybackEngine& engine() { return m_engine; }
    const PlaybackEngine& engine() const { return m_engine; }

    // The publisher entry shows this box (the launcher's about box).
    void setAboutBox(QDialog* box) { m_aboutBox = box; }

    // NEXT and closing in the narration box.
    void narrationNext();
    void narrationClosed();

    // Shows what the engine says is on screen: timers, narration box,
    // arrow and status. Every handler ends with it, also when it failed.
    void showEngineState();

    std::unique_ptr<QImage> framebmp; // the one frame on screen

    QAction* save1 = nullptr;
    QAction* Close1 = nullptr;
    QAction* Minimiz1 = nullptr;
    QAction* me1 = nullptr;
    QAction* readAloud = nullptr; // "T": read each narration box aloud
    BevelPanel* Panel1 = nullptr;
    ImageBox* Image1 = nullptr; // the frame
    ImageBox* Image2 = nullptr; // the arrow
    ImageBox* l1r = nullptr;    // built-in arrow pictures
    ImageBox* r1r = nullptr;
    ImageBox* d1r = nullptr;
    ImageBox* u1r = nullptr;
    QLabel* Label1 = nullptr;   // status, never shown
    PlayerTimer* Timer1 = nullptr;
    PlayerTimer* Timer2 = nullptr;

    // The narration pause mark in Timer2's tag: the frame step showed the box.
    static constexpr int kNarrationPause = PlaybackEngine::kNarrationPause;

    // Where the pointer is drawn when the platform does not let a program
    // move the real one.
    ImageBox* pointerImage() const { return m_pointerImage; }

    // The learner's keys, wherever the focus is in the player or its
    // narration box. Returns whether the key was the player's.
    bool playerKey(int key, const QString& text);
    // Screen pixels per recorded pixel: the largest whole number that fits
    // the panel, or 1 at actual size ("Z").
    int frameScale() const;
    QLabel* progressLine() const { return m_progress; }
    KeyHelpOverlay* keyHelp() const { return m_keyHelp; }
    LessonEndOverlay* lessonEnd() const { return m_lessonEnd; }
    StepListPanel* stepList() const { return m_stepList; }
    const NarrationReader& narrationReader() const { return *m_reader; }
    // The launcher plays lesson index 0..19 for "Next lesson".
    void setLessonStarter(std::function<void(int lessonIndex)> starter) { m_lessonStarter = std::move(starter); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    template <typename Step>
    void engineStep(Step&& step);
    void syncArrow();
    void holdBoxInside(bool inside);
    void applyScale(int scale, bool remap);
    void refitScale();
    void openKeyHelp();
    void syncLessonEnd();
    void startNextLesson();
    int lessonIndex() const;
    void closeKeyHelp();
    void toggleStepList();
    void closeTopOverlay();
    void giveKeysToBox();
    const QImage& builtInArrow(NarrationPass::Arrow arrow) const;
    void showProgress();
    void sizeProgressLine();
    void setReadAloud(bool on);
    void toggleReadAloud();
    void syncReadAloudEntry();

    // What the engine asks of its view.
    void showFrame(const TableField& gr) override;
    void movePointer(const QPoint& screen) override;
    void currentPartCodeChanged(const QString& code) override;

    PlaybackEngine m_engine;
    std::unique_ptr<PlayerPartTarget> m_partTarget;
    ImageBox* m_pointerImage = nullptr;
    QDialog* m_aboutBox = nullptr;
    int m_boxShows = 0; // the engine's count of box showings last shown
    QLabel* m_progress = nullptr;
    KeyHelpOverlay* m_keyHelp = nullptr;
    LessonEndOverlay* m_lessonEnd = nullptr;
    StepListPanel* m_stepList = nullptr;
    std::function<void(int)> m_lessonStarter;
    std::unique_ptr<NarrationReader> m_reader;
    // A note shown in place of the progress line until the line changes.
    QString m_note;
    QString m_notedOver;
    Qt::WindowFlags m_boxWindowFlags = {}; // the box's own, while it is held inside
    QString m_baseTitle;
    bool m_pausedForHelp = false; // the key list paused playback, so closing it resumes
    bool m_fitted = true; // false: actual size, until the player closes
    double m_shownSpeed = 1.0; // the speed the timers' intervals were set for
    // While the player comes up, its first frame is decoded on a worker as
    // the windows are shown, and waited for when it is painted.
    bool m_decodeAhead = false;
    // The bytes of the first frame decoded ahead, from just before the
    // window is shown until its show handler has run.
    QByteArray m_framePendingFrom;
};

extern Tsimu_form* simu_form;
