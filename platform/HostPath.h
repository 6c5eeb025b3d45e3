#pragma once

#include <QString>

// Turns the Windows-style paths the course uses ("master\p4a\", "ori\test.dbf",
// "c:\1.jpg", "e:\tutorial") into paths on this host:
// - backslashes become '/';
// - a relative path resolves against the process's current directory;
// - drive C: is the process's private scratch directory (see ScratchDir), so
//   "c:\1.jpg" never lands in a shared place;
// - any other drive letter maps to <user data dir>/lessonwright/drives/<letter>;
// - an absolute host path ("/...") is kept;
// - where the exact name does not exist, each component is matched without
//   regard to letter case, as a course copied from a Windows disc needs.
//   Components that match nothing are kept as written (so new files can be
//   created), after the part that could be matched.
namespace HostPath {

QString toHost(const QString& path);

// The folder that stands for a drive letter other than C: ("e" -> .../drives/e).
QString driveRoot(QChar driveLetter);

// Overrides the folder under which drive folders live (tests).
void setDrivesBase(const QString& base);

} // namespace HostPath
