#include "launcher/menuunit_.h"

#include "content/Catalogue.h"
#include "launcher/Artwork.h"
#include "launcher/LessonBrowser.h"
#include "playback/PartLoader.h"
#include "player/proj10.h"
#include "launcher/Prompter.h"
#include "platform/FrameShow.h"
#include "platform/HandlerGuard.h"
#include "platform/ProgramStarter.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QResource>
#include <QScreen>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

TMainf* Mainf = nullptr;

namespace {

constexpr int kClientWidth = 599;
constexpr int kClientHeight = 450;
constexpr int kOuterWidth = 608;
constexpr int kOuterHeight = 478;
constexpr int kRowHeight = 13;
constexpr int kMinScreenWidth = 800;

// The nearest match here for the 8-point sans serif of the course's screens:
// 11-pixel characters in 13-pixel rows.
QFont listFont()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    return f;
}

// Every row of the launcher's lists is 13 pixels high whatever the font.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
    }
};

QListWidget* makeList(QWidget* parent, const QRect& place)
{
    auto* list = new QListWidget(parent);
    list->setGeometry(place);
    list->setFont(listFont());
    list->setItemDelegate(new FixedRowDelegate(list));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    return list;
}

QStringList itemTexts(const QListWidget* list)
{
    QStringList texts;
    texts.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// The title screen, rendered at build time into raw 600 x 450 RGB32 pixels
// (drawing it, or decoding a compressed copy, was most of a start's work);
// drawn here only when the resource is missing or damaged.
QPixmap titlePixmap()
{
    constexpr int kWidth = 600;
    constexpr int kHeight = 450;
    const QResource raw(QStringLiteral(":/artwork/title.rgb32"));
    if (raw.isValid() && raw.compressionAlgorithm() == QResource::NoCompression
        && raw.size() == qint64(kWidth) * kHeight * 4) {
        // The resource's bytes are used in place; the pixmap takes a copy.
        const QImage pixels(raw.data(), kWidth, kHeight, kWidth * 4, QImage::Format_RGB32);
        return QPixmap::fromImage(pixels);
    }
    return QPixmap::fromImage(Artwork::titleScreen());
}

} // namespace

TMainf::TMainf(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_screenWidth([] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry().width() : kMinScreenWidth;
    })
{
    setObjectName(QStringLiteral("Mainf"));
    setWindowTitle(caption());
    setFont(listFont());

    auto* client = new QWidget(this);
    setCentralWidget(client);

    // The picture fills whatever client area the outer size leaves and stays
    // centred in it; a colour from its edges fills any margin.
    Image1 = new QLabel(client);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(titlePixmap());
    Image1->setAutoFillBackground(true);
    QPalette edge = Image1->palette();
    edge.setColor(QPalette::Window, QColor(12, 44, 70));
    Image1->setPalette(edge);
    auto* fill = new QVBoxLayout(client);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Image1);

    Panel1 = new QFrame(client);
    Panel1->setGeometry(320, 224, 273, 193);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setAutoFillBackground(true);

    // The lesson list sits on top of the panel, the topic list fills the rest.
    ListBox2 = makeList(Panel1, QRect(1, 1, 271, 56));
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setToolTip(QStringLiteral("Single click to see its contents."));
    ListBox2->setCursor(Qt::PointingHandCursor);
    ListBox2->viewport()->setCursor(Qt::PointingHandCursor);
    ListBox2->viewport()->setMouseTracking(true);
    ListBox2->viewport()->installEventFilter(this);

    ListBox3 = makeList(Panel1, QRect(1, 57, 271, 135));
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    ListBox3->setToolTip(QStringLiteral("Double click on the item to run!"));
    QPalette black = ListBox3->palette();
    black.setColor(QPalette::Base, Qt::black);
    black.setColor(QPalette::Text, Qt::white);
    ListBox3->setPalette(black);

    playlistbox = makeList(client, QRect(16, 334, 289, 2 * kRowHeight + 7));
    playlistbox->setObjectName(QStringLiteral("playlistbox"));
    playlistbox->hide();

    // The catalogue rows, kept as the hidden list the lesson and topic lists
    // are read from.
    ListBox1 = new QListWidget(client);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->addItems(Catalogue::rows());
    ListBox1->hide();

    buildMenu();

    // The window is laid out for its client area; FormShow sets the outer size.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    connect(ListBox2, &QListWidget::itemSelectionChanged, this, [this] {
        m_clickHandled = true;
        guarded([&] { ListBox2Click(); });
    });
    connect(ListBox2, &QListWidget::clicked, this, [this] {
        // A click on the row that was already selected still lists it.
        if (m_clickHandled)
            return;
        guarded([&] { ListBox2Click(); });
    });
    connect(ListBox2, &QListWidget::doubleClicked, this, [this] { guarded([&] { ListBox2DblClick(); }); });
    // The keyboard plays the selected lesson as the double click does.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)}) {
        auto* play = new QShortcut(key, ListBox2, nullptr, nullptr, Qt::WidgetShortcut);
        connect(play, &QShortcut::activated, this, [this] { guarded([&] { ListBox2DblClick(); }); });
    }

    guarded([&] { FormCreate(); });
}

