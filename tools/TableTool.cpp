#include "tools/TableTool.h"

#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/HostPath.h"
#include "tools/AuthorCli.h"

#include <QDir>

namespace {

const QString kStoreName = QStringLiteral("simu.dbf");
const QString kTemplateName = QStringLiteral("test.dbf");

void openStore(DbfTable& table, const QString& directory)
{
    table.setDatabaseName(HostPath::toHost(directory));
    table.setTableName(kStoreName);
    table.open();
}

int parseRecordNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.startsWith(QLatin1Char('+')))
        throw AuthorCli::UsageError(QStringLiteral("RECORD must be a number: %1").arg(text));
    return value;
}

} // namespace

void TableTool::createTemplate(const QString& directory)
{
    const QString host = HostPath::toHost(directory);
    if (!QDir().mkpath(host))
        throw AppError(QStringLiteral("Cannot create directory %1").arg(directory));
    DbfTable::create(QDir(host).filePath(kTemplateName), DbfTable::frameStoreFields());
}

int TableTool::recordCount(const QString& directory)
{
    DbfTable table;
    openStore(table, directory);
    return table.recordCount();
}

QByteArray TableTool::fieldBytes(const QString& directory, int recNo, const QByteArray& field)
{
    DbfTable table;
    openStore(table, directory);
    table.fieldDef(field); // an unknown field fails before the record is sought
    table.setRecNo(recNo);
    return table.fieldBytes(field);
}

void TableTool::registerCommands(AuthorCli& cli)
{
    cli.add({QStringLiteral("template"), QStringLiteral("DIR"),
             QStringLiteral("create an empty template DIR/test.dbf + test.dbt (fields GR, M)"), 1, 1,
             [](const QStringList& args, QIODevice&) { createTemplate(args[0]); }});
    cli.add({QStringLiteral("count"), QStringLiteral("DIR"),
             QStringLiteral("print the number of records of DIR/simu.dbf"), 1, 1,
             [](const QStringList& args, QIODevice& out) {
                 out.write(QByteArray::number(recordCount(args[0])) + '\n');
             }});
    cli.add({QStringLiteral("dump"), QStringLiteral("DIR RECORD FIELD"),
             QStringLiteral("write field FIELD of record RECORD (from 1) of DIR/simu.dbf to stdout"), 3, 3,
             [](const QStringList& args, QIODevice& out) {
                 const int recNo = parseRecordNumber(args[1]);
                 const QByteArray bytes = fieldBytes(args[0], recNo, args[2].toLatin1());
                 if (out.write(bytes) != bytes.size())
                     throw AppError(QStringLiteral("Cannot write to standard output"));
             }});
}
