#pragma once

#include <QString>

// The process's private scratch directory: created fresh (mode 0700) below
// base(), removed when the owning Session ends. The
// frame scratch files "1.jpg" and "sth.jpg" live here, so another user or a
// second instance can neither read nor substitute them.
class ScratchDir {
public:
    // Owns the directory for the lifetime of the program (one per process).
    // Never throws: when the directory cannot be made, the reason goes to
    // standard error and every later use reports it (see path()).
    class Session {
    public:
        Session();
        ~Session();
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;
    };

    // The directory; creates it on first use when no Session made it yet.
    // AppError "Cannot create file <folder>: <reason>" when it cannot.
    static QString path();

    // Where the directory is made: TMPDIR when it is set; otherwise the
    // user's private runtime directory (XDG_RUNTIME_DIR) or /dev/shm, which
    // are kept in memory; otherwise the system's temporary directory.
    static QString base();

    // Removes the directory and everything in it.
    static void remove();
};
