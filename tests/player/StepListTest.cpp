#include "CourseBuilder.h"
#include "PlayerFixture.h"

#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "content/StepScript.h"
#include "playback/StepListModel.h"
#include "playback/StepListPlacement.h"
#include "player/BevelPanel.h"
#include "player/KeyHelpOverlay.h"
#include "player/LessonEndOverlay.h"
#include "player/StepListPanel.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>

#include <tuple>

namespace {

constexpr int kLesson = 11; // lesson 12: three chained parts
const QSize kSmall(1024, 768); // no room beside the frame
const QSize kLarge(1920, 1080);

void press(QWidget* to, int key, const QString& text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(to, &event);
}

// Where playback stands and what it waits for.
auto where()
{
    const PlaybackEngine& e = simu_form->engine();
    return std::make_tuple(e.currentPartIndex(), e.currentEvent(), ProForm->Table1.recNo(), e.screen().pointer.x(),
                           e.screen().pointer.y(), e.screen().box.visible, e.screen().box.lines.join('|').toStdString(),
                           simu_form->Timer1->enabled(), simu_form->Timer2->enabled(), e.paused());
}

// Nothing is left waiting: a box with NEXT to press, a timer running, the
// learner's own pause, or the player closed.
bool playbackGoesOn()
{
    const bool boxUp = simu_form->engine().screen().box.visible && popupform->isVisible();
    return !simu_form->isVisible() || simu_form->engine().paused() || boxUp || simu_form->Timer1->enabled()
        || simu_form->Timer2->enabled();
}

class StepListTest : public PlayerWindows {
protected:
    void SetUp() override
    {
        PlayerWindows::SetUp();
        for (const QString& code : Catalogue::partCodes(kLesson)) {
            const Catalogue::PartEntry* part = Catalogue::findPart(code);
            CourseBuilder::makeSmallStore(code, (int(ScriptLibrary::lines(part->sheet, part->eventList).size()) + 1) / 3);
        }
    }

    // The lesson from its start on a screen of the given size.
    void startLesson(const QSize& screen)
    {
        windows.reset();
        windows.emplace();
        Mainf->setPlayQueue(Catalogue::partCodes(kLesson));
        Mainf->runsimu(Mainf->ListBox2->item(kLesson)->text(), kLesson);
        simu_form->resize(screen);
        simu_form->save1Click();
        ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
    }

    static PlaybackEngine& engine() { return simu_form->engine(); }
    static StepListPanel* list() { return simu_form->stepList(); }

    static QTreeWidgetItem* rowOf(int step)
    {
        const auto row = list()->model().rowOf(step);
        return row ? list()->tree()->topLevelItem(row->first)->child(row->second) : nullptr;
    }

