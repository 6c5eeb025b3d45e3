#pragma once

#include "playback/ScreenMapping.h"

#include <QString>

// What the player knows while it plays a part. One set for the program; all
// values start as 0, false or empty. Coordinates are screen pixels.
struct PlayerState {
    int lineindex = 0;   // event script line of the current event (3 per event)
    QString curline;     // that line
    QString screennum;   // its event number as written ("0000")

    int menuoffset = 0;  // screen top to the top of the frame panel
    int originx = 0;     // screen position of the 640 x 480 frame's corner
    int originy = 0;
    int scale = 1;       // screen pixels per recorded pixel

    int curx = 0;        // where the player last put the pointer
    int cury = 0;
    int targetx = 0;     // where the pointer must go for the current event
    int targety = 0;
    int stepx = 0;       // pointer step per tick
    int stepy = 0;
    bool goup = false;
    bool goright = false;

    // Working state of the narration pass.
    QString stepstate;   // "OFF", "ON" or "Done"
    QString textstate;   // "OFF" or "ON"
    QString arrowstate;  // "OFF" or "ON"
    QString locrest;

    ScreenMapping mapping() const { return {originx, originy, menuoffset, scale}; }
    void setMapping(const ScreenMapping& m)
    {
        originx = m.originx;
        originy = m.originy;
        menuoffset = m.menuoffset;
        scale = m.scale;
    }
};
