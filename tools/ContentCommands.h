#pragma once

#include "tools/AuthorCli.h"

// The author tool's course-content commands, on storyboards and the
// built-in script library. CODE|FILE.story arguments name a part whose
// storyboard is compiled in, or a storyboard file.
namespace ContentCommands {

void renderPart(const AuthorCli::Call& call);     // CODE|FILE.story DIR
void exportLibrary(const AuthorCli::Call& call);  // DIR
void buildLibrary(const AuthorCli::Call& call);   // STORYBOARDS LIBRARY
void showPart(const AuthorCli::Call& call);       // CODE|FILE.story
// Throws AppError("N problem(s)") when the part disagrees with its row.
void checkPart(const AuthorCli::Call& call);      // CODE|FILE.story

// Throws AppError("N problem(s)") when a part does not begin with the form
// the part before it ended with (and does not say it starts elsewhere).
void checkContinuity(const AuthorCli::Call& call);   // STORYBOARDS
void showForm(const AuthorCli::Call& call);          // CODE|FILE.story

} // namespace ContentCommands
