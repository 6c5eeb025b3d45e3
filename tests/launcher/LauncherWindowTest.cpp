#include "content/Catalogue.h"
#include "launcher/Prompter.h"
#include "launcher/menuunit_.h"
#include "platform/ProgramStarter.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalBlocker>

#include <gtest/gtest.h>

namespace {

// One ordered log of everything the launcher does to the outside: boxes,
// answers, started programs, the driver-install command and part loads.
class LauncherLog {
public:
    LauncherLog()
    {
        m_message = Prompter::setMessageSink([this](const QString&, const QString& text) {
            entries << "message: " + text;
        });
        m_confirm = Prompter::setConfirmSink([this](const QString&, const QString& text) {
            entries << "confirm: " + text;
            return answer;
        });
        m_hook = ProgramStarter::setHook([this](const QString& line) { entries << "exec: " + line; });
    }
    ~LauncherLog()
    {
        Prompter::setMessageSink(m_message);
        Prompter::setConfirmSink(m_confirm);
        ProgramStarter::setHook(m_hook);
    }

    QStringList entries;
    bool answer = false;

private:
    Prompter::MessageSink m_message;
    Prompter::ConfirmSink m_confirm;
    ProgramStarter::Hook m_hook;
};

class RecordingMainf : public TMainf {
public:
    explicit RecordingMainf(LauncherLog& log)
        : m_log(log)
    {
    }
    void BDE501Click() override
    {
        m_log.entries << QStringLiteral("BDE501Click");
        TMainf::BDE501Click();
    }
    void runsimu(const QString& codeText, int lessonIndex) override
    {
        m_log.entries << QStringLiteral("runsimu: %1 | %2").arg(codeText).arg(lessonIndex);
    }

private:
    LauncherLog& m_log;
};

QStringList texts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Selects a row without the selection-change notification, as a test of the
// handler itself rather than of its wiring.
void selectQuietly(QListWidget* list, int row)
{
    const QSignalBlocker block(list);
    list->setCurrentRow(row);
}

void movePointerOver(QListWidget* list)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 5), list->viewport()->mapToGlobal(QPointF(20, 5)),
        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
}

const QString kFirstPrompt = QStringLiteral("Please move mouse to the WHITE box area! ===>");
const QString kClickPrompt = QStringLiteral("Please click on one of the topics ... ====>");
const QStringList kBlackBox{QStringLiteral("Now, Black Box is showing its contents ... ====>"),
    QStringLiteral("Please double click on it to run the simulation ...=>")};

} // namespace

class LauncherWindowTest : public ::testing::Test {
protected:
    ErrorRecorder errors;
    LauncherLog log;
    TempCurrentDir dir;
    RecordingMainf window{log};
};

