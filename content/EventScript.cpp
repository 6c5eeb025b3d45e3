#include "content/EventScript.h"

#include "content/ScriptText.h"
#include "platform/AppError.h"

#include <QRegularExpression>

namespace EventScript {
namespace {

QString lineError(int index, const QString& what)
{
    return QStringLiteral("Event script line %1: %2").arg(index + 1).arg(what);
}

QString fourDigits(int number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

} // namespace

QString eventNameFor(int message)
{
    switch (message) {
    case 513: return QStringLiteral("Left_Button_Down");
    case 514: return QStringLiteral("Left_Button_Up");
    case 161: return QStringLiteral("NCLeft_Button_Down");
    default: return {};
    }
}

QString keyNameFor(int keyCode)
{
    if ((keyCode >= 48 && keyCode <= 57) || (keyCode >= 65 && keyCode <= 90))
        return QString(QChar(keyCode));
    switch (keyCode) {
    case 8: return QString(QChar(8));
    case 9: return QStringLiteral("Tab");
    case 13: return QStringLiteral("Enter");
    case 32: return QStringLiteral("Space");
    case 39: return QStringLiteral("Right");
    case 40: return QStringLiteral("Down");
    case 46: return QStringLiteral("Del");
    case 186: return QStringLiteral(";");
    case 187: return QStringLiteral("=");
    case 189: return QStringLiteral("-");
    case 190: return QStringLiteral(".");
    default: return {};
    }
}

std::vector<EventRecord> parse(const QStringList& input)
{
    static const QRegularExpression mouseRe(QStringLiteral(
        "^# (\\d{4})  Mouse:(\\d+) X=(\\d+) Y=(\\d+) Event:(\\S+)$"));
    // The key name may be any character, the Backspace control included.
    static const QRegularExpression keyRe(QStringLiteral(
        "^# (\\d{4})  KeyCode=(\\d+)  Key=(.+?)    Press=([01]) PrevDn=([01]) "
        "Caps=([01]) Shift=([01]) Ctrl=([01]) Alt=([01])$"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression frameRe(QStringLiteral(
        "^# (\\d{4})  --> (KEYFRAME|UPDATE)  Left=(\\d+) Top=(\\d+) Right=(\\d+) "
        "Bottom=(\\d+)( --> \\.AVI File Open)?$"));

    QStringList lines = input;
    // One empty line after the last record is a separator too many, not a
    // record of its own.
    if (!lines.isEmpty() && lines.last().isEmpty() && lines.size() % 3 == 0)
        lines.removeLast();

    std::vector<EventRecord> records;
    for (int i = 0; i < lines.size(); i += 3) {
        const int number = static_cast<int>(records.size());
        if (i + 1 >= lines.size())
            throw AppError(lineError(i + 1, QStringLiteral("frame line missing")));
        EventRecord r;
        const QString& ev = lines[i];
        if (const auto m = mouseRe.match(ev); m.hasMatch()) {
            r.kind = EventRecord::Kind::Mouse;
            r.number = m.captured(1).toInt();
            r.message = m.captured(2).toInt();
            r.x = m.captured(3).toInt();
            r.y = m.captured(4).toInt();
            r.eventName = m.captured(5);
        } else if (const auto k = keyRe.match(ev); k.hasMatch()) {
            r.kind = EventRecord::Kind::Key;
            r.number = k.captured(1).toInt();
            r.keyCode = k.captured(2).toInt();
            r.keyName = k.captured(3);
            r.press = k.captured(4).toInt();
            r.prevDn = k.captured(5).toInt();
            r.caps = k.captured(6).toInt();
            r.shift = k.captured(7).toInt();
            r.ctrl = k.captured(8).toInt();
            r.alt = k.captured(9).toInt();
        } else {
            throw AppError(lineError(i, QStringLiteral("not a mouse or key line")));
        }
        if (r.number != number)
            throw AppError(lineError(i, QStringLiteral("event number %1 expected").arg(fourDigits(number))));

        const auto f = frameRe.match(lines[i + 1]);
        if (!f.hasMatch())
            throw AppError(lineError(i + 1, QStringLiteral("not a frame line")));
        if (f.captured(1).toInt() != number)
            throw AppError(lineError(i + 1, QStringLiteral("event number %1 expected").arg(fourDigits(number))));
        r.frameKind = f.captured(2);
        // Only a key frame carries the file-open suffix.
        if (f.captured(7).isEmpty() == r.isKeyFrame())
            throw AppError(lineError(i + 1, QStringLiteral("frame kind and suffix disagree")));
        r.left = f.captured(3).toInt();
        r.top = f.captured(4).toInt();
        r.right = f.captured(5).toInt();
        r.bottom = f.captured(6).toInt();

        if (i + 2 < lines.size() && !lines[i + 2].isEmpty())
            throw AppError(lineError(i + 2, QStringLiteral("separator line not empty")));
        if (number > 9999)
            throw AppError(lineError(i, QStringLiteral("more than 10000 records")));
        records.push_back(r);
    }
    return records;
}

QString eventLine(const EventRecord& r)
{
    const QString head = QStringLiteral("# %1  ").arg(fourDigits(r.number));
    if (r.isMouse()) {
        return head + QStringLiteral("Mouse:%1 X=%2 Y=%3 Event:%4")
                          .arg(r.message)
                          .arg(r.x, 3, 10, QLatin1Char('0'))
                          .arg(r.y, 3, 10, QLatin1Char('0'))
                          .arg(r.eventName);
    }
    // Built by concatenation: arg() would read a key name such as "1" as a
    // place marker.
    return head + QStringLiteral("KeyCode=") + QString::number(r.keyCode) + QStringLiteral("  Key=")
        + r.keyName
        + QStringLiteral("    Press=%1 PrevDn=%2 Caps=%3 Shift=%4 Ctrl=%5 Alt=%6")
              .arg(r.press).arg(r.prevDn).arg(r.caps).arg(r.shift).arg(r.ctrl).arg(r.alt);
}

QString frameLine(const EventRecord& r)
{
    QString line = QStringLiteral("# %1  --> %2  Left=%3 Top=%4 Right=%5 Bottom=%6")
                       .arg(fourDigits(r.number), r.frameKind)
                       .arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
    if (r.isKeyFrame())
        line += QStringLiteral(" --> .AVI File Open");
    return line;
}

QStringList write(const std::vector<EventRecord>& records)
{
    if (records.size() > 10000)
        throw AppError(QStringLiteral("An event script holds at most 10000 records"));
    QStringList lines;
    for (size_t k = 0; k < records.size(); ++k) {
        EventRecord r = records[k];
        r.number = static_cast<int>(k);
        if (r.isMouse() && (r.x < 0 || r.x > 999 || r.y < 0 || r.y > 999))
            throw AppError(QStringLiteral("Event %1: position %2,%3 does not fit three digits")
                               .arg(k).arg(r.x).arg(r.y));
        if (k > 0)
            lines << QString();
        lines << eventLine(r) << frameLine(r);
    }
    return lines;
}

namespace AsPlayed {

using ScriptText::copy;
using ScriptText::pos;

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
    return ScriptText::toInt(xText(line));
}

int y(const QString& line)
{
    return ScriptText::toInt(yText(line));
}

} // namespace AsPlayed

} // namespace EventScript
