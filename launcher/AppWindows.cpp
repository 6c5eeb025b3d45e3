#include "launcher/AppWindows.h"

#include "launcher/about.h"
#include "launcher/menuunit_.h"
#include "player/proj10.h"
#include "player/showm.h"
#include "store/Unit1.h"

#include <QListWidget>

#include <stdexcept>

namespace {

// One window and the global that names it. The global is set as soon as the
// window exists, because the windows made after it reach it through the
// global; it is cleared only after the window is deleted, because the window
// may still reach itself through it while it is being torn down.
template <class Window>
class Slot {
public:
    explicit Slot(Window*& global)
        : m_global(global)
    {
        m_global = new Window;
    }
    ~Slot()
    {
        delete m_global;
        m_global = nullptr;
    }
    Slot(const Slot&) = delete;
    Slot& operator=(const Slot&) = delete;

private:
    Window*& m_global;
};

} // namespace

// Members are made in declaration order and deleted in reverse, also when a
// later one throws while being made.
struct AppWindows::Slots {
    Slot<TMainf> mainf{Mainf};
    Slot<TProForm> proForm{ProForm};
    Slot<Tsimu_form> simuForm{simu_form};
    Slot<Tpopupform> popupForm{popupform};
    Slot<TAboutBox> aboutBox{AboutBox};
};

bool AppWindows::noneExist()
{
    return Mainf == nullptr && ProForm == nullptr && simu_form == nullptr && popupform == nullptr
        && AboutBox == nullptr;
}

AppWindows::AppWindows()
{
    if (!noneExist())
        throw std::logic_error("the program's windows exist already");
    m_slots = std::make_unique<Slots>();
    simu_form->setAboutBox(AboutBox);
    // "Next lesson" at a lesson's end plays it as the lesson list does.
    simu_form->setLessonStarter([](int lessonIndex) {
        Mainf->ListBox2->setCurrentRow(lessonIndex);
        Mainf->ListBox2DblClick();
    });
}

AppWindows::~AppWindows() = default;
