#pragma once

#include <QPoint>

#include <functional>
#include <optional>

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

    // Whether a program may move the system pointer here: not on Wayland.
    static bool canMove();
    // Answers canMove() instead of the platform (tests play both ways under
    // any platform); std::nullopt asks the platform again. Returns the
    // previous override.
    static std::optional<bool> setCanMoveOverride(std::optional<bool> canMove);
};
