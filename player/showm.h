#pragma once

#include <QWidget>

// The narration box.
class Tpopupform : public QWidget {
    Q_OBJECT
public:
    explicit Tpopupform(QWidget* parent = nullptr);
};

extern Tpopupform* popupform;
