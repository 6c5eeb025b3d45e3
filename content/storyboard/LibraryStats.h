#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

// Counts of one part's two scripts: what the library's totals are made of.
struct PartStats {
    int eventLines = 0;
    int stepLines = 0;
    int events = 0;
    int down = 0;
    int up = 0;
    int nc = 0;
    int keys = 0;
    int shift = 0;
    QList<int> keyFrames;          // record numbers
    int separators = 0;
    QStringList keyNames;          // distinct, in first-seen order
    bool firstIsMouse = false;
    bool wholeFrames = true;       // every rectangle is 0 0 640 480
    bool plainKeyFlags = true;     // Press=1, PrevDn=Caps=Ctrl=Alt=0
    int minX = 1000, maxX = -1, minY = 1000, maxY = -1;

    int steps = 0;
    QMap<QString, int> arrows;     // by direction code
    int longestTopic = 0;
    bool late = false;             // first step after event 0
    bool arrowAtEventZero = false;
    bool screensValid = true;      // strictly rising and naming existing events
    bool allClosed = true;
    bool scrollsZero = true;
    QStringList narrationTexts;    // non-empty narration lines

    int arrowTotal() const;
};

namespace LibraryStats {

// Parses both scripts and counts; throws AppError when either does not parse.
PartStats compute(const QStringList& eventLines, const QStringList& stepLines);

// One row of the allocation table and the extremes a part must hold.
struct Allocation {
    QStringList columns;                           // after "code"
    QMap<QString, QMap<QString, int>> rows;        // code -> column -> value
    QMap<QString, QList<QPair<QString, int>>> holds;   // code -> (what, value)
};
Allocation parseAllocation(const QStringList& lines);
const Allocation& builtInAllocation();

// What a part's scripts get wrong against its row, its extremes and the
// library-wide mouse ranges; empty when the part meets them all.
QStringList checkPart(const QString& code, const PartStats& stats, const Allocation& allocation);

} // namespace LibraryStats
