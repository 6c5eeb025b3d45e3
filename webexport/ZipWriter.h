#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QString>

#include <vector>

// Writes a zip archive of stored (uncompressed) entries: the frames are JPEG
// already, and every reader, from an LMS's importer to unzip, takes stored
// entries. Entries and the archive stay under 4 GiB (no zip64).
class ZipWriter {
public:
    // stamp: the modification time every entry carries, so the same content
    // gives the same archive.
    ZipWriter(QIODevice& device, const QDateTime& stamp);

    // name: the entry's path with "/" separators. AppError when writing fails
    // or the archive grows past what a plain zip holds.
    void add(const QString& name, const QByteArray& bytes);
    // Writes the central directory.
    void finish();

    static quint32 crc32(const QByteArray& bytes);

private:
    struct Entry {
        QByteArray name;
        quint32 crc = 0;
        quint32 size = 0;
        quint32 offset = 0;
    };

    void putEntryFields(QByteArray& out, const Entry& e) const;
    void write(const QByteArray& bytes);

    QIODevice& m_device;
    quint16 m_dosTime = 0;
    quint16 m_dosDate = 0;
    std::vector<Entry> m_entries;
    qint64 m_written = 0;
};
