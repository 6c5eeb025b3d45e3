#include "CourseBuilder.h"
#include "PlayerFixture.h"

#include "player/BevelPanel.h"
#include "player/NarrationReader.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <memory>

namespace {

// Stands in for the system's text-to-speech: every call is written to the
// log ("say:<text>", "stop"), and no sound is made.
class FakeSpeaker : public NarrationSpeaker {
public:
    explicit FakeSpeaker(QStringList& log)
        : m_log(log)
    {
    }
    void say(const QString& text) override { m_log << QStringLiteral("say:") + text; }
    void stop() override { m_log << QStringLiteral("stop"); }

private:
    QStringList& m_log;
};

// The reader's source for the windows made while it lives.
class FakeVoice {
public:
    FakeVoice()
    {
        m_previous = NarrationReader::setSource(
            {[this] { return installed; },
             [this](NarrationSpeaker::Failed failed) -> std::unique_ptr<NarrationSpeaker> {
                 ++made;
                 fail = failed;
                 if (failOnMake)
                     failed(*failOnMake);
                 return std::make_unique<FakeSpeaker>(log);
             }});
    }
    ~FakeVoice() { NarrationReader::setSource(std::move(m_previous)); }

    bool installed = true;
    std::optional<NarrationSpeaker::Failure> failOnMake;
    int made = 0;
    QStringList log;
    NarrationSpeaker::Failed fail; // the last speaker's, to fail it later

private:
    NarrationReader::Source m_previous;
};

void press(QWidget* to, int key, const QString& text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(to, &event);
}

class ReadAloudTest : public PlayerWindows {
protected:
    void SetUp() override
    {
        PlayerWindows::SetUp();
        CourseBuilder::makeStore("p9", std::vector<QColor>(4, Qt::darkCyan));
    }

    // New windows, made with the voice as it is now.
    void remake()
    {
        windows.reset();
        windows.emplace();
    }

    // Three events, a step at each of the first two: the first box is up.
    void startWithBox()
    {
        simu_form->engine().setEventScript(script({mouseEvent(0, 300, 200), mouseEvent(1, 100, 40), mouseEvent(2, 500, 400)}));
        simu_form->engine().setStepScript(step(1, 0, "215 177 181 131", {"Welcome", "to the form."})
                                          + step(2, 1, "215 177 181 131", {"Second."}));
        // A one-part lesson, so the learner can go back and replay.
        simu_form->engine().setQueue({"p9"});
        simu_form->engine().setCurrentPartCode("p9");
        CourseBuilder::openStore("p9");
        simu_form->showPlayer();
        simu_form->save1Click();
        ASSERT_TRUE(popupform->isVisible()) << errors.messages.join('|').toStdString();
    }

