#pragma once

#include "launcher/AppWindows.h"
#include "launcher/menuunit_.h"
#include "player/PlayerTimer.h"
#include "player/proj10.h"
#include "player/showm.h"
#include "store/Unit1.h"
#include "support/TestSupport.h"

#include <QListWidget>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// The player's windows as the program makes them, with errors and pointer
// moves recorded and a fresh course folder as the current directory. Timers
// never run on their own here: tests call the handlers.
class PlayerWindows : public testing::Test {
protected:
    void SetUp() override
    {
        windows.emplace();
        // The player starts out holding a real part's scripts; tests give
        // their own, and play without narration unless they ask for it.
        simu_form->engine().setEventScript({});
        simu_form->engine().setStepScript({});
    }

    void TearDown() override { windows.reset(); }

    // A mouse event record (event line, frame line, separator) in the
    // script's own layout.
    static QStringList mouseEvent(int number, int x, int y)
    {
        return {QStringLiteral("# %1  Mouse:513 X=%2 Y=%3 Event:Left_Button_Down")
                    .arg(number, 4, 10, QLatin1Char('0'))
                    .arg(x, 3, 10, QLatin1Char('0'))
                    .arg(y, 3, 10, QLatin1Char('0')),
                QStringLiteral("# %1  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480").arg(number, 4, 10, QLatin1Char('0')),
                QString()};
    }

    static QStringList keyEvent(int number)
    {
        return {QStringLiteral("# %1  KeyCode=13  Key=Enter    Press=1 PrevDn=0 Caps=0 Shift=0 Ctrl=0 Alt=0")
                    .arg(number, 4, 10, QLatin1Char('0')),
                QStringLiteral("# %1  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480").arg(number, 4, 10, QLatin1Char('0')),
                QString()};
    }

    // Joins records into a script; the last record has no separator line.
    static QStringList script(const std::vector<QStringList>& records)
    {
        QStringList lines;
        for (const QStringList& r : records)
            lines += r;
        if (!lines.isEmpty())
            lines.removeLast();
        return lines;
    }

    static QStringList step(int number, int screen, const QString& location, const QStringList& text,
                            const QString& arrowFile = {}, const QString& top = {}, const QString& left = {})
    {
        QStringList lines = {QStringLiteral("$$$$$$ Step  %1").arg(number), QStringLiteral("%Screen =  %1").arg(screen),
                             QStringLiteral("%Topic 'T'"), QStringLiteral("%Location =  ") + location};
        if (!arrowFile.isEmpty()) {
            lines << QStringLiteral("%GraphicFileName='E:\\T\\BITMAPS\\") + arrowFile + QLatin1Char('\'')
                  << QStringLiteral("%GraphicMaskFile='E:\\T\\BITMAPS\\M.BMP'") << QStringLiteral("%GraphicTop=") + top
                  << QStringLiteral("%GraphicLeft=") + left;
        }
        lines << QStringLiteral("%Scroll= 0") << text << QStringLiteral("!");
        return lines;
    }

    static QPoint origin() { return {simu_form->engine().state().originx, simu_form->engine().state().originy}; }

    // Ticks Timer1 until the pointer has arrived (Timer2 takes over).
    static int tickUntilArrived()
    {
        int ticks = 0;
        while (simu_form->Timer1->enabled() && ticks < 1000) {
            simu_form->Timer1Timer();
            ++ticks;
        }
        return ticks;
    }

    // Ticks whichever timer runs, the pointer's first; false when playback
    // has stopped and neither does.
    static bool tickOnce()
    {
        if (simu_form->Timer1->enabled())
            simu_form->Timer1Timer();
        else if (simu_form->Timer2->enabled())
            simu_form->Timer2Timer();
        else
            return false;
        return true;
    }

    // Ticks until a narration box is up or playback stops. Returns whether a
    // box is up.
    static bool tickUntilBox()
    {
        for (int tick = 0; tick < 2000 && !popupform->isVisible() && tickOnce(); ++tick) {
        }
        return popupform->isVisible();
    }

    static void setQueue(const QStringList& codes)
    {
        Mainf->setPlayQueue(codes);
    }

    ErrorRecorder errors;
    PointerRecorder pointer;
    TempCurrentDir course;
    // Made in SetUp, inside the course folder, and gone before it.
    std::optional<AppWindows> windows;
};
