#include "platform/DbfTable.h"

#include "platform/AppError.h"
#include "platform/FileHandle.h"
#include "platform/HostPath.h"
#include "platform/TableField.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>

namespace {

constexpr int kHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr char kDescriptorEnd = 0x0D;
constexpr char kEndOfFile = 0x1A;
constexpr char kLiveRecord = 0x20;
constexpr int kMemoHeaderSize = 8;
constexpr int kDefaultBlockSize = 512;
constexpr quint8 kLanguageDriver = 0x57;
constexpr unsigned char kMemoSignature[4] = {0xFF, 0xFF, 0x08, 0x00};

// Upper bound of the first read of a large object; anything longer (never a
// frame) takes a second read. Keeps a damaged index from reading a whole file.
constexpr std::int64_t kFirstReadCap = 16 * 1024 * 1024;
// The memo length word is 32 bits and counts its own 8 header bytes.
constexpr std::int64_t kMaxLargeObject = 0xFFFFFFFFLL - kMemoHeaderSize - 1;
// Records scanned per read while indexing memo blocks at open.
constexpr std::int64_t kScanChunk = 256 * 1024;
// Record areas up to this size stay in memory while the table is open, so a
// move costs no system call (a frame store of 1000 records is 21 KB).
constexpr std::int64_t kDefaultRecordCacheLimit = 8 * 1024 * 1024;
std::int64_t recordCacheLimit = kDefaultRecordCacheLimit;

quint32 le32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

quint16 le16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return quint16(u[0] | u[1] << 8);
}

