#include "webexport/WebPartCompiler.h"

#include "content/StepScript.h"
#include "platform/AppError.h"
#include "player/EventLine.h"
#include "player/NarrationPass.h"
#include "player/PlayerState.h"
#include "player/PointerMotion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace WebPartCompiler {

namespace {

// Keeps what the narration pass puts on screen, the way the box and the
// arrow keep their place from one event to the next.
class RecordingView : public NarrationPass::View {
public:
    void clearText() override { m_text.clear(); }
    void appendText(const QString& line) override { m_text << line; }
    void setBoxLeft(int left) override { m_box.setX(left); }
    void setBoxTop(int top) override { m_box.setY(top); }
    void copyArrowPicture(NarrationPass::Arrow arrow) override { m_picture = pictureName(arrow); }
    void setArrowTop(int top) override { m_arrow.setY(top); }
    void setArrowLeft(int left) override { m_arrow.setX(left); }

    // The picture copied during the pass that just ran, if any.
    QString takePicture() { return std::exchange(m_picture, QString()); }
    const QStringList& text() const { return m_text; }
    QPoint box() const { return m_box; }
    QPoint arrow() const { return m_arrow; }

private:
    static QString pictureName(NarrationPass::Arrow arrow)
    {
        switch (arrow) {
        case NarrationPass::Arrow::Right: return QStringLiteral("right");
        case NarrationPass::Arrow::Left: return QStringLiteral("left");
        case NarrationPass::Arrow::Down: return QStringLiteral("down");
        case NarrationPass::Arrow::Up: return QStringLiteral("up");
        }
        return {};
    }

    QStringList m_text;
    QPoint m_box;
    QPoint m_arrow;
    QString m_picture;
};

const QString kOn = QStringLiteral("ON");
const QString kDone = QStringLiteral("Done");

std::vector<QPoint> glide(PlayerState& state)
{
    std::vector<QPoint> ticks;
    bool arrived = false;
    while (!arrived) {
        arrived = PointerMotion::tick(state, [&](int x, int y) { ticks.emplace_back(x, y); });
    }
    return ticks;
}

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
    case WebEvent::ArrowShow::Keep: o.insert(QStringLiteral("arrow"), QStringLiteral("keep")); break;
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

WebPart compile(const QString& code, int lesson, const QStringList& events, const QStringList& steps, int records)
{
    WebPart part;
    part.code = code;
    part.lesson = lesson;
    part.records = records;
    const std::vector<Step> typedSteps = parsedSteps(steps);

    PlayerState state; // the frame's corner is the origin: recorded coordinates
    RecordingView view;
    for (int k = 0; 3 * k < events.size(); ++k) {
        WebEvent e;
        e.frame = records == 0 ? -1 : std::min(k, records - 1);
        e.storeAtEnd = records == 0 || k >= records;
        state.lineindex = 3 * k;
        state.curline = events.at(3 * k);
        state.screennum = EventLine::eventNumber(state.curline);
        if (k == 0) {
            // Run: the pointer starts on the frame's corner, the narration
            // pass reads no arrow lines, and the target is set up without
            // checking for a mouse line.
            NarrationPass::run(NarrationPass::Form::Run, steps, state, view);
            PointerMotion::setUpTarget(state, state.curline);
            e.arrow = WebEvent::ArrowShow::Keep;
        } else {
            if (EventLine::isMouse(state.curline))
                PointerMotion::setUpTarget(state, state.curline);
            NarrationPass::run(NarrationPass::Form::Frame, steps, state, view);
            e.arrow = state.arrowstate == kOn ? WebEvent::ArrowShow::Shown : WebEvent::ArrowShow::Hidden;
            e.arrowAt = view.arrow();
            e.arrowPicture = view.takePicture();
        }
        e.boxVisible = state.stepstate == kDone;
        e.text = view.text();
        e.box = view.box();
        if (e.boxVisible)
            part.steps.push_back({k, topicFor(typedSteps, state.screennum.toInt())});
        e.ticks = glide(state);
        part.events.push_back(std::move(e));
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
