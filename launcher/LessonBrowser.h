#pragma once

#include <QString>
#include <QStringList>

// What the launcher shows of the catalogue rows: the lesson list and the
// rows of one lesson. Rows are compared as whole texts, blanks included.
namespace LessonBrowser {

// A header row starts with "Lesson " at its very first character; topic rows
// start with blanks and never qualify.
bool isLessonRow(const QString& row);

// The header rows in catalogue order: row i is lesson number i + 1.
QStringList lessonRows(const QStringList& catalogue);

// The selected header row followed by its topic rows, up to the next header
// row or the end of the catalogue; empty when no row equals lessonRow.
QStringList topicRows(const QStringList& catalogue, const QString& lessonRow);

} // namespace LessonBrowser
