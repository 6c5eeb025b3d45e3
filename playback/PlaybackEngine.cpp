#include "playback/PlaybackEngine.h"

#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "content/EventScript.h"
#include "playback/PartLoader.h"
#include "playback/PlayQueue.h"
#include "playback/PointerMotion.h"

namespace {

const QString kOn = QStringLiteral("ON");
const QString kDone = QStringLiteral("Done");
const QString kScreenPrefix = QStringLiteral("%Screen =  ");

// The event numbers a step script opens a step for: the "%Screen =  N" lines
// the narration pass matches (N in decimal without leading zeros).
std::vector<int> stepEvents(const QStringList& lsnlist)
{
    std::vector<int> events;
    for (const QString& line : lsnlist) {
        if (!line.startsWith(kScreenPrefix))
            continue;
        bool ok = false;
        const QString digits = line.mid(kScreenPrefix.size());
        const int n = digits.toInt(&ok);
        if (ok && n >= 0 && QString::number(n) == digits)
            events.push_back(n);
    }
    return events;
}

// The topic of each event's first step: the quoted text of the "%Topic"
// line that follows its "%Screen =  N" line. Read leniently, as the pass
// reads the rest: a step without a readable topic simply has none.
std::map<int, QString> stepTopics(const QStringList& lsnlist)
{
    const QString topicPrefix = QStringLiteral("%Topic ");
    std::map<int, QString> topics;
    std::optional<int> screen;
    for (const QString& line : lsnlist) {
        if (line.startsWith(kScreenPrefix)) {
            bool ok = false;
            const QString digits = line.mid(kScreenPrefix.size());
            const int n = digits.toInt(&ok);
            screen = ok && n >= 0 && QString::number(n) == digits ? std::optional<int>(n) : std::nullopt;
            continue;
        }
        if (!screen || !line.startsWith(topicPrefix))
            continue;
        const int open = line.indexOf(QLatin1Char('\''), topicPrefix.size());
        const int close = line.lastIndexOf(QLatin1Char('\''));
        if (open >= 0 && close > open)
            topics.emplace(*screen, line.mid(open + 1, close - open - 1).trimmed());
        screen.reset();
    }
    return topics;
}

// A recorded pass moved to the screen through the mapping.
NarrationRecord onScreen(NarrationRecord r, const ScreenMapping& m)
{
    if (r.boxLeft)
        r.boxLeft = m.screenX(*r.boxLeft);
    if (r.boxTop)
        r.boxTop = m.screenY(*r.boxTop);
    if (r.arrowTop)
        r.arrowTop = m.panelY(*r.arrowTop);
    if (r.arrowLeft)
        r.arrowLeft = m.screenX(*r.arrowLeft);
    return r;
}

} // namespace

void PlaybackEngine::setFrameStore(DbfTable* table, const TableField* gr)
{
    m_table = table;
    m_gr = gr;
}

void PlaybackEngine::setStepScript(const QStringList& lines)
{
    m_lsnlist = lines;
}

void PlaybackEngine::setCurrentPartCode(const QString& code)
{
    m_currentCode = code;
    if (m_view != nullptr)
        m_view->currentPartCodeChanged(code);
}

const QString& PlaybackEngine::lineAt(int index) const
{
    if (index < 0 || index >= m_datlist.size())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_datlist.at(index);
}

void PlaybackEngine::showCurrentFrame()
{
    if (m_view != nullptr && m_gr != nullptr)
        m_view->showFrame(*m_gr);
    m_screen.frameRecord = m_table->recNo();
}

void PlaybackEngine::movePointer(int x, int y)
{
    m_screen.pointer = {x, y};
    if (m_view != nullptr)
        m_view->movePointer(m_screen.pointer);
}

void PlaybackEngine::remap(const ScreenMapping& to)
{
    const ScreenMapping from = m_state.mapping();
    const auto x = [&](int screenX) { return to.screenX((screenX - from.originx) / from.scale); };
    const auto y = [&](int screenY) { return to.screenY((screenY - from.originy) / from.scale); };
    PlayerState& s = m_state;
    s.curx = x(s.curx);
    s.cury = y(s.cury);
    s.targetx = x(s.targetx);
    s.targety = y(s.targety);
    s.stepx = s.stepx / from.scale * to.scale;
    s.stepy = s.stepy / from.scale * to.scale;
    if (m_screen.box.left)
        m_screen.box.left = x(*m_screen.box.left);
    if (m_screen.box.top)
        m_screen.box.top = y(*m_screen.box.top);
    m_screen.arrow.left = x(m_screen.arrow.left);
    m_screen.arrow.top = y(m_screen.arrow.top + from.menuoffset) - to.menuoffset;
    s.setMapping(to);
    movePointer(s.curx, s.cury);
}

