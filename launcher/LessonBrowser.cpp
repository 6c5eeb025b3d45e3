#include "launcher/LessonBrowser.h"

namespace LessonBrowser {

bool isLessonRow(const QString& row)
{
    return row.startsWith(QLatin1String("Lesson "));
}

QStringList lessonRows(const QStringList& catalogue)
{
    QStringList lessons;
    for (const QString& row : catalogue) {
        if (isLessonRow(row))
            lessons << row;
    }
    return lessons;
}

QStringList topicRows(const QStringList& catalogue, const QString& lessonRow)
{
    QStringList rows;
    bool found = false;
    for (const QString& row : catalogue) {
        if (found && isLessonRow(row))
            break;
        if (row == lessonRow)
            found = true;
        if (found)
            rows << row;
    }
    return rows;
}

} // namespace LessonBrowser
