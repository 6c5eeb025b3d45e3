#include "platform/PointerControl.h"

#include <QCursor>
#include <QGuiApplication>

#include <utility>

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

std::optional<bool>& canMoveOverride()
{
    static std::optional<bool> o;
    return o;
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

std::optional<bool> PointerControl::setCanMoveOverride(std::optional<bool> canMove)
{
    return std::exchange(canMoveOverride(), canMove);
}

bool PointerControl::canMove()
{
    if (canMoveOverride())
        return *canMoveOverride();
    const QString platform = QGuiApplication::platformName();
    return !platform.startsWith(QLatin1String("wayland"));
}
