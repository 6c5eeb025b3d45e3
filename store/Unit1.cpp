#include "store/Unit1.h"

#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "platform/HandlerGuard.h"

#include <QFont>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

TProForm* ProForm = nullptr;

namespace {

// The pages in the order the library's sheets were added: one per part, then
// the spare sheet no part uses.
QStringList pageNames()
{
    QStringList names = ScriptLibrary::sheets();
    if (!names.isEmpty())
        return names;
    for (const Catalogue::PartEntry& part : Catalogue::parts())
        names << part.sheet;
    names << QStringLiteral("proj1a");
    return names;
}

QStringList pageLists(const QString& sheet)
{
    QStringList lists = ScriptLibrary::lists(sheet);
    if (!lists.isEmpty())
        return lists;
    for (const Catalogue::PartEntry& part : Catalogue::parts())
        if (part.sheet == sheet)
            return {part.eventList, part.stepList};
    return {QStringLiteral("ListBox73"), QStringLiteral("ListBox74")};
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& where)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(where);
    return button;
}

QListWidget* makeList(QWidget* parent, const QString& name, const QRect& where)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(where);
    return list;
}

constexpr int kProj9aPage = 10;

} // namespace

TProForm::TProForm(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ProForm"));
    setWindowTitle(QStringLiteral("ProForm"));
    setFixedSize(739, 486);
    move(208, 288);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    // The grid is made when it is first needed (shown or filled): a table
    // widget costs every start of the program a tenth of its work, for a
    // window learners never see.

    Button1 = makeButton(this, QStringLiteral("Button1"), QStringLiteral("Insert"), {336, 32, 75, 25});
    FileListBox1 = makeList(this, QStringLiteral("FileListBox1"), {8, 24, 145, 97});
    Button2 = makeButton(this, QStringLiteral("Button2"), QStringLiteral("Record Count"), {336, 80, 75, 25});
    Button3 = makeButton(this, QStringLiteral("Button3"), QStringLiteral("Button3"), {192, 32, 75, 25});
    Button4 = makeButton(this, QStringLiteral("Button4"), QStringLiteral("Move File"), {24, 136, 75, 25});
    FileListBox2 = makeList(this, QStringLiteral("FileListBox2"), {16, 264, 145, 97});
    DBListBox1 = makeList(this, QStringLiteral("DBListBox1"), {432, 32, 121, 161});

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(304, 168, 417, 281);
    // The 38 pages with their 76 lists are made when the window is first
    // shown: learners never see this window, and making them cost every
    // start of the program more than the launcher itself.

    Button5 = makeButton(this, QStringLiteral("Button5"), QStringLiteral("Button5"), {192, 352, 75, 25});

    connect(Button1, &QPushButton::clicked, this, &TProForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TProForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TProForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TProForm::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TProForm::Button5Click);

    Table1.setTableName(QStringLiteral("simu.dbf"));
    FormCreate();

    // Authors get the window next to the launcher once the program runs;
    // learners never see it.
    if (authorModeRequested())
        QTimer::singleShot(0, this, [this] { show(); });
}

bool TProForm::authorModeRequested()
{
    return qEnvironmentVariable("LESSONWRIGHT_AUTHOR") == QLatin1String("1");
}

void TProForm::showEvent(QShowEvent* event)
{
    ensurePages();
    ensureGrid();
    orderTabs();
    QWidget::showEvent(event);
}

