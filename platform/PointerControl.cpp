#include "platform/PointerControl.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

PointerControl::Hook& hook()
{
    static PointerControl::Hook h;
    return h;
}

QPoint& lastSet()
{
    static QPoint p;
    return p;
}

} // namespace

PointerControl::Hook PointerControl::setHook(Hook newHook)
{
    Hook old = std::move(hook());
    hook() = std::move(newHook);
    return old;
}

void PointerControl::SetCursorPos(int x, int y)
{
    lastSet() = QPoint(x, y);
    if (hook()) {
        hook()(lastSet());
        return;
    }
    QCursor::setPos(x, y);
}

QPoint PointerControl::pos()
{
    return lastSet();
}

void PointerControl::restoreShape()
{
    if (hook())
        return;
    while (QGuiApplication::overrideCursor() != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

bool PointerControl::canMove()
{
    const QString platform = QGuiApplication::platformName();
    return !platform.startsWith(QLatin1String("wayland"));
}
