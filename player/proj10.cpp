#include "player/proj10.h"

#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "platform/AppError.h"
#include "platform/FrameShow.h"
#include "platform/HandlerGuard.h"
#include "platform/PointerControl.h"
#include "player/ArrowPictures.h"
#include "player/BevelPanel.h"
#include "player/ImageBox.h"
#include "player/KeyHelpOverlay.h"
#include "player/LessonEndOverlay.h"
#include "player/NarrationReader.h"
#include "player/PlayerPartTarget.h"
#include "player/PlayerTimer.h"
#include "player/StepListPanel.h"
#include "player/showm.h"
#include "store/Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>

#include <map>

Tsimu_form* simu_form = nullptr;

namespace {

const QString kWebAddress = QStringLiteral("www.korvane-publishing.example");

QRect screenGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

ImageBox* makeBuiltInArrow(QWidget* parent, NarrationPass::Arrow arrow)
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
    , m_partTarget(std::make_unique<PlayerPartTarget>(*this))
    , m_reader(std::make_unique<NarrationReader>())
{
    m_baseTitle = QStringLiteral("Lessonwright - Korvane Publishing Inc. - ") + kWebAddress;
    setWindowTitle(m_baseTitle);
    m_engine.setView(this);
    // Until a part is loaded the player holds a real part's scripts.
    m_engine.setEventScript(ScriptLibrary::lines(QStringLiteral("proj10"), QStringLiteral("ListBox23")));
    m_engine.setStepScript(ScriptLibrary::lines(QStringLiteral("proj10"), QStringLiteral("ListBox24")));
    if (ProForm != nullptr)
        m_engine.setFrameStore(&ProForm->Table1, &ProForm->Table1GR);

    QMenuBar* menu = menuBar();
    save1 = menu->addAction(QStringLiteral("Run"));
    Close1 = menu->addAction(QStringLiteral("Close"));
    Minimiz1 = menu->addAction(QStringLiteral("Minimize"));
    me1 = menu->addAction(kWebAddress);
    connect(save1, &QAction::triggered, this, [this] { save1Click(); });
    connect(Close1, &QAction::triggered, this, [this] { Close1Click(); });
    connect(Minimiz1, &QAction::triggered, this, [this] { Minimiz1Click(); });
    connect(me1, &QAction::triggered, this, [this] { me1Click(); });
    // Last, so the entries before it keep their places.
    readAloud = menu->addAction(QStringLiteral("Read Aloud"));
    readAloud->setCheckable(true);
    connect(readAloud, &QAction::toggled, this, [this](bool on) { engineStep([&] { setReadAloud(on); }); });
    m_reader->onUnavailable = [this] { engineStep([&] { syncReadAloudEntry(); }); };
    syncReadAloudEntry();

    Panel1 = new BevelPanel(QColor(0, 128, 128), 3, this);
    setCentralWidget(Panel1);
    Image1 = new ImageBox(Panel1);
    Image1->setCenter(true);
    // The frame box paints the panel's colour around the frame itself, so a
    // frame step paints each pixel once.
    Image1->setGround(Panel1->color());
    Panel1->setFillWidget(Image1);
    connect(Image1, &ImageBox::pendingPictureArrived, this, [this] { *framebmp = Image1->picture(); });

    l1r = makeBuiltInArrow(Panel1, NarrationPass::Arrow::Left);
    r1r = makeBuiltInArrow(Panel1, NarrationPass::Arrow::Right);
    d1r = makeBuiltInArrow(Panel1, NarrationPass::Arrow::Down);
    u1r = makeBuiltInArrow(Panel1, NarrationPass::Arrow::Up);

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

    // At the menu bar's right, in the bar's own font, so the bar keeps its
    // height and the frame its place.
    m_progress = new QLabel(menu);
    m_progress->setContentsMargins(0, 0, 8, 0);
    // Plain text: a speech engine's reason shows as written, never as markup,
    // and no change of the line makes the label guess at rich text.
    m_progress->setTextFormat(Qt::PlainText);
    m_progress->setAccessibleName(QStringLiteral("Progress"));
    menu->setCornerWidget(m_progress, Qt::TopRightCorner);

    m_keyHelp = new KeyHelpOverlay(Panel1);
    m_lessonEnd = new LessonEndOverlay(Panel1);
    m_lessonEnd->onNextLesson = [this] { guarded([&] { startNextLesson(); }); };
    m_lessonEnd->onBackToLessons = [this] { Close1Click(); };
    m_stepList = new StepListPanel(m_engine, Panel1);
    m_stepList->runStep = [this](const std::function<void()>& step) { engineStep(step); };

    Timer1 = new PlayerTimer(PlaybackEngine::kPointerIntervalMs, this);
    Timer2 = new PlayerTimer(PlaybackEngine::kFrameIntervalMs, this);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });

    PartLoader::setTarget(m_partTarget.get());
    // Keys go to the player whichever of its windows has the focus: a
    // click on the frame must not leave Enter without a NEXT to press.
    qApp->installEventFilter(this);
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

