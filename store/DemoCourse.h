#pragma once

#include "content/Catalogue.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>

// Writes a complete, playable course folder: the probe table "1.dbf",
// "readme.txt", the template pair "ori\test.dbf" + ".dbt", and a frame store
// for every part in "master\<code>\", each built by the builder's Insert and
// Scripts commands from rendered frames and the library's two scripts. The
// same program writes the same bytes: every table header carries the fixed
// course date.
namespace DemoCourse {

using FrameSink = std::function<void(int index, const QByteArray& jpeg)>;
// Produces a part's frames in recording order, one at a time.
using FrameSource = std::function<void(const Catalogue::PartEntry& part, const FrameSink& sink)>;

// The last-update date written into every table of the course.
QDate courseDate();

// The frames of the drawn recording where a part has one, else plain
// stand-in frames.
FrameSource defaultFrames();

struct Summary {
    int parts = 0;
    int records = 0;
};

// Builds the course into root, which must not exist yet or be empty.
// progress, when set, hears about each finished part. Restores the current
// directory, which the builder commands move, before returning or throwing.
Summary build(const QString& root, const FrameSource& frames = defaultFrames(),
              const std::function<void(const Catalogue::PartEntry&, int records)>& progress = {});

// Stamps a table's last-update date (header bytes 1 to 3).
void stampDate(const QString& hostDbfPath, const QDate& date);

// The script text as the builder reads it from the part's ".dat" or
// ".lsn" file: every line ended by CR LF.
QByteArray scriptFileBytes(const QStringList& lines);

} // namespace DemoCourse
