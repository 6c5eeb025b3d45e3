#pragma once

#include <QString>

#include <functional>

class QWidget;

// The builder's file-open dialog: no filter, default title. Execute() shows
// it and keeps the chosen file's full path in FileName; false when cancelled.
// Tests replace the chooser so that no dialog ever blocks.
class OpenDialog {
public:
    using Chooser = std::function<QString(QWidget* parent)>;

    explicit OpenDialog(QWidget* parent);

    bool Execute();
    QString FileName;

    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

private:
    QWidget* m_parent;
    Chooser m_chooser;
};
