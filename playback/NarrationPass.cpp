#include "playback/NarrationPass.h"

#include "playback/PlayerState.h"
#include "content/ScriptText.h"
#include "content/StepScript.h"

using ScriptText::copy;
using ScriptText::pos;
using ScriptText::toInt;

namespace NarrationPass {

const ArrowName kArrowNames[8] = {
    {"ARR_R1R.BMP", Arrow::Right},      {"ARR_L1R.BMP", Arrow::Left},
    {"ARR_D1R.BMP", Arrow::Down},       {"ARR_U1R.BMP", Arrow::Up},
    {"ARR_NW_R.BMP", Arrow::NorthWest}, {"ARR_SW_R.BMP", Arrow::SouthWest},
    {"ARR_SE_R.BMP", Arrow::SouthEast}, {"ARR_NE_R.BMP", Arrow::NorthEast},
};

namespace {

const QString kOn = QStringLiteral("ON");
const QString kOff = QStringLiteral("OFF");
const QString kDone = QStringLiteral("Done");

// "%Location =  215 177 181 131": x and y are the first two blank-separated
// numbers from character 14 on; width and height are not used.
void readLocation(const QString& line, PlayerState& s, View& view)
{
    s.locrest = StepScript::AsPlayed::locationRest(line);
    int blank = pos(QStringLiteral(" "), s.locrest);
    const int x = toInt(copy(s.locrest, 1, blank - 1));
    view.setBoxLeft(s.mapping().screenX(x));
    s.locrest = copy(s.locrest, blank + 1, s.locrest.size());
    blank = pos(QStringLiteral(" "), s.locrest);
    const int y = toInt(copy(s.locrest, 1, blank - 1));
    view.setBoxTop(s.mapping().screenY(y));
}

} // namespace

void run(Form form, const QStringList& lsnlist, PlayerState& s, View& view)
{
    s.stepstate = kOff;
    s.textstate = kOff;
    s.locrest.clear();
    view.clearText();
    if (form == Form::Frame)
        s.arrowstate = kOff;
    if (lsnlist.isEmpty())
        return;

    const QString screenLine = StepScript::AsPlayed::screenLine(toInt(s.screennum));
    const bool arrows = form == Form::Frame;
    for (const QString& line : lsnlist) {
        // A later step with the same number opens again, so test every line.
        if (line == screenLine)
            s.stepstate = kOn;
        if (arrows && s.stepstate == kOn) {
            // All are tested; the last match wins. The mask file names
            // differ from the pictures' and never match.
            for (const ArrowName& a : kArrowNames) {
                if (pos(QLatin1String(a.fileName), line) > 1)
                    view.copyArrowPicture(a.arrow);
            }
        }
        // The arrow numbers are read by their fixed columns (see
        // StepScript::AsPlayed), so a negative value loses its sign.
        if (arrows && s.stepstate == kOn && pos(QStringLiteral("%GraphicTop="), line) > 0)
            view.setArrowTop(s.mapping().panelY(StepScript::AsPlayed::arrowTop(line)));
        if (arrows && s.stepstate == kOn && pos(QStringLiteral("%GraphicLeft="), line) > 0) {
            view.setArrowLeft(s.mapping().screenX(StepScript::AsPlayed::arrowLeft(line)));
            s.arrowstate = kOn;
        }
        // Adding the text before the switch below keeps "%Scroll= 0" itself
        // out of the box.
        if (line != QLatin1String("!") && s.textstate == kOn)
            view.appendText(line);
        if (s.stepstate == kOn && line == QLatin1String("%Scroll= 0"))
            s.textstate = kOn;
        if (s.stepstate == kOn && line == QLatin1String("!")) {
            s.stepstate = kDone;
            s.textstate = kOff;
        }
        if (s.stepstate == kOn && line.startsWith(QLatin1String("%Location = ")))
            readLocation(line, s, view);
    }
}

} // namespace NarrationPass
