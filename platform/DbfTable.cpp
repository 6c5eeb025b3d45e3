// Placeholder until the table engine lands: every operation fails cleanly.
#include "platform/DbfTable.h"

#include "platform/AppError.h"
#include "platform/TableField.h"

class DbfTable::Impl {};

namespace {
[[noreturn]] void notReady()
{
    throw AppError(QStringLiteral("Table engine not available"));
}
} // namespace

DbfTable::DbfTable() = default;
DbfTable::~DbfTable() = default;
void DbfTable::setDatabaseName(const QString& directory) { m_directory = directory; }
void DbfTable::setTableName(const QString& name) { m_tableName = name; }
void DbfTable::open() { notReady(); }
void DbfTable::close() {}
bool DbfTable::isOpen() const { return false; }
void DbfTable::first() { notReady(); }
void DbfTable::next() { notReady(); }
bool DbfTable::eof() const { return true; }
int DbfTable::recordCount() const { return 0; }
int DbfTable::recNo() const { return 0; }
void DbfTable::insert() { notReady(); }
void DbfTable::edit() { notReady(); }
void DbfTable::post() { notReady(); }
void DbfTable::cancel() {}
QByteArray DbfTable::fieldBytes(const QByteArray&) const { notReady(); }
void DbfTable::setFieldBytes(const QByteArray&, const QByteArray&) { notReady(); }
void DbfTable::loadFromFile(const QByteArray&, const QString&) { notReady(); }
void DbfTable::saveToFile(const QByteArray&, const QString&) const { notReady(); }
const DbfTable::FieldDef& DbfTable::fieldDef(const QByteArray&) const { notReady(); }
void DbfTable::create(const QString&, const std::vector<FieldDef>&) { notReady(); }
void DbfTable::attach(TableField*) {}
void DbfTable::detach(TableField*) {}
QString DbfTable::hostPath() const { return {}; }
