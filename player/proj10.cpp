#include "player/proj10.h"

#include "content/ScriptLibrary.h"
#include "launcher/about.h"
#include "launcher/menuunit_.h"
#include "platform/AppError.h"
#include "platform/HandlerGuard.h"
#include "platform/PointerControl.h"
#include "player/ArrowPictures.h"
#include "player/BevelPanel.h"
#include "player/EventLine.h"
#include "player/FrameOrigin.h"
#include "player/FrameShow.h"
#include "player/ImageBox.h"
#include "player/NarrationPass.h"
#include "player/PlayQueue.h"
#include "player/PlayerPartTarget.h"
#include "player/PlayerTimer.h"
#include "player/PointerMotion.h"
#include "player/showm.h"
#include "store/Unit1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>

Tsimu_form* simu_form = nullptr;

namespace {

const QString kWebAddress = QStringLiteral("www.korvane-publishing.example");
const QString kOn = QStringLiteral("ON");
const QString kDone = QStringLiteral("Done");

// The chaining passes a lesson index that selects no lesson, so that the
// code alone chooses the part.
constexpr int kNoLesson = 999;

QRect screenGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// Puts what the narration pass reads onto the narration box and the arrow.
// The text is collected and given to the box once the pass is over, so the
// box lays it out once instead of once per line.
class WindowNarrationView : public NarrationPass::View {
public:
    explicit WindowNarrationView(Tsimu_form& player)
        : m_player(player)
    {
    }

    void clearText() override
    {
        m_lines.clear();
        m_textChanged = true;
    }
    void appendText(const QString& line) override
    {
        m_lines << line;
        m_textChanged = true;
    }
    // Called when the pass is over, also when it failed part-way: the box
    // then holds what was read, as it would have line by line.
    void commitText()
    {
        // Most frame steps read no step and leave an empty box empty.
        if (m_textChanged && m_lines != popupform->lines())
            popupform->setLines(m_lines);
        m_textChanged = false;
    }
    void setBoxLeft(int left) override { popupform->move(left, popupform->y()); }
    void setBoxTop(int top) override { popupform->move(popupform->x(), top); }
    void setArrowTop(int top) override { m_player.Image2->move(m_player.Image2->x(), top); }
    void setArrowLeft(int left) override { m_player.Image2->move(left, m_player.Image2->y()); }

    void copyArrowPicture(NarrationPass::Arrow arrow) override
    {
        const ImageBox* source = nullptr;
        switch (arrow) {
        case NarrationPass::Arrow::Right:
            source = m_player.r1r;
            break;
        case NarrationPass::Arrow::Left:
            source = m_player.l1r;
            break;
        case NarrationPass::Arrow::Down:
            source = m_player.d1r;
            break;
        case NarrationPass::Arrow::Up:
            source = m_player.u1r;
            break;
        }
        if (source != nullptr)
            m_player.Image2->setPicture(source->picture());
    }

private:
    Tsimu_form& m_player;
    QStringList m_lines;
    bool m_textChanged = false;
};

ImageBox* builtInArrow(QWidget* parent, NarrationPass::Arrow arrow)
{
    auto* box = new ImageBox(parent);
    box->setAutoSize(true);
    box->setTransparent(true);
    box->setPicture(ArrowPictures::picture(arrow));
    box->hide();
    return box;
}

} // namespace

