#include "content/Catalogue.h"
#include "launcher/LessonBrowser.h"

#include <gtest/gtest.h>

TEST(LessonBrowserTest, OnlyRowsStartingWithLessonAndABlankAreHeaders)
{
    const struct {
        const char* row;
        bool header;
    } cases[] = {
        {"Lesson 1:  Forms Interface Components", true},
        {"Lesson 12: Interface Objects - Push buttons", true},
        {"Lesson ", true},
        {"  Lesson 3:  Creating a Basic Form", false},
        {"lesson 3:  Creating a Basic Form", false},
        {"Lessons 3", false},
        {"Lesson", false},
        {"  Properties", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LessonBrowser::isLessonRow(QString::fromLatin1(c.row)), c.header) << '"' << c.row << '"';
}

TEST(LessonBrowserTest, LessonRowsAreTheTwentyHeadersInOrder)
{
    const QStringList lessons = LessonBrowser::lessonRows(Catalogue::rows());
    ASSERT_EQ(lessons.size(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(lessons[i].startsWith(QStringLiteral("Lesson %1:").arg(i + 1))) << lessons[i].toStdString();
}

TEST(LessonBrowserTest, WalkStopsAtTheNextHeaderAndNeedsAnExactMatch)
{
    const QStringList catalogue{
        QStringLiteral("Lesson 1:  A"),
        QStringLiteral("  x"),
        QStringLiteral("Lesson 2:  B"),
        QStringLiteral("  y"),
        QStringLiteral("  z"),
    };
    EXPECT_EQ(LessonBrowser::topicRows(catalogue, QStringLiteral("Lesson 1:  A")),
        (QStringList{"Lesson 1:  A", "  x"}));
    EXPECT_EQ(LessonBrowser::topicRows(catalogue, QStringLiteral("Lesson 2:  B")),
        (QStringList{"Lesson 2:  B", "  y", "  z"}));
    EXPECT_TRUE(LessonBrowser::topicRows(catalogue, QStringLiteral("Lesson 1: A")).isEmpty());
    EXPECT_TRUE(LessonBrowser::topicRows(catalogue, QStringLiteral("lesson 1:  A")).isEmpty());
    EXPECT_TRUE(LessonBrowser::topicRows(catalogue, QString()).isEmpty());
}
