#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The arrow block of a step: the arrow picture, its mask and where its
// top-left corner stands on the frame.
struct StepArrow {
    QString file;     // full authoring path, e.g. "E:\...\bitmaps\ARR_R1R.BMP"
    QString mask;
    int top = 0;
    int left = 0;
};

// One narration step of a step script.
struct Step {
    int number = 1;
    int screen = 0;          // event number whose frame shows the step
    QString topic;
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    std::optional<StepArrow> arrow;
    int scroll = 0;
    QStringList narration;
    bool closed = true;      // false when the list ended before its "!"
};

namespace StepScript {

// The eight arrow pictures the step scripts name, by short direction code
// ("R", "L", "D", "U", "NW", "SW", "SE", "NE").
QStringList arrowCodes();
QString arrowFileName(const QString& code);   // "ARR_R1R.BMP"
QString arrowMaskName(const QString& code);   // "ARR_R1_.BMP"
// The direction code of an arrow path or file name; empty when unknown.
QString arrowCodeOf(const QString& path);
// The folder the arrow paths of the library lie in (drive E:, ending "\").
QString arrowFolder();

// A signed number field: a blank for zero and positive values, "-" for
// negative ones, then the digits.
QString signedField(int value);

// Parses a step script. Steps are split at step headers; a step whose list
// ends before its "!" comes back with closed = false. Throws AppError for a
// line that cannot belong to a step or a number field that is not a number.
std::vector<Step> parse(const QStringList& lines);

// Writes steps in the fixed line order and spacing, numbered from 1.
QStringList write(const std::vector<Step>& steps);

// The steps whose screen is the given event number, in script order (the
// player opens every one of them).
std::vector<const Step*> stepsFor(const std::vector<Step>& steps, int screen);

// How playback reads the lines of a step, where it deliberately differs from
// parse(): numbers are taken from fixed character columns, as the course's
// player always read them, so a value written without its blank loses its
// first character ("%GraphicTop=-5" gives 5, where parse() gives -5) and a
// four-character value loses its last. Kept in this one place so the two
// readings can be compared.
namespace AsPlayed {

// The line that opens the steps of an event: "%Screen =  N", N without
// leading zeros.
QString screenLine(int event);

// The arrow's top and left: three characters right after "%GraphicTop= "
// and "%GraphicLeft= " (characters 14 to 16 and 15 to 17).
int arrowTop(const QString& line);
int arrowLeft(const QString& line);

// "%Location =  215 177 181 131" from its 14th character on: the blank-
// separated numbers, of which playback uses the first two.
QString locationRest(const QString& line);

} // namespace AsPlayed

} // namespace StepScript
