#pragma once

#include "tools/AuthorCli.h"

#include <QByteArray>
#include <QString>

// The table commands of the authoring tool: make the empty template pair,
// count a frame store's records, and dump one field of one record. Each
// directory is a host path or a course path ("e:\done_new\p7").
class TableTool {
public:
    // Creates DIR/test.dbf and DIR/test.dbt (fields GR and M, no records),
    // creating DIR when needed; refuses to replace an existing template.
    static void createTemplate(const QString& directory);

    // Records in DIR/simu.dbf.
    static int recordCount(const QString& directory);

    // The bytes of field of record recNo (from 1) of DIR/simu.dbf.
    static QByteArray fieldBytes(const QString& directory, int recNo, const QByteArray& field);

    // The commands "template", "count" and "dump".
    static void templateCommand(const AuthorCli::Call& call);
    static void countCommand(const AuthorCli::Call& call);
    static void dumpCommand(const AuthorCli::Call& call);
};