void putLe32(char* p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

void putLe16(char* p, quint16 v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

// Today's date, worked out again only once the clock has passed the next
// local midnight (or gone back): working it out reads the time zone anew,
// which cost every posted record about a microsecond.
QDate today()
{
    thread_local QDate date;
    thread_local qint64 from = 0;
    thread_local qint64 until = 0;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now < from || now >= until) {
        date = QDate::currentDate();
        from = now;
        until = date.addDays(1).startOfDay().toMSecsSinceEpoch();
    }
    return date;
}

// Year - 1900, month, day: the last-update stamp of the header.
void putToday(char* p)
{
    const QDate date = today();
    p[0] = char(std::clamp(date.year() - 1900, 0, 255));
    p[1] = char(date.month());
    p[2] = char(date.day());
}

[[noreturn]] void closedError()
{
    throw AppError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

[[noreturn]] void notEditingError()
{
    throw AppError(QStringLiteral("Dataset not in edit or insert mode"));
}

// Joins the directory and table name as the user wrote them, so messages
// show "master\p4a\simu.dbf" and not a host path.
QString joinCoursePath(const QString& directory, const QString& name)
{
    if (directory.isEmpty())
        return name;
    if (directory.endsWith(QLatin1Char('\\')) || directory.endsWith(QLatin1Char('/')))
        return directory + name;
    const bool hostStyle = directory.contains(QLatin1Char('/')) && !directory.contains(QLatin1Char('\\'));
    return directory + (hostStyle ? QLatin1Char('/') : QLatin1Char('\\')) + name;
}

// "simu.dbf" -> "simu.dbt", keeping the letter case of the extension.
QString memoFileName(const QString& tableFile)
{
    const int dot = tableFile.lastIndexOf(QLatin1Char('.'));
    const int slash = std::max(tableFile.lastIndexOf(QLatin1Char('\\')), tableFile.lastIndexOf(QLatin1Char('/')));
    if (dot <= slash)
        return tableFile + QStringLiteral(".dbt");
    const QString ext = tableFile.mid(dot + 1);
    const bool upper = !ext.isEmpty() && ext.at(0).isUpper();
    return tableFile.left(dot + 1) + (upper ? QStringLiteral("DBT") : QStringLiteral("dbt"));
}

// A table name without extension gets the dBASE one.
QString withTableExtension(const QString& name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const int slash = std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    return dot > slash ? name : name + QStringLiteral(".dbf");
}

// Whether a level-III table can store bytes as a text memo: the text ends at
// the first 0x1A, and a block that starts like a level-IV memo block is read
// by that block's length word instead, so either would read back different.
bool fitsTextMemo(const QByteArray& bytes)
{
    const bool signature = bytes.size() >= 4
        && std::memcmp(bytes.constData(), kMemoSignature, sizeof kMemoSignature) == 0;
    return !signature && !bytes.contains(kEndOfFile);
}

struct Field {
    DbfTable::FieldDef def;
    int offset = 0; // within the record, after the flag byte
    bool large = false;
};

} // namespace

// Everything that exists only while the table is open.
struct OpenTable {
    QString dbfText; // as the user addresses the files, for messages
    QString dbtText;
    FileHandle dbf;
    FileHandle dbt;
    bool writable = true;
    std::int64_t dbfSize = 0;
    std::int64_t dbtSize = 0;

    quint8 version = 0;
    bool levelIV = false; // memo blocks with the FF FF 08 00 header
    bool hasMemoFile = false;
    int blockSize = kDefaultBlockSize;
    quint32 nextFree = 1;
    int headerLength = 0;
    int recordLength = 0;
    std::vector<Field> fields;
    int count = 0;

    int current = 0; // 0-based; meaningless while count == 0
    bool eof = true;
    QByteArray record; // the current record's bytes
    QByteArray cache;  // all records, when the table is small enough
    bool cached = false;

    // Distinct memo start blocks referenced by the table, ascending. The
    // block after a memo's start bounds its extent, so one read fetches it.
    std::vector<quint64> blocks;

    enum class State { Browse, Insert, Edit };
    State state = State::Browse;
    bool modified = false;
    QByteArray buffer;                 // record being inserted or edited
    std::map<int, QByteArray> pending; // field index -> new large object

    [[noreturn]] void damagedTable(const QString& detail) const
    {
        throw AppError(QStringLiteral("Table file %1 is damaged: %2").arg(dbfText, detail));
    }

    [[noreturn]] void damagedMemo(const QString& detail) const
    {
        throw AppError(QStringLiteral("Memo file %1 is damaged: %2").arg(dbtText, detail));
    }

    [[noreturn]] void writeError(const QString& file) const
    {
        throw AppError(QStringLiteral("Cannot write file %1").arg(file));
    }

    int indexOf(const QByteArray& name) const
    {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].def.name == name)
                return int(i);
        }
        return -1;
    }

    std::int64_t recordOffset(int index) const
    {
        return std::int64_t(headerLength) + std::int64_t(index) * recordLength;
    }

    void readRecord(int index)
    {
        if (cached) {
            record = cache.mid(qsizetype(index) * recordLength, recordLength);
        } else {
            record.resize(recordLength);
            if (!dbf.readAt(recordOffset(index), record.data(), std::size_t(recordLength)))
                damagedTable(QStringLiteral("record %1 cannot be read").arg(index + 1));
        }
        current = index;
    }

    // Loads the record area into memory when it is small; false when the
    // table is too big and records are read as they are visited.
    bool loadCache()
    {
        const std::int64_t bytes = std::int64_t(count) * recordLength;
        cached = false;
        cache.clear();
        if (bytes > recordCacheLimit)
            return false;
        cache.resize(qsizetype(bytes));
        if (bytes > 0 && !dbf.readAt(headerLength, cache.data(), std::size_t(bytes)))
            damagedTable(QStringLiteral("records cannot be read"));
        cached = true;
        return true;
    }

    // The block number in a memo field: digits, padded with blanks or NULs;
    // blank, zero or NUL-filled means no content. Returns false for anything
    // else.
    static bool parsePointer(const char* p, int length, quint64& block)
    {
        int begin = 0;
        int end = length;
        while (begin < end && (p[begin] == ' ' || p[begin] == '\0'))
            ++begin;
        while (end > begin && (p[end - 1] == ' ' || p[end - 1] == '\0'))
            --end;
        block = 0;
        if (end - begin > 10)
            return false;
        for (int i = begin; i < end; ++i) {
            if (p[i] < '0' || p[i] > '9')
                return false;
            block = block * 10 + quint64(p[i] - '0');
        }
        return true;
    }

    void indexBlocks()
    {
        blocks.clear();
        std::vector<int> largeFields;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].large)
                largeFields.push_back(int(i));
        }
        const bool inMemory = loadCache();
        if (largeFields.empty() || count == 0)
            return;
        const std::int64_t perChunk = inMemory ? count : std::max<std::int64_t>(1, kScanChunk / recordLength);
        QByteArray chunk;
        for (std::int64_t first = 0; first < count; first += perChunk) {
            const std::int64_t n = std::min<std::int64_t>(perChunk, count - first);
            if (inMemory) {
                chunk = cache;
            } else {
                chunk.resize(qsizetype(n * recordLength));
                if (!dbf.readAt(recordOffset(int(first)), chunk.data(), std::size_t(chunk.size())))
                    damagedTable(QStringLiteral("records cannot be read"));
            }
            for (std::int64_t r = 0; r < n; ++r) {
                const char* rec = chunk.constData() + r * recordLength;
                for (int f : largeFields) {
                    quint64 block = 0;
                    // Bad pointers are reported when their record is read.
                    if (parsePointer(rec + fields[f].offset, fields[f].def.length, block) && block > 0)
                        blocks.push_back(block);
                }
            }
        }
        std::sort(blocks.begin(), blocks.end());
        blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    }

    QByteArray readLargeObject(const char* rec, int fieldIndex, int recNo) const
    {
        const Field& field = fields[std::size_t(fieldIndex)];
        quint64 block = 0;
        if (!parsePointer(rec + field.offset, field.def.length, block)) {
            damagedTable(QStringLiteral("field %1 of record %2 holds no valid memo block number")
                             .arg(QString::fromLatin1(field.def.name))
                             .arg(recNo));
        }
        if (block == 0)
            return {};
        if (!hasMemoFile)
            damagedTable(QStringLiteral("record %1 refers to a memo but the table has no memo file").arg(recNo));
        const QString where = QStringLiteral("the %1 of record %2")
                                  .arg(QString::fromLatin1(field.def.name))
                                  .arg(recNo);
        if (block > quint64(dbtSize) / quint64(blockSize) || std::int64_t(block) * blockSize >= dbtSize)
            damagedMemo(QStringLiteral("%1 lies past the end of the file").arg(where));
        const std::int64_t offset = std::int64_t(block) * blockSize;

        // The memo can reach no further than the next memo's first block.
        std::int64_t spanEnd = dbtSize;
        const auto next = std::upper_bound(blocks.begin(), blocks.end(), block);
        if (next != blocks.end() && std::int64_t(*next) * blockSize < dbtSize)
            spanEnd = std::int64_t(*next) * blockSize;
        const std::int64_t span = std::min(spanEnd - offset, kFirstReadCap);

        char header[kMemoHeaderSize] = {};
        if (span < kMemoHeaderSize) {
            // Too short for a level-IV header: only level-III text fits here.
            QByteArray text(qsizetype(span), Qt::Uninitialized);
            if (!dbt.readAt(offset, text.data(), std::size_t(span)))
                damagedMemo(QStringLiteral("%1 cannot be read").arg(where));
            return untilEndMark(std::move(text), offset, where);
        }
        QByteArray data(qsizetype(span - kMemoHeaderSize), Qt::Uninitialized);
        if (!dbt.readAt2(offset, header, kMemoHeaderSize, data.data(), std::size_t(data.size())))
            damagedMemo(QStringLiteral("%1 cannot be read").arg(where));

        if (std::memcmp(header, kMemoSignature, 4) != 0) {
            // Level-III block: text up to the first end mark.
            data.prepend(header, kMemoHeaderSize);
            return untilEndMark(std::move(data), offset, where);
        }
        const std::int64_t length = le32(header + 4);
        if (length < kMemoHeaderSize)
            damagedMemo(QStringLiteral("%1 has an invalid length (%2)").arg(where).arg(length));
        if (offset + length > dbtSize)
            damagedMemo(QStringLiteral("%1 runs past the end of the file").arg(where));
        const std::int64_t size = length - kMemoHeaderSize;
        if (size <= data.size()) {
            data.truncate(qsizetype(size));
            return data;
        }
        // Longer than its span: only overlapping memos or huge objects get here.
        const qsizetype have = data.size();
        data.resize(qsizetype(size));
        if (!dbt.readAt(offset + kMemoHeaderSize + have, data.data() + have, std::size_t(size - have)))
            damagedMemo(QStringLiteral("%1 cannot be read").arg(where));
        return data;
    }

    // Level-III memo text ends at the first 0x1A; it may run on past the
    // first read, up to the end of the memo file.
    QByteArray untilEndMark(QByteArray text, std::int64_t offset, const QString& where) const
    {
        qsizetype searchFrom = 0;
        for (;;) {
            const qsizetype end = text.indexOf(kEndOfFile, searchFrom);
            if (end >= 0) {
                text.truncate(end);
                return text;
            }
            const std::int64_t readEnd = offset + text.size();
            if (readEnd >= dbtSize)
                return text; // unterminated last memo: take what is there
            const std::int64_t more = std::min<std::int64_t>(dbtSize - readEnd, 64 * 1024);
            searchFrom = text.size();
            text.resize(text.size() + qsizetype(more));
            if (!dbt.readAt(readEnd, text.data() + searchFrom, std::size_t(more)))
                damagedMemo(QStringLiteral("%1 cannot be read").arg(where));
        }
    }

    // Appends one large object to the memo file and returns its block.
    quint64 appendMemo(const QByteArray& bytes)
    {
        if (bytes.isEmpty())
            return 0;
        if (!hasMemoFile)
            throw AppError(QStringLiteral("Table %1 has no memo file").arg(dbfText));
        if (bytes.size() > kMaxLargeObject)
            throw AppError(QStringLiteral("Large object too big for table %1").arg(dbfText));
        if (!levelIV && !fitsTextMemo(bytes)) {
            throw AppError(QStringLiteral("Table %1 stores memos as text ended by 0x1A and cannot hold these bytes")
                               .arg(dbfText));
        }
        // New memos go at the end of the file, whatever the header says:
        // never below it, so old blocks are never overwritten, and never
        // beyond it, where a damaged next-free number would send the write
        // terabytes out and leave a huge sparse file.
        const quint64 fileBlocks = quint64((dbtSize + blockSize - 1) / blockSize);
        const quint64 block = std::max<quint64>(fileBlocks, 1);
        const std::int64_t n = bytes.size();
        std::int64_t used = n + 1; // level IV: data and 0x1F; level III: data and 1A 1A
        if (levelIV)
            used += kMemoHeaderSize;
        else
            used += 1;
        const std::int64_t blocksUsed = (used + blockSize - 1) / blockSize;
        if (block + quint64(blocksUsed) > 0xFFFFFFFFULL)
            throw AppError(QStringLiteral("Memo file %1 is full").arg(dbtText));
        const std::int64_t padded = blocksUsed * blockSize;

        char header[kMemoHeaderSize];
        std::memcpy(header, kMemoSignature, 4);
        putLe32(header + 4, quint32(n + kMemoHeaderSize));
        const std::int64_t headerBytes = levelIV ? kMemoHeaderSize : 0;
        QByteArray tail(qsizetype(padded - headerBytes - n), '\0');
        if (levelIV) {
            tail[0] = 0x1F;
        } else {
            tail[0] = kEndOfFile;
            tail[1] = kEndOfFile;
        }
        const std::int64_t offset = std::int64_t(block) * blockSize;
        if (!dbt.writeAt3(offset, header, std::size_t(headerBytes), bytes.constData(), std::size_t(n),
                          tail.constData(), std::size_t(tail.size())))
            writeError(dbtText);
        dbtSize = std::max(dbtSize, offset + padded);
        nextFree = quint32(block + quint64(blocksUsed));
        return block;
    }

    void writePointer(QByteArray& rec, int fieldIndex, quint64 block) const
    {
        const Field& field = fields[std::size_t(fieldIndex)];
        QByteArray text = block == 0 ? QByteArray() : QByteArray::number(block);
        if (text.size() > field.def.length)
            throw AppError(QStringLiteral("Memo file %1 is full").arg(dbtText));
        text = text.rightJustified(field.def.length, ' ');
        std::memcpy(rec.data() + field.offset, text.constData(), std::size_t(text.size()));
    }

    void post()
    {
        if (state == State::Browse)
            notEditingError();
        if (!writable)
            writeError(dbfText);
        QByteArray rec = buffer;
        std::vector<quint64> written;
        // Memo blocks first, then the next-free number: a crash before the
        // record is written leaves unused blocks, never a dangling pointer.
        for (const auto& [fieldIndex, bytes] : pending) {
            const quint64 block = appendMemo(bytes);
            writePointer(rec, fieldIndex, block);
            if (block > 0)
                written.push_back(block);
        }
        if (!written.empty()) {
            char nf[4];
            putLe32(nf, nextFree);
            if (!dbt.writeAt(0, nf, 4))
                writeError(dbtText);
        }

        const bool appending = state == State::Insert;
        const int index = appending ? count : current;
        const char endMark = kEndOfFile;
        if (!dbf.writeAt3(recordOffset(index), rec.constData(), std::size_t(rec.size()),
                          &endMark, appending ? 1 : 0, nullptr, 0))
            writeError(dbfText);
        // The record count goes last, once the record is complete.
        char stamp[7];
        putToday(stamp);
        putLe32(stamp + 3, quint32(appending ? count + 1 : count));
        if (!dbf.writeAt(1, stamp, appending ? 7 : 3))
            writeError(dbfText);

        if (cached) {
            if (appending)
                cache.append(rec);
            else
                cache.replace(qsizetype(index) * recordLength, recordLength, rec);
            // A table that outgrows the limit goes back to reading records.
            if (cache.size() > recordCacheLimit) {
                cached = false;
                cache.clear();
            }
        }
        if (appending) {
            ++count;
            dbfSize = std::max(dbfSize, recordOffset(count) + 1);
        }
        for (quint64 b : written)
            blocks.push_back(b); // appended blocks lie above every known one
        current = index;
        record = rec;
        eof = false;
        state = State::Browse;
        modified = false;
        pending.clear();
        buffer.clear();
    }

    void cancel()
    {
        state = State::Browse;
        modified = false;
        pending.clear();
        buffer.clear();
    }

    // Moving while editing keeps the changes that were made, as a data-entry
    // form does; an untouched new record is dropped.
    void checkBrowseMode()
    {
        if (state == State::Browse)
            return;
        if (modified)
            post();
        else
            cancel();
    }

    QByteArray blankRecord() const
    {
        QByteArray rec(recordLength, ' ');
        rec[0] = kLiveRecord;
        return rec;
    }
};

