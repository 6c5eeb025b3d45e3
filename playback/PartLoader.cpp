#include "playback/PartLoader.h"

#include "content/ScriptLibrary.h"
#include "platform/DbfTable.h"

namespace PartLoader {

namespace {

Target*& installedTarget()
{
    static Target* target = nullptr;
    return target;
}

} // namespace

Target* setTarget(Target* target)
{
    Target* previous = installedTarget();
    installedTarget() = target;
    return previous;
}

const QStringList& letteredCodes()
{
    // The catalogue lists the parts in lesson order, which is the order the
    // loader compares the lettered codes in.
    static const QStringList codes = [] {
        QStringList lettered;
        for (const Catalogue::PartEntry& part : Catalogue::parts()) {
            if (!part.isBase())
                lettered << part.code;
        }
        return lettered;
    }();
    return codes;
}

std::vector<const Catalogue::PartEntry*> select(const QString& codeText, int lessonIndex)
{
    std::vector<const Catalogue::PartEntry*> parts;
    // Whole-text, case-sensitive comparisons: a lesson header row or a base
    // code never selects a lettered part.
    for (const QString& code : letteredCodes()) {
        if (codeText != code)
            continue;
        if (const Catalogue::PartEntry* part = Catalogue::partByCode(code))
            parts.push_back(part);
    }
    if (lessonIndex >= 0 && lessonIndex <= 19) {
        if (const Catalogue::PartEntry* part = Catalogue::partByLessonIndex(lessonIndex))
            parts.push_back(part);
    }
    return parts;
}

void load(const Catalogue::PartEntry& part, Target& target)
{
    target.setEventScript(ScriptLibrary::lines(part.sheet, part.eventList));
    target.setStepScript(ScriptLibrary::lines(part.sheet, part.stepList));
    DbfTable& table = target.frameStore();
    table.close();
    table.setDatabaseName(part.directory);
    target.setCurrentPartCode(part.code);
    table.open();
    target.showPlayer();
    target.runPlayer();
}

void run(const QString& codeText, int lessonIndex)
{
    const auto parts = select(codeText, lessonIndex);
    if (parts.empty())
        return;
    Target* target = installedTarget();
    if (target == nullptr)
        return;
    for (const Catalogue::PartEntry* part : parts)
        load(*part, *target);
}

} // namespace PartLoader
