#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The about box, shown from the player's publisher entry: program icon,
// product name, course line, publisher and how to reach them.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TAboutBox* AboutBox;
