#pragma once

#include "player/PlayerState.h"

#include <QImage>
#include <QMainWindow>
#include <QStringList>

#include <memory>

class BevelPanel;
class ImageBox;
class PlayerPartTarget;
class PlayerTimer;
class QAction;
class QLabel;

// The full-screen player: shows a part's frames one after another, glides the
// pointer to each recorded mouse event and shows the narration box with its
// arrow. Two timers alternate: Timer1 moves the pointer, Timer2 a second
// after it arrived shows the next frame. The windows it works with are
// reached through their global instances (ProForm's Table1 and caption,
// Mainf's play queue, popupform, AboutBox).
class Tsimu_form : public QMainWindow {
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

    // The event and step scripts of the current part.
    QStringList datlist;
    QStringList lsnlist;

    PlayerState state;
    std::unique_ptr<QImage> framebmp; // the one frame on screen

    QAction* save1 = nullptr;
    QAction* Close1 = nullptr;
    QAction* Minimiz1 = nullptr;
    QAction* me1 = nullptr;
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
    static constexpr int kNarrationPause = 109;

    // Where the pointer is drawn when the platform does not let a program
    // move the real one.
    ImageBox* pointerImage() const { return m_pointerImage; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void showCurrentFrame();
    void movePointer(int x, int y);
    void runNarration(bool frameForm);
    void endOfPart();
    void chainToNextPart();
    const QString& lineAt(int index) const;

    std::unique_ptr<PlayerPartTarget> m_partTarget;
    ImageBox* m_pointerImage = nullptr;
};

extern Tsimu_form* simu_form;
