#include "content/storyboard/Storyboard.h"

#include "content/ScriptLibrary.h"
#include "platform/AppError.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {

// A failure already tied to its storyboard line, passed on unchanged.
class LineError : public AppError {
public:
    using AppError::AppError;
};

const QStringList kActions = {
    QStringLiteral("click"), QStringLiteral("down"), QStringLiteral("up"), QStringLiteral("nc"),
    QStringLiteral("dclick"), QStringLiteral("drag"), QStringLiteral("pick"), QStringLiteral("key"),
    QStringLiteral("type"), QStringLiteral("again"), QStringLiteral("keyframe"),
};

// The box of a step when the storyboard gives no location: the place most
// steps use, in the middle of the screen.
const QRect kDefaultBox(215, 177, 181, 131);

// Where an arrow's top-left corner goes so that its tip touches rect.
QPoint arrowFor(const QString& code, const QRect& rect)
{
    const QPoint c = rect.center();
    const QSize s = Storyboard::arrowSize(code);
    if (code == QLatin1String("R")) return {rect.left() - s.width() - 2, c.y() - s.height() / 2};
    if (code == QLatin1String("L")) return {rect.right() + 3, c.y() - s.height() / 2};
    if (code == QLatin1String("D")) return {c.x() - s.width() / 2, rect.top() - s.height() - 2};
    if (code == QLatin1String("U")) return {c.x() - s.width() / 2, rect.bottom() + 3};
    // Diagonals: the tip is the corner the name gives.
    const bool north = code.startsWith(QLatin1Char('N'));
    const bool west = code.endsWith(QLatin1Char('W'));
    return {west ? c.x() + 4 : c.x() - s.width() - 4, north ? c.y() + 4 : c.y() - s.height() - 4};
}

struct KeyStroke {
    int code = 0;
    int shift = 0;
    QString text;   // what it types, or the key's name for keys that type nothing
};

std::optional<KeyStroke> keyForChar(QChar ch)
{
    const char c = ch.toLatin1();
    if (c >= 'a' && c <= 'z') return KeyStroke{c - 'a' + 65, 0, QString(ch)};
    if (c >= 'A' && c <= 'Z') return KeyStroke{c, 1, QString(ch)};
    if (c >= '0' && c <= '9') return KeyStroke{c, 0, QString(ch)};
    switch (c) {
    case ' ': return KeyStroke{32, 0, QStringLiteral(" ")};
    case ';': return KeyStroke{186, 0, QStringLiteral(";")};
    case ':': return KeyStroke{186, 1, QStringLiteral(":")};
    case '=': return KeyStroke{187, 0, QStringLiteral("=")};
    case '-': return KeyStroke{189, 0, QStringLiteral("-")};
    case '_': return KeyStroke{189, 1, QStringLiteral("_")};
    case '.': return KeyStroke{190, 0, QStringLiteral(".")};
    default: return std::nullopt;
    }
}

std::optional<KeyStroke> keyForName(const QString& name)
{
    const struct { const char* name; int code; } named[] = {
        {"BS", 8}, {"Backspace", 8}, {"Tab", 9}, {"Enter", 13}, {"Space", 32},
        {"Right", 39}, {"Down", 40}, {"Del", 46},
    };
    for (const auto& n : named)
        if (name == QLatin1String(n.name))
            return KeyStroke{n.code, 0, n.code == 8 ? QStringLiteral("Backspace") : n.code == 32 ? QStringLiteral(" ") : QString::fromLatin1(n.name)};
    if (name.size() == 1)
        return keyForChar(name[0]);
    return std::nullopt;
}

// What a key types with Shift held: capitals, and ":" and "_" on the two
// punctuation keys the recordings shift.
QString shifted(const KeyStroke& k)
{
    if (k.code == 186)
        return QStringLiteral(":");
    if (k.code == 189)
        return QStringLiteral("_");
    return k.text.size() == 1 ? k.text.toUpper() : k.text;
}

EventRecord keyRecord(const KeyStroke& k)
{
    EventRecord r;
    r.kind = EventRecord::Kind::Key;
    r.keyCode = k.code;
    r.keyName = EventScript::keyNameFor(k.code);
    r.shift = k.shift;
    return r;
}

bool printableAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 32 && c.unicode() < 127; });
}

// The player reads narration as step-script lines, so a line that looks
// like the end of a step or the start of another would cut the step short.
QString unsafeNarration(const QString& text)
{
    if (!printableAscii(text))
        return QStringLiteral("narration holds a character outside printable ASCII");
    if (text == QLatin1String("!"))
        return QStringLiteral("a narration line \"!\" would end the step");
    if (text.startsWith(QLatin1String("%Screen =")) || text.startsWith(QLatin1String("$$$$$$ Step")))
        return QStringLiteral("a narration line may not look like a step line");
    return {};
}

} // namespace

