#pragma once

#include <QPoint>

#include <functional>

// Moves the system mouse pointer (SetCursorPos) and restores its shape. Where
// the platform refuses to move the pointer (a Wayland session), canMove() is
// false and callers draw a pointer of their own at the same positions.
class PointerControl {
public:
    using Hook = std::function<void(const QPoint& pos)>;

    // Receives every move instead of the system pointer (tests). Returns the
    // previous hook.
    static Hook setHook(Hook hook);

    static void SetCursorPos(int x, int y);
    static QPoint pos();

    // Gives the pointer its normal arrow shape again.
    static void restoreShape();

    static bool canMove();
};
