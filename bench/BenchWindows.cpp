#include "bench/BenchWindows.h"

#include "launcher/about.h"
#include "launcher/menuunit_.h"
#include "launcher/Prompter.h"
#include "platform/PointerControl.h"
#include "player/proj10.h"
#include "player/showm.h"
#include "store/Unit1.h"

namespace BenchWindows {

namespace {
int& errorCount()
{
    static int count = 0;
    return count;
}
} // namespace

void ensure()
{
    if (Mainf != nullptr)
        return;
    // No question box may block an unattended run; the pointer is left alone.
    Prompter::setMessageSink([](const QString&, const QString&) {});
    Prompter::setConfirmSink([](const QString&, const QString&) { return false; });
    PointerControl::setHook([](const QPoint&) {});
    Mainf = new TMainf;
    ProForm = new TProForm;
    simu_form = new Tsimu_form;
    popupform = new Tpopupform;
    AboutBox = new TAboutBox;
}

void destroy()
{
    delete AboutBox;
    AboutBox = nullptr;
    delete popupform;
    popupform = nullptr;
    delete simu_form;
    simu_form = nullptr;
    delete ProForm;
    ProForm = nullptr;
    delete Mainf;
    Mainf = nullptr;
}

void noteError(const QString&)
{
    ++errorCount();
}

int takeErrors()
{
    return std::exchange(errorCount(), 0);
}

} // namespace BenchWindows
