#include "content/storyboard/LibraryStats.h"

#include "content/EventScript.h"
#include "content/ScriptLibrary.h"
#include "content/StepScript.h"
#include "platform/AppError.h"

#include <QFile>

#include <algorithm>

int PartStats::arrowTotal() const
{
    int total = 0;
    for (int n : arrows)
        total += n;
    return total;
}

namespace LibraryStats {

PartStats compute(const QStringList& eventLines, const QStringList& stepLines)
{
    PartStats s;
    s.eventLines = static_cast<int>(eventLines.size());
    s.stepLines = static_cast<int>(stepLines.size());
    const auto records = EventScript::parse(eventLines);
    s.events = static_cast<int>(records.size());
    for (const QString& line : eventLines)
        s.separators += line.isEmpty() ? 1 : 0;
    s.firstIsMouse = !records.empty() && records.front().isMouse();
    for (const auto& r : records) {
        if (r.isKeyFrame())
            s.keyFrames << r.number;
        if (r.left != 0 || r.top != 0 || r.right != 640 || r.bottom != 480)
            s.wholeFrames = false;
        if (r.isMouse()) {
            s.down += r.message == 513;
            s.up += r.message == 514;
            s.nc += r.message == 161;
            s.minX = std::min(s.minX, r.x);
            s.maxX = std::max(s.maxX, r.x);
            s.minY = std::min(s.minY, r.y);
            s.maxY = std::max(s.maxY, r.y);
        } else {
            ++s.keys;
            s.shift += r.shift;
            if (!s.keyNames.contains(r.keyName))
                s.keyNames << r.keyName;
            if (r.press != 1 || r.prevDn || r.caps || r.ctrl || r.alt || r.keyName != EventScript::keyNameFor(r.keyCode))
                s.plainKeyFlags = false;
        }
    }

    const auto steps = StepScript::parse(stepLines);
    s.steps = static_cast<int>(steps.size());
    int previous = -1;
    for (const Step& st : steps) {
        if (st.screen <= previous || st.screen >= s.events)
            s.screensValid = false;
        previous = st.screen;
        s.allClosed = s.allClosed && st.closed;
        s.scrollsZero = s.scrollsZero && st.scroll == 0;
        for (const QString& line : st.narration)
            if (!line.isEmpty())
                s.narrationTexts << line;
        s.longestTopic = std::max(s.longestTopic, static_cast<int>(st.topic.size()));
        if (st.arrow) {
            s.arrows[StepScript::arrowCodeOf(st.arrow->file)] += 1;
            if (st.screen == 0)
                s.arrowAtEventZero = true;
        }
    }
    s.late = !steps.empty() && steps.front().screen > 0;
    return s;
}

Allocation parseAllocation(const QStringList& lines)
{
    Allocation a;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList w = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        auto toInt = [&](const QString& text) {
            bool ok = false;
            const int n = text.toInt(&ok);
            if (!ok)
                throw AppError(QStringLiteral("allocation.txt line %1: '%2' is not a number").arg(i + 1).arg(text));
            return n;
        };
        if (w[0] == QLatin1String("code")) {
            a.columns = w.mid(1);
        } else if (w[0] == QLatin1String("holds")) {
            if (w.size() != 4)
                throw AppError(QStringLiteral("allocation.txt line %1: holds CODE WHAT VALUE").arg(i + 1));
            a.holds[w[1]].append({w[2], toInt(w[3])});
        } else {
            if (w.size() != a.columns.size() + 1)
                throw AppError(QStringLiteral("allocation.txt line %1: %2 values expected").arg(i + 1).arg(a.columns.size()));
            for (int c = 0; c < a.columns.size(); ++c)
                a.rows[w[0]][a.columns[c]] = toInt(w[c + 1]);
        }
    }
    return a;
}

const Allocation& builtInAllocation()
{
    static const Allocation allocation = [] {
        QFile file(QStringLiteral(":/storyboards/allocation.txt"));
        if (!file.open(QIODevice::ReadOnly))
            throw AppError(QStringLiteral("The allocation table is missing"));
        return parseAllocation(ScriptLibrary::splitLines(file.readAll()));
    }();
    return allocation;
}

QStringList checkPart(const QString& code, const PartStats& s, const Allocation& allocation)
{
    QStringList problems;
    auto expect = [&](const QString& what, long long actual, long long wanted) {
        if (actual != wanted)
            problems << QStringLiteral("%1: %2 is %3, should be %4").arg(code, what).arg(actual).arg(wanted);
    };
    auto within = [&](const QString& what, int low, int high, int lo, int hi) {
        if (low < lo || high > hi)
            problems << QStringLiteral("%1: %2 %3..%4 leaves %5..%6").arg(code, what).arg(low).arg(high).arg(lo).arg(hi);
    };
    if (!allocation.rows.contains(code))
        return {QStringLiteral("%1: no allocation row").arg(code)};
    const auto& row = allocation.rows[code];
    const QMap<QString, int> actual = {
        {"events", s.events}, {"steps", s.steps}, {"down", s.down}, {"up", s.up}, {"nc", s.nc},
        {"keys", s.keys}, {"shift", s.shift}, {"keyframes", static_cast<int>(s.keyFrames.size())},
        {"R", s.arrows.value("R")}, {"L", s.arrows.value("L")}, {"D", s.arrows.value("D")}, {"U", s.arrows.value("U")},
        {"NW", s.arrows.value("NW")}, {"SW", s.arrows.value("SW")}, {"SE", s.arrows.value("SE")}, {"NE", s.arrows.value("NE")},
        {"late", s.late ? 1 : 0},
    };
    for (auto it = row.begin(); it != row.end(); ++it)
        expect(it.key(), actual.value(it.key(), -1), it.value());

    if (!s.firstIsMouse)
        problems << code + QStringLiteral(": the first record is not a mouse record");
    if (s.keyFrames.value(0, -1) != 0)
        problems << code + QStringLiteral(": record 0 is not a KEYFRAME");
    if (!s.wholeFrames)
        problems << code + QStringLiteral(": a frame rectangle is not the whole screen");
    if (!s.plainKeyFlags)
        problems << code + QStringLiteral(": a key line has unusual flags or key name");
    if (!s.screensValid)
        problems << code + QStringLiteral(": step screens do not rise or name a missing event");
    if (!s.allClosed)
        problems << code + QStringLiteral(": a step is not closed");
    if (!s.scrollsZero)
        problems << code + QStringLiteral(": a scroll value is not 0");
    if (s.arrowAtEventZero)
        problems << code + QStringLiteral(": the step of event 0 has an arrow");
    if (s.longestTopic > 41)
        problems << QStringLiteral("%1: a topic has %2 characters").arg(code).arg(s.longestTopic);
    if (s.down + s.up + s.nc > 0) {
        within(QStringLiteral("mouse X"), s.minX, s.maxX, 8, 630);
        within(QStringLiteral("mouse Y"), s.minY, s.maxY, 0, 473);
    }
    const QMap<QString, int> extremes = {
        {"mouse-x-min", s.minX}, {"mouse-x-max", s.maxX}, {"mouse-y-min", s.minY}, {"mouse-y-max", s.maxY},
    };
    for (const auto& [what, value] : allocation.holds.value(code))
        expect(what, extremes.value(what, -99999), value);
    return problems;
}

} // namespace LibraryStats
