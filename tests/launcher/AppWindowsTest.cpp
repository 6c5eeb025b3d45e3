#include "launcher/AppWindows.h"
#include "launcher/about.h"
#include "launcher/menuunit_.h"
#include "player/proj10.h"
#include "player/showm.h"
#include "store/Unit1.h"
#include "support/TestSupport.h"

#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

// The five globals in the order the windows are made, each with a way to
// read it at any moment.
struct Global {
    const char* name;
    std::function<QObject*()> read;
};

const std::vector<Global>& globals()
{
    static const std::vector<Global> all = {
        {"Mainf", [] { return static_cast<QObject*>(Mainf); }},
        {"ProForm", [] { return static_cast<QObject*>(ProForm); }},
        {"simu_form", [] { return static_cast<QObject*>(simu_form); }},
        {"popupform", [] { return static_cast<QObject*>(popupform); }},
        {"AboutBox", [] { return static_cast<QObject*>(AboutBox); }},
    };
    return all;
}

class AppWindowsTest : public testing::Test {
protected:
    ErrorRecorder errors;
    PointerRecorder pointer;
    TempCurrentDir course;
};

TEST_F(AppWindowsTest, DeletesInReverseOrderWhileTheEarlierWindowsStillExist)
{
    std::optional<AppWindows> windows;
    windows.emplace();
    for (const Global& g : globals())
        ASSERT_NE(g.read(), nullptr) << g.name;

    // As each window goes, every window made before it must still be
    // reachable and every one made after it already gone.
    QStringList gone;
    QStringList wrong;
    for (size_t k = 0; k < globals().size(); ++k) {
        QObject::connect(globals()[k].read(), &QObject::destroyed, [&gone, &wrong, k] {
            gone << QLatin1String(globals()[k].name);
            for (size_t j = 0; j < globals().size(); ++j) {
                if (j != k && (globals()[j].read() != nullptr) != (j < k))
                    wrong << QStringLiteral("%1 while %2 went").arg(globals()[j].name, globals()[k].name);
            }
        });
    }
    windows.reset();

    EXPECT_EQ(gone, (QStringList{"AboutBox", "popupform", "simu_form", "ProForm", "Mainf"}));
    EXPECT_EQ(wrong, QStringList());
    for (const Global& g : globals())
        EXPECT_EQ(g.read(), nullptr) << g.name;
    EXPECT_TRUE(AppWindows::noneExist());
    EXPECT_EQ(errors.messages, QStringList());
}

TEST_F(AppWindowsTest, ASecondSetIsRefusedWhileAnyWindowExistsAndMadeOnceAllAreGone)
{
    {
        const AppWindows first;
        std::vector<QObject*> before;
        for (const Global& g : globals())
            before.push_back(g.read());
        EXPECT_THROW(AppWindows second, std::logic_error);
        for (size_t k = 0; k < globals().size(); ++k)
            EXPECT_EQ(globals()[k].read(), before[k]) << globals()[k].name;
    }
    {
        // One window made by hand is enough to refuse a set.
        TAboutBox lone;
        AboutBox = &lone;
        EXPECT_THROW(AppWindows refused, std::logic_error);
        EXPECT_EQ(Mainf, nullptr);
        EXPECT_EQ(AboutBox, &lone);
    }
    EXPECT_EQ(AboutBox, nullptr);
    const AppWindows again;
    for (const Global& g : globals())
        EXPECT_NE(g.read(), nullptr) << g.name;
}

} // namespace
