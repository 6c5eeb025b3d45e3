#pragma once

#include "launcher/HowToRunGuide.h"
#include "platform/DbfTable.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;

// The launcher window: the lesson list, the topic list, the play queue that
// doubles as the how-to-run guide's prompt line, and the menu bar.
class TMainf : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainf(QWidget* parent = nullptr);
    ~TMainf() override;

    // Handlers, named after their component and event.
    void FormCreate();
    void FormShow();
    void ListBox2Click();
    void ListBox2DblClick();
    void ListBox2MouseMove();
    virtual void BDE501Click();
    void BrowseCD1Click();
    void Close1Click();
    void ReadMe1Click();
    void FirstTimeRunning1Click();
    void MicrosoftInternetExplorer501Click();
    void NetscapeCommunicator451Click();

    // Part loader: loads and starts the part chosen by code text or lesson index.
    virtual void runsimu(const QString& codeText, int lessonIndex);
    // Fills the play queue (the hidden list and the player's engine).
    void setPlayQueue(const QStringList& lines);

    // Where FormShow reads the screen width; tests pretend other screens.
    void setScreenWidthSource(std::function<int()> source) { m_screenWidth = std::move(source); }

    static QString caption();
    static QString probeFailedMessage();
    static QString adjustScreenQuestion();
    static QString adjustScreenHint();

    // How-to-run guide state (0, 1 or 9).
    int Tag = 0;

    QLabel* Image1 = nullptr;
    QFrame* Panel1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QListWidget* ListBox3 = nullptr;
    QListWidget* playlistbox = nullptr;
    DbfTable Table1;

    QMenu* Install1 = nullptr;
    QAction* BDE501 = nullptr;
    QAction* BrowseCD1 = nullptr;
    QAction* Close1 = nullptr;
    QMenu* Content1 = nullptr;
    QAction* ReadMe1 = nullptr;
    QAction* FirstTimeRunning1 = nullptr;
    QMenu* WebBrowsers1 = nullptr;
    QAction* MicrosoftInternetExplorer501 = nullptr;
    QAction* NetscapeCommunicator451 = nullptr;

signals:
    // The launcher was closed: the program ends with it.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void applyGuide(HowToRunGuide::Event event);
    int selectedLessonRow() const;
    void setOuterSize(int width, int height);
    void centreOnScreen();

    std::function<int()> m_screenWidth;
    bool m_shownOnce = false;
    // Set when a mouse press changed the lesson selection, so the click that
    // follows does not list the topics a second time.
    bool m_clickHandled = false;
};

extern TMainf* Mainf;
