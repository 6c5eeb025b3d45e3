#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Checks a course folder the way the player will use it: the probe table
// opens, and for every part its frame store opens with fields GR and M, holds
// at least one record per event, carries the library's event script in M of
// record 1 and its step script in M of record 2, and every frame decodes to
// 640 x 480. One line per problem, each naming what it is about.
namespace CourseChecker {

struct Result {
    QStringList problems;
    int parts = 0;
    int records = 0;

    bool clean() const { return problems.isEmpty(); }
};

// Hears about each part once it has been checked: its code, its records and
// how many problems it added.
using Progress = std::function<void(const QString& code, int records, int problems)>;

// root is a host path.
Result check(const QString& root, const Progress& progress = {});

// The problems of one part's store in directory (a host path).
QStringList checkPart(const QString& code, const QString& directory, int* records = nullptr);

// Whether directory (a host path) holds a frame store of its own.
bool isPartFolder(const QString& directory);

// One part's folder outside a course: a folder named after a part of the
// catalogue is checked as that part; any other against the scripts its
// store carries in M of records 1 and 2 (both must read as scripts, every
// event needs its frame and every step an event).
Result checkFolder(const QString& directory);

// Whether a memo text holds exactly these lines (CR LF or LF line ends,
// the last line's end optional).
bool sameLines(const QByteArray& memo, const QStringList& lines);

} // namespace CourseChecker
