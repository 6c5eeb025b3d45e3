#pragma once

#include <QIODevice>
#include <QStringList>

class AuthorCli;

// The lesson-store window's builder commands for the command line, plus the
// demo course and the course checker:
//   insert PATH          build a frame store from PATH's directory of frames
//                        (PATH: a file in that directory, or the directory);
//                        the template is "ori\test.dbf" under the current
//                        directory
//   scripts FILE         load FILE's base name + ".dat" and ".lsn" into M
//   move-files           file "e:\tutorial\*.dat" and ".lsn" into
//                        "e:\done_new\<base>\jpgs\"
//   demo-course DIR      write a complete course folder into DIR
//   check ROOT           check every part's store of the course in ROOT
// They share the builder's code with the window.
namespace BuilderCommands {

// Each command: AppError on failure (message for stderr, exit 1).
void insert(const QStringList& args, QIODevice& out);
void scripts(const QStringList& args, QIODevice& out);
void moveFiles(const QStringList& args, QIODevice& out);
void demoCourse(const QStringList& args, QIODevice& out);
// Problems go to out; throws AppError("N problem(s)") when there are any.
void check(const QStringList& args, QIODevice& out);

// Adds the five commands to the authoring tool.
void registerCommands(AuthorCli& cli);

} // namespace BuilderCommands