TMainf::~TMainf()
{
    if (Mainf == this)
        Mainf = nullptr;
}

QString TMainf::caption()
{
    return QStringLiteral("Lessonwright (Form design for beginner). www.korvane-publishing.example");
}

QString TMainf::probeFailedMessage()
{
    return QStringLiteral(
        "This application require BDE drivers to run the simulations. Please click on OK to install drivers!");
}

QString TMainf::adjustScreenQuestion()
{
    return QStringLiteral(
        "This program is best view in 800 X 600 or larger screen setting, Do you want to adjust it now?");
}

QString TMainf::adjustScreenHint()
{
    return QStringLiteral("It is under \"Settings of Display Properties\"");
}

void TMainf::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto entry = [this](QMenu* menu, const QString& text, void (TMainf::*handler)()) {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
        return action;
    };

    Install1 = bar->addMenu(QStringLiteral("&Install"));
    BDE501 = entry(Install1, QStringLiteral("BDE 5.0 (Must Install)"), &TMainf::BDE501Click);
    Install1->addSeparator();
    BrowseCD1 = entry(Install1, QStringLiteral("Browse CD"), &TMainf::BrowseCD1Click);
    Install1->addSeparator();
    Close1 = entry(Install1, QStringLiteral("&Close"), &TMainf::Close1Click);

    Content1 = bar->addMenu(QStringLiteral("Content"));
    ReadMe1 = entry(Content1, QStringLiteral("Read Me"), &TMainf::ReadMe1Click);
    Content1->addSeparator();
    FirstTimeRunning1 = entry(Content1, QStringLiteral("How to Run?"), &TMainf::FirstTimeRunning1Click);

    WebBrowsers1 = bar->addMenu(QStringLiteral("&Web Browsers"));
    MicrosoftInternetExplorer501 = entry(WebBrowsers1, QStringLiteral("Install &Microsoft Internet Explorer 5.0"),
        &TMainf::MicrosoftInternetExplorer501Click);
    NetscapeCommunicator451 = entry(WebBrowsers1, QStringLiteral("Install &Netscape Communicator 4.5"),
        &TMainf::NetscapeCommunicator451Click);
}

void TMainf::FormCreate()
{
    ListBox2->clear();
    ListBox3->clear();
    ListBox2->addItems(LessonBrowser::lessonRows(itemTexts(ListBox1)));
}

void TMainf::FormShow()
{
    // Probe the table engine; any failure means the drivers are missing.
    Table1.setDatabaseName(QString());
    Table1.setTableName(QStringLiteral("1.dbf"));
    bool probeFailed = false;
    try {
        Table1.open();
    } catch (...) {
        probeFailed = true;
    }
    if (probeFailed) {
        Prompter::message(probeFailedMessage());
        BDE501Click();
    }

    if (m_screenWidth() < kMinScreenWidth && Prompter::confirm(adjustScreenQuestion())) {
        ProgramStarter::WinExec(QStringLiteral("control display.cpl"), 1);
        ProgramStarter::WinExec(QStringLiteral("control desk.cpl"), 1);
        Prompter::message(adjustScreenHint());
    }

    setOuterSize(kOuterWidth, kOuterHeight);
}

