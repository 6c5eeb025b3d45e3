#pragma once

#include <QTimer>

// A timer that is switched on and off like a component's Enabled flag:
// switching on a running timer does not restart its interval. The tag is a
// free integer the player keeps with the timer (the narration pause mark).
class PlayerTimer : public QTimer {
    Q_OBJECT
public:
    PlayerTimer(int intervalMs, QObject* parent);

    void setEnabled(bool enabled);
    bool enabled() const { return isActive(); }

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

private:
    int m_tag = 0;
};