TEST_F(LauncherWindowTest, CreatedWithTwentyLessonsNothingSelectedAndComponentsInPlace)
{
    EXPECT_EQ(window.windowTitle(),
        QStringLiteral("Lessonwright (Form design for beginner). www.korvane-publishing.example"));
    window.layout()->activate();
    window.centralWidget()->layout()->activate();
    EXPECT_EQ(window.centralWidget()->size(), QSize(599, 450));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    EXPECT_EQ(texts(window.ListBox1), Catalogue::rows());
    ASSERT_EQ(window.ListBox2->count(), 20);
    EXPECT_EQ(window.ListBox2->item(0)->text(), QStringLiteral("Lesson 1:  Forms Interface Components"));
    EXPECT_EQ(window.ListBox2->item(11)->text(), QStringLiteral("Lesson 12: Interface Objects - Push buttons"));
    EXPECT_TRUE(window.ListBox2->selectedItems().isEmpty());
    EXPECT_EQ(window.ListBox3->count(), 0);
    EXPECT_EQ(window.Tag, 0);

    EXPECT_EQ(window.Image1->geometry(), QRect(0, 0, 599, 450));
    EXPECT_EQ(window.Panel1->geometry(), QRect(320, 224, 273, 193));
    EXPECT_EQ(window.ListBox2->height(), 56);
    EXPECT_EQ(window.ListBox2->width() + 2, window.Panel1->width());
    EXPECT_EQ(window.ListBox3->geometry().top(), window.ListBox2->geometry().bottom() + 1);
    EXPECT_EQ(window.playlistbox->pos(), QPoint(16, 334));
    EXPECT_EQ(window.playlistbox->width(), 289);
    EXPECT_FALSE(window.playlistbox->isVisibleTo(&window));
    EXPECT_FALSE(window.ListBox1->isVisibleTo(&window));

    EXPECT_EQ(window.ListBox2->toolTip(), QStringLiteral("Single click to see its contents."));
    EXPECT_EQ(window.ListBox3->toolTip(), QStringLiteral("Double click on the item to run!"));
    EXPECT_EQ(window.ListBox2->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window.ListBox3->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(window.ListBox3->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(window.ListBox2->sizeHintForRow(0), 13);
    EXPECT_EQ(window.Image1->pixmap().size(), QSize(600, 450));
}

TEST_F(LauncherWindowTest, SingleClickListsTheLessonHeaderAndItsTopics)
{
    const struct {
        int row;
        int count;
        const char* last;
        int fourBlankRows;
    } cases[] = {
        {0, 5, "  Tarnic Editor", 0},
        {5, 2, "  Properties", 0},
        {8, 19, "  Reference Information", 0},
        {19, 12, "  Run", 4},
    };
    for (const auto& c : cases) {
        selectQuietly(window.ListBox2, c.row);
        window.ListBox2Click();
        const QStringList shown = texts(window.ListBox3);
        ASSERT_EQ(shown.size(), c.count) << "row " << c.row;
        EXPECT_EQ(shown.first(), window.ListBox2->item(c.row)->text());
        EXPECT_EQ(shown.last(), QString::fromLatin1(c.last));
        EXPECT_EQ(shown.filter(QRegularExpression(QStringLiteral("^    \\S"))).size(), c.fourBlankRows);
    }
    selectQuietly(window.ListBox2, 5);
    window.ListBox2Click();
    EXPECT_EQ(texts(window.ListBox3), (QStringList{"Lesson 6:  Canvases", "  Properties"}));

    // Nothing selected: the old topics go and nothing replaces them.
    window.ListBox2->clearSelection();
    window.ListBox2Click();
    EXPECT_EQ(window.ListBox3->count(), 0);
    EXPECT_TRUE(log.entries.isEmpty());
}

TEST_F(LauncherWindowTest, SelectionChangeByKeyboardOrMouseListsTopics)
{
    window.ListBox2->setCurrentRow(3);
    EXPECT_EQ(window.ListBox3->count(), 5);
    EXPECT_EQ(window.ListBox3->item(0)->text(), QStringLiteral("Lesson 4:  Actions on Form"));
}

TEST_F(LauncherWindowTest, DoubleClickWithNothingSelectedEmptiesTheQueueAndStartsNothing)
{
    window.playlistbox->addItems({"p4", "p4a"});
    window.ListBox2DblClick();
    EXPECT_EQ(window.playlistbox->count(), 0);
    EXPECT_TRUE(log.entries.isEmpty());
}

TEST_F(LauncherWindowTest, DoubleClickQueuesTheLessonsPartsAndLoadsByRowNumber)
{
    selectQuietly(window.ListBox2, 10);
    window.ListBox2DblClick();
    EXPECT_EQ(texts(window.playlistbox), (QStringList{"p11", "p11a", "p11b", "p11c"}));
    EXPECT_EQ(log.entries, QStringList{"runsimu: Lesson 11:  Interface Objects - Text items | 10"});

    selectQuietly(window.ListBox2, 0);
    window.ListBox2DblClick();
    EXPECT_EQ(texts(window.playlistbox), QStringList{"p1"});
    EXPECT_EQ(log.entries.last(), QStringLiteral("runsimu: Lesson 1:  Forms Interface Components | 0"));
}

TEST_F(LauncherWindowTest, GuideWalkThroughTheWindow)
{
    // Without the guide, pointer movement changes nothing.
    movePointerOver(window.ListBox2);
    EXPECT_FALSE(window.playlistbox->isVisibleTo(&window));
    EXPECT_EQ(window.playlistbox->count(), 0);

    window.FirstTimeRunning1->trigger();
    EXPECT_EQ(window.Tag, 1);
    EXPECT_TRUE(window.playlistbox->isVisibleTo(&window));
    EXPECT_EQ(window.playlistbox->pos(), QPoint(16, 238));
    EXPECT_EQ(texts(window.playlistbox), QStringList{kFirstPrompt});

    for (int i = 0; i < 3; ++i) {
        movePointerOver(window.ListBox2);
        EXPECT_EQ(texts(window.playlistbox), QStringList{kClickPrompt});
        EXPECT_EQ(window.Tag, 1);
    }

    window.ListBox2->setCurrentRow(2);
    EXPECT_EQ(window.Tag, 9);
    EXPECT_EQ(texts(window.playlistbox), kBlackBox);
    EXPECT_EQ(window.ListBox3->count(), 7);

    movePointerOver(window.ListBox2);
    EXPECT_EQ(window.Tag, 0);
    EXPECT_EQ(texts(window.playlistbox), kBlackBox);

    // The guide is done; a double click now puts the queue where the prompt was.
    movePointerOver(window.ListBox2);
    EXPECT_EQ(window.Tag, 0);
    window.ListBox2DblClick();
    EXPECT_EQ(texts(window.playlistbox), QStringList{"p3"});
    EXPECT_TRUE(window.playlistbox->isVisibleTo(&window));

    // Asking again replaces the queue with the first prompt.
    window.FirstTimeRunning1Click();
    EXPECT_EQ(window.Tag, 1);
    EXPECT_EQ(texts(window.playlistbox), QStringList{kFirstPrompt});
}

TEST_F(LauncherWindowTest, ShowHandlerProbesChecksTheScreenAndSetsTheOuterSize)
{
    const QString probe = "message: " + TMainf::probeFailedMessage();
    const QString question = "confirm: " + TMainf::adjustScreenQuestion();
    const struct {
        int width;
        bool answer;
        QStringList expected;
    } cases[] = {
        {799, true,
            {probe, "BDE501Click", question, "exec: control display.cpl", "exec: control desk.cpl",
                "message: It is under \"Settings of Display Properties\""}},
        {799, false, {probe, "BDE501Click", question}},
        {640, false, {probe, "BDE501Click", question}},
        {800, true, {probe, "BDE501Click"}},
        {1024, true, {probe, "BDE501Click"}},
    };
    for (const auto& c : cases) {
        RecordingMainf fresh(log);
        log.entries.clear();
        log.answer = c.answer;
        fresh.setScreenWidthSource([w = c.width] { return w; });
        fresh.FormShow();
        EXPECT_EQ(log.entries, c.expected) << "width " << c.width << (c.answer ? " Yes" : " No");
        EXPECT_EQ(fresh.frameGeometry().size(), QSize(608, 478));
        EXPECT_EQ(fresh.Table1.tableName(), QStringLiteral("1.dbf"));
        EXPECT_TRUE(fresh.Table1.databaseName().isEmpty());
    }
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(LauncherWindowTest, MenuBarCaptionsAndSeparators)
{
    const QList<QAction*> menus = window.menuBar()->actions();
    const struct {
        const char* title;
        QStringList entries;
    } expected[] = {
        {"&Install", {"BDE 5.0 (Must Install)", "-", "Browse CD", "-", "&Close"}},
        {"Content", {"Read Me", "-", "How to Run?"}},
        {"&Web Browsers", {"Install &Microsoft Internet Explorer 5.0", "Install &Netscape Communicator 4.5"}},
    };
    ASSERT_EQ(menus.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(menus[i]->text(), QString::fromLatin1(expected[i].title));
        QStringList entries;
        for (QAction* a : menus[i]->menu()->actions())
            entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
        EXPECT_EQ(entries, expected[i].entries) << expected[i].title;
    }
}

TEST_F(LauncherWindowTest, MenuCommandsStartTheirProgramsAndForgetThem)
{
    const struct {
        QAction* action;
        QStringList expected;
    } cases[] = {
        {window.BDE501, {"BDE501Click"}},
        {window.BrowseCD1, {"exec: explorer \\"}},
        {window.ReadMe1, {"exec: NOTEPAD readme.txt"}},
        {window.MicrosoftInternetExplorer501, {"exec: MSIE\\setup.exe"}},
        {window.NetscapeCommunicator451, {"exec: com404.exe"}},
    };
    for (const auto& c : cases) {
        log.entries.clear();
        c.action->trigger();
        EXPECT_EQ(log.entries, c.expected) << c.action->text().toStdString();
    }
    // Read Me twice starts two editors.
    log.entries.clear();
    window.ReadMe1->trigger();
    window.ReadMe1->trigger();
    EXPECT_EQ(log.entries.size(), 2);

    // The driver-install entry changes nothing in the window.
    EXPECT_EQ(window.playlistbox->count(), 0);
    EXPECT_EQ(window.Tag, 0);
}

TEST_F(LauncherWindowTest, ClosingTheLauncherEndsTheProgram)
{
    int closed = 0;
    QObject::connect(&window, &TMainf::closed, [&] { ++closed; });
    window.show();
    window.Close1->trigger();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(window.isVisible());
}