template <typename Step>
void Tsimu_form::engineStep(Step&& step)
{
    guarded([&] {
        try {
            step();
        } catch (...) {
            // What the step did before it failed stays, and is shown.
            showEngineState();
            throw;
        }
        showEngineState();
    });
}

void Tsimu_form::showEngineState()
{
    // Only a change of speed touches the intervals.
    if (m_engine.speed() != m_shownSpeed) {
        m_shownSpeed = m_engine.speed();
        Timer1->setInterval(m_engine.pointerInterval());
        Timer2->setInterval(m_engine.frameInterval());
    }
    Timer1->setEnabled(m_engine.pointerTimerOn());
    Timer2->setEnabled(m_engine.frameTimerOn());
    Timer2->setTag(m_engine.frameTimerTag());
    Label1->setText(m_engine.screen().status);
    showProgress();
    syncLessonEnd();
    if (m_stepList->isVisible())
        m_stepList->sync();
    syncArrow();
    const PlaybackEngine::NarrationBox& box = m_engine.screen().box;
    m_reader->sync(box.visible && !m_keyHelp->isVisible() && !m_stepList->coversFrame(), box.shows, box.lines.join(QLatin1Char(' ')),
                   m_engine.paused());
    if (popupform == nullptr)
        return;
    holdBoxInside(!PointerControl::canMove());
    // Most frame steps read no step and leave an empty box empty.
    if (box.lines != popupform->lines())
        popupform->setLines(box.lines);
    // The engine places the box on the screen; held inside, it stands on the
    // panel, which starts below the menu bar as the pointer's picture does.
    const QPoint shift = popupform->isWindow() ? QPoint() : QPoint(0, m_engine.state().menuoffset);
    const QPoint current = popupform->pos() + shift;
    const QPoint place(box.left.value_or(current.x()), box.top.value_or(current.y()));
    if (place != current)
        popupform->move(place - shift);
    // The key list, or the step list over the frame, has the box step aside.
    if (!box.visible || m_keyHelp->isVisible() || m_stepList->coversFrame()) {
        popupform->hide();
        return;
    }
    if (box.shows == m_boxShows && popupform->isVisible())
        return;
    m_boxShows = box.shows;
    popupform->show();
    popupform->raise();
    popupform->activateWindow();
    // The system pointer stands above every window; so does the drawn one.
    if (!popupform->isWindow())
        m_pointerImage->raise();
}

void Tsimu_form::holdBoxInside(bool inside)
{
    // Where the pointer cannot be moved (Wayland), windows cannot be placed
    // either: a box of its own would stand wherever the desktop put it, often
    // over the place its pointer and arrow show. It goes on the panel then.
    if (inside != popupform->isWindow())
        return;
    const bool visible = popupform->isVisible();
    if (inside) {
        m_boxWindowFlags = popupform->windowFlags();
        popupform->setParent(Panel1, Qt::Widget);
    } else {
        popupform->setParent(nullptr, m_boxWindowFlags);
    }
    // A window paints its ground; on the panel the frame would show through
    // beside NEXT.
    popupform->setAutoFillBackground(inside);
    popupform->setVisible(visible);
}

