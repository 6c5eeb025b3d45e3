#pragma once

#include "launcher/AppWindows.h"
#include "playback/PartLoader.h"
#include "launcher/menuunit_.h"
#include "platform/DbfTable.h"
#include "player/PlayerTimer.h"
#include "player/proj10.h"
#include "player/showm.h"
#include "store/Unit1.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QMap>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

// Small courses written to disk through the table engine, as the builder
// writes them: master\<code>\simu.dbf + simu.dbt, one JPEG frame per record.
namespace Course {

// A small JPEG filled with one colour, so tests can tell frames apart by the
// decoded picture.
QByteArray jpeg(const QColor& colour);
QColor frameColour(int index);
// The index (0 to 6) of the colour a decoded frame shows, or -1.
int frameOf(const QImage& image);

// The course-relative directory of a part ("master\p1\") and its host path
// below the current directory.
QString partDir(const QString& code);
QString hostPartDir(const QString& code);

// Writes a frame store with frames frames (frame k coloured frameColour(k))
// and the two script texts in M of records 1 and 2.
void writeStore(const QString& code, int frames);

// Event script with events mouse events, and a step script with one step
// per listed event number.
QStringList events(int count);
QStringList steps(const std::vector<int>& screens);

// Overwrites bytes of a file in place.
void patch(const QString& hostPath, qint64 offset, const QByteArray& bytes);
void truncate(const QString& hostPath, qint64 size);

} // namespace Course

// The part loader's target for tests: the real player, lesson store and
// narration box, but the scripts of each part come from the test, since the
// library's scripts belong to the recorded course and not to these frames.
class ScriptedTarget : public PartLoader::Target {
public:
    ScriptedTarget();
    ~ScriptedTarget() override;
    ScriptedTarget(const ScriptedTarget&) = delete;
    ScriptedTarget& operator=(const ScriptedTarget&) = delete;

    void setScripts(const QString& code, const QStringList& events, const QStringList& steps);

    void setEventScript(const QStringList& lines) override;
    void setStepScript(const QStringList& lines) override;
    DbfTable& frameStore() override;
    void setCurrentPartCode(const QString& code) override;
    void showPlayer() override;
    void runPlayer() override;

private:
    QMap<QString, QStringList> m_events;
    QMap<QString, QStringList> m_steps;
    PartLoader::Target* m_previous = nullptr;
};

// The program's windows with a scratch course folder as the current
// directory; errors and pointer moves recorded; timers driven by hand.
class CourseWindows : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Double-click equivalent: fills the play queue and loads the lesson.
    void playLesson(int lessonIndex);

    // Drives the timers: pointer ticks until Timer2 takes over, then one
    // frame step. Returns false when neither timer was running.
    bool stepOneEvent();

    // Which frame is on screen, told by its colour (JPEG shifts colours a
    // little); -1 when no picture is shown or it matches no frame.
    int shownFrame() const;

    ErrorRecorder errors;
    PointerRecorder pointer;
    TempCurrentDir course;
    std::optional<AppWindows> windows;
    std::unique_ptr<ScriptedTarget> target;
};
