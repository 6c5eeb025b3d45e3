#pragma once

#include "content/Catalogue.h"

#include <QString>
#include <QStringList>

#include <vector>

class DbfTable;

// The part loader behind the launcher's runsimu: selects a part by lettered
// code text or by lesson index and starts it in the player.
namespace PartLoader {

// The windows a part is loaded into. The player installs the real one; tests
// install their own.
class Target {
public:
    virtual ~Target() = default;
    virtual void setEventScript(const QStringList& lines) = 0;
    virtual void setStepScript(const QStringList& lines) = 0;
    virtual DbfTable& frameStore() = 0;
    virtual void setCurrentPartCode(const QString& code) = 0;
    virtual void showPlayer() = 0;
    virtual void runPlayer() = 0;
};

// Installs target (null to remove); returns the previous one.
Target* setTarget(Target* target);

// The lettered codes in the order the loader compares them.
const QStringList& letteredCodes();

// The parts run() loads, in loading order: the lettered part whose code
// equals codeText exactly, then the base part of lessonIndex 0..19.
std::vector<const Catalogue::PartEntry*> select(const QString& codeText, int lessonIndex);

// Loads one part: scripts, table directory, current part code, open, show,
// Run. An engine error at opening ends it there (player not shown).
void load(const Catalogue::PartEntry& part, Target& target);

// Selects and loads; with nothing selected it does nothing and reports nothing.
void run(const QString& codeText, int lessonIndex);

} // namespace PartLoader
