#include "store/CourseChecker.h"

#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/HostPath.h"
#include "platform/NViewLib.h"
#include "platform/TableField.h"
#include "store/StandInFrames.h"

#include <QDir>

namespace CourseChecker {
namespace {

constexpr int kFrameWidth = 640;
constexpr int kFrameHeight = 480;

} // namespace

bool sameLines(const QByteArray& memo, const QStringList& lines)
{
    QByteArray text = memo;
    text.replace("\r\n", "\n");
    return ScriptLibrary::splitLines(text) == lines;
}

QStringList checkPart(const QString& code, const QString& directory, int* records)
{
    QStringList problems;
    const auto problem = [&](const QString& what) { problems << code + QStringLiteral(": ") + what; };
    const Catalogue::PartEntry* part = Catalogue::findPart(code);
    if (!part) {
        problem(QStringLiteral("not a part of the catalogue"));
        return problems;
    }

    DbfTable table;
    TableField gr(table, QByteArrayLiteral("GR"), TableField::Kind::Blob);
    TableField m(table, QByteArrayLiteral("M"), TableField::Kind::Memo);
    try {
        table.setDatabaseName(directory);
        table.setTableName(QStringLiteral("simu.dbf"));
        table.open();
    } catch (const AppError& e) {
        problem(e.message());
        return problems;
    }

    const int count = table.recordCount();
    if (records)
        *records = count;
    const int events = StandInFrames::eventCount(*part);
    if (count < events)
        problem(QStringLiteral("%1 records for %2 events").arg(count).arg(events));

    const QStringList eventScript = ScriptLibrary::lines(part->sheet, part->eventList);
    const QStringList stepScript = ScriptLibrary::lines(part->sheet, part->stepList);
    try {
        for (int recNo = 1; recNo <= count; ++recNo) {
            if (recNo > 1)
                table.next();
            if (recNo == 1 && !sameLines(m.value(), eventScript))
                problem(QStringLiteral("M of record 1 is not the event script %1").arg(part->eventList));
            if (recNo == 2 && !sameLines(m.value(), stepScript))
                problem(QStringLiteral("M of record 2 is not the step script %1").arg(part->stepList));
            const std::unique_ptr<QImage> frame = NViewLibDecode(gr.value());
            if (!frame)
                problem(QStringLiteral("record %1: the frame does not decode").arg(recNo));
            else if (frame->width() != kFrameWidth || frame->height() != kFrameHeight)
                problem(QStringLiteral("record %1: the frame is %2 x %3, not 640 x 480")
                            .arg(recNo).arg(frame->width()).arg(frame->height()));
        }
    } catch (const AppError& e) {
        // A damaged record ends the walk: later records cannot be trusted.
        problem(QStringLiteral("record %1: %2").arg(table.recNo()).arg(e.message()));
    }
    if (count < 2)
        problem(QStringLiteral("no record 2 for the step script"));
    return problems;
}

Result check(const QString& root)
{
    Result result;
    const QString hostRoot = HostPath::toHost(QDir(root).absolutePath());

    try {
        DbfTable probe;
        probe.setDatabaseName(hostRoot);
        probe.setTableName(QStringLiteral("1.dbf"));
        probe.open();
    } catch (const AppError& e) {
        result.problems << QStringLiteral("1.dbf: ") + e.message();
    }

    for (const Catalogue::PartEntry& part : Catalogue::parts()) {
        int records = 0;
        // The launcher's own path for the store, resolved the way it will be.
        const QString directory = HostPath::toHost(hostRoot + QStringLiteral("/master/") + part.code + QLatin1Char('/'));
        result.problems << checkPart(part.code, directory, &records);
        ++result.parts;
        result.records += records;
    }
    return result;
}

} // namespace CourseChecker