void Tsimu_form::sizeProgressLine()
{
    // Wide enough for the longest line, so the bar never lays out again.
    // Measured when the player is first shown, not when the program starts
    // (measuring loads the menu bar's font, which the launcher does not
    // use), and before it is shown: the bar places its corner when it is
    // laid out, and a line widened after that ran off the bar's right end.
    if (m_progress->minimumWidth() > 0)
        return;
    m_progress->setMinimumWidth(m_progress->fontMetrics().horizontalAdvance(
                                    QStringLiteral("Lesson 20 \u00b7 Part 9 of 9 \u00b7 Step 999 of 999 \u00b7 Paused"))
                                + 8);
}

void Tsimu_form::showProgress()
{
    const QString progress = m_engine.progressText();
    if (progress != m_notedOver)
        m_note.clear();
    const QString line = m_note.isEmpty() ? progress : m_note;
    if (line == m_progress->text())
        return;
    m_progress->setText(line);
    // The menu bar shows its actions only to screen readers: the window's
    // description carries the line to them.
    setAccessibleDescription(line);
}

void Tsimu_form::setReadAloud(bool on)
{
    m_reader->setEnabled(on);
    syncReadAloudEntry();
    if (m_reader->enabled() == on) {
        m_note = on ? QStringLiteral("Reading aloud") : QStringLiteral("Reading aloud off");
        m_notedOver = m_engine.progressText();
    }
}

void Tsimu_form::toggleReadAloud()
{
    if (readAloud->isEnabled())
        setReadAloud(!m_reader->enabled());
    else
        syncReadAloudEntry(); // says again why not
}

void Tsimu_form::syncReadAloudEntry()
{
    // A menu bar draws no check marks: the text says when reading is on.
    const QString aside = m_reader->enabled() ? QStringLiteral("on") : m_reader->unavailableReason();
    readAloud->setText(aside.isEmpty() ? QStringLiteral("Read Aloud") : QStringLiteral("Read Aloud (%1)").arg(aside));
    readAloud->setEnabled(m_reader->unavailableReason().isEmpty());
    if (readAloud->isChecked() != m_reader->enabled()) {
        const QSignalBlocker quiet(readAloud);
        readAloud->setChecked(m_reader->enabled());
    }
    if (!readAloud->isEnabled() && isVisible()) {
        m_note = QStringLiteral("Read aloud: %1").arg(m_reader->unavailableReason());
        m_notedOver = m_engine.progressText();
    }
}

void Tsimu_form::syncArrow()
{
    const PlaybackEngine::Arrow& arrow = m_engine.screen().arrow;
    if (arrow.picture) {
        const QImage& picture = builtInArrow(*arrow.picture);
        if (Image2->picture().cacheKey() != picture.cacheKey())
            Image2->setPicture(picture);
    }
    if (Image2->pos() != QPoint(arrow.left, arrow.top))
        Image2->move(arrow.left, arrow.top);
    if (Image2->isVisible() != arrow.visible)
        Image2->setVisible(arrow.visible);
}

const QImage& Tsimu_form::builtInArrow(NarrationPass::Arrow arrow) const
{
    switch (arrow) {
    case NarrationPass::Arrow::Right:
        return r1r->picture();
    case NarrationPass::Arrow::Left:
        return l1r->picture();
    case NarrationPass::Arrow::Down:
        return d1r->picture();
    case NarrationPass::Arrow::Up:
        return u1r->picture();
    default:
        break;
    }
    // The diagonal pictures are drawn once, when first needed.
    static const std::map<NarrationPass::Arrow, QImage> diagonal = {
        {NarrationPass::Arrow::NorthWest, ArrowPictures::picture(NarrationPass::Arrow::NorthWest)},
        {NarrationPass::Arrow::SouthWest, ArrowPictures::picture(NarrationPass::Arrow::SouthWest)},
        {NarrationPass::Arrow::SouthEast, ArrowPictures::picture(NarrationPass::Arrow::SouthEast)},
        {NarrationPass::Arrow::NorthEast, ArrowPictures::picture(NarrationPass::Arrow::NorthEast)},
    };
    return diagonal.at(arrow);
}