Tsimu_form::Tsimu_form(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::FramelessWindowHint)
    , datlist(ScriptLibrary::lines(QStringLiteral("proj10"), QStringLiteral("ListBox23")))
    , lsnlist(ScriptLibrary::lines(QStringLiteral("proj10"), QStringLiteral("ListBox24")))
    , m_partTarget(std::make_unique<PlayerPartTarget>(*this))
{
    setWindowTitle(QStringLiteral("Lessonwright - Korvane Publishing Inc. - ") + kWebAddress);

    QMenuBar* menu = menuBar();
    save1 = menu->addAction(QStringLiteral("Run"));
    Close1 = menu->addAction(QStringLiteral("Close"));
    Minimiz1 = menu->addAction(QStringLiteral("Minimize"));
    me1 = menu->addAction(kWebAddress);
    connect(save1, &QAction::triggered, this, [this] { save1Click(); });
    connect(Close1, &QAction::triggered, this, [this] { Close1Click(); });
    connect(Minimiz1, &QAction::triggered, this, [this] { Minimiz1Click(); });
    connect(me1, &QAction::triggered, this, [this] { me1Click(); });

    Panel1 = new BevelPanel(QColor(0, 128, 128), 3, this);
    setCentralWidget(Panel1);
    Image1 = new ImageBox(Panel1);
    Image1->setCenter(true);
    // The frame box paints the panel's colour around the frame itself, so a
    // frame step paints each pixel once.
    Image1->setGround(Panel1->color());
    Panel1->setFillWidget(Image1);

    l1r = builtInArrow(Panel1, NarrationPass::Arrow::Left);
    r1r = builtInArrow(Panel1, NarrationPass::Arrow::Right);
    d1r = builtInArrow(Panel1, NarrationPass::Arrow::Down);
    u1r = builtInArrow(Panel1, NarrationPass::Arrow::Up);

    Image2 = new ImageBox(Panel1);
    Image2->setAutoSize(true);
    Image2->setTransparent(true);
    Image2->hide();

    m_pointerImage = new ImageBox(Panel1);
    m_pointerImage->setAutoSize(true);
    m_pointerImage->setTransparent(true);
    m_pointerImage->setPicture(ArrowPictures::pointerPicture());
    m_pointerImage->hide();

    Label1 = new QLabel(Panel1);
    Label1->hide();

    Timer1 = new PlayerTimer(200, this);
    Timer2 = new PlayerTimer(1000, this);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });

    PartLoader::setTarget(m_partTarget.get());
    FormCreate();
}

Tsimu_form::~Tsimu_form()
{
    // Only withdraw the loader's target when it is still ours.
    PartLoader::Target* current = PartLoader::setTarget(nullptr);
    if (current != m_partTarget.get())
        PartLoader::setTarget(current);
}

void Tsimu_form::FormCreate()
{
    framebmp = std::make_unique<QImage>();
    Image2->move(0, 0);
}

void Tsimu_form::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tsimu_form::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void Tsimu_form::FormShow()
{
    guarded([&] {
        const QRect screen = screenGeometry();
        move(screen.topLeft());
        resize(screen.size());
        if (ProForm == nullptr || !ProForm->Table1.isOpen())
            return;
        ProForm->Table1.first();
        showCurrentFrame();
    });
}

void Tsimu_form::FormClose()
{
    guarded([&] {
        if (popupform != nullptr)
            popupform->close();
        PointerControl::restoreShape();
        m_pointerImage->hide();
        // However the player is closed (menu or window manager), playback
        // stops: closing the narration box above has just enabled Timer1.
        Timer1->setEnabled(false);
        Timer2->setEnabled(false);
    });
}

void Tsimu_form::showPlayer()
{
    if (!isVisible()) {
        // Sized before it appears so it never flashes at its default size;
        // the show handler sizes it again and draws the first record.
        setGeometry(screenGeometry());
        show();
        return;
    }
    raise();
    activateWindow();
    // A part started while the player is showing (the next queued part)
    // starts on its own first frame, not on the last one of the part before.
    guarded([&] {
        if (ProForm == nullptr || !ProForm->Table1.isOpen())
            return;
        ProForm->Table1.first();
        showCurrentFrame();
    });
}

void Tsimu_form::showCurrentFrame()
{
    // The frame on screen lends its pixels to the next one, so only one
    // frame is ever held and the decoder writes into memory that is already
    // mapped and in the cache. Nothing is painted in between: the new frame
    // is in place before the event loop runs again.
    QImage recycled = Image1->takePicture();
    *framebmp = QImage();
    try {
        FrameShow::show(
            ProForm->Table1GR,
            [this](std::unique_ptr<QImage> decoded) {
                *framebmp = decoded ? std::move(*decoded) : QImage();
                Image1->setPicture(*framebmp);
            },
            &recycled);
    } catch (...) {
        // The scratch file failed before the decoder ran: the frame that
        // was on screen stays.
        if (!recycled.isNull()) {
            *framebmp = recycled;
            Image1->setPicture(*framebmp);
        }
        throw;
    }
}

void Tsimu_form::movePointer(int x, int y)
{
    PointerControl::SetCursorPos(x, y);
    if (PointerControl::canMove())
        return;
    m_pointerImage->move(x, y - state.menuoffset);
    m_pointerImage->show();
    m_pointerImage->raise();
}

const QString& Tsimu_form::lineAt(int index) const
{
    if (index < 0 || index >= datlist.size())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return datlist.at(index);
}

