#include "FuzzTargets.h"

#include "content/EventScript.h"
#include "content/StepScript.h"
#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/NViewLib.h"
#include "platform/ScratchDir.h"
#include "content/EventScript.h"
#include "playback/NarrationPass.h"
#include "playback/PlayerState.h"
#include "content/ScriptText.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace FuzzTargets {

namespace {

// Keeps a walk over a table that claims many records short: the engine's
// per-record cost is what is being tested, not the disk.
constexpr int kMaxRecordsWalked = 2000;
constexpr int kMaxFieldsTried = 64;

[[noreturn]] void violated(const std::string& what)
{
    throw Violation(what);
}

QStringList toLines(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QLatin1Char('\n'));
}

QString tableDir()
{
    static const QString dir = [] {
        const QString d = ScratchDir::path() + QStringLiteral("/fuzz-table");
        QDir().mkpath(d);
        return d;
    }();
    return dir;
}

bool writeBytes(const QString& path, const std::uint8_t* data, std::size_t size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return size == 0 || f.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
}

// The field names the .dbf bytes declare, so the walk reads every field the
// table has without the engine having to list them.
std::vector<QByteArray> declaredFields(const std::uint8_t* dbf, std::size_t size)
{
    std::vector<QByteArray> names;
    for (std::size_t pos = 32; pos + 32 <= size && dbf[pos] != 0x0D; pos += 32) {
        const char* name = reinterpret_cast<const char*>(dbf + pos);
        QByteArray field(name, int(qstrnlen(name, 11)));
        // A name given twice reaches the first field of that name only.
        if (std::find(names.begin(), names.end(), field) == names.end())
            names.push_back(std::move(field));
        if (int(names.size()) >= kMaxFieldsTried)
            break;
    }
    return names;
}

template <typename F>
bool reported(F&& f)
{
    try {
        f();
        return false;
    } catch (const AppError&) {
        return true;
    }
}

void walk(DbfTable& t, const std::vector<QByteArray>& fields)
{
    const int count = t.recordCount();
    if (count == 0) {
        if (!t.eof())
            violated("an empty table opened without its end-of-table flag");
        return;
    }
    if (t.eof() || t.recNo() != 1)
        violated("a table opened off its first record");
    const int walked = std::min(count, kMaxRecordsWalked);
    for (int r = 1; r <= walked; ++r) {
        for (const QByteArray& name : fields)
            reported([&] { (void)t.fieldBytes(name); });
        if (t.recNo() != r)
            violated("record number " + std::to_string(t.recNo()) + " where " + std::to_string(r) + " was expected");
        if (reported([&] { t.next(); }))
            return; // the next record is unreadable and said so
        if (r < count && t.eof())
            violated("end-of-table flag set before the last record");
    }
    if (walked == count && (!t.eof() || t.recNo() != count))
        violated("a move past the last record left it");
}

// Appends one record whose large objects are slices of the input, then
// reopens the table and reads them back: a post that succeeded must be
// readable byte for byte.
void appendAndReadBack(DbfTable& t, const std::vector<QByteArray>& fields, const std::uint8_t* data,
                       std::size_t size)
{
    std::vector<std::pair<QByteArray, QByteArray>> written;
    const bool failed = reported([&] {
        t.insert();
        std::size_t from = 0;
        for (const QByteArray& name : fields) {
            if (!DbfTable::isLargeObject(t.fieldDef(name).type))
                continue;
            const std::size_t n = std::min<std::size_t>(size - std::min(from, size), 700);
            QByteArray payload(reinterpret_cast<const char*>(data) + std::min(from, size), qsizetype(n));
            payload.append(name); // never empty, different per field
            from += n;
            t.setFieldBytes(name, payload);
            written.emplace_back(name, payload);
        }
        t.post();
    });
    if (failed) {
        t.cancel();
        return;
    }
    const int count = t.recordCount();
    t.close();
    if (reported([&] { t.open(); }))
        violated("a table that took a record no longer opens");
    if (t.recordCount() != count)
        violated("the record count changed on reopening");
    if (reported([&] { t.setRecNo(count); }))
        violated("the record just posted cannot be read");
    for (const auto& field : written) {
        const QByteArray& name = field.first;
        const QByteArray& payload = field.second;
        QByteArray back;
        if (reported([&] { back = t.fieldBytes(name); }))
            violated("field " + name.toStdString() + " of the record just posted cannot be read");
        if (back != payload)
            violated("field " + name.toStdString() + " of the record just posted reads back different bytes");
    }
}

} // namespace

TableInput splitTableInput(const std::uint8_t* data, std::size_t size)
{
    TableInput in;
    if (size < 4)
        return in;
    const std::uint32_t declared = std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8
        | std::uint32_t(data[2]) << 16 | std::uint32_t(data[3]) << 24;
    const std::size_t rest = size - 4;
    in.dbf = data + 4;
    in.dbfSize = std::min<std::size_t>(declared, rest);
    in.dbt = in.dbf + in.dbfSize;
    in.dbtSize = rest - in.dbfSize;
    return in;
}

