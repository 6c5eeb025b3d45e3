#pragma once

#include "content/storyboard/Storyboard.h"

#include <QString>
#include <QStringList>

// Turns storyboards into the library's script lists and writes the library
// out as files.
namespace LibraryBuilder {

struct PartScripts {
    QStringList events;
    QStringList steps;
};

// The two scripts of one storyboard, exactly as the library stores them.
PartScripts generate(const Storyboard& board);

// Reads every "<code>.story" of storyboardDir whose code is a catalogue
// part, and writes its two lists as libraryDir/<sheet>/<list>.txt (line
// feed after every line). Returns the codes written, in catalogue order.
QStringList writeLibrary(const QString& storyboardDir, const QString& libraryDir);

// Writes every list of the built-in library as dir/<sheet>/<list>.txt with
// every line ended by CR LF. Returns the number of files written.
int exportLibrary(const QString& dir);

} // namespace LibraryBuilder
