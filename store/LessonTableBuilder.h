#pragma once

#include "store/FileList.h"

#include <QString>

class DbfTable;
class TableField;

// The builder commands of the lesson-store window, without the window: build
// a part's frame store from a directory of JPEG frames (Insert), load its two
// script texts (Scripts), count its records, and file the author's script
// pairs into their frame folders (Move File). The window and the authoring
// tool both drive this one class.
//
// Every command stops at its first failing step with an AppError; what was
// posted before stays in the store. Paths are held whole, however long.
class LessonTableBuilder {
public:
    LessonTableBuilder(DbfTable& table, TableField& gr, TableField& m);

    // The directory current now, with a trailing separator: the template pair
    // is found below it ("ori\test.dbf", "ori\test.dbt").
    void recordStartupDirectory();
    void setStartupDirectory(const QString& directory);
    const QString& startupDirectory() const { return m_startupDirectory; }

    // Insert: chosenPath is any file inside the frame directory (what the
    // open dialog returns). Copies the template pair in unless a store is
    // already there, opens it and appends one record per "*.jpg" file in
    // sorted order. The directory becomes the current directory.
    //
    // Every frame is decoded first: a "*.jpg" that is not a JPEG the player
    // can show stops the command before anything is copied or posted, with
    // an AppError naming the file.
    void insert(const QString& chosenPath);

    // Insert with the frames in one directory and the store in another
    // (which must exist). The frame directory becomes the current directory.
    void insertFrames(const QString& frameDirectory, const QString& storeDirectory);

    // Scripts: loads base + ".dat" into M of record 1 and base + ".lsn" into
    // M of record 2 of the store in the chosen file's directory, adding a
    // copy of the first frame as record 2 when the store has only one.
    void scripts(const QString& chosenPath);

    // Scripts from two named files into the store in storeDirectory; the
    // current directory is left alone.
    void loadScripts(const QString& storeDirectory, const QString& eventFile, const QString& stepFile);

    // Record count of the open store.
    int recordCount() const;

    // Move File: each "e:\tutorial\<base>.dat" (with its ".lsn", which goes
    // first) moves to "e:\done_new\<base>\jpgs\". A move that cannot be done
    // leaves its file in place and the loop goes on. Returns the number of
    // files moved.
    int moveFiles();

    const FileList& frameFiles() const { return m_frameFiles; }
    const FileList& scriptFiles() const { return m_scriptFiles; }

    // The directory part of a chosen file: up to its last separator, without
    // it unless it ends a drive root ("C:\") or is the host root ("/").
    static QString directoryOf(const QString& chosenPath);
    // The chosen file's name minus its last four characters (".jpg").
    static QString baseNameOf(const QString& chosenPath);

    // The message that refuses a frame file the decoder cannot read.
    static QString unreadableFrameMessage(const QString& path);

private:
    void openStore(const QString& directory);
    // Inserts the frames listed in m_frameFiles into the store in the host
    // directory storeDirectory.
    void appendListedFrames(const QString& storeDirectory);
    void fillScripts(const QString& eventFile, const QString& stepFile);

    DbfTable& m_table;
    TableField& m_gr;
    TableField& m_m;
    QString m_startupDirectory;
    FileList m_frameFiles{QStringLiteral("*.jpg")};
    FileList m_scriptFiles{QStringLiteral("*.dat")};
};