void Tsimu_form::FormShow()
{
    guarded([&] {
        const QRect screen = screenGeometry();
        move(screen.topLeft());
        resize(screen.size());
        const QScopedValueRollback<bool> ahead(m_decodeAhead, true);
        m_engine.showFirstFrame();
    });
}

void Tsimu_form::FormClose()
{
    guarded([&] {
        m_keyHelp->hide();
        m_lessonEnd->hide();
        m_stepList->closeList();
        m_pausedForHelp = false;
        m_engine.setPaused(false);
        if (popupform != nullptr)
            popupform->close();
        PointerControl::restoreShape();
        m_pointerImage->hide();
        // However the player is closed (menu or window manager), playback
        // stops: closing the narration box above has just enabled Timer1.
        m_engine.stop();
        showEngineState();
    });
}

void Tsimu_form::showPlayer()
{
    if (!isVisible()) {
        // Sized before it appears so it never flashes at its default size;
        // the show handler sizes it again and draws the first record. That
        // record starts decoding already, while the window is being shown;
        // where it cannot, the show handler tries again and says why.
        {
            const QScopedValueRollback<bool> ahead(m_decodeAhead, true);
            try {
                m_engine.showFirstFrame();
            } catch (const AppError&) {
                // Reported by the show handler, whose own attempt fails alike.
            }
        }
        setGeometry(screenGeometry());
        sizeProgressLine();
        show();
        m_framePendingFrom.clear(); // only this start's show handler finds it
        return;
    }
    raise();
    activateWindow();
    // A part started while the player is showing (the next queued part)
    // starts on its own first frame, not on the last one of the part before.
    guarded([&] { m_engine.showFirstFrame(); });
}

