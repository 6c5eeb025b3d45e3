#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class TableField;

// A dBASE table with its memo file, offering what the course needs of a table
// engine: directory and table name (set while closed), open/close, first/next
// with the end-of-table flag, record count and number, insert/edit then post,
// and large-object fields read and written whole.
//
// Paths are course paths: they go through HostPath, so "master\p4a\" and
// "ori\test.dbf" work as written. Failures throw AppError with the message
// the user sees ("Cannot open file %s", "Field '%s' not found", ...).
class DbfTable {
public:
    struct FieldDef {
        QByteArray name;   // upper case, at most 10 characters
        char type = 'M';   // 'B' binary large object, 'M' memo, 'C', 'N', ...
        int length = 10;
        int decimals = 0;
    };

    // Large-object fields keep their content in the memo file: 'B' binary,
    // 'M' memo text, 'G' general (embedded object).
    static bool isLargeObject(char type) { return type == 'B' || type == 'M' || type == 'G'; }

    // The field's kind as the type-mismatch message names it: "String",
    // "Float", "Integer", "Boolean", "Date", "Memo", "Blob", ...
    static QString typeName(const FieldDef& field);

    DbfTable();
    ~DbfTable();
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    // Directory: absolute, relative to the current directory, or empty for
    // the current directory. Table name: "simu.dbf", "1.dbf".
    void setDatabaseName(const QString& directory);
    QString databaseName() const { return m_directory; }
    void setTableName(const QString& name);
    QString tableName() const { return m_tableName; }

    void open();
    void close();
    bool isOpen() const;

    void first();
    void next();
    bool eof() const;
    int recordCount() const;
    int recNo() const;
    // Makes record recNo (from 1) current, like that many moves from the
    // first; AppError when there is no such record.
    void setRecNo(int recNo);

    // Insert (append) or edit the current record, then post. Edit on an empty
    // table starts an insert.
    void insert();
    void edit();
    void post();
    void cancel();

    // Field values of the current record (or of the record being edited).
    QByteArray fieldBytes(const QByteArray& fieldName) const;
    void setFieldBytes(const QByteArray& fieldName, const QByteArray& bytes);
    void loadFromFile(const QByteArray& fieldName, const QString& path);
    void saveToFile(const QByteArray& fieldName, const QString& path) const;

    // The field of that name; AppError "Field '%s' not found" when absent.
    const FieldDef& fieldDef(const QByteArray& fieldName) const;

    // Creates an empty table (and its memo file when a field needs one).
    // Refuses to replace an existing table or memo file. The memo file is
    // written first, so a .dbf never appears without its memo file.
    static void create(const QString& dbfPath, const std::vector<FieldDef>& fields);

    // The layout of every frame store: GR binary and M memo, both length 10.
    static std::vector<FieldDef> frameStoreFields();

    // Field objects register here; open() binds them by name.
    void attach(TableField* field);
    void detach(TableField* field);

    // The host path of the .dbf as it was resolved at open().
    QString hostPath() const;

    // Tables whose records take at most this many bytes keep them in memory
    // while open (default 8 MiB; a negative value restores the default).
    // Tests set 0 to exercise reading records from the file.
    static void setRecordCacheLimit(qint64 bytes);

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
    QString m_directory;
    QString m_tableName;
};
