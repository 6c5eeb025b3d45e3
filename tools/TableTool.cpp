#include "tools/TableTool.h"

#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/HostPath.h"
#include "tools/ErrorReason.h"
#include "tools/ExplainedError.h"

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
        throw ExplainedError(ErrorReason::explained(QStringLiteral("Cannot create directory %1").arg(host)));
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

void TableTool::templateCommand(const AuthorCli::Call& call)
{
    createTemplate(call.args[0]);
}

void TableTool::countCommand(const AuthorCli::Call& call)
{
    call.out.write(QByteArray::number(recordCount(call.args[0])) + '\n');
}

void TableTool::dumpCommand(const AuthorCli::Call& call)
{
    const int recNo = parseRecordNumber(call.args[1]);
    const QByteArray bytes = fieldBytes(call.args[0], recNo, call.args[2].toLatin1());
    if (call.out.write(bytes) != bytes.size())
        throw AppError(QStringLiteral("Cannot write to standard output"));
}
