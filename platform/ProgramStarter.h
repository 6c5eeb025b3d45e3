#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Starts another program the way the course's menus ask for it: detached,
// never waited for, outcome ignored. The course's Windows command lines are
// mapped to this desktop's equivalents:
//   "NOTEPAD readme.txt"  -> xdg-open <current dir>/readme.txt
//   "explorer \"          -> xdg-open on the root of the file system holding
//                            the current directory
//   "control display.cpl", "control desk.cpl"
//                         -> the desktop's display settings, where one is found
//   anything else         -> started as written (program, then arguments),
//                            the program path mapped like every course path
class ProgramStarter {
public:
    struct Command {
        QString program;
        QStringList arguments;
    };

    // Receives every command line before it is mapped (tests record these
    // and nothing is started). Returns the previous hook.
    using Hook = std::function<void(const QString& commandLine)>;
    static Hook setHook(Hook hook);

    // WinExec(commandLine, showMode): starts and forgets. showMode is accepted
    // for fidelity; every program is shown normally.
    static void WinExec(const QString& commandLine, int showMode = 1);

    // The host command a course command line maps to; empty program when there
    // is nothing on this desktop to start.
    static Command map(const QString& commandLine);
};