class DbfTable::Impl {
public:
    std::unique_ptr<OpenTable> table;
    std::vector<TableField*> fields;
    QString hostPath;

    OpenTable& open()
    {
        if (!table)
            closedError();
        return *table;
    }
    const OpenTable& open() const
    {
        if (!table)
            closedError();
        return *table;
    }
};

namespace {

void readHeader(OpenTable& t)
{
    t.dbfSize = t.dbf.size();
    char head[kHeaderSize];
    if (t.dbfSize < kHeaderSize || !t.dbf.readAt(0, head, kHeaderSize))
        t.damagedTable(QStringLiteral("the header is truncated"));

    t.version = quint8(head[0]);
    switch (t.version) {
    case 0x03: // no memo file
    case 0x83: // level-III memo file
        t.levelIV = false;
        break;
    case 0x8B: // level-IV memo file
        t.levelIV = true;
        break;
    case 0x04:
    case 0x8C:
        throw AppError(QStringLiteral("Cannot open file %1: dBASE level 7 tables are not supported").arg(t.dbfText));
    default:
        throw AppError(QStringLiteral("Cannot open file %1: not a supported dBASE table (version byte 0x%2)")
                           .arg(t.dbfText)
                           .arg(t.version, 2, 16, QLatin1Char('0')));
    }

    const quint32 count = le32(head + 4);
    t.headerLength = le16(head + 8);
    t.recordLength = le16(head + 10);
    if (t.headerLength < kHeaderSize + kDescriptorSize + 1)
        t.damagedTable(QStringLiteral("the header length %1 is too small").arg(t.headerLength));
    if (t.headerLength > t.dbfSize)
        t.damagedTable(QStringLiteral("the header is truncated"));

    QByteArray header(t.headerLength, Qt::Uninitialized);
    if (!t.dbf.readAt(0, header.data(), std::size_t(header.size())))
        t.damagedTable(QStringLiteral("the header cannot be read"));

    int offset = 1;
    int pos = kHeaderSize;
    bool terminated = false;
    while (pos < t.headerLength) {
        if (header.at(pos) == kDescriptorEnd) {
            terminated = true;
            break;
        }
        if (pos + kDescriptorSize > t.headerLength)
            break;
        const char* d = header.constData() + pos;
        Field field;
        field.def.name = QByteArray(d, int(qstrnlen(d, 11)));
        field.def.type = d[11];
        field.def.length = quint8(d[16]);
        field.def.decimals = quint8(d[17]);
        field.offset = offset;
        field.large = DbfTable::isLargeObject(field.def.type);
        if (field.def.name.isEmpty() || field.def.length == 0)
            t.damagedTable(QStringLiteral("field %1 is malformed").arg(t.fields.size() + 1));
        offset += field.def.length;
        t.fields.push_back(std::move(field));
        pos += kDescriptorSize;
    }
    if (!terminated)
        t.damagedTable(QStringLiteral("the field list has no end marker"));
    if (t.fields.empty())
        t.damagedTable(QStringLiteral("the table has no fields"));
    if (t.recordLength < offset)
        t.damagedTable(QStringLiteral("the record length %1 is shorter than its fields (%2)")
                           .arg(t.recordLength)
                           .arg(offset));

    const std::int64_t capacity = (t.dbfSize - t.headerLength) / t.recordLength;
    if (count > quint32(std::numeric_limits<int>::max()) || std::int64_t(count) > capacity) {
        t.damagedTable(QStringLiteral("the header claims %1 records but the file holds only %2")
                           .arg(count)
                           .arg(capacity));
    }
    t.count = int(count);
}

void openMemoFile(OpenTable& t, const QString& hostDbt)
{
    const bool needed = std::any_of(t.fields.begin(), t.fields.end(), [](const Field& f) { return f.large; });
    if (!needed)
        return;
    if (t.dbt.open(hostDbt, t.writable ? FileHandle::Mode::ReadWrite : FileHandle::Mode::ReadOnly)) {
    } else if (t.writable && t.dbt.open(hostDbt, FileHandle::Mode::ReadOnly)) {
        t.writable = false;
    } else {
        throw AppError(QStringLiteral("Cannot open file %1").arg(t.dbtText));
    }
    t.hasMemoFile = true;
    t.dbtSize = t.dbt.size();
    char head[24];
    if (t.dbtSize < qint64(sizeof head) || !t.dbt.readAt(0, head, sizeof head))
        t.damagedMemo(QStringLiteral("the header is truncated"));
    t.nextFree = le32(head);
    t.blockSize = kDefaultBlockSize;
    if (t.levelIV) {
        const int size = le16(head + 20);
        if (size != 0)
            t.blockSize = size;
        if (t.blockSize < 64)
            t.damagedMemo(QStringLiteral("the block size %1 is invalid").arg(t.blockSize));
    }
}

} // namespace

