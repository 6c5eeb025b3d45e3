#include "CourseBuilder.h"
#include "PlayerFixture.h"

#include "playback/PartLoader.h"
#include "player/ImageBox.h"

#include <QLabel>

#include <map>

using CourseBuilder::frameColour;

namespace {

// Loads parts into the real windows, but with scripts written by the test
// instead of the library's: the part's code picks them when it is set.
class ScriptedTarget : public PartLoader::Target {
public:
    explicit ScriptedTarget(PartLoader::Target& real)
        : m_real(real)
    {
    }

    std::map<QString, QStringList> events;
    std::map<QString, QStringList> steps;
    QStringList loaded; // codes, in loading order

    void setEventScript(const QStringList&) override {}
    void setStepScript(const QStringList&) override {}
    DbfTable& frameStore() override { return m_real.frameStore(); }
    void setCurrentPartCode(const QString& code) override
    {
        m_real.setCurrentPartCode(code);
        m_real.setEventScript(events[code]);
        m_real.setStepScript(steps[code]);
        loaded << code;
    }
    void showPlayer() override { m_real.showPlayer(); }
    void runPlayer() override { m_real.runPlayer(); }

private:
    PartLoader::Target& m_real;
};

} // namespace

class ChainingTest : public PlayerWindows {
protected:
    void SetUp() override
    {
        PlayerWindows::SetUp();
        PartLoader::Target* real = PartLoader::setTarget(nullptr);
        ASSERT_NE(real, nullptr);
        m_target = std::make_unique<ScriptedTarget>(*real);
        PartLoader::setTarget(m_target.get());
    }

    void TearDown() override
    {
        PartLoader::setTarget(nullptr);
        m_target.reset();
        PlayerWindows::TearDown();
    }

    // A two-event part with its own two-frame store.
    void makePart(const QString& code, int storeNumber, const QStringList& steps = {})
    {
        m_target->events[code] = script({mouseEvent(0, 40 + storeNumber, 30), mouseEvent(1, 80, 60)});
        m_target->steps[code] = steps;
        CourseBuilder::makeStore(code, {frameColour(storeNumber, 0), frameColour(storeNumber, 1)});
    }

    // Plays the loaded part to its end: pointer and frame steps, with NEXT
    // pressed whenever a box comes up.
    void playToEnd()
    {
        for (int guard = 0; guard < 50; ++guard) {
            if (popupform->isVisible())
                popupform->NBClick();
            if (simu_form->Timer1->enabled())
                tickUntilArrived();
            if (!simu_form->Timer2->enabled())
                return;
            const QString before = ProForm->windowTitle();
            simu_form->Timer2Timer();
            if (ProForm->windowTitle() != before)
                return; // the next part has been started
        }
        ADD_FAILURE() << "part never ended";
    }

    std::unique_ptr<ScriptedTarget> m_target;
};

TEST_F(ChainingTest, LessonTwentyPlaysAllEightPartsInQueueOrder)
{
    const QStringList codes = {"p20", "p20a", "p20b", "p20c", "p20d", "p20d1", "p20e", "p20f"};
    for (int i = 0; i < codes.size(); ++i)
        makePart(codes[i], i);
    setQueue(codes);
    Mainf->runsimu(QStringLiteral("Lesson 20:  Create Form with Control Block"), 19);
    ASSERT_EQ(m_target->loaded, QStringList{"p20"});
    for (int i = 1; i < codes.size(); ++i) {
        playToEnd();
        ASSERT_EQ(m_target->loaded.size(), i + 1) << errors.messages.join('|').toStdString();
        EXPECT_EQ(m_target->loaded.back(), codes[i]);
        EXPECT_EQ(ProForm->windowTitle(), codes[i]);
        // The chained part starts on its own first frame, pointer gliding.
        EXPECT_TRUE(CourseBuilder::near(CourseBuilder::centreColour(simu_form->Image1->picture()),
                                        frameColour(i, 0)))
            << codes[i].toStdString();
        EXPECT_TRUE(simu_form->Timer1->enabled());
        EXPECT_FALSE(simu_form->Timer2->enabled());
    }
    playToEnd();
    EXPECT_EQ(m_target->loaded, codes);
    EXPECT_EQ(simu_form->Label1->text(), "Done.....");
    EXPECT_FALSE(simu_form->Timer1->enabled());
    EXPECT_FALSE(simu_form->Timer2->enabled());
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}

