#include "platform/TableField.h"

#include "platform/AppError.h"
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
void TableField::bind() const
{
    const DbfTable::FieldDef& def = m_table.fieldDef(m_fieldName);
    // Any large-object kind will do: the frames and the script texts are
    // read and written whole, never interpreted by the table.
    if (DbfTable::isLargeObject(def.type))
        return;
    throw AppError(QStringLiteral("Type mismatch for field '%1', expecting: %2 actual: %3")
                       .arg(QString::fromLatin1(m_fieldName),
                            m_kind == Kind::Blob ? QStringLiteral("Blob") : QStringLiteral("Memo"),
                            DbfTable::typeName(def)));
}