DbfTable::DbfTable()
    : m_impl(std::make_unique<Impl>())
{
}

DbfTable::~DbfTable() = default;

void DbfTable::setDatabaseName(const QString& directory)
{
    if (isOpen())
        throw AppError(QStringLiteral("Cannot perform this operation on an open dataset"));
    m_directory = directory;
}

void DbfTable::setTableName(const QString& name)
{
    if (isOpen())
        throw AppError(QStringLiteral("Cannot perform this operation on an open dataset"));
    m_tableName = name;
}

void DbfTable::open()
{
    if (isOpen())
        return;
    auto t = std::make_unique<OpenTable>();
    t->dbfText = joinCoursePath(m_directory, withTableExtension(m_tableName));
    t->dbtText = memoFileName(t->dbfText);
    const QString hostDbf = HostPath::toHost(t->dbfText);
    const QString hostDbt = HostPath::toHost(t->dbtText);
    m_impl->hostPath = hostDbf;

    // A course on a read-only disc opens for reading only.
    if (!t->dbf.open(hostDbf, FileHandle::Mode::ReadWrite)) {
        if (!t->dbf.open(hostDbf, FileHandle::Mode::ReadOnly))
            throw AppError(QStringLiteral("Cannot open file %1").arg(t->dbfText));
        t->writable = false;
    }
    readHeader(*t);
    openMemoFile(*t, hostDbt);
    t->indexBlocks();

    m_impl->table = std::move(t);
    try {
        for (const TableField* field : m_impl->fields)
            field->bind();
    } catch (...) {
        m_impl->table.reset();
        throw;
    }
    OpenTable& table = *m_impl->table;
    table.eof = table.count == 0;
    if (table.count > 0) {
        try {
            table.readRecord(0);
        } catch (...) {
            m_impl->table.reset();
            throw;
        }
    }
}

