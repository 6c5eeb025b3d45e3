#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The fixed lesson catalogue: the 99 rows the launcher lists, the part codes
// each lesson plays, and the 37 parts with their scripts and frame stores.
// Lookups are exact and case-sensitive.
namespace Catalogue {

struct PartEntry {
    QString code;          // "p4a"
    int lesson = 0;        // 1..20
    int position = 0;      // 1 for the base part of a lesson
    QString eventList;     // "ListBox9"
    QString stepList;      // "ListBox10"
    QString sheet;         // "proj4a"
    QString directory;     // "master\p4a\"
    int events = 0;
    int steps = 0;

    bool isBase() const { return position == 1; }
};

// The 99 catalogue rows in stored order (headers and topics, blanks kept).
const QStringList& rows();

// The part codes of lesson index 0..19 in play order; empty for any other.
QStringList partCodes(int lessonIndex);

// All 37 parts in lesson order.
const std::vector<PartEntry>& parts();

// Base part of lesson index 0..19; null for any other index.
const PartEntry* partByLessonIndex(int lessonIndex);

// Lettered part by exact code text; null for base codes and anything else.
const PartEntry* partByCode(const QString& code);

// Any part (base or lettered) by exact code; null when unknown.
const PartEntry* findPart(const QString& code);

} // namespace Catalogue
