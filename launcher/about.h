#pragma once

#include <QDialog>

// The about box, shown from the player's publisher entry.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

extern TAboutBox* AboutBox;
