#include "webexport/WebPartCompiler.h"

#include "content/StepScript.h"
#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "playback/PlaybackEngine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <set>

namespace WebPartCompiler {

namespace {

// Takes the frames and the pointer's moves as the engine shows them.
class RecordingView : public PlaybackEngine::View {
public:
    explicit RecordingView(const FrameSink& frames)
        : m_frames(frames)
    {
    }

    void showFrame(const TableField& gr) override
    {
        const int record = m_table->recNo() - 1;
        if (record < 0 || m_seen.count(record) != 0)
            return;
        m_seen.insert(record);
        if (m_frames)
            m_frames(record, gr.value());
    }
    void movePointer(const QPoint& screen) override { moves.push_back(screen); }
    void currentPartCodeChanged(const QString&) override {}

    void setTable(const DbfTable* table) { m_table = table; }
    std::vector<QPoint> moves;

private:
    const FrameSink& m_frames;
    const DbfTable* m_table = nullptr;
    std::set<int> m_seen;
};

// The topic of the step the box of event shows; a step script the typed
// reader refuses still plays, only without topics in the step list.
QString topicFor(const std::vector<Step>& steps, int event)
{
    const std::vector<const Step*> found = StepScript::stepsFor(steps, event);
    return found.empty() ? QString() : found.front()->topic;
}

std::vector<Step> parsedSteps(const QStringList& lines)
{
    try {
        return StepScript::parse(lines);
    } catch (const AppError&) {
        return {};
    }
}

QJsonArray point(QPoint p)
{
    return QJsonArray{p.x(), p.y()};
}

QJsonObject eventJson(const WebEvent& e)
{
    QJsonObject o;
    o.insert(QStringLiteral("frame"), e.frame);
    if (e.storeAtEnd)
        o.insert(QStringLiteral("storeAtEnd"), true);
    QJsonArray ticks;
    for (const QPoint& p : e.ticks)
        ticks.append(point(p));
    o.insert(QStringLiteral("ticks"), ticks);
    if (e.boxVisible) {
        o.insert(QStringLiteral("box"), QJsonObject{{QStringLiteral("x"), e.box.x()},
                                                    {QStringLiteral("y"), e.box.y()},
                                                    {QStringLiteral("text"), QJsonArray::fromStringList(e.text)}});
    }
    switch (e.arrow) {
    case WebEvent::ArrowShow::Hidden: o.insert(QStringLiteral("arrow"), QJsonValue::Null); break;
    case WebEvent::ArrowShow::Shown: o.insert(QStringLiteral("arrow"), point(e.arrowAt)); break;
    }
    if (!e.arrowPicture.isEmpty())
        o.insert(QStringLiteral("picture"), e.arrowPicture);
    return o;
}

// JSON text with every character outside printable ASCII written as \uXXXX
// (they only occur inside strings).
QByteArray asciiJson(const QJsonDocument& doc)
{
    const QString text = QString::fromUtf8(doc.toJson(QJsonDocument::Compact));
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            out.append(char(c.unicode()));
        else
            out.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toLatin1());
    }
    return out;
}

} // namespace

QString pictureName(NarrationPass::Arrow arrow)
{
    switch (arrow) {
    case NarrationPass::Arrow::Right: return QStringLiteral("right");
    case NarrationPass::Arrow::Left: return QStringLiteral("left");
    case NarrationPass::Arrow::Down: return QStringLiteral("down");
    case NarrationPass::Arrow::Up: return QStringLiteral("up");
    case NarrationPass::Arrow::NorthWest: return QStringLiteral("northwest");
    case NarrationPass::Arrow::SouthWest: return QStringLiteral("southwest");
    case NarrationPass::Arrow::SouthEast: return QStringLiteral("southeast");
    case NarrationPass::Arrow::NorthEast: return QStringLiteral("northeast");
    }
    return {};
}

WebPart compile(const QString& code, int lesson, const QStringList& events, const QStringList& steps, DbfTable& table,
                const TableField& gr, const FrameSink& frames)
{
    WebPart part;
    part.code = code;
    part.lesson = lesson;
    part.records = table.recordCount();
    const std::vector<Step> typedSteps = parsedSteps(steps);

    RecordingView view(frames);
    view.setTable(&table);
    PlaybackEngine engine;
    engine.setView(&view);
    engine.setFrameStore(&table, &gr);
    engine.setQueue({code}); // a queue of one: the part ends without chaining
    engine.setEventScript(events);
    engine.setStepScript(steps);
    engine.setCurrentPartCode(code);
    engine.setMapping(ScreenMapping{}); // the frame's corner at (0, 0): recorded coordinates
    engine.showFirstFrame();
    engine.run();

    const PlaybackEngine::Screen& screen = engine.screen();
    for (int k = 0; k < engine.eventCount(); ++k) {
        WebEvent e;
        e.frame = screen.frameRecord - 1;
        e.storeAtEnd = table.eof();
        e.boxVisible = screen.box.visible;
        e.text = screen.box.lines;
        e.box = QPoint(screen.box.left.value_or(0), screen.box.top.value_or(0));
        e.arrow = screen.arrow.visible ? WebEvent::ArrowShow::Shown : WebEvent::ArrowShow::Hidden;
        e.arrowAt = QPoint(screen.arrow.left, screen.arrow.top);
        if (screen.arrow.picture)
            e.arrowPicture = pictureName(*screen.arrow.picture);
        if (e.boxVisible) {
            part.steps.push_back({k, topicFor(typedSteps, k)});
            // Past the store's end NEXT leaves the pointer still; the rest of
            // the part is compiled as closing the box would play it.
            if (e.storeAtEnd)
                engine.narrationClosed();
            else
                engine.next();
        }
        view.moves.clear();
        for (int guard = 0; engine.pointerTimerOn() && guard < 100000; ++guard)
            engine.pointerTick();
        e.ticks = view.moves;
        part.events.push_back(std::move(e));
        engine.frameTimer();
    }
    return part;
}

QByteArray receiveScript(const QJsonValue& value)
{
    const QJsonDocument doc = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    return "LessonwrightPlayer.receive(document.currentScript, " + asciiJson(doc) + ");\n";
}

QByteArray toScript(const WebPart& part)
{
    QJsonArray events;
    for (const WebEvent& e : part.events)
        events.append(eventJson(e));
    QJsonArray steps;
    for (const WebStep& s : part.steps)
        steps.append(QJsonObject{{QStringLiteral("event"), s.event}, {QStringLiteral("topic"), s.topic}});
    return receiveScript(QJsonObject{{QStringLiteral("code"), part.code},
                                     {QStringLiteral("lesson"), part.lesson},
                                     {QStringLiteral("records"), part.records},
                                     {QStringLiteral("events"), events},
                                     {QStringLiteral("steps"), steps}});
}

} // namespace WebPartCompiler
