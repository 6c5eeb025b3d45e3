#include "content/Catalogue.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

bool isHeader(const QString& row)
{
    return row.startsWith(QLatin1String("Lesson "));
}

} // namespace

TEST(CatalogueRows, HeadersTopicsAndBlanks)
{
    const QStringList& rows = Catalogue::rows();
    ASSERT_EQ(rows.size(), 99);

    QStringList headers;
    int topics = 0;
    int deepTopics = 0;
    for (const QString& row : rows) {
        if (isHeader(row)) {
            headers << row;
            continue;
        }
        ++topics;
        ASSERT_TRUE(row.startsWith(QLatin1String("  "))) << row.toStdString();
        ASSERT_FALSE(row.at(2).isSpace() && !row.startsWith(QLatin1String("    "))) << row.toStdString();
        if (row.startsWith(QLatin1String("    ")))
            ++deepTopics;
    }
    EXPECT_EQ(topics, 79);
    EXPECT_EQ(deepTopics, 4);
    ASSERT_EQ(headers.size(), 20);
    EXPECT_EQ(rows.first(), QStringLiteral("Lesson 1:  Forms Interface Components"));

    // One blank after the colon for lessons 12, 14 and 15, two for the rest.
    for (int i = 0; i < headers.size(); ++i) {
        const QString prefix = QStringLiteral("Lesson %1:").arg(i + 1);
        const QString& h = headers[i];
        ASSERT_TRUE(h.startsWith(prefix)) << h.toStdString();
        const bool single = i + 1 == 12 || i + 1 == 14 || i + 1 == 15;
        const QString rest = h.mid(prefix.size());
        EXPECT_EQ(rest.startsWith(QLatin1String("  ")), !single) << h.toStdString();
        EXPECT_TRUE(rest.startsWith(QLatin1Char(' '))) << h.toStdString();
        EXPECT_FALSE(h.endsWith(QLatin1Char(' '))) << h.toStdString();
    }
    EXPECT_EQ(headers[11], QStringLiteral("Lesson 12: Interface Objects - Push buttons"));
    EXPECT_EQ(headers[13], QStringLiteral("Lesson 14: Interface Objects - Radio buttons/groups"));
    EXPECT_EQ(headers[19], QStringLiteral("Lesson 20:  Create Form with Control Block"));

    // The only row with a trailing blank.
    int trailing = 0;
    for (const QString& row : rows)
        trailing += row.endsWith(QLatin1Char(' ')) ? 1 : 0;
    EXPECT_EQ(trailing, 1);
    EXPECT_TRUE(rows.contains(QStringLiteral("  First block - no base table - ")));
}

