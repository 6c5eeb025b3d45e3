#pragma once

#include <QMainWindow>
#include <QStringList>

// The full-screen player window.
class Tsimu_form : public QMainWindow {
    Q_OBJECT
public:
    explicit Tsimu_form(QWidget* parent = nullptr);

    void save1Click();

    QStringList datlist;
    QStringList lsnlist;
};

extern Tsimu_form* simu_form;