void DbfTable::close()
{
    m_impl->table.reset();
}

bool DbfTable::isOpen() const
{
    return m_impl->table != nullptr;
}

void DbfTable::first()
{
    OpenTable& t = m_impl->open();
    t.checkBrowseMode();
    t.eof = t.count == 0;
    if (t.count > 0)
        t.readRecord(0);
}

void DbfTable::next()
{
    OpenTable& t = m_impl->open();
    t.checkBrowseMode();
    if (t.count > 0 && t.current + 1 < t.count) {
        t.readRecord(t.current + 1);
        t.eof = false;
    } else {
        t.eof = true;
    }
}

void DbfTable::setRecNo(int recNo)
{
    OpenTable& t = m_impl->open();
    t.checkBrowseMode();
    if (recNo < 1 || recNo > t.count) {
        throw AppError(QStringLiteral("Record %1 does not exist: table %2 has %3 records")
                           .arg(recNo)
                           .arg(t.dbfText)
                           .arg(t.count));
    }
    t.readRecord(recNo - 1);
    t.eof = false;
}

bool DbfTable::eof() const
{
    return m_impl->table ? m_impl->table->eof : true;
}

int DbfTable::recordCount() const
{
    return m_impl->open().count;
}

int DbfTable::recNo() const
{
    const OpenTable& t = m_impl->open();
    return t.count == 0 ? 0 : t.current + 1;
}