void PlaybackEngine::showFirstFrame()
{
    if (m_table == nullptr || !m_table->isOpen())
        return;
    m_table->first();
    showCurrentFrame();
    // The arrow pointed at something on the frame it was placed over; on a
    // new part's first frame (or a lesson started after one closed with an
    // arrow up) it would point at whatever happens to be there. No step of
    // an event 0 has an arrow, so the next frame step is the first to place
    // one again.
    m_screen.arrow.visible = false;
}

void PlaybackEngine::apply(const NarrationRecord& r, bool frameForm, bool completed)
{
    NarrationBox& box = m_screen.box;
    box.lines = r.lines;
    if (r.boxLeft)
        box.left = r.boxLeft;
    if (r.boxTop)
        box.top = r.boxTop;
    Arrow& arrow = m_screen.arrow;
    if (r.picture)
        arrow.picture = r.picture;
    if (r.arrowTop)
        arrow.top = *r.arrowTop;
    if (r.arrowLeft)
        arrow.left = *r.arrowLeft;
    // A pass that failed part-way leaves what it placed but shows nothing.
    if (!completed)
        return;
    if (frameForm)
        arrow.visible = r.arrowShown;
    box.visible = r.shown;
    if (box.visible)
        ++box.shows;
}

void PlaybackEngine::runNarration(bool frameForm)
{
    NarrationRecord record;
    try {
        NarrationPass::run(frameForm ? NarrationPass::Form::Frame : NarrationPass::Form::Run, m_lsnlist,
                           m_state, record);
    } catch (...) {
        apply(record, frameForm, false);
        throw;
    }
    record.shown = m_state.stepstate == kDone;
    record.arrowShown = m_state.arrowstate == kOn;
    apply(record, frameForm, true);
    if (frameForm && record.shown) {
        m_pointerTimer = false;
        m_tag = kNarrationPause;
    }
}

void PlaybackEngine::run()
{
    ++m_runs;
    m_runFailed = true;
    m_screen.box.visible = false;
    m_state.curx = m_state.originx;
    m_state.cury = m_state.originy;
    movePointer(m_state.curx, m_state.cury);
    m_state.lineindex = 0;
    m_state.curline = lineAt(0);
    m_state.screennum = EventScript::AsPlayed::eventNumber(m_state.curline);
    // Run reads the step for event 0 without its arrow lines and leaves the
    // arrow as the last frame step placed it.
    runNarration(false);
    // Every shipped part begins with a mouse event, so the line is not
    // checked first; a key line fails the conversion and the pointer stays.
    PointerMotion::setUpTarget(m_state, m_state.curline);
    if (!m_screen.box.visible)
        m_pointerTimer = true;
    m_runFailed = false;
}

void PlaybackEngine::pointerTick()
{
    const bool arrived = PointerMotion::tick(m_state, [this](int x, int y) { movePointer(x, y); });
    if (!arrived)
        return;
    m_pointerTimer = false;
    m_frameTimer = true;
}

void PlaybackEngine::frameStep()
{
    m_state.lineindex += 3;
    if (m_state.lineindex > m_datlist.size() - 1) {
        endOfPart();
        return;
    }
    m_table->next();
    showCurrentFrame();
    m_state.curline = lineAt(m_state.lineindex);
    m_state.screennum = EventScript::AsPlayed::eventNumber(m_state.curline);
    m_screen.status = QString::number(m_table->recNo());
    // A key line keeps the last target: the pointer is already on it, so the
    // next tick jumps in place.
    if (EventScript::AsPlayed::isMouse(m_state.curline))
        PointerMotion::setUpTarget(m_state, m_state.curline);
    runNarration(true);
}