    // Plays on, NEXT at every box, until the lesson's end.
    static void playToEnd()
    {
        engine().goToPart(int(engine().queue().size()) - 1);
        for (int guard = 0; guard < 500 && !simu_form->lessonEnd()->isVisible(); ++guard) {
            if (popupform->isVisible())
                popupform->NBClick();
            tickUntilArrived();
            simu_form->Timer2Timer();
        }
    }
};

TEST(StepListModelTest, FirstWordsAreWholeWordsWithinTheRoom)
{
    const struct {
        QStringList text;
        int room;
        QString words;
    } cases[] = {
        {{"  Choose   Form  "}, 20, "Choose Form"},
        {{"Choose Form to start", "a new form."}, 20, "Choose Form to start\u2026"}, // lines joined
        {{"Exactly twenty chars"}, 20, "Exactly twenty chars"},
        {{"Supercalifragilistic word"}, 5, "Super\u2026"}, // a long first word is cut, not lost
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepListModel::firstWords(c.text, c.room), c.words) << c.text.join('|').toStdString();
}

TEST(StepListPlacementTest, BesideTheFrameOnlyWhereAUsableListFits)
{
    using P = StepListPlacement;
    const struct {
        QSize panel;
        QRect frame;
        bool docked;
        int width;
    } cases[] = {
        {{1024, 744}, {192, 132, 640, 480}, false, P::kOverlayWidth}, // 1024 x 768
        {{1920, 1056}, {320, 48, 1280, 960}, true, 320 - 2 * P::kMargin}, // 1920 x 1080 at twice the size
        {{1920, 1056}, {640, 288, 640, 480}, true, P::kMaxDockWidth},   // the same at actual size
        {{1280, 1000}, {0, 20, 1280, 960}, false, P::kOverlayWidth},    // fills the width
        {{1000, 700}, {100, 100, 640, 480}, true, 260 - 2 * P::kMargin}, // room on the right only
        {{1000, 700}, {300, 100, 640, 480}, true, 300 - 2 * P::kMargin}, // the left is wider
        {{876, 700}, {0, 100, 640, 480}, true, P::kMinDockWidth},       // just wide enough
        {{875, 700}, {0, 100, 640, 480}, false, P::kOverlayWidth},      // a pixel short
    };
    for (const auto& c : cases) {
        const P placement = P::place(c.panel, c.frame);
        EXPECT_EQ(placement.docked, c.docked) << c.panel.width() << " " << c.frame.x();
        EXPECT_EQ(placement.rect.width(), c.width) << c.panel.width() << " " << c.frame.x();
        EXPECT_TRUE(QRect(QPoint(0, 0), c.panel).contains(placement.rect)) << c.panel.width();
        // Beside means never over the frame, so playback can go on under the learner's eyes.
        EXPECT_EQ(placement.rect.intersects(c.frame), !c.docked) << c.panel.width() << " " << c.frame.x();
    }
}

TEST_F(StepListTest, ListsEveryPartWithItsStepsByTopicAndMarksTheCurrentOne)
{
    startLesson(kSmall);
    const QStringList codes = Catalogue::partCodes(kLesson);
    ASSERT_EQ(codes.size(), 3);
    const StepListModel model(engine());
    ASSERT_EQ(model.parts().size(), 3u);
    int next = 0;
    for (int p = 0; p < 3; ++p) {
        const StepListModel::Part& part = model.parts()[std::size_t(p)];
        EXPECT_EQ(part.title, QStringLiteral("Part %1 of 3").arg(p + 1));
        // Read again by the strict reader: the first step of each event, in event order.
        const Catalogue::PartEntry* entry = Catalogue::findPart(codes[p]);
        std::map<int, const Step*> expected;
        const std::vector<Step> steps = StepScript::parse(ScriptLibrary::lines(entry->sheet, entry->stepList));
        for (const Step& s : steps)
            expected.emplace(s.screen, &s);
        ASSERT_EQ(part.steps.size(), expected.size()) << p;
        auto it = expected.begin();
        for (const StepListModel::Step& step : part.steps) {
            EXPECT_EQ(step.index, next++);
            EXPECT_EQ(step.topic, it->second->topic) << p << " " << it->first;
            QString words = step.firstWords;
            words.remove(QChar(0x2026));
            EXPECT_FALSE(words.isEmpty());
            EXPECT_TRUE(it->second->narration.join(' ').simplified().startsWith(words)) << words.toStdString();
            ++it;
        }
    }
    EXPECT_EQ(model.stepCount(), next);
    // Exactly one step is marked: the engine's, the first of a part included.
    for (int step : {0, int(model.parts()[1].steps.front().index), next - 1}) {
        engine().goToStep(step);
        const StepListModel marked(engine());
        std::vector<int> current;
        for (const StepListModel::Part& part : marked.parts())
            for (const StepListModel::Step& s : part.steps)
                if (s.current)
                    current.push_back(s.index);
        EXPECT_EQ(current, std::vector<int>{step});
    }
}

TEST_F(StepListTest, ChoosingAStepLandsWhereGoingToItLands)
{
    for (const QSize& screen : {kSmall, kLarge}) {
        startLesson(screen);
        const int steps = int(engine().steps().size());
        for (int step : {steps - 1, 0, int(StepListModel(engine()).parts()[1].steps.front().index)}) {
            engine().goToStep(steps / 2);
            press(simu_form->Panel1, Qt::Key_S, "s");
            ASSERT_TRUE(list()->isVisible());
            EXPECT_EQ(list()->docked(), screen == kLarge);
            list()->tree()->setCurrentItem(rowOf(step));
            press(list()->tree(), Qt::Key_Return, "\r");
            const auto chosen = where();
            // Over the frame the list closes once the learner is there; beside it, it stays.
            EXPECT_EQ(list()->isVisible(), screen == kLarge);
            EXPECT_EQ(list()->isVisible() && rowOf(step)->text(0).startsWith(QChar(0x25b6)), screen == kLarge);
            engine().goToStep(steps / 2);
            engine().goToStep(step);
            simu_form->showEngineState();
            EXPECT_EQ(chosen, where()) << step;
            EXPECT_TRUE(popupform->isVisible());
            if (list()->isVisible())
                press(simu_form->Panel1, Qt::Key_Escape);
        }
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}

// Over the frame, playback waits while the list is open and goes on after
// as it was; beside it, playback never stops.
TEST_F(StepListTest, PausesOnlyOverTheFrameAndRestoresWhatWasBefore)
{
    const struct {
        QSize screen;
        bool pausedBefore;
        int closeKey;
    } cases[] = {
        {kSmall, false, Qt::Key_Escape}, {kSmall, false, Qt::Key_S}, {kSmall, true, Qt::Key_Escape},
        {kLarge, false, Qt::Key_Escape}, {kLarge, true, Qt::Key_S},
    };
    for (const auto& c : cases) {
        startLesson(c.screen);
        popupform->NBClick(); // past the first box: the pointer glides
        if (c.pausedBefore)
            press(simu_form->Panel1, Qt::Key_P, "p");
        const auto before = where();
        press(simu_form->Panel1, Qt::Key_S, "s");
        const bool over = c.screen == kSmall;
        EXPECT_EQ(engine().paused(), over || c.pausedBefore);
        EXPECT_EQ(simu_form->Timer1->enabled(), !over && !c.pausedBefore);
        if (simu_form->Timer1->enabled())
            simu_form->Timer1Timer(); // beside the frame the pointer glides on
        // Typed into the list, the keys that would move playback are the list's.
        for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Space, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_P}) {
            if (key == Qt::Key_P && !over)
                continue; // beside the frame P pauses as ever
            press(list()->tree(), key);
            EXPECT_EQ(engine().paused(), over || c.pausedBefore) << key;
            EXPECT_EQ(engine().currentEvent(), std::get<1>(before)) << key;
            EXPECT_FALSE(engine().screen().box.visible) << key;
        }
        press(list()->tree(), c.closeKey);
        EXPECT_FALSE(list()->isVisible());
        EXPECT_EQ(engine().paused(), c.pausedBefore);
        if (over)
            EXPECT_EQ(where(), before);
        EXPECT_TRUE(playbackGoesOn());
    }
}

