#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// The static web export of a course: a folder that plays every lesson in a
// browser, opened from a web server or straight from disk.
//
//   index.html, index.js   the lesson list and the player filling the window
//   player.js, style.css   the player (LessonwrightPlayer) and its looks
//   course.js              the lessons: titles, topics, part codes
//   parts/<code>.js        each part compiled for the player (WebPartCompiler)
//   frames/<code>/NNNN.jpg each record's frame, the store's bytes unchanged
//   arrows/*.png, pointer.png  the built-in pictures
//
// Data files are scripts that hand their content to the player, since a page
// opened from disk may not fetch files.
namespace WebExport {

struct Summary {
    int parts = 0;
    int frames = 0;
    qint64 frameBytes = 0;
};

// The pictures the player draws over the frames, by their path in the
// export ("arrows/right.png", "pointer.png"): the windows' own artwork, which
// the caller supplies, written with their ground (the bottom-left pixel's
// colour) transparent.
using Pictures = std::vector<std::pair<QString, QImage>>;

// Hears about each part as it is written.
using Progress = std::function<void(const QString& code, int frames)>;

// Exports the course in courseRoot to the folder out, which must not exist.
// Everything is written into a temporary folder beside out and renamed into
// place at the end, so a failure (a damaged store: the table engine's
// message naming the file) leaves nothing at out.
Summary exportCourse(const QString& courseRoot, const QString& out, const Pictures& pictures,
                     const Progress& progress = {});

// Writes the export's files into dir, which exists and is empty.
Summary writeInto(const QString& courseRoot, const QString& dir, const Pictures& pictures, const Progress& progress = {});

// Writes bytes to path, creating the file's folder; AppError "Cannot write
// file <path>" when that fails.
void writeFile(const QString& path, const QByteArray& bytes);

// Every file below dir, as sorted paths relative to it.
QStringList filesBelow(const QString& dir);

// The player's files as built into the program (":/web/<name>").
QByteArray builtInFile(const QString& name);

// A temporary folder in the folder that will hold target, removed when it
// goes out of scope, for building target beside its final place. AppError
// when target exists already or the folder cannot be made.
std::unique_ptr<QTemporaryDir> makeStagingFolder(const QString& target);

} // namespace WebExport