Storyboard Storyboard::parse(const QStringList& lines, const QString& name)
{
    Storyboard s;
    s.m_name = name;
    auto fail = [&](int i, const QString& what) {
        throw AppError(QStringLiteral("%1 line %2: %3").arg(name.isEmpty() ? QStringLiteral("storyboard") : name).arg(i + 1).arg(what));
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QString& raw = lines[i];
        if (raw.startsWith(QLatin1Char('>'))) {
            if (s.m_entries.empty() || s.m_entries.back().kind != Entry::Kind::Step)
                fail(i, QStringLiteral("narration outside a step"));
            if (raw != QLatin1String(">") && !raw.startsWith(QLatin1String("> ")))
                fail(i, QStringLiteral("narration lines begin with \"> \""));
            const QString text = raw.mid(2);
            if (const QString why = unsafeNarration(text); !why.isEmpty())
                fail(i, why);
            s.m_entries.back().narration << text;
            continue;
        }
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString verb = line.section(QLatin1Char(' '), 0, 0);
        // Typed text keeps its blanks; everything else is trimmed.
        const QString args = verb == QLatin1String("type") ? raw.mid(raw.indexOf(QLatin1String("type")) + 5) : line.section(QLatin1Char(' '), 1);
        Entry e;
        e.line = i + 1;
        e.verb = verb;
        e.args = args;
        if (verb == QLatin1String("part")) {
            if (!s.m_code.isEmpty())
                fail(i, QStringLiteral("part given twice"));
            s.m_code = args.trimmed();
            continue;
        }
        if (verb == QLatin1String("starts-elsewhere")) {
            if (args.trimmed().isEmpty())
                fail(i, QStringLiteral("starts-elsewhere needs the reason"));
            s.m_startsElsewhere = args.trimmed();
            continue;
        }
        if (verb == QLatin1String("step")) {
            static const QRegularExpression re(QStringLiteral(
                "^step '([^']*)'(?: at (-?\\d+) (-?\\d+)(?: (\\d+) (\\d+))?)?(?: arrow (R|L|D|U|NW|SW|SE|NE)(?: (.+))?)?$"));
            const auto m = re.match(line);
            if (!m.hasMatch())
                fail(i, QStringLiteral("step 'Topic' [at X Y [W H]] [arrow DIR [TOP LEFT | TARGET]]"));
            e.kind = Entry::Kind::Step;
            e.topic = m.captured(1);
            if (!printableAscii(e.topic))
                fail(i, QStringLiteral("topic holds a character outside printable ASCII"));
            if (!m.captured(2).isEmpty()) {
                e.location = QRect(m.captured(2).toInt(), m.captured(3).toInt(),
                                   m.captured(4).isEmpty() ? kDefaultBox.width() : m.captured(4).toInt(),
                                   m.captured(5).isEmpty() ? kDefaultBox.height() : m.captured(5).toInt());
            }
            e.arrow = m.captured(6);
            const QString where = m.captured(7);
            static const QRegularExpression explicitAt(QStringLiteral("^(-?\\d+) (-?\\d+)$"));
            if (const auto a = explicitAt.match(where); a.hasMatch())
                e.arrowAt = QPoint(a.captured(2).toInt(), a.captured(1).toInt());   // written TOP LEFT
            else
                e.arrowTarget = where;
            s.m_entries.push_back(e);
            continue;
        }
        if (s.m_code.isEmpty())
            fail(i, QStringLiteral("the storyboard must begin with 'part CODE'"));
        e.kind = kActions.contains(verb) ? Entry::Kind::Action : Entry::Kind::Command;
        s.m_entries.push_back(e);
    }
    if (s.m_code.isEmpty())
        throw AppError(QStringLiteral("%1: no 'part CODE' line").arg(name));
    return s;
}

QStringList StoryboardText::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file %1").arg(path));
    return ScriptLibrary::splitLines(file.readAll());
}

QSize Storyboard::arrowSize(const QString& code)
{
    if (code == QLatin1String("R")) return {58, 46};
    if (code == QLatin1String("L")) return {56, 44};
    if (code == QLatin1String("D")) return {46, 56};
    if (code == QLatin1String("U")) return {48, 56};
    return {48, 48};
}

bool Storyboard::hasBuiltIn(const QString& code)
{
    return QFile::exists(QStringLiteral(":/storyboards/%1.story").arg(code));
}

