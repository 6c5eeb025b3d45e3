#pragma once

#include <QString>
#include <QStringList>

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

// root is a host path.
Result check(const QString& root);

// The problems of one part's store in directory (a host path).
QStringList checkPart(const QString& code, const QString& directory, int* records = nullptr);

// Whether a memo text holds exactly these lines (CR LF or LF line ends,
// the last line's end optional).
bool sameLines(const QByteArray& memo, const QStringList& lines);

} // namespace CourseChecker
