#include "player/PlayerTimer.h"

PlayerTimer::PlayerTimer(int intervalMs, QObject* parent)
    : QTimer(parent)
{
    setInterval(intervalMs);
    setTimerType(Qt::PreciseTimer);
}

void PlayerTimer::setEnabled(bool enabled)
{
    if (enabled == isActive())
        return;
    if (enabled)
        start();
    else
        stop();
}