void Tsimu_form::showFrame(const TableField& gr)
{
    // The frame on screen lends its pixels to the next one, so only one
    // frame is ever held and the decoder writes into memory that is already
    // mapped and in the cache. Nothing is painted in between: the new frame
    // is in place before the event loop runs again (one decoded ahead is
    // waited for by the frame box's paint).
    const QByteArray jpeg = gr.value();
    if (!m_framePendingFrom.isNull() && jpeg == m_framePendingFrom)
        return; // the frame box awaits this very frame, started a moment ago
    m_framePendingFrom.clear();
    QImage recycled = Image1->takePicture();
    *framebmp = QImage();
    try {
        if (m_decodeAhead) {
            Image1->setPicture(FrameShow::showLater(jpeg, &recycled));
            m_framePendingFrom = jpeg;
            return;
        }
        FrameShow::showThroughScratchFile(
            jpeg,
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

void Tsimu_form::movePointer(const QPoint& screen)
{
    if (PointerControl::canMove()) {
        PointerControl::SetCursorPos(screen.x(), screen.y());
        return;
    }
    // The system pointer stays where the learner left it (asking to move it
    // only brings a warning): the player's own stands at the same place.
    m_pointerImage->move(screen.x(), screen.y() - m_engine.state().menuoffset);
    m_pointerImage->show();
    m_pointerImage->raise();
}

void Tsimu_form::currentPartCodeChanged(const QString& code)
{
    if (ProForm != nullptr)
        ProForm->setWindowTitle(code);
}

int Tsimu_form::frameScale() const
{
    return m_fitted ? ScreenMapping::fittedScale(Image1->size()) : 1;
}

void Tsimu_form::applyScale(int scale, bool remap)
{
    const int menuoffset = screenGeometry().height() - Panel1->height();
    const ScreenMapping mapping = ScreenMapping::centredIn(Image1->geometry(), menuoffset, scale);
    if (remap)
        m_engine.remap(mapping);
    else
        m_engine.setMapping(mapping);
    Image1->setScale(scale);
    Image2->setScale(scale);
    m_pointerImage->setScale(scale);
    if (popupform != nullptr)
        popupform->setScale(scale);
}

void Tsimu_form::save1Click()
{
    engineStep([&] {
        Minimiz1->setEnabled(false);
        applyScale(frameScale(), false);
        m_engine.restartPart();
    });
}

void Tsimu_form::refitScale()
{
    m_fitted = !m_fitted;
    applyScale(frameScale(), true);
    m_stepList->refit(m_engine.state().mapping().frameOnPanel());
}

void Tsimu_form::openKeyHelp()
{
    // Playback waits while the list is read, and the narration box, which
    // stays on top of everything, steps aside.
    m_pausedForHelp = !m_engine.paused();
    m_engine.setPaused(true);
    m_keyHelp->showCentred(m_engine.state().scale);
    showEngineState();
}

void Tsimu_form::toggleStepList()
{
    if (!m_stepList->isVisible())
        return m_stepList->openList(m_engine.state().mapping().frameOnPanel());
    m_stepList->closeList();
    giveKeysToBox();
}

void Tsimu_form::giveKeysToBox()
{
    // The list took the keyboard. Keys reach NEXT from anywhere in the
    // player, but a screen reader follows the focus: a box still showing
    // gets it back, as it has it whenever it appears.
    if (popupform == nullptr || !popupform->isVisible())
        return;
    if (popupform->isWindow())
        popupform->activateWindow();
    popupform->BBB->setFocus();
}

void Tsimu_form::closeTopOverlay()
{
    // The overlay raised last is the one on top.
    const QObjectList& children = Panel1->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (*it == m_keyHelp && m_keyHelp->isVisible())
            return closeKeyHelp();
        if (*it == m_stepList && m_stepList->isVisible())
            return engineStep([&] {
                m_stepList->closeList();
                giveKeysToBox();
            });
        // At the lesson's end, Escape goes back to the lessons as "Close" does.
        if (*it == m_lessonEnd && m_lessonEnd->isVisible())
            return Close1Click();
    }
}

void Tsimu_form::closeKeyHelp()
{
    if (!m_keyHelp->isVisible())
        return;
    m_keyHelp->hide();
    if (m_pausedForHelp)
        m_engine.setPaused(false);
    m_pausedForHelp = false;
    showEngineState();
}

int Tsimu_form::lessonIndex() const
{
    const Catalogue::PartEntry* part = Catalogue::findPart(m_engine.currentPartCode());
    return part != nullptr ? part->lesson - 1 : -1;
}

void Tsimu_form::syncLessonEnd()
{
    // The caption names the lesson and part on screen.
    const int part = m_engine.currentPartIndex();
    const QString title = part < 0 || lessonIndex() < 0
        ? m_baseTitle
        : QStringLiteral("Lesson %1, part %2 of %3 - %4")
              .arg(lessonIndex() + 1)
              .arg(part + 1)
              .arg(m_engine.queue().size())
              .arg(m_baseTitle);
    if (title != windowTitle())
        setWindowTitle(title);
    const bool complete = m_engine.lessonComplete() && lessonIndex() >= 0;
    if (complete == m_lessonEnd->isVisible())
        return;
    if (!complete) {
        m_lessonEnd->hide();
        return;
    }
    m_lessonEnd->showCentred(lessonIndex() + 1 < int(Catalogue::parts().back().lesson) && m_lessonStarter,
                             m_engine.state().scale);
}

void Tsimu_form::startNextLesson()
{
    const int next = lessonIndex() + 1;
    if (!m_lessonStarter || next >= Catalogue::parts().back().lesson)
        return;
    m_lessonEnd->hide();
    m_lessonStarter(next);
}

bool Tsimu_form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !isVisible() || !watched->isWidgetType())
        return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (window != this && window != popupform)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // The step list's own keys are its own while it is open, the key list
    // above it excepted.
    const auto* target = static_cast<QWidget*>(watched);
    if (!m_keyHelp->isVisible()
        && m_stepList->listKey(key->key(), target == m_stepList || m_stepList->isAncestorOf(target)))
        return true;
    return playerKey(key->key(), key->text());
}

