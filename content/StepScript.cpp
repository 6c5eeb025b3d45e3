#include "content/StepScript.h"

#include "content/ScriptText.h"
#include "platform/AppError.h"

#include <QRegularExpression>

namespace StepScript {
namespace {

struct ArrowName {
    const char* code;
    const char* file;
    const char* mask;
};

constexpr ArrowName kArrows[] = {
    {"R", "ARR_R1R.BMP", "ARR_R1_.BMP"},   {"L", "ARR_L1R.BMP", "ARR_L1_.BMP"},
    {"D", "ARR_D1R.BMP", "ARR_D1_.BMP"},   {"U", "ARR_U1R.BMP", "ARR_U1_.BMP"},
    {"NW", "ARR_NW_R.BMP", "ARR_NW__.BMP"}, {"SW", "ARR_SW_R.BMP", "ARR_SW__.BMP"},
    {"SE", "ARR_SE_R.BMP", "ARR_SE__.BMP"}, {"NE", "ARR_NE_R.BMP", "ARR_NE__.BMP"},
};

const QString kHeader = QStringLiteral("$$$$$$ Step ");

[[noreturn]] void fail(int index, const QString& what)
{
    throw AppError(QStringLiteral("Step script line %1: %2").arg(index + 1).arg(what));
}

// Reads one signed number field (sign character, then digits) from the
// start of text; returns the characters consumed, 0 when there is none.
int readSigned(const QString& text, int from, int* value)
{
    if (from >= text.size() || (text[from] != QLatin1Char(' ') && text[from] != QLatin1Char('-')))
        return 0;
    int end = from + 1;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
        ++end;
    if (end == from + 1)
        return 0;
    bool ok = false;
    const int magnitude = text.mid(from + 1, end - from - 1).toInt(&ok);
    if (!ok)
        return 0;
    // A zero is written with a blank, never as "-0".
    if (text[from] == QLatin1Char('-') && magnitude == 0)
        return 0;
    *value = text[from] == QLatin1Char('-') ? -magnitude : magnitude;
    return end - from;
}

// A line made of prefix and exactly one signed field.
bool signedLine(const QString& line, const QString& prefix, int* value)
{
    if (!line.startsWith(prefix))
        return false;
    const int used = readSigned(line, prefix.size(), value);
    return used > 0 && prefix.size() + used == line.size();
}

bool quotedLine(const QString& line, const QString& prefix, QString* text)
{
    if (!line.startsWith(prefix) || line.size() < prefix.size() + 2 || !line.endsWith(QLatin1Char('\'')))
        return false;
    if (line[prefix.size()] != QLatin1Char('\''))
        return false;
    *text = line.mid(prefix.size() + 1, line.size() - prefix.size() - 2);
    return !text->contains(QLatin1Char('\''));
}

} // namespace

QStringList arrowCodes()
{
    QStringList codes;
    for (const auto& a : kArrows)
        codes << QLatin1String(a.code);
    return codes;
}

QString arrowFileName(const QString& code)
{
    for (const auto& a : kArrows)
        if (code == QLatin1String(a.code))
            return QLatin1String(a.file);
    return {};
}

QString arrowMaskName(const QString& code)
{
    for (const auto& a : kArrows)
        if (code == QLatin1String(a.code))
            return QLatin1String(a.mask);
    return {};
}

QString arrowCodeOf(const QString& path)
{
    const QString name = path.section(QLatin1Char('\\'), -1);
    for (const auto& a : kArrows)
        if (name == QLatin1String(a.file))
            return QLatin1String(a.code);
    return {};
}

QString arrowFolder()
{
    return QStringLiteral("E:\\FormDesigner\\bitmaps\\");
}

QString signedField(int value)
{
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(value < 0 ? -value : value);
}

std::vector<Step> parse(const QStringList& lines)
{
    std::vector<Step> steps;
    int i = 0;
    const int n = lines.size();
    while (i < n) {
        Step s;
        if (!lines[i].startsWith(kHeader) || !signedLine(lines[i], kHeader, &s.number))
            fail(i, QStringLiteral("step header expected"));
        ++i;
        auto need = [&](const char* what) {
            if (i >= n)
                fail(i, QStringLiteral("%1 expected before the end").arg(QLatin1String(what)));
        };
        need("screen line");
        if (!signedLine(lines[i], QStringLiteral("%Screen = "), &s.screen))
            fail(i, QStringLiteral("screen line expected"));
        ++i;
        need("topic line");
        if (!quotedLine(lines[i], QStringLiteral("%Topic "), &s.topic))
            fail(i, QStringLiteral("topic line expected"));
        ++i;
        need("location line");
        {
            const QString prefix = QStringLiteral("%Location = ");
            const QString& line = lines[i];
            if (!line.startsWith(prefix))
                fail(i, QStringLiteral("location line expected"));
            int pos = prefix.size();
            int* fields[] = {&s.x, &s.y, &s.w, &s.h};
            for (int* f : fields) {
                const int used = readSigned(line, pos, f);
                if (used == 0)
                    fail(i, QStringLiteral("location needs four numbers"));
                pos += used;
            }
            if (pos != line.size())
                fail(i, QStringLiteral("location needs four numbers"));
        }
        ++i;
        need("scroll line");
        if (lines[i].startsWith(QLatin1String("%GraphicFileName="))) {
            StepArrow a;
            if (!quotedLine(lines[i], QStringLiteral("%GraphicFileName= "), &a.file))
                fail(i, QStringLiteral("arrow file line malformed"));
            ++i;
            need("arrow mask line");
            if (!quotedLine(lines[i], QStringLiteral("%GraphicMaskFile= "), &a.mask))
                fail(i, QStringLiteral("arrow mask line expected"));
            ++i;
            need("arrow top line");
            if (!signedLine(lines[i], QStringLiteral("%GraphicTop="), &a.top))
                fail(i, QStringLiteral("arrow top line expected"));
            ++i;
            need("arrow left line");
            if (!signedLine(lines[i], QStringLiteral("%GraphicLeft="), &a.left))
                fail(i, QStringLiteral("arrow left line expected"));
            ++i;
            s.arrow = a;
        }
        need("scroll line");
        if (!signedLine(lines[i], QStringLiteral("%Scroll="), &s.scroll))
            fail(i, QStringLiteral("scroll line expected"));
        ++i;
        s.closed = false;
        while (i < n) {
            const QString& line = lines[i];
            if (line == QLatin1String("!")) {
                s.closed = true;
                ++i;
                break;
            }
            // A header inside the text starts the next step; this one was
            // never closed.
            int nextNumber = 0;
            if (signedLine(line, kHeader, &nextNumber))
                break;
            s.narration << line;
            ++i;
        }
        steps.push_back(s);
    }
    return steps;
}

QStringList write(const std::vector<Step>& steps)
{
    QStringList lines;
    int number = 1;
    for (const Step& s : steps) {
        lines << kHeader + signedField(number++);
        lines << QStringLiteral("%Screen = ") + signedField(s.screen);
        lines << QStringLiteral("%Topic '") + s.topic + QLatin1Char('\'');
        lines << QStringLiteral("%Location = ") + signedField(s.x) + signedField(s.y) + signedField(s.w)
                + signedField(s.h);
        if (s.arrow) {
            lines << QStringLiteral("%GraphicFileName= '") + s.arrow->file + QLatin1Char('\'');
            lines << QStringLiteral("%GraphicMaskFile= '") + s.arrow->mask + QLatin1Char('\'');
            lines << QStringLiteral("%GraphicTop=") + signedField(s.arrow->top);
            lines << QStringLiteral("%GraphicLeft=") + signedField(s.arrow->left);
        }
        lines << QStringLiteral("%Scroll=") + signedField(s.scroll);
        lines << s.narration;
        if (s.closed)
            lines << QStringLiteral("!");
    }
    return lines;
}

std::vector<const Step*> stepsFor(const std::vector<Step>& steps, int screen)
{
    std::vector<const Step*> found;
    for (const Step& s : steps)
        if (s.screen == screen)
            found.push_back(&s);
    return found;
}

namespace AsPlayed {

QString screenLine(int event)
{
    return QStringLiteral("%Screen =  ") + QString::number(event);
}

int arrowTop(const QString& line)
{
    return ScriptText::toInt(ScriptText::copy(line, 14, 3));
}

int arrowLeft(const QString& line)
{
    return ScriptText::toInt(ScriptText::copy(line, 15, 3));
}

QString locationRest(const QString& line)
{
    return ScriptText::copy(line, 14, int(line.size()));
}

} // namespace AsPlayed

} // namespace StepScript
