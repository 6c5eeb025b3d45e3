#pragma once

#include <QString>

// The few text operations the player reads its scripts with. Positions are
// counted from 1 and a missing text has position 0, because the scripts are
// read by fixed character columns and "occurs at character 2 or later" tests;
// keeping that arithmetic literal keeps odd lines behaving the same way.
namespace ScriptText {

// Position (from 1) of the first occurrence of needle in text; 0 when absent.
int pos(const QString& needle, const QString& text);

// count characters of text from position start (from 1). A start below 1
// counts from 1; a count below 1 or a start past the end gives empty text.
QString copy(const QString& text, int start, int count);

// The decimal integer written in text: leading blanks and a sign allowed,
// nothing after the digits. Anything else throws AppError
// "'<text>' is not a valid integer value".
int toInt(const QString& text);

} // namespace ScriptText