void Tsimu_form::runNarration(bool frameForm)
{
    WindowNarrationView view(*this);
    try {
        NarrationPass::run(frameForm ? NarrationPass::Form::Frame : NarrationPass::Form::Run,
                           lsnlist, state, view);
    } catch (...) {
        view.commitText();
        throw;
    }
    view.commitText();
    if (frameForm)
        Image2->setVisible(state.arrowstate == kOn);
    if (state.stepstate != kDone) {
        popupform->hide();
        return;
    }
    popupform->show();
    popupform->raise();
    popupform->activateWindow();
    if (frameForm) {
        Timer1->setEnabled(false);
        Timer2->setTag(kNarrationPause);
    }
}

void Tsimu_form::save1Click()
{
    guarded([&] {
        popupform->hide();
        Minimiz1->setEnabled(false);
        state.menuoffset = screenGeometry().height() - Panel1->height();
        const QPoint origin = FrameOrigin::origin(Image1->geometry(), state.menuoffset);
        state.originx = origin.x();
        state.originy = origin.y();
        state.curx = state.originx;
        state.cury = state.originy;
        movePointer(state.curx, state.cury);
        state.lineindex = 0;
        state.curline = lineAt(0);
        state.screennum = EventLine::eventNumber(state.curline);
        // Run reads the step for event 0 without its arrow lines and leaves
        // the arrow as the last frame step placed it.
        runNarration(false);
        // Every shipped part begins with a mouse event, so the line is not
        // checked first; a key line fails the conversion and the pointer
        // stays put.
        PointerMotion::setUpTarget(state, state.curline);
        if (!popupform->isVisible())
            Timer1->setEnabled(true);
    });
}

void Tsimu_form::Close1Click()
{
    guarded([&] {
        close();
        popupform->close();
        // Last, because closing the narration box enables Timer1.
        Timer1->setEnabled(false);
        Timer2->setEnabled(false);
    });
}

void Tsimu_form::Minimiz1Click()
{
    // Deliberately nothing: the player stays full-screen.
}

void Tsimu_form::me1Click()
{
    guarded([&] {
        // Modal, but playback goes on: the timers keep ticking in the
        // about box's event loop.
        if (AboutBox != nullptr)
            AboutBox->exec();
    });
}

void Tsimu_form::Timer1Timer()
{
    guarded([&] {
        const bool arrived = PointerMotion::tick(state, [this](int x, int y) { movePointer(x, y); });
        if (!arrived)
            return;
        Timer1->setEnabled(false);
        Timer2->setEnabled(true);
    });
}

void Tsimu_form::NEXTFRAME()
{
    state.lineindex += 3;
    if (state.lineindex > datlist.size() - 1) {
        endOfPart();
        return;
    }
    ProForm->Table1.next();
    showCurrentFrame();
    state.curline = lineAt(state.lineindex);
    state.screennum = EventLine::eventNumber(state.curline);
    Label1->setText(QString::number(ProForm->Table1.recNo()));
    // A key line keeps the last target: the pointer is already on it, so the
    // next tick jumps in place.
    if (EventLine::isMouse(state.curline))
        PointerMotion::setUpTarget(state, state.curline);
    runNarration(true);
}

void Tsimu_form::Timer2Timer()
{
    guarded([&] {
        NEXTFRAME();
        if (state.lineindex <= datlist.size() - 1) {
            if (Timer2->tag() == kNarrationPause) {
                Timer2->setTag(0);
            } else if (!popupform->isVisible()) {
                Timer1->setEnabled(true);
            }
            // Otherwise a part chained in by this step showed its first
            // narration box: the pointer waits for NEXT, as it does for a
            // part started from the launcher.
            Timer2->setEnabled(false);
            return;
        }
        // The part ended and the first attempt started nothing (its code may
        // have been a base part, which chaining cannot start): try once more
        // from the code it left as current.
        chainToNextPart();
    });
}

void Tsimu_form::endOfPart()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Label1->setText(QStringLiteral("Done....."));
    chainToNextPart();
}

void Tsimu_form::chainToNextPart()
{
    if (Mainf == nullptr || Mainf->playlistbox == nullptr || ProForm == nullptr)
        return;
    QStringList queue;
    for (int i = 0; i < Mainf->playlistbox->count(); ++i)
        queue << Mainf->playlistbox->item(i)->text();
    const std::optional<QString> next = PlayQueue::successor(queue, ProForm->windowTitle());
    if (!next)
        return;
    Mainf->runsimu(*next, kNoLesson);
    ProForm->setWindowTitle(*next);
}