void DbfTable::insert()
{
    OpenTable& t = m_impl->open();
    t.checkBrowseMode();
    if (!t.writable)
        throw AppError(QStringLiteral("Cannot modify a read-only table %1").arg(t.dbfText));
    t.state = OpenTable::State::Insert;
    t.buffer = t.blankRecord();
    t.pending.clear();
    t.modified = false;
}

void DbfTable::edit()
{
    OpenTable& t = m_impl->open();
    if (t.state != OpenTable::State::Browse)
        return;
    if (t.count == 0) {
        insert();
        return;
    }
    if (!t.writable)
        throw AppError(QStringLiteral("Cannot modify a read-only table %1").arg(t.dbfText));
    t.state = OpenTable::State::Edit;
    t.buffer = t.record;
    t.pending.clear();
    t.modified = false;
}

void DbfTable::post()
{
    m_impl->open().post();
}

void DbfTable::cancel()
{
    if (m_impl->table)
        m_impl->table->cancel();
}

QByteArray DbfTable::fieldBytes(const QByteArray& fieldName) const
{
    const OpenTable& t = m_impl->open();
    const int index = t.indexOf(fieldName);
    if (index < 0)
        fieldDef(fieldName); // throws the not-found message
    const Field& field = t.fields[std::size_t(index)];
    const bool editing = t.state != OpenTable::State::Browse;
    if (editing) {
        const auto it = t.pending.find(index);
        if (it != t.pending.end())
            return it->second;
    } else if (t.count == 0) {
        return {};
    }
    const QByteArray& rec = editing ? t.buffer : t.record;
    if (!field.large)
        return rec.mid(field.offset, field.def.length);
    return t.readLargeObject(rec.constData(), index, t.state == OpenTable::State::Insert ? t.count + 1 : t.current + 1);
}

