#include "webexport/ZipWriter.h"

#include "platform/AppError.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace {

constexpr qint64 kZipLimit = 0xFFFFFFFFLL;

const std::array<quint32, 256>& crcTable()
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    return table;
}

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

ZipWriter::ZipWriter(QIODevice& device, const QDateTime& stamp)
    : m_device(device)
{
    const QDate d = stamp.date();
    const QTime t = stamp.time();
    m_dosDate = quint16(((std::max(d.year(), 1980) - 1980) << 9) | (d.month() << 5) | d.day());
    m_dosTime = quint16((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
}

quint32 ZipWriter::crc32(const QByteArray& bytes)
{
    const auto& table = crcTable();
    quint32 c = 0xFFFFFFFFu;
    for (const char ch : bytes)
        c = table[(c ^ quint8(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// The fields the local header and the central directory share, from the
// version needed to the extra field's length.
void ZipWriter::putEntryFields(QByteArray& out, const Entry& e) const
{
    put16(out, 10);          // version needed: 1.0, stored
    put16(out, 0x0800);      // names are UTF-8
    put16(out, 0);           // stored
    put16(out, m_dosTime);
    put16(out, m_dosDate);
    put32(out, e.crc);
    put32(out, e.size);      // compressed
    put32(out, e.size);
    put16(out, quint16(e.name.size()));
    put16(out, 0);           // no extra field
}

void ZipWriter::write(const QByteArray& bytes)
{
    if (m_written + bytes.size() > kZipLimit)
        throw AppError(QStringLiteral("The package is too large for a zip file"));
    if (m_device.write(bytes) != bytes.size())
        throw AppError(QStringLiteral("Cannot write the package: %1").arg(m_device.errorString()));
    m_written += bytes.size();
}

void ZipWriter::add(const QString& name, const QByteArray& bytes)
{
    Entry e{name.toUtf8(), crc32(bytes), quint32(bytes.size()), quint32(m_written)};
    QByteArray header;
    put32(header, 0x04034b50);
    putEntryFields(header, e);
    header.append(e.name);
    write(header);
    write(bytes);
    m_entries.push_back(std::move(e));
}

void ZipWriter::finish()
{
    const quint32 start = quint32(m_written);
    QByteArray directory;
    for (const Entry& e : m_entries) {
        put32(directory, 0x02014b50);
        put16(directory, 0x031E);   // made by: Unix, 3.0
        putEntryFields(directory, e);
        put16(directory, 0);        // comment
        put16(directory, 0);        // disk
        put16(directory, 0);        // internal attributes
        put32(directory, 0644u << 16); // rw-r--r--
        put32(directory, e.offset);
        directory.append(e.name);
    }
    write(directory);
    if (m_entries.size() > 0xFFFF)
        throw AppError(QStringLiteral("The package has too many files for a zip file"));
    QByteArray end;
    put32(end, 0x06054b50);
    put16(end, 0);
    put16(end, 0);
    put16(end, quint16(m_entries.size()));
    put16(end, quint16(m_entries.size()));
    put32(end, quint32(directory.size()));
    put32(end, start);
    put16(end, 0);
    write(end);
}
