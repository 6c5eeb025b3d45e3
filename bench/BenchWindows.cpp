#include "bench/BenchWindows.h"

#include "launcher/AppWindows.h"
#include "launcher/Prompter.h"
#include "platform/PointerControl.h"

#include <memory>
#include <utility>

namespace BenchWindows {

namespace {
int& errorCount()
{
    static int count = 0;
    return count;
}

std::unique_ptr<AppWindows>& windows()
{
    static std::unique_ptr<AppWindows> made;
    return made;
}
} // namespace

void ensure()
{
    if (windows())
        return;
    // No question box may block an unattended run; the pointer is left alone.
    Prompter::setMessageSink([](const QString&, const QString&) {});
    Prompter::setConfirmSink([](const QString&, const QString&) { return false; });
    PointerControl::setHook([](const QPoint&) {});
    windows() = std::make_unique<AppWindows>();
}

void destroy()
{
    windows().reset();
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