void DbfTable::setFieldBytes(const QByteArray& fieldName, const QByteArray& bytes)
{
    OpenTable& t = m_impl->open();
    const int index = t.indexOf(fieldName);
    if (index < 0)
        fieldDef(fieldName);
    if (t.state == OpenTable::State::Browse)
        notEditingError();
    const Field& field = t.fields[std::size_t(index)];
    if (field.large) {
        if (bytes.size() > kMaxLargeObject)
            throw AppError(QStringLiteral("Large object too big for table %1").arg(t.dbfText));
        if (!t.levelIV && !fitsTextMemo(bytes)) {
            throw AppError(QStringLiteral("Table %1 stores memos as text ended by 0x1A and cannot hold these bytes")
                               .arg(t.dbfText));
        }
        t.pending[index] = bytes;
    } else {
        if (bytes.size() > field.def.length) {
            throw AppError(QStringLiteral("Value too long for field '%1'").arg(QString::fromLatin1(fieldName)));
        }
        QByteArray padded = bytes.leftJustified(field.def.length, ' ');
        std::memcpy(t.buffer.data() + field.offset, padded.constData(), std::size_t(padded.size()));
    }
    t.modified = true;
}

void DbfTable::loadFromFile(const QByteArray& fieldName, const QString& path)
{
    QByteArray bytes;
    if (!FileHandle::readWhole(HostPath::toHost(path), bytes, kMaxLargeObject))
        throw AppError(QStringLiteral("Cannot open file %1").arg(path));
    setFieldBytes(fieldName, bytes);
}

void DbfTable::saveToFile(const QByteArray& fieldName, const QString& path) const
{
    const QByteArray bytes = fieldBytes(fieldName);
    FileHandle file;
    if (!file.open(HostPath::toHost(path), FileHandle::Mode::CreateOrReplace))
        throw AppError(QStringLiteral("Cannot create file %1").arg(path));
    if (!file.writeAt(0, bytes.constData(), std::size_t(bytes.size())))
        throw AppError(QStringLiteral("Cannot write file %1").arg(path));
}

const DbfTable::FieldDef& DbfTable::fieldDef(const QByteArray& fieldName) const
{
    if (m_impl->table) {
        const int index = m_impl->table->indexOf(fieldName);
        if (index >= 0)
            return m_impl->table->fields[std::size_t(index)].def;
    }
    throw AppError(QStringLiteral("Field '%1' not found").arg(QString::fromLatin1(fieldName)));
}

QString DbfTable::typeName(const FieldDef& field)
{
    switch (field.type) {
    case 'C': return QStringLiteral("String");
    case 'N':
        if (field.decimals == 0 && field.length < 5)
            return QStringLiteral("Smallint");
        if (field.decimals == 0 && field.length < 10)
            return QStringLiteral("Integer");
        return QStringLiteral("Float");
    case 'F': return QStringLiteral("Float");
    case 'L': return QStringLiteral("Boolean");
    case 'D': return QStringLiteral("Date");
    case 'M': return QStringLiteral("Memo");
    case 'B': return QStringLiteral("Blob");
    case 'G': return QStringLiteral("Graphic");
    case 'I': return QStringLiteral("Integer");
    case '+': return QStringLiteral("AutoInc");
    case '@': return QStringLiteral("DateTime");
    case 'O': return QStringLiteral("Float");
    default: return QStringLiteral("Unknown");
    }
}

std::vector<DbfTable::FieldDef> DbfTable::frameStoreFields()
{
    return {{QByteArrayLiteral("GR"), 'B', 10, 0}, {QByteArrayLiteral("M"), 'M', 10, 0}};
}

