#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The built-in script library: named line lists grouped on sheets, compiled
// into the program. Every part has an event list and a step list on its sheet
// (see Catalogue::PartEntry).
namespace ScriptLibrary {

// The lines of list on sheet, in order; empty when there is no such list.
QStringList lines(const QString& sheet, const QString& list);

// The sheets in page order ("proj1" ... "pro20f", "proj1a").
QStringList sheets();

// The list names of one sheet, event list first.
QStringList lists(const QString& sheet);

// How lists are stored: Latin-1 text, every line (the last included) ended
// by terminator. An empty list is an empty file.
QStringList splitLines(const QByteArray& bytes);
QByteArray joinLines(const QStringList& lines, const QByteArray& terminator = "\n");

// The resource path of one list (":/library/<sheet>/<list>.txt").
QString resourcePath(const QString& sheet, const QString& list);

} // namespace ScriptLibrary
