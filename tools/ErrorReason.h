#pragma once

#include <QString>

// Why a path cannot be used, in the system's own words ("No such file or
// directory", "Permission denied"). The program's messages say what could
// not be done ("Cannot open file %s"); on the command line the reason is
// added after them, found by asking the system about the path again right
// after the failure. Each returns an empty text when the system sees
// nothing wrong.
namespace ErrorReason {

QString forReading(const QString& hostPath);   // a file to read
QString forWriting(const QString& hostPath);   // a file to create or replace
QString forListing(const QString& hostPath);   // a folder to list and enter
QString forMaking(const QString& hostPath);    // a folder to create

// A failure's message as the command line shows it: "Cannot open file P",
// "Cannot create file P", "Cannot write file P", "Cannot delete file P" and
// "Cannot create directory P" get ": " and the reason appended; any other
// message is returned unchanged.
QString explained(const QString& message);

// "PATH: REASON", naming a course path ("e:\tutorial") together with the
// folder it stands for on this host.
QString pathProblem(const QString& written, const QString& hostPath, const QString& reason);

} // namespace ErrorReason