void DbfTable::create(const QString& dbfPath, const std::vector<FieldDef>& fields)
{
    const QString tableText = withTableExtension(dbfPath);
    if (fields.empty() || fields.size() > 255)
        throw AppError(QStringLiteral("Cannot create file %1: a table needs 1 to 255 fields").arg(tableText));
    bool needsMemo = false;
    int recordLength = 1;
    for (const FieldDef& f : fields) {
        const bool validName = !f.name.isEmpty() && f.name.size() <= 10
            && std::all_of(f.name.begin(), f.name.end(), [](char c) {
                   return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
               });
        const bool large = isLargeObject(f.type);
        const bool validType = large || QByteArray("CNFLD").contains(f.type);
        if (!validName || !validType || f.length < 1 || f.length > 254 || (large && f.length != 10)
            || f.decimals < 0 || f.decimals > 15) {
            throw AppError(QStringLiteral("Cannot create file %1: invalid field '%2'")
                               .arg(tableText, QString::fromLatin1(f.name)));
        }
        needsMemo = needsMemo || large;
        recordLength += f.length;
    }
    if (recordLength > 65535)
        throw AppError(QStringLiteral("Cannot create file %1: records too long").arg(tableText));

    const int headerLength = kHeaderSize + kDescriptorSize * int(fields.size()) + 1;
    QByteArray dbf(headerLength + 1, '\0');
    dbf[0] = char(needsMemo ? 0x8B : 0x03);
    putToday(dbf.data() + 1);
    putLe16(dbf.data() + 8, quint16(headerLength));
    putLe16(dbf.data() + 10, quint16(recordLength));
    dbf[29] = char(kLanguageDriver);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        char* d = dbf.data() + kHeaderSize + kDescriptorSize * int(i);
        std::memcpy(d, fields[i].name.constData(), std::size_t(fields[i].name.size()));
        d[11] = fields[i].type;
        d[16] = char(fields[i].length);
        d[17] = char(fields[i].decimals);
    }
    dbf[headerLength - 1] = kDescriptorEnd;
    dbf[headerLength] = kEndOfFile;

    const QString memoText = memoFileName(tableText);
    const QString hostDbf = HostPath::toHost(tableText);
    const QString hostDbt = HostPath::toHost(memoText);
    if (QFileInfo::exists(hostDbf))
        throw AppError(QStringLiteral("Cannot create file %1: it already exists").arg(tableText));
    if (needsMemo && QFileInfo::exists(hostDbt))
        throw AppError(QStringLiteral("Cannot create file %1: it already exists").arg(memoText));

    if (needsMemo) {
        QByteArray dbt(kDefaultBlockSize, '\0');
        putLe32(dbt.data(), 1);
        const QByteArray base = QFileInfo(hostDbf).completeBaseName().toLatin1().left(8);
        std::memcpy(dbt.data() + 8, base.constData(), std::size_t(base.size()));
        putLe16(dbt.data() + 20, quint16(kDefaultBlockSize));
        FileHandle file;
        if (!file.open(hostDbt, FileHandle::Mode::CreateNew))
            throw AppError(QStringLiteral("Cannot create file %1").arg(memoText));
        if (!file.writeAt(0, dbt.constData(), std::size_t(dbt.size()))) {
            file.close();
            QFile::remove(hostDbt);
            throw AppError(QStringLiteral("Cannot write file %1").arg(memoText));
        }
    }
    // A memo file without its table would block the next attempt.
    const auto dropMemo = [&] {
        if (needsMemo)
            QFile::remove(hostDbt);
    };
    FileHandle file;
    if (!file.open(hostDbf, FileHandle::Mode::CreateNew)) {
        dropMemo();
        throw AppError(QStringLiteral("Cannot create file %1").arg(tableText));
    }
    if (!file.writeAt(0, dbf.constData(), std::size_t(dbf.size()))) {
        file.close();
        QFile::remove(hostDbf);
        dropMemo();
        throw AppError(QStringLiteral("Cannot write file %1").arg(tableText));
    }
}

void DbfTable::attach(TableField* field)
{
    if (field && std::find(m_impl->fields.begin(), m_impl->fields.end(), field) == m_impl->fields.end())
        m_impl->fields.push_back(field);
}

void DbfTable::detach(TableField* field)
{
    m_impl->fields.erase(std::remove(m_impl->fields.begin(), m_impl->fields.end(), field), m_impl->fields.end());
}

void DbfTable::setRecordCacheLimit(qint64 bytes)
{
    recordCacheLimit = bytes < 0 ? kDefaultRecordCacheLimit : bytes;
}

QString DbfTable::hostPath() const
{
    return m_impl->hostPath;
}