void TProForm::ensureGrid()
{
    if (DBGrid1 != nullptr)
        return;
    DBGrid1 = new QTableWidget(0, 3, this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(96, 144, 201, 201);
    DBGrid1->setHorizontalHeaderLabels({QStringLiteral("Record"), QStringLiteral("GR bytes"), QStringLiteral("M")});
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setColumnWidth(0, 46);
    DBGrid1->setColumnWidth(1, 56);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    // Where it would stand had it been made first: under the controls it
    // overlaps.
    DBGrid1->lower();
}

void TProForm::orderTabs()
{
    // Tab walks the window in the order its controls were laid out, grid
    // first, whichever of the grid and the pages was made first.
    QWidget* previous = DBGrid1;
    const std::initializer_list<QWidget*> laidOut = {Button1, FileListBox1, Button2, Button3, Button4,
                                                     FileListBox2, DBListBox1, PageControl1, Button5};
    for (QWidget* next : laidOut) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void TProForm::ensurePages()
{
    if (PageControl1->count() == 0)
        buildPages();
}

void TProForm::buildPages()
{
    const QStringList names = pageNames();
    for (const QString& name : names) {
        auto* page = new QWidget;
        page->setObjectName(name);
        const QStringList lists = pageLists(name);
        makeList(page, lists.value(0), {4, 4, 200, 245});
        makeList(page, lists.value(1), {208, 4, 200, 245});
        PageControl1->addTab(page, name);
    }
    // Pages are filled when first shown: 74 lists of script lines would
    // otherwise cost every start of the player.
    connect(PageControl1, &QTabWidget::currentChanged, this, &TProForm::fillPage);
    const int initial = names.indexOf(QStringLiteral("proj7"));
    PageControl1->setCurrentIndex(initial < 0 ? 0 : initial);
    fillPage(PageControl1->currentIndex());
}

void TProForm::fillPage(int index)
{
    QWidget* page = PageControl1->widget(index);
    if (!page || page->property("filled").toBool())
        return;
    page->setProperty("filled", true);
    for (QListWidget* list : page->findChildren<QListWidget*>())
        list->addItems(ScriptLibrary::lines(page->objectName(), list->objectName()));
}

void TProForm::FormCreate()
{
    guarded([&] { m_builder.recordStartupDirectory(); });
}

void TProForm::showFileLists()
{
    FileListBox1->clear();
    FileListBox1->addItems(m_builder.frameFiles().items());
    FileListBox2->clear();
    FileListBox2->addItems(m_builder.scriptFiles().items());
}

void TProForm::refreshGrid()
{
    ensureGrid();
    DBGrid1->setRowCount(0);
    if (!Table1.isOpen())
        return;
    guarded([&] {
        // A table object of its own, so that the grid never moves the record
        // the player is on.
        DbfTable view;
        view.setDatabaseName(Table1.databaseName());
        view.setTableName(Table1.tableName());
        view.open();
        DBGrid1->setRowCount(view.recordCount());
        for (int row = 0; row < view.recordCount(); ++row) {
            const QString memo = QString::fromLatin1(view.fieldBytes(QByteArrayLiteral("M")));
            DBGrid1->setItem(row, 0, new QTableWidgetItem(QString::number(view.recNo())));
            DBGrid1->setItem(row, 1, new QTableWidgetItem(QString::number(view.fieldBytes(QByteArrayLiteral("GR")).size())));
            DBGrid1->setItem(row, 2, new QTableWidgetItem(memo.section(QLatin1Char('\n'), 0, 0).trimmed()));
            view.next();
        }
    });
}

void TProForm::runOnChosenFile(const std::function<void(const QString&)>& command)
{
    guarded([&] {
        if (!OpenDialog1.Execute())
            return;
        // The file lists and the grid show what was done even when the
        // command failed half-way.
        struct Refresh {
            TProForm* form;
            ~Refresh()
            {
                form->showFileLists();
                form->refreshGrid();
            }
        } refresh{this};
        command(OpenDialog1.FileName);
    });
}

void TProForm::Button1Click()
{
    runOnChosenFile([this](const QString& file) { m_builder.insert(file); });
}

void TProForm::Button2Click()
{
    guarded([&] { setWindowTitle(QString::number(m_builder.recordCount())); });
}

void TProForm::Button3Click()
{
    runOnChosenFile([this](const QString& file) { m_builder.scripts(file); });
}

void TProForm::Button4Click()
{
    guarded([&] {
        struct Refresh {
            TProForm* form;
            ~Refresh() { form->showFileLists(); }
        } refresh{this};
        m_builder.moveFiles();
    });
}

void TProForm::Button5Click()
{
    guarded([&] {
        ensurePages();
        PageControl1->setCurrentIndex(kProj9aPage);
    });
}
