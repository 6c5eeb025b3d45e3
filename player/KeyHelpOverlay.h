#pragma once

#include <QLabel>

// The list of the player's keys, shown over the panel until the learner
// closes it (Escape, F1 or "?" again).
class KeyHelpOverlay : public QLabel {
    Q_OBJECT
public:
    explicit KeyHelpOverlay(QWidget* parent = nullptr);

    // Centred on the parent, above everything on it, its text grown with
    // the frame.
    void showCentred(int scale);
};