Storyboard Storyboard::builtIn(const QString& code)
{
    if (!hasBuiltIn(code))
        throw AppError(QStringLiteral("There is no storyboard for part %1").arg(code));
    return parse(StoryboardText::load(QStringLiteral(":/storyboards/%1.story").arg(code)), code + QStringLiteral(".story"));
}

Storyboard::Result Storyboard::play(const FrameVisitor& visitor) const
{
    ScreenModel model;
    Result result;
    const Entry* pending = nullptr;
    const Entry* current = nullptr;
    bool keyFrameNext = false;
    std::optional<EventRecord> lastRecord;
    QString lastTarget;
    QString lastKeyText;
    ScreenModel::Input lastInput = ScreenModel::Input::Down;

    auto fail = [&](const QString& what) {
        throw LineError(QStringLiteral("%1 line %2: %3").arg(m_name.isEmpty() ? QStringLiteral("storyboard") : m_name)
                           .arg(current ? current->line : 0).arg(what));
    };
    auto resolve = [&](const QString& where, QString* target) -> std::pair<QPoint, QRect> {
        // "TARGET" or "TARGET +DX,+DY": the centre of the target, moved.
        static const QRegularExpression offset(QStringLiteral("^(.*) ([+-]\\d+),([+-]?\\d+)$"));
        QString name = where.trimmed();
        QPoint delta;
        if (const auto m = offset.match(name); m.hasMatch()) {
            name = m.captured(1);
            delta = QPoint(m.captured(2).toInt(), m.captured(3).toInt());
        }
        const auto rect = model.target(name);
        if (!rect)
            fail(QStringLiteral("no target '%1' on the screen").arg(name));
        *target = name;
        const QPoint p = rect->center() + delta;
        if (p.x() < 0 || p.x() >= ScreenModel::kWidth || p.y() < 0 || p.y() >= ScreenModel::kHeight)
            fail(QStringLiteral("position %1,%2 is off the screen").arg(p.x()).arg(p.y()));
        return {p, *rect};
    };
    auto pushEvent = [&](EventRecord record, const QString& target, ScreenModel::Input input, const QString& keyText,
                    const QRect& targetRect) {
        const int index = static_cast<int>(result.events.size());
        record.number = index;
        record.frameKind = index == 0 || keyFrameNext ? QStringLiteral("KEYFRAME") : QStringLiteral("UPDATE");
        keyFrameNext = false;
        if (index == 0 && !record.isMouse())
            fail(QStringLiteral("a session begins with a mouse event"));
        QString subject;
        if (pending) {
            subject = !pending->arrowTarget.isEmpty() ? pending->arrowTarget : !target.isEmpty() ? target : model.focus();
            Step step;
            step.screen = index;
            step.topic = pending->topic;
            const QRect box = pending->location.value_or(kDefaultBox);
            step.x = box.x();
            step.y = box.y();
            step.w = box.width();
            step.h = box.height();
            step.narration = pending->narration;
            if (step.narration.isEmpty())
                fail(QStringLiteral("step '%1' has no narration").arg(pending->topic));
            StepFocus focus;
            focus.control = targetRect.isNull() ? model.target(model.focus()).value_or(QRect()) : targetRect;
            if (record.isMouse())
                focus.pointer = QPoint(record.x, record.y);
            focus.arrowAim = focus.control;
            if (!pending->arrowTarget.isEmpty()) {
                const auto r = model.target(pending->arrowTarget);
                if (!r)
                    fail(QStringLiteral("no arrow target '%1' on the screen").arg(pending->arrowTarget));
                focus.arrowAim = *r;
            }
            if (!pending->arrow.isEmpty()) {
                if (index == 0)
                    fail(QStringLiteral("the step of event 0 cannot have an arrow"));
                if (!pending->arrowAt && focus.arrowAim.isNull())
                    fail(QStringLiteral("arrow of a key event needs a target"));
                const QPoint at = pending->arrowAt ? *pending->arrowAt : arrowFor(pending->arrow, focus.arrowAim);
                step.arrow = StepArrow{StepScript::arrowFolder() + StepScript::arrowFileName(pending->arrow),
                                       StepScript::arrowFolder() + StepScript::arrowMaskName(pending->arrow), at.y(), at.x()};
            }
            result.steps.push_back(step);
            result.focus.push_back(focus);
            pending = nullptr;
        }
        if (index == 0)
            result.startForm = model.formOutline();
        if (visitor)
            visitor(Frame{index, &model, target, record, subject});
        model.event(input, target, keyText);
        result.events.push_back(record);
        lastRecord = record;
        lastTarget = target;
        lastKeyText = keyText;
        lastInput = input;
    };
    auto mouse = [&](int message, const QString& where) {
        QString target;
        const auto [p, rect] = resolve(where, &target);
        EventRecord r;
        r.message = message;
        r.eventName = EventScript::eventNameFor(message);
        r.x = p.x();
        r.y = p.y();
        const auto input = message == 161 ? ScreenModel::Input::NonClient
            : message == 513 ? ScreenModel::Input::Down : ScreenModel::Input::Up;
        pushEvent(r, target, input, QString(), rect);
    };
    auto key = [&](const KeyStroke& k) {
        pushEvent(keyRecord(k), QString(), ScreenModel::Input::Key, k.text, QRect());
    };

    for (const Entry& e : m_entries) {
        current = &e;
        if (e.kind == Entry::Kind::Step) {
            if (pending)
                fail(QStringLiteral("two steps for one event"));
            pending = &e;
            continue;
        }
        if (e.kind == Entry::Kind::Command) {
            try {
                model.command(e.verb, e.args);
            } catch (const LineError&) {
                throw;
            } catch (const AppError& err) {
                fail(err.message());
            }
            continue;
        }
        const QString& v = e.verb;
        try {
            if (v == QLatin1String("click")) {
                mouse(513, e.args);
                mouse(514, e.args);
            } else if (v == QLatin1String("dclick")) {
                for (int i = 0; i < 2; ++i) {
                    mouse(513, e.args);
                    mouse(514, e.args);
                }
            } else if (v == QLatin1String("down")) {
                mouse(513, e.args);
            } else if (v == QLatin1String("up")) {
                mouse(514, e.args);
            } else if (v == QLatin1String("nc")) {
                mouse(161, e.args);
            } else if (v == QLatin1String("drag")) {
                const int arrow = e.args.indexOf(QLatin1String(" => "));
                if (arrow < 0)
                    fail(QStringLiteral("drag FROM => TO"));
                mouse(513, e.args.left(arrow));
                mouse(514, e.args.mid(arrow + 4));
            } else if (v == QLatin1String("pick")) {
                const QStringList path = e.args.trimmed().split(QLatin1Char('/'));
                if (path.size() < 2)
                    fail(QStringLiteral("pick MENU/ITEM"));
                mouse(161, QStringLiteral("menu:") + path[0]);
                for (int i = 1; i < path.size(); ++i) {
                    const QString item = QStringLiteral("menu:") + QStringList(path.mid(0, i + 1)).join(QLatin1Char('/'));
                    // Releasing on the first item picks it; deeper items are clicked.
                    if (i >= 2)
                        mouse(513, item);
                    mouse(514, item);
                }
            } else if (v == QLatin1String("key")) {
                const QStringList w = e.args.split(QLatin1Char(' '), Qt::SkipEmptyParts);
                auto k = w.isEmpty() ? std::nullopt : keyForName(w[0]);
                if (!k)
                    fail(QStringLiteral("unknown key '%1'").arg(e.args));
                if (w.size() > 1 && w[1] == QLatin1String("shift")) {
                    k->shift = 1;
                    k->text = shifted(*k);
                }
                key(*k);
            } else if (v == QLatin1String("type")) {
                const QString& text = e.args;
                for (int i = 0; i < text.size(); ++i) {
                    std::optional<KeyStroke> k;
                    if (text[i] == QLatin1Char('{')) {
                        const int close = text.indexOf(QLatin1Char('}'), i);
                        if (close < 0)
                            fail(QStringLiteral("unclosed { in typed text"));
                        k = keyForName(text.mid(i + 1, close - i - 1));
                        i = close;
                    } else {
                        k = keyForChar(text[i]);
                    }
                    if (!k)
                        fail(QStringLiteral("no key types '%1'").arg(text.mid(i, 1)));
                    key(*k);
                }
            } else if (v == QLatin1String("again")) {
                if (!lastRecord)
                    fail(QStringLiteral("nothing to repeat"));
                QRect rect;
                if (!lastTarget.isEmpty()) {
                    const auto r = model.target(lastTarget);
                    rect = r.value_or(QRect());
                }
                pushEvent(*lastRecord, lastTarget, lastInput, lastKeyText, rect);
            } else if (v == QLatin1String("keyframe")) {
                keyFrameNext = true;
            }
        } catch (const LineError&) {
            throw;
        } catch (const AppError& err) {
            // The screen model's reasons get the storyboard line added.
            fail(err.message());
        }
    }
    if (pending) {
        current = pending;
        fail(QStringLiteral("step '%1' has no event after it").arg(pending->topic));
    }
    result.endForm = model.formOutline();
    return result;
}
