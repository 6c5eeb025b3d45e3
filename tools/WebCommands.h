#pragma once

#include "tools/AuthorCli.h"

// The commands that publish a course for browsers:
//   export-web COURSE OUT        a static folder that plays every lesson
//   export-scorm COURSE OUT.zip  the same as a SCORM 1.2 package for an LMS
namespace WebCommands {

void exportWeb(const AuthorCli::Call& call);
void exportScorm(const AuthorCli::Call& call);

} // namespace WebCommands