TEST_F(StepListTest, EscapeClosesEveryOverlayAndLeavesNothingHanging)
{
    using Open = std::function<QWidget*()>;
    const std::vector<std::pair<const char*, Open>> overlays = {
        {"keys", [] { press(simu_form->Panel1, Qt::Key_F1); return simu_form->keyHelp(); }},
        {"steps", [] { press(simu_form->Panel1, Qt::Key_S, "s"); return list(); }},
        // The key list over the step list: Escape closes the top one only.
        {"keys over steps", [] {
             press(simu_form->Panel1, Qt::Key_S, "s");
             press(list()->tree(), Qt::Key_Question, "?");
             press(list()->tree(), Qt::Key_Escape);
             EXPECT_TRUE(list()->isVisible());
             EXPECT_TRUE(engine().paused() || list()->docked());
             return list();
         }},
        {"lesson end", [] { playToEnd(); return simu_form->lessonEnd(); }},
    };
    for (const QSize& screen : {kSmall, kLarge}) {
        for (const auto& [name, open] : overlays) {
            startLesson(screen);
            QWidget* overlay = open();
            ASSERT_TRUE(overlay->isVisible()) << name;
            press(popupform->isVisible() ? static_cast<QWidget*>(popupform) : simu_form->Panel1, Qt::Key_Escape);
            EXPECT_FALSE(overlay->isVisible()) << name;
            EXPECT_FALSE(engine().paused()) << name;
            EXPECT_TRUE(playbackGoesOn()) << name;
            // Only the lesson's end goes back to the lessons.
            EXPECT_EQ(simu_form->isVisible(), overlay != simu_form->lessonEnd()) << name;
        }
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}

TEST_F(StepListTest, UpDownAndEnterAreTheListsAndReachScreenReaders)
{
    startLesson(kLarge);
    press(simu_form->Panel1, Qt::Key_S, "s");
    ASSERT_EQ(list()->tree()->currentItem(), rowOf(0));
    // Down from the first step past the next part's title; Up back to it.
    const int lastOfFirst = int(list()->model().parts()[0].steps.back().index);
    for (int i = 0; i < lastOfFirst + 1; ++i)
        press(popupform->BBB, Qt::Key_Down); // wherever the focus is
    EXPECT_EQ(list()->tree()->currentItem(), list()->tree()->topLevelItem(1));
    press(list()->tree(), Qt::Key_Up);
    EXPECT_EQ(list()->tree()->currentItem(), rowOf(lastOfFirst));
    // Beside the frame Enter outside the list is still NEXT; in it, it goes there.
    press(popupform->BBB, Qt::Key_Return, "\r");
    EXPECT_FALSE(engine().screen().box.visible);
    EXPECT_EQ(engine().currentStepIndex(), 0);
    press(list()->tree(), Qt::Key_Return, "\r");
    EXPECT_EQ(engine().currentStepIndex(), lastOfFirst);
    EXPECT_TRUE(rowOf(lastOfFirst)->data(0, Qt::AccessibleTextRole).toString().startsWith("Current step, "));

    const struct {
        QObject* object;
        QAccessible::Role role;
        QString name;
    } readable[] = {
        {list(), QAccessible::Pane, "Step list"},
        {list()->tree(), QAccessible::Tree, "Steps"},
        {simu_form->keyHelp(), QAccessible::StaticText, "Keys"},
    };
    for (const auto& r : readable) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(r.object);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), r.name);
        EXPECT_EQ(a->role(), r.role) << r.name.toStdString();
    }
    EXPECT_TRUE(simu_form->keyHelp()->text().contains(QStringLiteral("<b>S</b>")));
}

} // namespace