void table(const std::uint8_t* data, std::size_t size)
{
    const TableInput in = splitTableInput(data, size);
    if (in.dbf == nullptr)
        return;
    const QString dir = tableDir();
    if (!writeBytes(dir + QStringLiteral("/simu.dbf"), in.dbf, in.dbfSize)
        || !writeBytes(dir + QStringLiteral("/simu.dbt"), in.dbt, in.dbtSize))
        return;
    const std::vector<QByteArray> fields = declaredFields(in.dbf, in.dbfSize);
    // Half of the inputs walk the table with its records in memory, the
    // other half read each record from the file.
    DbfTable::setRecordCacheLimit(size % 2 == 0 ? -1 : 0);
    struct DefaultCache {
        ~DefaultCache() { DbfTable::setRecordCacheLimit(-1); }
    } restore;

    DbfTable t;
    t.setDatabaseName(dir);
    t.setTableName(QStringLiteral("simu.dbf"));
    if (reported([&] { t.open(); }))
        return;
    walk(t, fields);
    reported([&] { t.first(); });
    appendAndReadBack(t, fields, in.dbt, in.dbtSize);
}

void eventScript(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = toLines(data, size);
    // The player reads event lines by columns and markers, not by the parser.
    for (int i = 0; i < lines.size(); i += 3) {
        const QString& line = lines.at(i);
        (void)EventScript::AsPlayed::eventNumber(line);
        (void)EventScript::AsPlayed::isMouse(line);
        reported([&] { (void)EventScript::AsPlayed::x(line); });
        reported([&] { (void)EventScript::AsPlayed::y(line); });
    }

    std::vector<EventRecord> records;
    if (reported([&] { records = EventScript::parse(lines); }))
        return;
    QStringList written;
    if (reported([&] { written = EventScript::write(records); }))
        return; // a value the recorder's layout cannot hold
    std::vector<EventRecord> again;
    if (reported([&] { again = EventScript::parse(written); }))
        violated("the writer produced an event script its reader refuses");
    if (again.size() != records.size())
        violated("event script round trip changed the record count");
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (EventScript::eventLine(again[k]) != EventScript::eventLine(records[k])
            || EventScript::frameLine(again[k]) != EventScript::frameLine(records[k]))
            violated("event script round trip changed record " + std::to_string(k));
    }
}

void stepScript(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = toLines(data, size);
    std::vector<Step> steps;
    if (reported([&] { steps = StepScript::parse(lines); }))
        return;
    for (const Step& s : steps) {
        if (StepScript::stepsFor(steps, s.screen).empty())
            violated("a step is not found by its own screen number");
    }
    std::vector<Step> again;
    if (reported([&] { again = StepScript::parse(StepScript::write(steps)); }))
        violated("the writer produced a step script its reader refuses");
    if (again.size() != steps.size())
        violated("step script round trip changed the step count");
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const Step& a = steps[k];
        const Step& b = again[k];
        const bool sameArrow = a.arrow.has_value() == b.arrow.has_value()
            && (!a.arrow || (a.arrow->file == b.arrow->file && a.arrow->mask == b.arrow->mask
                             && a.arrow->top == b.arrow->top && a.arrow->left == b.arrow->left));
        if (a.screen != b.screen || a.topic != b.topic || a.x != b.x || a.y != b.y || a.w != b.w || a.h != b.h
            || a.scroll != b.scroll || a.narration != b.narration || a.closed != b.closed || !sameArrow)
            violated("step script round trip changed step " + std::to_string(k + 1));
    }
}

namespace {

// Keeps what the pass puts on screen, as the window would, so that every
// call the pass makes is exercised.
class FuzzView : public NarrationPass::View {
public:
    void clearText() override { m_text.clear(); }
    void appendText(const QString& line) override { m_text << line; }
    void setBoxLeft(int left) override { m_box.setX(left); }
    void setBoxTop(int top) override { m_box.setY(top); }
    void copyArrowPicture(NarrationPass::Arrow arrow) override { m_arrow = arrow; }
    void setArrowTop(int top) override { m_arrowPos.setY(top); }
    void setArrowLeft(int left) override { m_arrowPos.setX(left); }

private:
    QStringList m_text;
    QPoint m_box;
    QPoint m_arrowPos;
    NarrationPass::Arrow m_arrow = NarrationPass::Arrow::Right;
};

} // namespace

void narration(const std::uint8_t* data, std::size_t size)
{
    QStringList lines = toLines(data, size);
    PlayerState state;
    state.screennum = lines.takeFirst();
    state.originx = 192;
    state.originy = 144;
    state.menuoffset = 20;
    for (const NarrationPass::Form form : {NarrationPass::Form::Run, NarrationPass::Form::Frame}) {
        FuzzView view;
        if (reported([&] { NarrationPass::run(form, lines, state, view); }))
            continue;
        const bool known = state.stepstate == QLatin1String("OFF") || state.stepstate == QLatin1String("ON")
            || state.stepstate == QLatin1String("Done");
        if (!known)
            violated("the narration pass left an unknown step state");
    }
}

void decoder(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::unique_ptr<QImage> image = NViewLibDecode(bytes);
    if (!image)
        return;
    if (image->isNull() || image->width() <= 0 || image->height() <= 0 || image->format() != QImage::Format_RGB32)
        violated("the decoder returned an unusable bitmap");
    // Touch the last pixel: the whole buffer must be there.
    (void)image->pixel(image->width() - 1, image->height() - 1);
}

} // namespace FuzzTargets
