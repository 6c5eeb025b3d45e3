#pragma once

#include "playback/NarrationPass.h"
#include "webexport/WebPart.h"

#include <QByteArray>
#include <QJsonValue>
#include <QStringList>

#include <functional>

class DbfTable;
class TableField;

// Compiles a part into the web player's per-event data: for each event the
// frame record, the pointer tick by tick, the narration box and the arrow.
// It plays the part through the desktop player's own playback engine, with
// the recorded screen's corner at (0, 0) and the learner pressing NEXT at
// every box, so both players show the same thing at every event.
namespace WebPartCompiler {

// Hears each frame store record the first time the part shows it (from 0).
using FrameSink = std::function<void(int record, const QByteArray& jpeg)>;

// table is open on the part's store, gr its GR field. Throws AppError with
// the player's message when a script holds a bad number, or the table
// engine's when a record cannot be read.
WebPart compile(const QString& code, int lesson, const QStringList& events, const QStringList& steps, DbfTable& table,
                const TableField& gr, const FrameSink& frames = {});

// The name the player gives an arrow picture ("right", "northwest").
QString pictureName(NarrationPass::Arrow arrow);

// The part as a script that hands it to the web player:
// LessonwrightPlayer.receive(document.currentScript, {...}); all text is
// escaped to ASCII so the file reads the same under any page encoding.
QByteArray toScript(const WebPart& part);

// value as a script that hands it to the web player, the same way.
QByteArray receiveScript(const QJsonValue& value);

} // namespace WebPartCompiler