void PlaybackEngine::frameTimer()
{
    const int runsBefore = m_runs;
    frameStep();
    // A part chained in by this step whose Run failed leaves playback
    // stopped: going on would glide toward the previous part's target.
    if (m_runs != runsBefore && m_runFailed) {
        m_pointerTimer = false;
        m_frameTimer = false;
        return;
    }
    if (m_state.lineindex <= m_datlist.size() - 1) {
        if (m_tag == kNarrationPause)
            m_tag = 0;
        else if (!m_screen.box.visible)
            m_pointerTimer = true;
        // Otherwise a part chained in by this step showed its first
        // narration box: the pointer waits for NEXT, as it does for a part
        // started from the launcher.
        m_frameTimer = false;
        return;
    }
    // The part ended and the first attempt started nothing (its code may
    // have been a base part, which chaining cannot start): try once more
    // from the code it left as current.
    chainToNextPart();
}

void PlaybackEngine::endOfPart()
{
    m_pointerTimer = false;
    m_frameTimer = false;
    m_screen.status = QStringLiteral("Done.....");
    chainToNextPart();
}

bool PlaybackEngine::chainToNextPart()
{
    const std::optional<QString> following = PlayQueue::successor(m_queue, m_currentCode);
    if (!following)
        return false;
    PartLoader::run(*following, kNoLesson);
    setCurrentPartCode(*following);
    return true;
}

void PlaybackEngine::next()
{
    m_screen.box.visible = false;
    if (m_table != nullptr && m_table->isOpen() && !m_table->eof())
        m_pointerTimer = true;
}

void PlaybackEngine::narrationClosed()
{
    m_screen.box.visible = false;
    m_pointerTimer = true;
}

void PlaybackEngine::stop()
{
    m_screen.box.visible = false;
    m_pointerTimer = false;
    m_frameTimer = false;
}

// --- Random access -------------------------------------------------------

const PlaybackEngine::PartNarration& PlaybackEngine::narrationOf(const QString& code,
                                                                  const QStringList& lsnlist) const
{
    const QString key = code + QLatin1Char('\n') + QString::number(qHashRange(lsnlist.begin(), lsnlist.end()));
    auto found = m_narrationCache.find(key);
    if (found != m_narrationCache.end())
        return found->second;
    PartNarration narration;
    for (int event : stepEvents(lsnlist)) {
        if (narration.byEvent.count(event) != 0 || narration.failures.count(event) != 0)
            continue;
        // Read in recorded coordinates, moved to the screen when used.
        PlayerState scratch;
        scratch.screennum = QString::number(event);
        NarrationRecord record;
        try {
            NarrationPass::run(NarrationPass::Form::Frame, lsnlist, scratch, record);
            record.shown = scratch.stepstate == kDone;
            record.arrowShown = scratch.arrowstate == kOn;
        } catch (const AppError& e) {
            narration.failures[event] = e.message();
        }
        narration.byEvent[event] = record;
    }
    narration.topics = stepTopics(lsnlist);
    return m_narrationCache.emplace(key, std::move(narration)).first->second;
}

int PlaybackEngine::currentPartIndex() const
{
    return int(m_queue.indexOf(m_currentCode));
}

std::vector<PlaybackEngine::StepPlace> PlaybackEngine::steps() const
{
    // Listing reads every part's scripts; navigation asks on every key.
    if (m_stepsQueue == m_queue && !m_steps.empty())
        return m_steps;
    std::vector<StepPlace> places;
    for (int part = 0; part < m_queue.size(); ++part) {
        if (Catalogue::findPart(m_queue.at(part)) == nullptr)
            continue;
        const LibraryPart& library = libraryPart(m_queue.at(part));
        const int count = (int(library.events.size()) + 1) / 3;
        const PartNarration& narration = narrationOf(library.entry->code, library.steps);
        for (const auto& [event, record] : narration.byEvent) {
            if (!record.shown || event >= count)
                continue;
            const auto topic = narration.topics.find(event);
            places.push_back({part, event, topic != narration.topics.end() ? topic->second : QString(), record.lines});
        }
    }
    m_stepsQueue = m_queue;
    m_steps = places;
    return places;
}

int PlaybackEngine::currentStepIndex() const
{
    const std::vector<StepPlace> places = steps();
    const std::pair<int, int> here(currentPartIndex(), currentEvent());
    int index = -1;
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (std::pair<int, int>(places[i].part, places[i].event) <= here)
            index = int(i);
    }
    return index;
}

