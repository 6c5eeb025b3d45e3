#pragma once

#include "tools/AuthorCli.h"

// The lesson-store window's builder commands for the command line, the
// one-step part build, the demo course and the course checker. They share
// the builder's code with the window; paths arrive resolved (AuthorCli).
namespace BuilderCommands {

// Each command: AppError on failure (message for stderr, exit 1).
void insert(const AuthorCli::Call& call);
void scripts(const AuthorCli::Call& call);
void moveFiles(const AuthorCli::Call& call);
void buildPart(const AuthorCli::Call& call);
void demoCourse(const AuthorCli::Call& call);
// Problems go to out; throws AppError("N problem(s)") when there are any.
void check(const AuthorCli::Call& call);

} // namespace BuilderCommands