void TMainf::setOuterSize(int width, int height)
{
    // Outer size includes the window manager's frame, which is only known
    // once the window is up (and is nothing without a window manager).
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(width - frame.width(), height - frame.height());
    centreOnScreen();
}

void TMainf::centreOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    QRect outer = frameGeometry();
    outer.moveCenter(screen->availableGeometry().center());
    move(outer.topLeft());
}

int TMainf::selectedLessonRow() const
{
    const QList<QListWidgetItem*> selected = ListBox2->selectedItems();
    return selected.isEmpty() ? -1 : ListBox2->row(selected.first());
}

void TMainf::applyGuide(HowToRunGuide::Event event)
{
    const HowToRunGuide::Outcome out = HowToRunGuide::apply(Tag, playlistbox->isVisibleTo(this), event);
    Tag = out.state;
    if (out.lines)
        setPlayQueue(*out.lines);
    if (out.showBesideLessons) {
        playlistbox->move(playlistbox->x(), HowToRunGuide::PromptTop);
        playlistbox->show();
    }
}

void TMainf::ListBox2Click()
{
    applyGuide(HowToRunGuide::Event::LessonClick);
    ListBox3->clear();
    const int row = selectedLessonRow();
    if (row < 0)
        return;
    ListBox3->addItems(LessonBrowser::topicRows(itemTexts(ListBox1), ListBox2->item(row)->text()));
}

void TMainf::ListBox2DblClick()
{
    setPlayQueue({});
    const int row = selectedLessonRow();
    if (row < 0)
        return;
    setPlayQueue(Catalogue::partCodes(row));
    runsimu(ListBox2->item(row)->text(), row);
}

void TMainf::setPlayQueue(const QStringList& lines)
{
    // The guide's prompt lines share the list with the queued codes and
    // replace them, so the player's chaining sees them too.
    playlistbox->clear();
    playlistbox->addItems(lines);
    if (simu_form != nullptr)
        simu_form->engine().setQueue(lines);
}

void TMainf::ListBox2MouseMove()
{
    applyGuide(HowToRunGuide::Event::PointerOverLessons);
}

void TMainf::FirstTimeRunning1Click()
{
    applyGuide(HowToRunGuide::Event::HowToRun);
}

// The table engine here is part of the program itself, so there is no driver
// installer to start; the entry stays for the course's menu layout.
void TMainf::BDE501Click() {}

void TMainf::BrowseCD1Click()
{
    ProgramStarter::WinExec(QStringLiteral("explorer \\"), 1);
}

void TMainf::Close1Click()
{
    close();
}

void TMainf::ReadMe1Click()
{
    ProgramStarter::WinExec(QStringLiteral("NOTEPAD readme.txt"), 1);
}

void TMainf::MicrosoftInternetExplorer501Click()
{
    ProgramStarter::WinExec(QStringLiteral("MSIE\\setup.exe"), 1);
}

void TMainf::NetscapeCommunicator451Click()
{
    ProgramStarter::WinExec(QStringLiteral("com404.exe"), 1);
}

void TMainf::runsimu(const QString& codeText, int lessonIndex)
{
    // The lesson's first frame is decoded on a worker while the player comes
    // up; woken now, the worker is up by the time the frame is read.
    FrameShow::wakeDecoder();
    PartLoader::run(codeText, lessonIndex);
}

void TMainf::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce || event->spontaneous())
        return;
    m_shownOnce = true;
    centreOnScreen();
    // Run once the window is up, so the probe's message box has the launcher
    // behind it and the frame size is known.
    QTimer::singleShot(0, this, [this] { guarded([&] { FormShow(); }); });
}

void TMainf::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

bool TMainf::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListBox2->viewport()) {
        if (event->type() == QEvent::MouseMove)
            guarded([&] { ListBox2MouseMove(); });
        else if (event->type() == QEvent::MouseButtonPress)
            m_clickHandled = false;
    }
    return QMainWindow::eventFilter(watched, event);
}
