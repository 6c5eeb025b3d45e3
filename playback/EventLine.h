#pragma once

#include <QString>

// How the player reads one event line of an event script: the event number
// by its fixed columns, the mouse position by the texts around "X=" and "Y=".
// Nothing else of the line (message number, event name, key fields) matters
// during playback.
namespace EventLine {

// Characters 3 to 6: the four-digit event number as written ("0000").
QString eventNumber(const QString& line);

// A mouse line has "Mouse:" somewhere after its first character.
bool isMouse(const QString& line);

// The text between "X=" and " Y=" / between "Y=" and " Ev", not yet
// converted; lines without these markers give odd or empty texts, which the
// integer conversion then rejects.
QString xText(const QString& line);
QString yText(const QString& line);

// The converted positions; AppError "'<text>' is not a valid integer value".
int x(const QString& line);
int y(const QString& line);

} // namespace EventLine
