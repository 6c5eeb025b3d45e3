#pragma once

#include <QMainWindow>

class QListWidget;

// The launcher window.
class TMainf : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainf(QWidget* parent = nullptr);

    // Part loader: loads and starts the part chosen by code text or lesson index.
    void runsimu(const QString& codeText, int lessonIndex);

    QListWidget* playlistbox = nullptr;
};

extern TMainf* Mainf;
