#include "store/CourseChecker.h"

#include "content/Catalogue.h"
#include "content/EventScript.h"
#include "content/ScriptLibrary.h"
#include "content/StepScript.h"
#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/HostPath.h"
#include "platform/NViewLib.h"
#include "platform/TableField.h"
#include "store/StandInFrames.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace CourseChecker {
namespace {

constexpr int kFrameWidth = 640;
constexpr int kFrameHeight = 480;
const QString kStoreName = QStringLiteral("simu.dbf");

// What one walk over a store found: its records, the two script memos and
// the problems of the table and its frames.
struct StoreWalk {
    bool opened = false;
    int records = 0;
    // Unset when the walk did not reach the record.
    std::optional<QByteArray> eventMemo;
    std::optional<QByteArray> stepMemo;
    QStringList problems;
};

StoreWalk walkStore(const QString& directory)
{
    StoreWalk walk;
    DbfTable table;
    TableField gr(table, QByteArrayLiteral("GR"), TableField::Kind::Blob);
    TableField m(table, QByteArrayLiteral("M"), TableField::Kind::Memo);
    try {
        table.setDatabaseName(directory);
        table.setTableName(kStoreName);
        table.open();
    } catch (const AppError& e) {
        walk.problems << e.message();
        return walk;
    }
    walk.opened = true;
    walk.records = table.recordCount();
    try {
        for (int recNo = 1; recNo <= walk.records; ++recNo) {
            if (recNo > 1)
                table.next();
            if (recNo == 1)
                walk.eventMemo = m.value();
            if (recNo == 2)
                walk.stepMemo = m.value();
            const std::unique_ptr<QImage> frame = NViewLibDecode(gr.value());
            if (!frame)
                walk.problems << QStringLiteral("record %1: the frame does not decode").arg(recNo);
            else if (frame->width() != kFrameWidth || frame->height() != kFrameHeight)
                walk.problems << QStringLiteral("record %1: the frame is %2 x %3, not 640 x 480")
                                     .arg(recNo).arg(frame->width()).arg(frame->height());
        }
    } catch (const AppError& e) {
        // A damaged record ends the walk: later records cannot be trusted.
        walk.problems << QStringLiteral("record %1: %2").arg(table.recNo()).arg(e.message());
    }
    return walk;
}

QStringList memoLines(const QByteArray& memo)
{
    QByteArray text = memo;
    text.replace("\r\n", "\n");
    return ScriptLibrary::splitLines(text);
}

QStringList prefixed(const QString& code, const QStringList& problems)
{
    QStringList lines;
    for (const QString& problem : problems)
        lines << code + QStringLiteral(": ") + problem;
    return lines;
}

// The checks of a part that is not in the catalogue: its own scripts must
// read, and frames and events must agree with them.
QStringList ownScriptProblems(const StoreWalk& walk)
{
    QStringList problems;
    int events = 0;
    if (walk.eventMemo) {
        try {
            events = int(EventScript::parse(memoLines(*walk.eventMemo)).size());
            if (events == 0)
                problems << QStringLiteral("M of record 1 holds no event script");
        } catch (const AppError& e) {
            problems << QStringLiteral("M of record 1 is not an event script: %1").arg(e.message());
        }
    }
    if (walk.records < events)
        problems << QStringLiteral("%1 records for %2 events").arg(walk.records).arg(events);
    if (!walk.stepMemo)
        return problems;
    try {
        for (const Step& step : StepScript::parse(memoLines(*walk.stepMemo)))
            if (events > 0 && step.screen >= events)
                problems << QStringLiteral("step %1 is shown on event %2, after the last event %3")
                                .arg(step.number).arg(step.screen).arg(events - 1);
    } catch (const AppError& e) {
        problems << QStringLiteral("M of record 2 is not a step script: %1").arg(e.message());
    }
    return problems;
}

} // namespace

bool sameLines(const QByteArray& memo, const QStringList& lines)
{
    return memoLines(memo) == lines;
}

QStringList checkPart(const QString& code, const QString& directory, int* records)
{
    const Catalogue::PartEntry* part = Catalogue::findPart(code);
    if (!part)
        return prefixed(code, {QStringLiteral("not a part of the catalogue")});

    const StoreWalk walk = walkStore(directory);
    if (!walk.opened)
        return prefixed(code, walk.problems);
    if (records)
        *records = walk.records;

    QStringList problems;
    const int events = StandInFrames::eventCount(*part);
    if (walk.records < events)
        problems << QStringLiteral("%1 records for %2 events").arg(walk.records).arg(events);
    if (walk.eventMemo && !sameLines(*walk.eventMemo, ScriptLibrary::lines(part->sheet, part->eventList)))
        problems << QStringLiteral("M of record 1 is not the event script %1").arg(part->eventList);
    if (walk.stepMemo && !sameLines(*walk.stepMemo, ScriptLibrary::lines(part->sheet, part->stepList)))
        problems << QStringLiteral("M of record 2 is not the step script %1").arg(part->stepList);
    problems << walk.problems;
    if (walk.records < 2)
        problems << QStringLiteral("no record 2 for the step script");
    return prefixed(code, problems);
}

bool isPartFolder(const QString& directory)
{
    return QFileInfo(QDir(directory).filePath(kStoreName)).isFile();
}

Result checkFolder(const QString& directory)
{
    Result result;
    const QString code = QDir(directory).dirName();
    result.parts = 1;
    if (Catalogue::findPart(code)) {
        result.problems = checkPart(code, directory, &result.records);
        return result;
    }
    const StoreWalk walk = walkStore(directory);
    result.records = walk.records;
    QStringList problems = walk.problems;
    if (walk.opened) {
        problems << ownScriptProblems(walk);
        if (walk.records < 2)
            problems << QStringLiteral("no record 2 for the step script");
    }
    result.problems = prefixed(code, problems);
    return result;
}

Result check(const QString& root, const Progress& progress)
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
        const QStringList problems = checkPart(part.code, directory, &records);
        result.problems << problems;
        ++result.parts;
        result.records += records;
        if (progress)
            progress(part.code, records, int(problems.size()));
    }
    return result;
}

} // namespace CourseChecker