TEST_F(ChainingTest, QueueShapesDecideWhatFollows)
{
    const struct {
        const char* name;
        QStringList queue;
        int endings;        // parts played to their end
        QStringList loaded; // every part started, the first by the launcher
    } cases[] = {
        // Lesson 11 stops after its last part.
        {"lesson 11", {"p11", "p11a", "p11b", "p11c"}, 5, {"p11", "p11a", "p11b", "p11c"}},
        // A base code cannot be started by chaining: the second attempt
        // starts the code after it.
        {"base code queued", {"p9a", "p12", "p12a"}, 3, {"p9a", "p12a"}},
        // A code queued twice: only its first occurrence is ever found, so
        // playback goes back to the code after that and never reaches p20c.
        {"code twice", {"p20a", "p20b", "p20a", "p20c"}, 4, {"p20a", "p20b", "p20a", "p20b", "p20a"}},
        {"one entry", {"p4a"}, 2, {"p4a"}},
    };
    int storeNumber = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_target->loaded.clear();
        ProForm->Table1.close();
        for (const QString& code : c.queue) {
            if (!m_target->events.count(code))
                makePart(code, storeNumber++);
        }
        setQueue(c.queue);
        // Started as the launcher would: a base code by its lesson index.
        const QString first = c.queue.first();
        if (PartLoader::letteredCodes().contains(first))
            Mainf->runsimu(first, 999);
        else
            Mainf->runsimu(QStringLiteral("Lesson"), first.mid(1).toInt() - 1);
        for (int ending = 0; ending < c.endings; ++ending)
            playToEnd();
        EXPECT_EQ(m_target->loaded, c.loaded);
        EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
        simu_form->Close1Click();
    }
}

TEST_F(ChainingTest, ChainedPartsFirstBoxHoldsThePointer)
{
    makePart("p16", 0);
    makePart("p16a", 1, step(1, 0, "215 177 181 131", {"Second part."}));
    setQueue({"p16", "p16a"});
    Mainf->runsimu(QStringLiteral("Lesson 16:  Data Elements - Image items"), 15);
    playToEnd();
    ASSERT_EQ(m_target->loaded, (QStringList{"p16", "p16a"}));
    EXPECT_TRUE(popupform->isVisible());
    EXPECT_EQ(popupform->lines(), QStringList{"Second part."});
    EXPECT_FALSE(simu_form->Timer1->enabled());
    EXPECT_FALSE(simu_form->Timer2->enabled());
    EXPECT_EQ(pointer.moves.back(), origin());
    popupform->NBClick();
    EXPECT_TRUE(simu_form->Timer1->enabled());
}

TEST_F(ChainingTest, MissingNextStoreStopsOnTheLastFrame)
{
    makePart("p13", 0);
    m_target->events["p13a"] = script({mouseEvent(0, 1, 1)});
    setQueue({"p13", "p13a"});
    Mainf->runsimu(QStringLiteral("Lesson 13:  Interface Objects - List items"), 12);
    playToEnd();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(ProForm->windowTitle(), "p13a"); // the loader had set it before opening failed
    EXPECT_TRUE(simu_form->isVisible());
    EXPECT_FALSE(simu_form->Timer1->enabled());
    EXPECT_FALSE(simu_form->Timer2->enabled());
    EXPECT_TRUE(CourseBuilder::near(CourseBuilder::centreColour(simu_form->Image1->picture()), frameColour(0, 1)));
}

// A chained part whose Run fails leaves playback stopped with the error
// shown: the pointer must not glide on toward the part before's target.
TEST_F(ChainingTest, ChainedPartWhoseRunFailsStaysStopped)
{
    const struct {
        const char* name;
        QString base;
        QString lettered;
        int lessonIndex;
        QStringList events;
        QStringList steps;
        QString error;
    } cases[] = {
        {"key line first", "p12", "p12a", 11, script({keyEvent(0), mouseEvent(1, 80, 60)}), {},
         "'' is not a valid integer value."},
        {"bad box place", "p14", "p14a", 13, script({mouseEvent(0, 5, 5), mouseEvent(1, 80, 60)}),
         step(1, 0, "2x5 177 181 131", {"Box."}), "'2x5' is not a valid integer value."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        errors.messages.clear();
        makePart(c.base, 0);
        m_target->events[c.lettered] = c.events;
        m_target->steps[c.lettered] = c.steps;
        CourseBuilder::makeStore(c.lettered, {frameColour(1, 0), frameColour(1, 1)});
        setQueue({c.base, c.lettered});
        Mainf->runsimu(QStringLiteral("Lesson"), c.lessonIndex);
        playToEnd();
        ASSERT_EQ(errors.messages, QStringList{c.error});
        EXPECT_EQ(ProForm->windowTitle(), c.lettered);
        EXPECT_FALSE(simu_form->Timer1->enabled());
        EXPECT_FALSE(simu_form->Timer2->enabled());
        EXPECT_EQ(pointer.moves.back(), origin()); // Run put it on the corner, and there it stays
        simu_form->Close1Click();
    }
}
