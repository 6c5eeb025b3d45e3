#include "StoreTestSupport.h"

#include "store/Unit1.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

QStringList items(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

TEST(ProFormTest, ControlsStandWhereTheAuthorExpectsThem)
{
    TProForm form;
    form.show(); // the grid is made when the window is first shown
    EXPECT_EQ(form.windowTitle(), "ProForm");
    EXPECT_EQ(form.size(), QSize(739, 486));
    struct Case {
        QWidget* control;
        QRect geometry;
        const char* caption;
    };
    const Case cases[] = {
        {form.DBGrid1, {96, 144, 201, 201}, nullptr},
        {form.Button1, {336, 32, 75, 25}, "Insert"},
        {form.FileListBox1, {8, 24, 145, 97}, nullptr},
        {form.Button2, {336, 80, 75, 25}, "Record Count"},
        {form.Button3, {192, 32, 75, 25}, "Button3"},
        {form.Button4, {24, 136, 75, 25}, "Move File"},
        {form.FileListBox2, {16, 264, 145, 97}, nullptr},
        {form.DBListBox1, {432, 32, 121, 161}, nullptr},
        {form.PageControl1, {304, 168, 417, 281}, nullptr},
        {form.Button5, {192, 352, 75, 25}, "Button5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.control->geometry(), c.geometry) << c.control->objectName().toStdString();
        if (c.caption)
            EXPECT_EQ(static_cast<QPushButton*>(c.control)->text(), c.caption);
    }
    EXPECT_EQ(form.DBListBox1->count(), 0);
    EXPECT_EQ(form.Table1.tableName(), "simu.dbf");
    EXPECT_FALSE(form.Table1.isOpen());
}

TEST(ProFormTest, GridMadeLateStillLiesUnderItsNeighboursAndComesFirstOnTab)
{
    // The grid is made either by the first show or by the first fill before
    // it; either way it stands as if it had been made first.
    for (const bool filledBeforeShown : {false, true}) {
        TProForm form;
        if (filledBeforeShown)
            form.refreshGrid();
        form.show();
        EXPECT_EQ(form.childAt(97, 150), form.Button4) << filledBeforeShown;
        const auto nextTabStop = [&](QWidget* from) {
            QWidget* w = from->nextInFocusChain();
            while (w != from && !((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&form) && w->isEnabled()))
                w = w->nextInFocusChain();
            return w;
        };
        QStringList order;
        for (QWidget* w = form.DBGrid1; order.size() < 9; w = nextTabStop(w))
            order << w->objectName();
        EXPECT_EQ(order, (QStringList{"DBGrid1", "Button1", "FileListBox1", "Button2", "Button3", "Button4",
                                      "FileListBox2", "DBListBox1", "PageControl1"}))
            << filledBeforeShown;
    }
}

TEST(ProFormTest, PagesStartOnProj7AndButton5ShowsProj9a)
{
    TProForm form;
    form.show(); // the pages are made when the window is first shown
    ASSERT_EQ(form.PageControl1->count(), 38);
    EXPECT_EQ(form.PageControl1->tabText(0), "proj1");
    EXPECT_EQ(form.PageControl1->tabText(36), "pro20f");
    EXPECT_EQ(form.PageControl1->tabText(37), "proj1a");
    EXPECT_EQ(form.PageControl1->tabText(form.PageControl1->currentIndex()), "proj7");
    form.Button5Click();
    EXPECT_EQ(form.PageControl1->currentIndex(), 10);
    EXPECT_EQ(form.PageControl1->tabText(10), "proj9a");

    // The spare page shows its five-line event list once shown.
    form.PageControl1->setCurrentIndex(37);
    const QWidget* spare = form.PageControl1->widget(37);
    const auto* events = spare->findChild<QListWidget*>("ListBox73");
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(events->count(), 5);
    ASSERT_NE(spare->findChild<QListWidget*>("ListBox74"), nullptr);
}

TEST(ProFormTest, ButtonsBuildAStoreThroughTheOpenDialog)
{
    TempCurrentDir root;
    makeTemplate(root.path());
    makeDirectory(root.file("p7"));
    for (const char* name : {"b.jpg", "A.jpg", "c.jpg"})
        writeFile(root.file(QStringLiteral("p7/") + name), frameJpeg(name[0]));
    writeFile(root.file("p7/p7.dat"), "0000 event\r\n");
    writeFile(root.file("p7/p7.lsn"), "$$$$$$ Step\r\n");
    ErrorRecorder errors;

    TProForm form; // records the start-up directory: root
    QString answer;
    int asked = 0;
    form.OpenDialog1.setChooser([&](QWidget*) {
        ++asked;
        return answer;
    });

    // Cancelled: nothing happens.
    form.Button1Click();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(form.Table1.isOpen());

    answer = root.file("p7/b.jpg");
    form.Button1Click();
    EXPECT_EQ(items(form.FileListBox1), (QStringList{"A.jpg", "b.jpg", "c.jpg"}));
    EXPECT_EQ(form.DBGrid1->rowCount(), 3);

    answer = root.file("p7/p7.dat");
    form.Button3Click();
    EXPECT_EQ(form.DBGrid1->item(0, 2)->text(), "0000 event");
    EXPECT_EQ(form.DBGrid1->item(1, 2)->text(), "$$$$$$ Step");
    EXPECT_EQ(form.DBGrid1->item(2, 1)->text(), QString::number(frameJpeg('c').size()));

    form.Button2Click();
    EXPECT_EQ(form.windowTitle(), "3");
    EXPECT_EQ(errors.messages, QStringList());

    // A failing command reports through the error box and nothing escapes.
    answer = root.file("missing/x.jpg");
    form.Button1Click();
    EXPECT_EQ(errors.messages, QStringList{"I/O error 3."});

    // A frame that is not a JPEG: the box names it, and no record is added.
    writeFile(root.file("p7/d.jpg"), "text, not a picture");
    answer = root.file("p7/b.jpg");
    form.Button1Click();
    EXPECT_EQ(errors.messages.value(1),
              LessonTableBuilder::unreadableFrameMessage(QFileInfo(root.file("p7")).canonicalFilePath() + "/d.jpg") + ".");
    EXPECT_EQ(fieldValues(root.file("p7"), "GR").size(), 3u);
}

TEST(ProFormTest, RecordCountOnAClosedTableReportsAnError)
{
    ErrorRecorder errors;
    TProForm form;
    form.setWindowTitle("p4a");
    form.Button2Click();
    EXPECT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(form.windowTitle(), "p4a");
}

} // namespace