bool Tsimu_form::playerKey(int key, const QString& text)
{
    bool handled = true;
    const bool boxUp = m_engine.screen().box.visible;
    if (m_keyHelp->isVisible() && key != Qt::Key_Escape && key != Qt::Key_F1 && text != QLatin1String("?"))
        return true; // the list is read first; it hides the keys it lists
    // Over the frame the step list holds playback: the keys that would move
    // it wait until the list closes.
    if (m_stepList->coversFrame() && key != Qt::Key_S && key != Qt::Key_Escape && key != Qt::Key_F1
        && text != QLatin1String("?"))
        return true;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_lessonEnd->isVisible()) {
            guarded([&] { startNextLesson(); });
            break;
        }
        [[fallthrough]];
    case Qt::Key_Space:
    case Qt::Key_Right:
        // NEXT as the box's button does it; without a box the key does nothing.
        if (boxUp && popupform != nullptr)
            popupform->NBClick();
        break;
    case Qt::Key_Left:
    case Qt::Key_Backspace:
        engineStep([&] { m_engine.backStep(); });
        break;
    case Qt::Key_R:
        engineStep([&] { m_engine.replayStep(); });
        break;
    case Qt::Key_P:
    case Qt::Key_Pause:
        engineStep([&] { m_engine.setPaused(!m_engine.paused()); });
        break;
    case Qt::Key_PageDown:
        engineStep([&] {
            if (m_engine.currentPartIndex() + 1 < m_engine.queue().size())
                m_engine.goToPart(m_engine.currentPartIndex() + 1);
        });
        break;
    case Qt::Key_PageUp:
        engineStep([&] { m_engine.goToPart(std::max(0, m_engine.currentPartIndex() - 1)); });
        break;
    case Qt::Key_Home:
        engineStep([&] { m_engine.goToPart(std::max(0, m_engine.currentPartIndex())); });
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        engineStep([&] { m_engine.faster(); });
        break;
    case Qt::Key_Minus:
        engineStep([&] { m_engine.slower(); });
        break;
    case Qt::Key_Z:
        engineStep([&] { refitScale(); });
        break;
    case Qt::Key_T:
        engineStep([&] { toggleReadAloud(); });
        break;
    case Qt::Key_F1:
    case Qt::Key_Question:
        if (m_keyHelp->isVisible())
            closeKeyHelp();
        else
            openKeyHelp();
        break;
    case Qt::Key_S:
        engineStep([&] { toggleStepList(); });
        break;
    case Qt::Key_Escape:
        // The top overlay closes; playback itself is never left waiting.
        closeTopOverlay();
        break;
    default:
        handled = false;
    }
    return handled;
}

void Tsimu_form::Close1Click()
{
    guarded([&] {
        close();
        if (popupform != nullptr)
            popupform->close();
        // Last, because closing the narration box enables Timer1.
        m_engine.stop();
        showEngineState();
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
        if (m_aboutBox != nullptr)
            m_aboutBox->exec();
    });
}

void Tsimu_form::Timer1Timer()
{
    engineStep([&] { m_engine.pointerTick(); });
}

void Tsimu_form::NEXTFRAME()
{
    m_engine.frameStep();
}

void Tsimu_form::Timer2Timer()
{
    // A failing frame step shows its error box from inside this handler, so
    // Timer2 does not fire again until the learner has closed the box:
    // playback waits while the message is read.
    engineStep([&] { m_engine.frameTimer(); });
}

void Tsimu_form::narrationNext()
{
    engineStep([&] { m_engine.next(); });
}

void Tsimu_form::narrationClosed()
{
    engineStep([&] { m_engine.narrationClosed(); });
}
