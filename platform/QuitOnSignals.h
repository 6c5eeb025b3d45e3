#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the event loop when the program is asked to stop (SIGTERM, SIGINT or
// SIGHUP), so it unwinds as after a normal quit and its scratch folder goes
// with it instead of staying in memory until a later start. The handler only
// writes a byte to a pipe; the quit happens in the event loop.
class QuitOnSignals : public QObject {
public:
    explicit QuitOnSignals(QObject* parent = nullptr);
    ~QuitOnSignals() override;

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};
