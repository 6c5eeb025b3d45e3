#pragma once

#include <QIODevice>
#include <QStringList>

class AuthorCli;

// The commands that publish a course for browsers:
//   export-web COURSE OUT        a static folder that plays every lesson
//   export-scorm COURSE OUT.zip  the same as a SCORM 1.2 package for an LMS
namespace WebCommands {

void exportWeb(const QStringList& args, QIODevice& out);
void exportScorm(const QStringList& args, QIODevice& out);

void registerCommands(AuthorCli& cli);

} // namespace WebCommands
