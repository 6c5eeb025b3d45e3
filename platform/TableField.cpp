#include "platform/TableField.h"

#include "platform/DbfTable.h"

TableField::TableField(DbfTable& table, QByteArray fieldName, Kind kind)
    : m_table(table)
    , m_fieldName(std::move(fieldName))
    , m_kind(kind)
{
    m_table.attach(this);
}

TableField::~TableField()
{
    m_table.detach(this);
}

QByteArray TableField::value() const { return m_table.fieldBytes(m_fieldName); }
void TableField::setValue(const QByteArray& bytes) { m_table.setFieldBytes(m_fieldName, bytes); }
void TableField::loadFromFile(const QString& path) { m_table.loadFromFile(m_fieldName, path); }
void TableField::saveToFile(const QString& path) const { m_table.saveToFile(m_fieldName, path); }
void TableField::bind() const {}