    FakeVoice voice;
};

const QString kFirst = QStringLiteral("say:Welcome to the form.");
const QString kSecond = QStringLiteral("say:Second.");
const QString kStop = QStringLiteral("stop");

TEST_F(ReadAloudTest, OffByDefaultNothingIsReadNorAnEngineMade)
{
    startWithBox();
    EXPECT_TRUE(simu_form->readAloud->isEnabled());
    EXPECT_TRUE(simu_form->readAloud->isCheckable());
    EXPECT_FALSE(simu_form->readAloud->isChecked());
    press(popupform->BBB, Qt::Key_Space, " ");
    tickUntilBox();
    ASSERT_TRUE(popupform->isVisible());
    EXPECT_EQ(voice.made, 0);
    EXPECT_TRUE(voice.log.isEmpty());
}

// Each showing of a box is read once; whatever takes the box away, or holds
// playback, silences it.
TEST_F(ReadAloudTest, EachBoxIsReadOnceAndSilencedWhenItGoes)
{
    struct Case {
        const char* name;
        std::function<void()> act;
        QStringList after; // the log after the first box was read
    };
    const std::vector<Case> cases = {
        {"nothing", [] {}, {}},
        {"NEXT, then the second box", [] { press(popupform->BBB, Qt::Key_Return, "\r"); tickUntilBox(); },
         {kStop, kSecond}},
        {"the box's NEXT button", [] { popupform->NBClick(); }, {kStop}},
        {"the box closed", [] { popupform->close(); }, {kStop}},
        {"back from the second box",
         [] { press(popupform->BBB, Qt::Key_Space, " "); tickUntilBox(); press(simu_form->Panel1, Qt::Key_Left); },
         {kStop, kSecond, kFirst}},
        // A new showing of the box cuts its reading short and reads it anew.
        {"replay", [] { press(simu_form->Panel1, Qt::Key_R, "r"); }, {kFirst}},
        {"pause", [] { press(simu_form->Panel1, Qt::Key_P, "p"); }, {kStop}},
        // The rest of a silenced box is not read again on resuming.
        {"pause and resume", [] { press(simu_form->Panel1, Qt::Key_P, "p"); press(simu_form->Panel1, Qt::Key_P, "p"); },
         {kStop}},
        // The box steps aside for the key list and is read again on its return.
        {"key list", [] { press(simu_form->Panel1, Qt::Key_F1); }, {kStop}},
        {"key list closed", [] { press(simu_form->Panel1, Qt::Key_F1); press(simu_form->Panel1, Qt::Key_Escape); },
         {kStop, kFirst}},
        {"turned off", [] { press(simu_form->Panel1, Qt::Key_T, "t"); }, {kStop}},
        {"turned off in the menu", [] { simu_form->readAloud->trigger(); }, {kStop}},
        {"turned off and on", [] { press(simu_form->Panel1, Qt::Key_T, "t"); press(simu_form->Panel1, Qt::Key_T, "t"); },
         {kStop, kFirst}},
        {"a speed change", [] { press(simu_form->Panel1, Qt::Key_Plus, "+"); }, {}},
        {"the player closed", [] { simu_form->Close1Click(); }, {kStop}},
    };
    for (const Case& c : cases) {
        remake();
        voice.log.clear();
        voice.made = 0;
        startWithBox();
        // The key and the menu entry are one switch, the entry saying when it is on.
        press(popupform->BBB, Qt::Key_T, "t");
        ASSERT_TRUE(simu_form->readAloud->isChecked()) << c.name;
        EXPECT_EQ(simu_form->readAloud->text(), "Read Aloud (on)");
        EXPECT_EQ(simu_form->progressLine()->text(), "Reading aloud");
        ASSERT_EQ(voice.log, QStringList{kFirst}) << c.name;
        voice.log.clear();
        c.act();
        EXPECT_EQ(voice.log, c.after) << c.name << ": " << voice.log.join(", ").toStdString();
        // One speaker serves every switch-on.
        EXPECT_EQ(voice.made, 1) << c.name;
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}

// Without a voice the entry says why and cannot be chosen; T only repeats
// why, and playback goes on as before.
TEST_F(ReadAloudTest, WithoutAVoiceTheEntryIsDisabledAndSaysWhy)
{
    using Failure = NarrationSpeaker::Failure;
    struct Case {
        const char* name;
        bool installed;
        std::optional<Failure> failOnMake;
        std::optional<Failure> failAfterSay;
        int made;
        QString entry;
    };
    const std::vector<Case> cases = {
        {"no engine installed", false, {}, {}, 0, "Read Aloud (no voice installed)"},
        {"an engine without a voice", true, Failure::NoVoice, {}, 1, "Read Aloud (no voice installed)"},
        {"the voice found late", true, {}, Failure::NoVoice, 1, "Read Aloud (no voice installed)"},
        {"no sound output", true, {}, Failure::NoSound, 1, "Read Aloud (no sound output)"},
    };
    for (const Case& c : cases) {
        voice.installed = c.installed;
        voice.failOnMake = c.failOnMake;
        voice.made = 0;
        remake();
        startWithBox();
        press(popupform->BBB, Qt::Key_T, "t");
        if (c.failAfterSay)
            voice.fail(*c.failAfterSay);
        EXPECT_EQ(voice.made, c.made) << c.name;
        EXPECT_EQ(simu_form->readAloud->text(), c.entry) << c.name;
        EXPECT_FALSE(simu_form->readAloud->isEnabled()) << c.name;
        EXPECT_FALSE(simu_form->readAloud->isChecked()) << c.name;
        EXPECT_FALSE(simu_form->narrationReader().enabled()) << c.name;
        voice.log.clear();
        press(popupform->BBB, Qt::Key_T, "t");
        EXPECT_EQ(simu_form->progressLine()->text(), "Read aloud: " + c.entry.mid(12).chopped(1)) << c.name;
        EXPECT_EQ(voice.made, c.made) << c.name;
        // Playback is untouched: NEXT moves on, the next box is not read.
        EXPECT_TRUE(popupform->isVisible()) << c.name;
        press(popupform->BBB, Qt::Key_Space, " ");
        tickUntilBox();
        EXPECT_TRUE(popupform->isVisible()) << c.name;
        EXPECT_TRUE(voice.log.isEmpty()) << c.name << ": " << voice.log.join(", ").toStdString();
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}

} // namespace
