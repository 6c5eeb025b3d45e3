#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One record of an event script: the input event recorded with one frame
// and the frame line that describes the captured rectangle.
struct EventRecord {
    enum class Kind { Mouse, Key };

    int number = 0;
    Kind kind = Kind::Mouse;

    // Mouse records.
    int message = 513;
    int x = 0;
    int y = 0;
    QString eventName;

    // Key records. The Backspace key's name is the single character 8.
    int keyCode = 0;
    QString keyName;
    int press = 1;
    int prevDn = 0;
    int caps = 0;
    int shift = 0;
    int ctrl = 0;
    int alt = 0;

    // Frame line.
    QString frameKind = QStringLiteral("UPDATE");
    int left = 0;
    int top = 0;
    int right = 640;
    int bottom = 480;

    bool isMouse() const { return kind == Kind::Mouse; }
    bool isKeyFrame() const { return frameKind == QLatin1String("KEYFRAME"); }
};

namespace EventScript {

// The event name the recorder writes for a mouse message number; empty for
// numbers the recorder never produced.
QString eventNameFor(int message);

// The recorder's key name for a virtual-key code; empty for codes it never
// produced.
QString keyNameFor(int keyCode);

// Parses a script into records. A trailing empty line after the last record
// is accepted. Throws AppError naming the line for malformed event or frame
// lines, wrong event numbering or a non-empty separator.
std::vector<EventRecord> parse(const QStringList& lines);

// The two lines of one record, exactly as the recorder writes them.
QString eventLine(const EventRecord& record);
QString frameLine(const EventRecord& record);

// Writes records with their numbers taken from their position (0000, 0001,
// ...), one empty separator between records and none after the last.
QStringList write(const std::vector<EventRecord>& records);

// How playback reads an event line, deliberately more lenient than parse():
// the event number by its fixed columns and the mouse position by the texts
// around "X=" and "Y=", so an odd line fails only where the player needs a
// number, with the conversion's own message. Nothing else of the line
// (message number, event name, key fields) matters during playback.
namespace AsPlayed {

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

} // namespace AsPlayed

} // namespace EventScript
