#include "playback/EventLine.h"

#include "playback/PlayerText.h"

using PlayerText::copy;
using PlayerText::pos;

namespace EventLine {

QString eventNumber(const QString& line)
{
    return copy(line, 3, 4);
}

bool isMouse(const QString& line)
{
    return pos(QStringLiteral("Mouse:"), line) > 1;
}

QString xText(const QString& line)
{
    const int at = pos(QStringLiteral("X="), line);
    return copy(line, at + 2, pos(QStringLiteral(" Y="), line) - at - 2);
}

QString yText(const QString& line)
{
    const int at = pos(QStringLiteral("Y="), line);
    return copy(line, at + 2, pos(QStringLiteral(" Ev"), line) - at - 2);
}

int x(const QString& line)
{
    return PlayerText::toInt(xText(line));
}

int y(const QString& line)
{
    return PlayerText::toInt(yText(line));
}

} // namespace EventLine
