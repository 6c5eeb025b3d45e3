#pragma once

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

} // namespace ScriptLibrary