void PlaybackEngine::backStep()
{
    int target = currentStepIndex();
    if (target < 0)
        return;
    const StepPlace place = steps()[std::size_t(target)];
    const bool onIt = place.part == currentPartIndex() && place.event == currentEvent();
    // The box of the current step is up: back goes to the one before it.
    // Once it has closed, back shows it again.
    if (onIt && m_screen.box.visible)
        --target;
    if (target < 0)
        return;
    goToStep(target);
}

void PlaybackEngine::replayStep()
{
    const int index = currentStepIndex();
    if (index < 0) {
        goToEvent(std::max(0, currentPartIndex()), 0);
        return;
    }
    const StepPlace place = steps()[std::size_t(index)];
    if (place.event == 0) {
        goToEvent(place.part, 0);
        return;
    }
    goToEvent(place.part, place.event - 1);
    // The glide to the step's event is part of the replay, even where the
    // event before has a step of its own.
    m_screen.box.visible = false;
    m_pointerTimer = true;
}

void PlaybackEngine::restartPart()
{
    if (m_table != nullptr && m_table->isOpen() && m_table->recordCount() > 0 && m_table->recNo() != 1) {
        showFirstFrame();
        // A frame step still pending would leave the first frame at once.
        m_frameTimer = false;
        m_tag = 0;
    }
    run();
}

QString PlaybackEngine::progressText() const
{
    const int part = currentPartIndex();
    if (part < 0)
        return QString();
    const QChar dot(0x00B7);
    QStringList pieces;
    const Catalogue::PartEntry* entry = Catalogue::findPart(m_currentCode);
    if (entry != nullptr)
        pieces << QStringLiteral("Lesson %1").arg(entry->lesson);
    pieces << QStringLiteral("Part %1 of %2").arg(part + 1).arg(m_queue.size());
    const int stepCount = int(steps().size());
    if (stepCount > 0)
        pieces << QStringLiteral("Step %1 of %2").arg(std::max(1, currentStepIndex() + 1)).arg(stepCount);
    if (m_paused)
        pieces << QStringLiteral("Paused");
    return pieces.join(QStringLiteral(" %1 ").arg(dot));
}

bool PlaybackEngine::lessonComplete() const
{
    if (m_queue.isEmpty() || currentPartIndex() != m_queue.size() - 1)
        return false;
    return m_state.lineindex > m_datlist.size() - 1 && !m_pointerTimer && !m_frameTimer;
}

void PlaybackEngine::goToStep(int stepIndex)
{
    const std::vector<StepPlace> places = steps();
    if (stepIndex < 0 || stepIndex >= int(places.size()))
        throw AppError(QStringLiteral("Step %1 does not exist").arg(stepIndex + 1));
    goToEvent(places[std::size_t(stepIndex)].part, places[std::size_t(stepIndex)].event);
}

namespace {

// Where the pointer stands and what it aims at once event `event` is on
// screen: Run put it on the frame's corner and aimed at event 0; every
// later event starts where the previous glide ended and aims anew when it
// is a mouse event (a key event keeps the aim it is already on).
PlayerState pointerStateAt(PlayerState s, const QStringList& datlist, int event)
{
    s.curx = s.originx;
    s.cury = s.originy;
    PointerMotion::setUpTarget(s, datlist.at(0));
    for (int e = 1; e <= event; ++e) {
        s.curx = s.targetx;
        s.cury = s.targety;
        const QString& line = datlist.at(3 * e);
        if (EventScript::AsPlayed::isMouse(line))
            PointerMotion::setUpTarget(s, line);
    }
    s.lineindex = 3 * event;
    s.curline = datlist.at(s.lineindex);
    s.screennum = EventScript::AsPlayed::eventNumber(s.curline);
    return s;
}

// Adds what a later pass placed to what earlier passes left.
void carry(NarrationRecord& into, const NarrationRecord& pass, bool frameForm)
{
    if (pass.boxLeft)
        into.boxLeft = pass.boxLeft;
    if (pass.boxTop)
        into.boxTop = pass.boxTop;
    if (!frameForm)
        return;
    if (pass.picture)
        into.picture = pass.picture;
    if (pass.arrowTop)
        into.arrowTop = pass.arrowTop;
    if (pass.arrowLeft)
        into.arrowLeft = pass.arrowLeft;
}

} // namespace

