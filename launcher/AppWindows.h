#pragma once

#include <memory>

// The program's five windows, each in its global instance: made in the order
// Mainf, ProForm, simu_form, popupform, AboutBox (the launcher's creation
// handler runs before any other window exists) and deleted in the reverse
// order, each global back to nullptr once its window is gone. If making one
// window fails, those already made are deleted the same way.
//
// There is one set at a time: making a second while any of the globals is
// still set throws std::logic_error and leaves the first set alone, because
// overwriting a global would leave its window to no one.
class AppWindows {
public:
    AppWindows();
    ~AppWindows();

    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    // True while no window of the set exists, so a new set may be made.
    static bool noneExist();

private:
    struct Slots;
    std::unique_ptr<Slots> m_slots;
};
