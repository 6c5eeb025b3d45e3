#include "content/Catalogue.h"

namespace Catalogue {
namespace {

// Topic rows carry two leading blanks, the second-level rows of lesson 20
// four; the launcher prints them as stored, so the blanks are the indent.
// Header rows are compared as whole texts elsewhere: keep every blank.
QStringList buildRows()
{
    return {
        QStringLiteral("Lesson 1:  Forms Interface Components"),
        QStringLiteral("  Object Navigator"),
        QStringLiteral("  Property Palette"),
        QStringLiteral("  Layout Editor"),
        QStringLiteral("  Tarnic Editor"),
        QStringLiteral("Lesson 2:  Main Menu"),
        QStringLiteral("  File"),
        QStringLiteral("  Edit"),
        QStringLiteral("  View"),
        QStringLiteral("  Navigator"),
        QStringLiteral("  Program"),
        QStringLiteral("  Tools"),
        QStringLiteral("Lesson 3:  Creating a Basic Form"),
        QStringLiteral("  Create empty form module"),
        QStringLiteral("  Set design preferences"),
        QStringLiteral("  Connect to database"),
        QStringLiteral("  Use data block wizard"),
        QStringLiteral("  Layout editor"),
        QStringLiteral("  Modifying layout"),
        QStringLiteral("Lesson 4:  Actions on Form"),
        QStringLiteral("  Save"),
        QStringLiteral("  Compile"),
        QStringLiteral("  Generate"),
        QStringLiteral("  Run"),
        QStringLiteral("Lesson 5:  Windows"),
        QStringLiteral("  Relation to Canvases"),
        QStringLiteral("  Properties"),
        QStringLiteral("Lesson 6:  Canvases"),
        QStringLiteral("  Properties"),
        QStringLiteral("Lesson 7:  Blocks"),
        QStringLiteral("  Properties"),
        QStringLiteral("Lesson 8:  Items"),
        QStringLiteral("  Different Types"),
        QStringLiteral("  Modifying Properties"),
        QStringLiteral("  Visual Attributes"),
        QStringLiteral("Lesson 9:  Interface Objects - Common Properties"),
        QStringLiteral("  Name"),
        QStringLiteral("  Class"),
        QStringLiteral("  Displayed"),
        QStringLiteral("  Width"),
        QStringLiteral("  Height"),
        QStringLiteral("  Visual Attribute Name"),
        QStringLiteral("  Font Name"),
        QStringLiteral("  Font Size"),
        QStringLiteral("  Font Style"),
        QStringLiteral("  Font Width"),
        QStringLiteral("  Font Weight"),
        QStringLiteral("  Foreground Color"),
        QStringLiteral("  Background Color"),
        QStringLiteral("  Fill Pattern"),
        QStringLiteral("  Charmod Logical Attribute"),
        QStringLiteral("  White on Black"),
        QStringLiteral("  Comment"),
        QStringLiteral("  Reference Information"),
        QStringLiteral("Lesson 10:  Interface Objects - Boilerplate text"),
        QStringLiteral("  Description"),
        QStringLiteral("  Modifying Properties"),
        QStringLiteral("Lesson 11:  Interface Objects - Text items"),
        QStringLiteral("  Description"),
        QStringLiteral("  Properties"),
        QStringLiteral("Lesson 12: Interface Objects - Push buttons"),
        QStringLiteral("  Description"),
        QStringLiteral("  Properties"),
        QStringLiteral("Lesson 13:  Interface Objects - List items"),
        QStringLiteral("  Description"),
        QStringLiteral("  Properties"),
        QStringLiteral("Lesson 14: Interface Objects - Radio buttons/groups"),
        QStringLiteral("  Description"),
        QStringLiteral("  Properties"),
        QStringLiteral("Lesson 15: Data Elements - Check boxes"),
        QStringLiteral("  Description"),
        QStringLiteral("  Properties"),
        QStringLiteral("Lesson 16:  Data Elements - Image items"),
        QStringLiteral("  Description"),
        QStringLiteral("  Properties"),
        QStringLiteral("Lesson 17:  Static LOVs"),
        QStringLiteral("  Creating Record Groups"),
        QStringLiteral("  Column Mapping"),
        QStringLiteral("  Properties"),
        QStringLiteral("  Column Names"),
        QStringLiteral("Lesson 18:  LOVs Based on Query"),
        QStringLiteral("  Record Groups"),
        QStringLiteral("  Column Mapping"),
        QStringLiteral("  Properties"),
        QStringLiteral("  Column Names"),
        QStringLiteral("Lesson 19:  Other Properties of a form"),
        QStringLiteral("  Properties"),
        QStringLiteral("Lesson 20:  Create Form with Control Block"),
        QStringLiteral("  New Form"),
        QStringLiteral("  Connect to database"),
        QStringLiteral("  Window"),
        QStringLiteral("  Canvas"),
        QStringLiteral("  First block - no base table - "),
        QStringLiteral("    Customer LOV"),
        QStringLiteral("    Find Button"),
        QStringLiteral("  Second block - base table"),
        QStringLiteral("    Orders corresponding with the chosen customer"),
        QStringLiteral("    Total Field to display with 2 decimals always"),
        QStringLiteral("  Run"),
    };
}

// One row per part, lessons in order and each lesson's parts in play order,
// so the lesson part table is this table grouped by lesson. The list names
// follow the order the sheets were added to the library, which is why p12a
// sits at 75/76 and the sheet of p20f lacks its "j".
PartEntry part(const char* code, int lesson, int position, int eventList, const char* sheet, int events, int steps)
{
    PartEntry e;
    e.code = QString::fromLatin1(code);
    e.lesson = lesson;
    e.position = position;
    e.eventList = QStringLiteral("ListBox%1").arg(eventList);
    e.stepList = QStringLiteral("ListBox%1").arg(eventList + 1);
    e.sheet = QString::fromLatin1(sheet);
    e.directory = QStringLiteral("master\\") + e.code + QLatin1Char('\\');
    e.events = events;
    e.steps = steps;
    return e;
}

std::vector<PartEntry> buildParts()
{
    return {
        part("p1", 1, 1, 1, "proj1", 19, 13),
        part("p2", 2, 1, 3, "proj2", 92, 16),
        part("p3", 3, 1, 5, "proj3", 117, 40),
        part("p4", 4, 1, 7, "proj4", 68, 23),
        part("p4a", 4, 2, 9, "proj4a", 93, 17),
        part("p5", 5, 1, 11, "proj5", 56, 26),
        part("p6", 6, 1, 13, "proj6", 50, 17),
        part("p7", 7, 1, 15, "proj7", 92, 38),
        part("p8", 8, 1, 17, "proj8", 163, 40),
        part("p9", 9, 1, 19, "proj9", 90, 25),
        part("p9a", 9, 2, 21, "proj9a", 81, 17),
        part("p10", 10, 1, 23, "proj10", 93, 35),
        part("p11", 11, 1, 25, "proj11", 124, 42),
        part("p11a", 11, 2, 27, "proj11a", 49, 9),
        part("p11b", 11, 3, 29, "proj11b", 79, 8),
        part("p11c", 11, 4, 31, "proj11c", 83, 17),
        part("p12", 12, 1, 33, "proj12", 36, 11),
        part("p12a", 12, 2, 75, "proj12a", 17, 4),
        part("p12b", 12, 3, 35, "proj12b", 24, 13),
        part("p13", 13, 1, 37, "proj13", 67, 24),
        part("p13a", 13, 2, 39, "proj13a", 41, 16),
        part("p14", 14, 1, 41, "proj14", 144, 26),
        part("p14a", 14, 2, 43, "proj14a", 10, 2),
        part("p15", 15, 1, 45, "proj15", 63, 14),
        part("p16", 16, 1, 47, "proj16", 80, 21),
        part("p16a", 16, 2, 49, "proj16a", 24, 3),
        part("p17", 17, 1, 51, "proj17", 169, 47),
        part("p18", 18, 1, 53, "proj18", 155, 33),
        part("p19", 19, 1, 55, "proj19", 70, 27),
        part("p20", 20, 1, 57, "proj20", 132, 12),
        part("p20a", 20, 2, 59, "proj20a", 81, 4),
        part("p20b", 20, 3, 61, "proj20b", 195, 9),
        part("p20c", 20, 4, 63, "proj20c", 122, 5),
        part("p20d", 20, 5, 65, "proj20d", 61, 5),
        part("p20d1", 20, 6, 67, "proj20d1", 18, 1),
        part("p20e", 20, 7, 69, "proj20e", 20, 1),
        part("p20f", 20, 8, 71, "pro20f", 26, 6),
    };
}

constexpr int kLessons = 20;

bool validLessonIndex(int lessonIndex)
{
    return lessonIndex >= 0 && lessonIndex < kLessons;
}

} // namespace

// Function-local statics: other start-up code may ask before this file's
// globals would be constructed.
const QStringList& rows()
{
    static const QStringList r = buildRows();
    return r;
}

QStringList partCodes(int lessonIndex)
{
    QStringList codes;
    if (!validLessonIndex(lessonIndex))
        return codes;
    for (const PartEntry& e : parts()) {
        if (e.lesson == lessonIndex + 1)
            codes << e.code;
    }
    return codes;
}

const std::vector<PartEntry>& parts()
{
    static const std::vector<PartEntry> p = buildParts();
    return p;
}

const PartEntry* partByLessonIndex(int lessonIndex)
{
    if (!validLessonIndex(lessonIndex))
        return nullptr;
    for (const PartEntry& e : parts()) {
        if (e.lesson == lessonIndex + 1 && e.isBase())
            return &e;
    }
    return nullptr;
}

const PartEntry* partByCode(const QString& code)
{
    const PartEntry* e = findPart(code);
    return e && !e->isBase() ? e : nullptr;
}

const PartEntry* findPart(const QString& code)
{
    for (const PartEntry& e : parts()) {
        if (e.code == code)
            return &e;
    }
    return nullptr;
}

} // namespace Catalogue