const PlaybackEngine::LibraryPart& PlaybackEngine::libraryPart(const QString& code) const
{
    auto found = m_library.find(code);
    if (found != m_library.end())
        return found->second;
    const Catalogue::PartEntry* entry = Catalogue::findPart(code);
    if (entry == nullptr)
        throw AppError(QStringLiteral("Unknown part %1").arg(code));
    LibraryPart part{entry, ScriptLibrary::lines(entry->sheet, entry->eventList),
                     ScriptLibrary::lines(entry->sheet, entry->stepList)};
    return m_library.emplace(code, std::move(part)).first->second;
}

void PlaybackEngine::loadForSeek(int partIndex)
{
    const LibraryPart& library = libraryPart(m_queue.at(partIndex));
    const Catalogue::PartEntry* entry = library.entry;
    // The one table moves to the other store only once that store has
    // opened; otherwise it goes back to where it was.
    const QString previousDirectory = m_table->databaseName();
    const bool wasOpen = m_table->isOpen();
    const int previousRecord = wasOpen ? m_table->recNo() : 0;
    m_table->close();
    m_table->setDatabaseName(entry->directory);
    try {
        m_table->open();
    } catch (...) {
        m_table->setDatabaseName(previousDirectory);
        if (wasOpen) {
            m_table->open();
            if (previousRecord >= 1)
                m_table->setRecNo(previousRecord);
        }
        throw;
    }
    m_datlist = library.events;
    m_lsnlist = library.steps;
    setCurrentPartCode(entry->code);
}

void PlaybackEngine::goToEvent(int partIndex, int event)
{
    if (partIndex < 0 || partIndex >= m_queue.size())
        throw AppError(QStringLiteral("Part %1 is not in the lesson").arg(partIndex + 1));
    if (m_table == nullptr)
        throw AppError(QStringLiteral("No frame store to play from"));
    const bool samePart = partIndex == currentPartIndex();
    std::vector<std::pair<QString, std::pair<QStringList, QStringList>>> parts; // code, (events, steps)
    for (int p = 0; p <= partIndex; ++p) {
        const QString& code = m_queue.at(p);
        if (p == partIndex && samePart) {
            parts.push_back({code, {m_datlist, m_lsnlist}});
            continue;
        }
        const LibraryPart& library = libraryPart(code);
        parts.push_back({code, {library.events, library.steps}});
    }
    const QStringList& datlist = parts.back().second.first;
    const QStringList& lsnlist = parts.back().second.second;
    const int count = (int(datlist.size()) + 1) / 3;
    if (event < 0 || event >= count)
        throw AppError(QStringLiteral("Event %1 does not exist in part %2").arg(event).arg(parts.back().first));

    // Everything is worked out before anything changes, so a failure leaves
    // the playthrough as it was.
    const PlayerState pointer = pointerStateAt(m_state, datlist, event);
    NarrationRecord carried;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const bool last = p + 1 == parts.size();
        const int events = last ? event : (int(parts[p].second.first.size()) + 1) / 3;
        const PartNarration& narration = narrationOf(parts[p].first, parts[p].second.second);
        for (const auto& [e, record] : narration.byEvent) {
            if (e >= events)
                break;
            carry(carried, record, e > 0);
        }
    }
    const bool frameForm = event > 0;
    PlayerState passed = pointer;
    NarrationRecord here;
    NarrationPass::run(frameForm ? NarrationPass::Form::Frame : NarrationPass::Form::Run, lsnlist, passed, here);
    here.shown = passed.stepstate == kDone;
    // A part's first frame shows no arrow (see showFirstFrame).
    here.arrowShown = frameForm && passed.arrowstate == kOn;
    if (!frameForm)
        passed.arrowstate = m_state.arrowstate;

    if (!samePart)
        loadForSeek(partIndex);
    const int records = m_table->recordCount();
    if (records > 0) {
        m_table->setRecNo(std::min(event + 1, records));
        if (event + 1 > records)
            m_table->next(); // past the last record, as playing there leaves it
        showCurrentFrame();
    }

    m_state = passed;
    // The arrow's picture is the last one a step of this lesson chose, or
    // none yet.
    m_screen.arrow.picture = carried.picture;
    apply(onScreen(carried, m_state.mapping()), true, false);
    apply(here, true, true);
    if (frameForm)
        m_screen.status = QString::number(m_table->recNo());
    movePointer(m_state.curx, m_state.cury);
    m_frameTimer = false;
    m_tag = 0;
    m_pointerTimer = !m_screen.box.visible;
}
