#pragma once

#include "webexport/WebPart.h"

#include <QByteArray>
#include <QJsonValue>
#include <QStringList>

// Compiles a part's two scripts into the web player's per-event data: for
// each event the frame record, the pointer tick by tick, the narration box
// and the arrow. It runs the desktop player's own pointer glide and
// narration pass with the frame's corner at (0, 0), so both players show the
// same thing at every event.
namespace WebPartCompiler {

// records: the number of records in the part's frame store. Throws AppError
// with the player's message when a script holds a bad number.
WebPart compile(const QString& code, int lesson, const QStringList& events, const QStringList& steps, int records);

// The part as a script that hands it to the web player:
// LessonwrightPlayer.receive(document.currentScript, {...}); all text is
// escaped to ASCII so the file reads the same under any page encoding.
QByteArray toScript(const WebPart& part);

// value as a script that hands it to the web player, the same way.
QByteArray receiveScript(const QJsonValue& value);

} // namespace WebPartCompiler
