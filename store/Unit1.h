#pragma once

#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "store/LessonTableBuilder.h"
#include "store/OpenDialog.h"

#include <QWidget>

#include <functional>

class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

// The lesson-store window: owns the one table object through which every
// frame store is read and written; its caption is the current part code. Its
// buttons are the builder commands; it stays hidden unless an author asks for
// it (LESSONWRIGHT_AUTHOR=1 in the environment shows it at start-up).
class TProForm : public QWidget {
    Q_OBJECT
public:
    explicit TProForm(QWidget* parent = nullptr);

    // Whether the environment asks for the authoring window at start-up.
    static bool authorModeRequested();

    void FormCreate();
    void Button1Click(); // Insert
    void Button2Click(); // Record Count
    void Button3Click(); // scripts
    void Button4Click(); // Move File
    void Button5Click(); // page "proj9a"

    // The builder behind the buttons (the authoring tool uses its own).
    LessonTableBuilder& builder() { return m_builder; }

    DbfTable Table1;
    TableField Table1GR{Table1, QByteArrayLiteral("GR"), TableField::Kind::Blob};
    TableField Table1M{Table1, QByteArrayLiteral("M"), TableField::Kind::Memo};

    QTableWidget* DBGrid1 = nullptr; // made when the window is first shown or the grid filled
    QPushButton* Button1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QListWidget* FileListBox2 = nullptr;
    QListWidget* DBListBox1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPushButton* Button5 = nullptr;
    OpenDialog OpenDialog1{this};

    // Refills the grid from the open store (empty when the table is closed).
    void refreshGrid();

    // Makes the script pages unless they exist (they are made on first show).
    void ensurePages();
    // Makes the record grid unless it exists (made on first show or fill).
    void ensureGrid();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildPages();
    void orderTabs();
    void fillPage(int index);
    void showFileLists();
    // Asks for a file in the directory to work on and runs command on it.
    void runOnChosenFile(const std::function<void(const QString&)>& command);

    LessonTableBuilder m_builder{Table1, Table1GR, Table1M};
};

extern TProForm* ProForm;
