#pragma once

#include <QByteArray>
#include <QString>

class DbfTable;

// A field object of a table, bound by name when the table opens (like the
// course's Table1GR and Table1M): the table must have the field, and it must
// be a large object (binary, memo or another large-object kind).
class TableField {
public:
    enum class Kind { Blob, Memo };

    TableField(DbfTable& table, QByteArray fieldName, Kind kind);
    ~TableField();
    TableField(const TableField&) = delete;
    TableField& operator=(const TableField&) = delete;

    const QByteArray& fieldName() const { return m_fieldName; }
    Kind kind() const { return m_kind; }

    // The current record's bytes.
    QByteArray value() const;
    void setValue(const QByteArray& bytes);
    void loadFromFile(const QString& path);
    void saveToFile(const QString& path) const;

    // Called by the table on open: throws "Field '%s' not found" or
    // "Type mismatch for field '%s', expecting: %s actual: %s".
    void bind() const;

private:
    DbfTable& m_table;
    QByteArray m_fieldName;
    Kind m_kind;
};