TEST(CatalogueRows, TopicCountsPerLesson)
{
    const int expected[20] = {4, 6, 6, 4, 2, 1, 1, 3, 18, 2, 2, 2, 2, 2, 2, 2, 4, 4, 1, 11};
    QVector<int> counts;
    for (const QString& row : Catalogue::rows()) {
        if (isHeader(row))
            counts << 0;
        else
            ++counts.last();
    }
    ASSERT_EQ(counts.size(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(counts[i], expected[i]) << "lesson " << i + 1;

    const QStringList& rows = Catalogue::rows();
    const QStringList lastLesson = rows.mid(rows.size() - 11);
    EXPECT_EQ(lastLesson.last(), QStringLiteral("  Run"));
    EXPECT_EQ(lastLesson[5], QStringLiteral("    Customer LOV"));
    EXPECT_EQ(lastLesson[9], QStringLiteral("    Total Field to display with 2 decimals always"));
}

TEST(CatalogueParts, LessonPartTable)
{
    const QStringList expected[20] = {
        {"p1"}, {"p2"}, {"p3"}, {"p4", "p4a"}, {"p5"}, {"p6"}, {"p7"}, {"p8"}, {"p9", "p9a"}, {"p10"},
        {"p11", "p11a", "p11b", "p11c"}, {"p12", "p12a", "p12b"}, {"p13", "p13a"}, {"p14", "p14a"},
        {"p15"}, {"p16", "p16a"}, {"p17"}, {"p18"}, {"p19"},
        {"p20", "p20a", "p20b", "p20c", "p20d", "p20d1", "p20e", "p20f"},
    };
    QSet<QString> seen;
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(Catalogue::partCodes(i), expected[i]) << "lesson index " << i;
        for (const QString& code : expected[i])
            seen.insert(code);
    }
    EXPECT_EQ(seen.size(), 37);

    // Every queued code resolves, and every table entry is queued by its own lesson.
    ASSERT_EQ(Catalogue::parts().size(), 37u);
    for (const Catalogue::PartEntry& e : Catalogue::parts()) {
        const QStringList codes = Catalogue::partCodes(e.lesson - 1);
        ASSERT_GE(codes.indexOf(e.code), 0) << e.code.toStdString();
        EXPECT_EQ(codes.indexOf(e.code) + 1, e.position) << e.code.toStdString();
        EXPECT_EQ(e.directory, QStringLiteral("master\\") + e.code + QStringLiteral("\\"));
        EXPECT_GT(e.events, 0);
        EXPECT_GT(e.steps, 0);
    }
}

TEST(CatalogueParts, ScriptNamesAndSizes)
{
    const struct {
        const char* code;
        const char* eventList;
        const char* stepList;
        const char* sheet;
        int events;
        int steps;
    } cases[] = {
        {"p1", "ListBox1", "ListBox2", "proj1", 19, 13},
        {"p4a", "ListBox9", "ListBox10", "proj4a", 93, 17},
        {"p11c", "ListBox31", "ListBox32", "proj11c", 83, 17},
        {"p12", "ListBox33", "ListBox34", "proj12", 36, 11},
        {"p12a", "ListBox75", "ListBox76", "proj12a", 17, 4},
        {"p12b", "ListBox35", "ListBox36", "proj12b", 24, 13},
        {"p14a", "ListBox43", "ListBox44", "proj14a", 10, 2},
        {"p20b", "ListBox61", "ListBox62", "proj20b", 195, 9},
        {"p20d1", "ListBox67", "ListBox68", "proj20d1", 18, 1},
        {"p20f", "ListBox71", "ListBox72", "pro20f", 26, 6},
    };
    for (const auto& c : cases) {
        const Catalogue::PartEntry* e = Catalogue::findPart(QString::fromLatin1(c.code));
        ASSERT_NE(e, nullptr) << c.code;
        EXPECT_EQ(e->eventList, QString::fromLatin1(c.eventList)) << c.code;
        EXPECT_EQ(e->stepList, QString::fromLatin1(c.stepList)) << c.code;
        EXPECT_EQ(e->sheet, QString::fromLatin1(c.sheet)) << c.code;
        EXPECT_EQ(e->events, c.events) << c.code;
        EXPECT_EQ(e->steps, c.steps) << c.code;
    }

    // List names are unique across the whole library and never 73/74 (the unused sheet).
    QSet<QString> lists;
    for (const Catalogue::PartEntry& e : Catalogue::parts()) {
        lists.insert(e.eventList);
        lists.insert(e.stepList);
    }
    EXPECT_EQ(lists.size(), 74);
    EXPECT_FALSE(lists.contains(QStringLiteral("ListBox73")));
    EXPECT_FALSE(lists.contains(QStringLiteral("ListBox74")));
}

TEST(CatalogueLookups, SelectionKeys)
{
    for (int i = 0; i < 20; ++i) {
        const Catalogue::PartEntry* e = Catalogue::partByLessonIndex(i);
        ASSERT_NE(e, nullptr) << i;
        EXPECT_EQ(e->code, QStringLiteral("p%1").arg(i + 1));
        EXPECT_TRUE(e->isBase());
    }
    const Catalogue::PartEntry* p20d1 = Catalogue::partByCode(QStringLiteral("p20d1"));
    ASSERT_NE(p20d1, nullptr);
    EXPECT_EQ(p20d1->code, QStringLiteral("p20d1"));
    const Catalogue::PartEntry* p20d = Catalogue::partByCode(QStringLiteral("p20d"));
    ASSERT_NE(p20d, nullptr);
    EXPECT_EQ(p20d->code, QStringLiteral("p20d"));
}

TEST(CatalogueLookups, Refusals)
{
    for (int index : {-1, 20, 999, -999}) {
        EXPECT_EQ(Catalogue::partByLessonIndex(index), nullptr) << index;
        EXPECT_TRUE(Catalogue::partCodes(index).isEmpty()) << index;
    }
    const char* texts[] = {"p1", "p20", "P4A", "p4a ", " p4a", "p4", "p20d2", "p", "", "master\\p4a\\",
        "Lesson 4:  Actions on Form"};
    for (const char* t : texts)
        EXPECT_EQ(Catalogue::partByCode(QString::fromLatin1(t)), nullptr) << '"' << t << '"';
    // Every header row given as code text selects nothing.
    for (const QString& row : Catalogue::rows())
        EXPECT_EQ(Catalogue::findPart(row), nullptr) << row.toStdString();
    EXPECT_NE(Catalogue::findPart(QStringLiteral("p1")), nullptr);
    EXPECT_EQ(Catalogue::findPart(QStringLiteral("P1")), nullptr);
}
