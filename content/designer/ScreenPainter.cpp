#include "content/designer/ScreenPainter.h"

#include "content/designer/IconPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

namespace ScreenPainter {
namespace {

const QColor kFace(192, 192, 192);
const QColor kShadow(128, 128, 128);
const QColor kDark(64, 64, 64);
const QColor kLight(255, 255, 255);
const QColor kNavy(0, 0, 128);
const QColor kWorkspace(128, 128, 128);
// The ring around the control a step talks about: a colour the designer
// itself never uses, so it reads as the lesson's pointer, not as the
// program's own selection.
const QColor kAccent(255, 128, 0);

QFont uiFont(bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setPixelSize(10);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QFont codeFont()
{
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPixelSize(10);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void bevel(QPainter& p, const QRect& r, bool raised)
{
    p.setPen(raised ? kLight : kShadow);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(raised ? kDark : kLight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void panel(QPainter& p, const QRect& r, const QColor& fill, bool raised)
{
    p.fillRect(r, fill);
    bevel(p, r, raised);
}

QColor iconColor(const QString& kind)
{
    if (kind == QLatin1String("module")) return QColor(0, 128, 0);
    if (kind == QLatin1String("block")) return QColor(0, 0, 192);
    static const QStringList items = {"item", "button", "radio", "radiobutton", "checkbox", "list", "image", "text"};
    if (items.contains(kind)) return QColor(0, 128, 128);
    if (kind == QLatin1String("canvas")) return QColor(192, 128, 0);
    if (kind == QLatin1String("window")) return QColor(128, 0, 128);
    if (kind == QLatin1String("trigger")) return QColor(192, 0, 0);
    if (kind == QLatin1String("top")) return QColor(96, 96, 96);
    return QColor(200, 170, 60);
}

// Fields whose contents a real program hides while they are typed.
bool isSecret(const ScreenElement& e) { return e.name.endsWith(QLatin1String("Password")); }

// The colour a row of a colour list names ("light gray", "darkblue"), or an
// invalid colour when the row names none.
QColor namedColor(const QString& row)
{
    QString name = row;
    name.remove(QLatin1Char(' '));
    return QColor::fromString(name.toLower());
}

enum class Face { Ui, Bold, Code, Unknown };

// Widths of the texts drawn so far, per face: a course draws the same
// menus and property names on thousands of frames, and measuring a text
// costs as much as drawing it.
QHash<QString, int>& widthCache(Face face)
{
    thread_local QHash<QString, int> caches[3];
    return caches[static_cast<int>(face)];
}

class FramePainter {
public:
    FramePainter(QImage& image, std::vector<ClippedText>* clipped)
        : m_p(&image)
        , m_clipped(clipped)
    {
        m_p.setRenderHint(QPainter::Antialiasing, false);
        m_p.setRenderHint(QPainter::TextAntialiasing, false);
    }

    // Draws one element, nothing of it outside its rectangle's margin.
    void paint(const ScreenElement& e)
    {
        m_p.save();
        m_p.setClipRect(e.rect.adjusted(-3, -3, 3, 3));
        element(e);
        m_p.restore();
        m_face = Face::Unknown;   // restore() brought back the font from before
    }
    void focusOutline(const QRect& r);
    void subjectRing(const QRect& r);

private:
    void element(const ScreenElement& e);
    void text(const QRect& r, const QString& s, const QColor& color, int flags = Qt::AlignLeft | Qt::AlignVCenter);
    // Returns the width of what it drew.
    int content(const QRect& r, const QString& s, const QColor& color, int flags = Qt::AlignLeft | Qt::AlignVCenter,
                bool editing = false);
    void button(const QRect& r, const QString& label, int flags);
    void iconButton(const ScreenElement& e);
    void item(const ScreenElement& e);
    void windowItem(const ScreenElement& e);
    void editArea(const ScreenElement& e);
    void row(const ScreenElement& e);
    void checkOrRadio(const ScreenElement& e);
    void titleButton(const ScreenElement& e);

    void setFace(Face face);
    int width(const QString& s);

    QPainter m_p;
    std::vector<ClippedText>* m_clipped = nullptr;
    const ScreenElement* m_current = nullptr;
    const QFont m_fonts[3] = {uiFont(), uiFont(true), codeFont()};
    // Measured on the frame itself, as the painter measures what it draws.
    const QFontMetrics m_metrics[3] = {QFontMetrics(m_fonts[0], m_p.device()), QFontMetrics(m_fonts[1], m_p.device()),
                                       QFontMetrics(m_fonts[2], m_p.device())};
    Face m_face = Face::Unknown;
};

void FramePainter::setFace(Face face)
{
    if (face == m_face)
        return;
    m_face = face;
    m_p.setFont(m_fonts[static_cast<int>(face)]);
}

int FramePainter::width(const QString& s)
{
    QHash<QString, int>& cache = widthCache(m_face);
    const auto it = cache.constFind(s);
    if (it != cache.constEnd())
        return *it;
    const int w = m_metrics[static_cast<int>(m_face)].horizontalAdvance(s);
    cache.insert(s, w);
    return w;
}

void FramePainter::text(const QRect& r, const QString& s, const QColor& color, int flags)
{
    m_p.setPen(color);
    m_p.drawText(r, flags | Qt::TextSingleLine, s);
    if (!m_clipped || s.isEmpty())
        return;
    const QFontMetrics& fm = m_metrics[static_cast<int>(m_face)];
    const QSize needed(width(s), fm.ascent() + fm.descent());
    if (needed.width() <= r.width() && needed.height() <= r.height())
        return;
    m_clipped->push_back(ClippedText{m_current->name.isEmpty() ? m_current->kind : m_current->name, s, r, needed});
}

int FramePainter::content(const QRect& r, const QString& s, const QColor& color, int flags, bool editing)
{
    // What a session typed or named (values, item names, code) is cut to
    // its place the way an edit control cuts it: the line being edited
    // shows its end, where the caret is; any other line ends in an
    // ellipsis, so a learner sees it goes on.
    const QFontMetrics& fm = m_metrics[static_cast<int>(m_face)];
    QString shown = s;
    if (width(s) > r.width()) {
        if (editing) {
            while (!shown.isEmpty() && fm.horizontalAdvance(shown) > r.width())
                shown.remove(0, 1);
        } else {
            shown = fm.elidedText(s, Qt::ElideRight, r.width());
            // On the designer's canvas the text is the item's name or
            // label, which the learner is told to look for: it must show
            // whole, so a cut one counts as clipped, like any fixed text.
            if (m_clipped && m_current && m_current->name.startsWith(QLatin1String("item:")))
                m_clipped->push_back(ClippedText{m_current->name, s, r, QSize(width(s), fm.ascent() + fm.descent())});
        }
    }
    text(r, shown, color, flags);
    return width(shown);
}

void FramePainter::button(const QRect& r, const QString& label, int flags)
{
    const bool down = flags & (ScreenElement::Pressed | ScreenElement::Selected);
    panel(m_p, r, kFace, !down);
    text(r.adjusted(2, 0, -2, 0).translated(down ? 1 : 0, down ? 1 : 0), label, Qt::black, Qt::AlignCenter);
}

void FramePainter::iconButton(const ScreenElement& e)
{
    const bool down = e.flags & (ScreenElement::Pressed | ScreenElement::Selected);
    panel(m_p, e.rect, kFace, !down);
    const QPoint corner = e.rect.center() - QPoint(IconPainter::kSize / 2 - 1, IconPainter::kSize / 2 - 1);
    IconPainter::draw(m_p, e.text, corner + (down ? QPoint(1, 1) : QPoint()));
}

void FramePainter::titleButton(const ScreenElement& e)
{
    const QRect& r = e.rect;
    panel(m_p, r, kFace, !(e.flags & ScreenElement::Pressed));
    m_p.setPen(Qt::black);
    const QPoint c = r.center();
    if (e.text == QLatin1String("close")) {
        m_p.drawLine(c + QPoint(-3, -3), c + QPoint(3, 3));
        m_p.drawLine(c + QPoint(-3, 3), c + QPoint(3, -3));
    } else if (e.text == QLatin1String("max")) {
        m_p.drawRect(QRect(c - QPoint(4, 3), QSize(8, 6)));
    } else {
        m_p.drawLine(c + QPoint(-3, 3), c + QPoint(3, 3));
    }
}

// A small window drawn on a running form (a list of values popping up):
// caption, white list area and the buttons that close it.
void FramePainter::windowItem(const ScreenElement& e)
{
    const QRect& r = e.rect;
    panel(m_p, r, kFace, true);
    bevel(m_p, r.adjusted(1, 1, -1, -1), true);
    const QRect caption(r.x() + 2, r.y() + 2, r.width() - 4, 15);
    m_p.fillRect(caption, kNavy);
    setFace(Face::Bold);
    text(caption.adjusted(4, 0, -18, 0), e.text, kLight);
    setFace(Face::Ui);
    titleButton(ScreenElement{QString(), QStringLiteral("titlebtn"), QRect(caption.right() - 14, caption.y() + 2, 13, 11),
                              QStringLiteral("close"), 0, 0});
    const int buttonsTop = r.bottom() - 25;
    panel(m_p, QRect(r.x() + 5, caption.bottom() + 4, r.width() - 10, buttonsTop - caption.bottom() - 7), kLight, false);
    const QStringList labels = {QStringLiteral("OK"), QStringLiteral("Cancel")};
    int x = r.right() - 6;
    for (auto it = labels.crbegin(); it != labels.crend(); ++it) {
        x -= 52;
        button(QRect(x, buttonsTop + 2, 50, 20), *it, 0);
        x -= 4;
    }
}

void FramePainter::item(const ScreenElement& e)
{
    const QString kind = e.kind.mid(5);
    const QRect& r = e.rect;
    if (kind == QLatin1String("textitem") || kind == QLatin1String("list")) {
        m_p.fillRect(r, kLight);
        m_p.setPen(kShadow);
        m_p.drawRect(r.adjusted(0, 0, -1, -1));
        content(r.adjusted(3, 0, kind == QLatin1String("list") ? -16 : -2, 0), e.text, Qt::black, Qt::AlignLeft | Qt::AlignVCenter,
                e.flags & ScreenElement::Focused);
        if (kind == QLatin1String("list")) {
            const QRect drop(r.right() - 14, r.y() + 1, 14, r.height() - 2);
            panel(m_p, drop, kFace, true);
            const QPoint c = drop.center();
            m_p.setPen(Qt::NoPen);
            m_p.setBrush(Qt::black);
            m_p.drawPolygon(QPolygon({c + QPoint(-3, -1), c + QPoint(3, -1), c + QPoint(0, 2)}));
            m_p.setBrush(Qt::NoBrush);
        }
    } else if (kind == QLatin1String("button")) {
        const bool down = e.flags & ScreenElement::Pressed;
        panel(m_p, r, kFace, !down);
        content(r.adjusted(2, 0, -2, 0).translated(down ? 1 : 0, down ? 1 : 0), e.text, Qt::black, Qt::AlignCenter);
    } else if (kind == QLatin1String("check") || kind == QLatin1String("radio")) {
        const QRect box(r.x(), r.y() + (r.height() - 11) / 2, 11, 11);
        m_p.setPen(Qt::black);
        m_p.setBrush(kLight);
        if (kind == QLatin1String("radio"))
            m_p.drawEllipse(box);
        else
            m_p.drawRect(box);
        m_p.setBrush(Qt::NoBrush);
        if (kind == QLatin1String("check") && (e.flags & ScreenElement::Ticked))
            IconPainter::drawTick(m_p, box.topLeft() + QPoint(2, 2));
        content(r.adjusted(15, 0, 0, 0), e.text, Qt::black);
    } else if (kind == QLatin1String("image")) {
        panel(m_p, r, QColor(224, 224, 224), false);
        m_p.setPen(kShadow);
        m_p.drawLine(r.topLeft(), r.bottomRight());
        m_p.drawLine(r.topRight(), r.bottomLeft());
    } else if (kind == QLatin1String("rect") || kind == QLatin1String("frame")) {
        m_p.setPen(kShadow);
        m_p.drawRect(r.adjusted(0, 4, -1, -1));
        if (kind == QLatin1String("frame") && !e.text.isEmpty()) {
            const QRect label(r.x() + 8, r.y() - 2, width(e.text) + 8, 12);
            m_p.fillRect(label, kLight);
            text(label, e.text, Qt::black, Qt::AlignCenter);
        }
    } else if (kind == QLatin1String("window")) {
        windowItem(e);
    } else {
        content(r, e.text, Qt::black);
    }
    if (e.flags & ScreenElement::Selected) {
        m_p.setPen(Qt::NoPen);
        for (const QPoint& c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            m_p.fillRect(QRect(c - QPoint(2, 2), QSize(5, 5)), Qt::black);
    }
}

void FramePainter::editArea(const ScreenElement& e)
{
    const QRect& r = e.rect;
    const QString& k = e.kind;
    const bool focused = e.flags & ScreenElement::Focused;
    if (k == QLatin1String("propval")) {
        m_p.fillRect(r, kLight);
        m_p.setPen(QColor(220, 220, 220));
        m_p.drawLine(r.bottomLeft(), r.bottomRight());
        m_p.drawLine(r.topLeft(), r.bottomLeft());
        if (focused)
            bevel(m_p, r.adjusted(1, 0, -1, -1), false);
    } else {
        panel(m_p, r, kLight, false);
    }
    if (k == QLatin1String("listbox"))
        return;
    setFace(k == QLatin1String("codearea") ? Face::Code : Face::Ui);
    const QString shown = isSecret(e) ? QString(e.text.size(), QLatin1Char('*')) : e.text;
    const QStringList lines = shown.split(QLatin1Char('\n'));
    const bool multi = k == QLatin1String("textbox") || k == QLatin1String("codearea");
    int y = r.y() + (multi ? 2 : 0);
    QPoint caret;
    for (const QString& line : lines) {
        const QRect place = multi ? QRect(r.x() + 4, y, r.width() - 8, 14) : r.adjusted(4, 0, -2, 0);
        const int width = content(place, line, Qt::black, Qt::AlignLeft | Qt::AlignVCenter, focused);
        caret = QPoint(place.x() + width + 1, place.center().y());
        y += 14;
        if (!multi || y > r.bottom() - 12)
            break;
    }
    if (focused) {
        m_p.setPen(Qt::black);
        m_p.drawLine(caret + QPoint(0, -5), caret + QPoint(0, 5));
    }
}

void FramePainter::row(const ScreenElement& e)
{
    const QRect& r = e.rect;
    const QString& k = e.kind;
    const bool sel = e.flags & ScreenElement::Selected;
    const bool menu = k.startsWith(QLatin1String("menu"));
    if (k == QLatin1String("propname")) {
        m_p.fillRect(r, kLight);
        m_p.setPen(QColor(220, 220, 220));
        m_p.drawLine(r.bottomLeft(), r.bottomRight());
    }
    if (sel)
        m_p.fillRect(r, kNavy);
    int indent = menu ? 18 : 3;
    if (k == QLatin1String("listrow") && e.name.startsWith(QLatin1String("row:Colors/"))) {
        // A colour list shows each colour beside its name.
        if (const QColor swatch = namedColor(e.text); swatch.isValid()) {
            const QRect chip(r.x() + 3, r.y() + 3, 22, r.height() - 6);
            m_p.fillRect(chip, swatch);
            m_p.setPen(sel ? kLight : Qt::black);
            m_p.drawRect(chip.adjusted(0, 0, -1, -1));
            indent = 30;
        }
    }
    // Tree rows are sized to their names with little to spare.
    const int right = menu ? -14 : k == QLatin1String("treerow") ? -1 : -3;
    const QRect place = r.adjusted(indent, 0, right, 0);
    // List rows hold what a session put there; the rest are the designer's
    // own words, which must fit.
    if (k == QLatin1String("listrow"))
        content(place, e.text, sel ? kLight : Qt::black);
    else
        text(place, e.text, sel ? kLight : Qt::black);
    if (k == QLatin1String("menusub")) {
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(sel ? kLight : Qt::black);
        const QPoint c(r.right() - 8, r.center().y());
        m_p.drawPolygon(QPolygon({c + QPoint(-2, -4), c + QPoint(2, 0), c + QPoint(-2, 4)}));
        m_p.setBrush(Qt::NoBrush);
    }
}

void FramePainter::checkOrRadio(const ScreenElement& e)
{
    const QRect& r = e.rect;
    const bool on = e.flags & ScreenElement::Selected;
    const QRect box(r.x(), r.y() + 3, 12, 12);
    m_p.setPen(kShadow);
    m_p.setBrush(kLight);
    if (e.kind == QLatin1String("radio")) {
        m_p.drawEllipse(box);
        if (on) {
            m_p.setBrush(Qt::black);
            m_p.drawEllipse(box.adjusted(3, 3, -3, -3));
        }
    } else {
        m_p.drawRect(box);
        if (on)
            IconPainter::drawTick(m_p, box.topLeft() + QPoint(3, 3));
    }
    m_p.setBrush(Qt::NoBrush);
    text(r.adjusted(18, 0, 0, 0), e.text, Qt::black);
}

void FramePainter::element(const ScreenElement& e)
{
    m_current = &e;
    const QRect& r = e.rect;
    const bool sel = e.flags & ScreenElement::Selected;
    const QString& k = e.kind;
    setFace(Face::Ui);
    if (k == QLatin1String("desktop") || k == QLatin1String("workspace")) {
        m_p.fillRect(r, kWorkspace);
    } else if (k == QLatin1String("titlebar")) {
        m_p.fillRect(r, kNavy);
        m_p.fillRect(QRect(r.x() + 3, r.y() + 3, 13, 13), QColor(0, 160, 160));
        setFace(Face::Bold);
        text(r.adjusted(22, 0, -60, 0), e.text, kLight);
    } else if (k == QLatin1String("titlebtn")) {
        titleButton(e);
    } else if (k == QLatin1String("menubar") || k == QLatin1String("toolbar")) {
        m_p.fillRect(r, kFace);
        m_p.setPen(kShadow);
        m_p.drawLine(r.bottomLeft(), r.bottomRight());
    } else if (k == QLatin1String("menubaritem")) {
        if (sel)
            m_p.fillRect(r, kNavy);
        text(r, e.text, sel ? kLight : Qt::black, Qt::AlignCenter);
    } else if (k == QLatin1String("tbbtn") || k == QLatin1String("navbtn") || k == QLatin1String("tool")) {
        iconButton(e);
    } else if (k == QLatin1String("status")) {
        m_p.fillRect(r, kFace);
        panel(m_p, r.adjusted(2, 3, -160, -3), kFace, false);
        text(r.adjusted(6, 0, -162, 0), e.text, Qt::black);
        panel(m_p, QRect(r.right() - 154, r.y() + 3, 150, r.height() - 6), kFace, false);
    } else if (k == QLatin1String("window") || k == QLatin1String("dialog") || k == QLatin1String("menu")) {
        panel(m_p, r, kFace, true);
        bevel(m_p, r.adjusted(1, 1, -1, -1), true);
    } else if (k == QLatin1String("caption")) {
        m_p.fillRect(r, sel ? kNavy : kShadow);
        setFace(Face::Bold);
        text(r.adjusted(4, 0, -20, 0), e.text, sel ? kLight : kFace);
    } else if (k == QLatin1String("client")) {
        m_p.fillRect(r, kLight);
    } else if (k == QLatin1String("field") || k == QLatin1String("propval") || k == QLatin1String("textbox")
               || k == QLatin1String("listbox") || k == QLatin1String("codearea")) {
        editArea(e);
    } else if (k == QLatin1String("dropbox")) {
        // An open list of choices stands over the rows below it: a black
        // edge and a shadow set it apart from the palette.
        m_p.fillRect(r.translated(2, 2), kShadow);
        m_p.fillRect(r, kLight);
        m_p.setPen(Qt::black);
        m_p.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (k == QLatin1String("treebox")) {
        m_p.fillRect(r, kLight);
        m_p.setPen(kShadow);
        m_p.drawRect(r.adjusted(0, 0, -1, -1));
        m_p.setPen(Qt::black);
        const QPoint c = r.center();
        m_p.drawLine(c + QPoint(-2, 0), c + QPoint(2, 0));
        if (!(e.flags & ScreenElement::Expanded))
            m_p.drawLine(c + QPoint(0, -2), c + QPoint(0, 2));
    } else if (k.startsWith(QLatin1String("treeicon:"))) {
        m_p.fillRect(r.adjusted(1, 1, -1, -1), iconColor(k.mid(9)));
        m_p.setPen(kDark);
        m_p.drawRect(r.adjusted(1, 1, -2, -2));
    } else if (k == QLatin1String("treerow") || k == QLatin1String("listrow") || k == QLatin1String("propname")
               || k == QLatin1String("menuitem") || k == QLatin1String("menusub")) {
        row(e);
    } else if (k == QLatin1String("menusep")) {
        const int y = r.center().y();
        m_p.setPen(kShadow);
        m_p.drawLine(r.x() + 2, y, r.right() - 2, y);
        m_p.setPen(kLight);
        m_p.drawLine(r.x() + 2, y + 1, r.right() - 2, y + 1);
    } else if (k == QLatin1String("palhead")) {
        panel(m_p, r, kFace, true);
        setFace(Face::Bold);
        text(r.adjusted(4, 0, -2, 0), e.text, Qt::black);
    } else if (k == QLatin1String("toolpane")) {
        panel(m_p, r, kFace, true);
    } else if (k == QLatin1String("canvas")) {
        m_p.fillRect(r, kLight);
        m_p.setPen(QColor(200, 200, 230));
        for (int x = r.x() + 16; x < r.right(); x += 16)
            for (int y = r.y() + 16; y < r.bottom(); y += 16)
                m_p.drawPoint(x, y);
    } else if (k == QLatin1String("runcanvas")) {
        m_p.fillRect(r, kFace);
    } else if (k.startsWith(QLatin1String("item:"))) {
        item(e);
    } else if (k == QLatin1String("label")) {
        text(r, e.text, Qt::black);
    } else if (k == QLatin1String("check") || k == QLatin1String("radio")) {
        checkOrRadio(e);
    } else if (k == QLatin1String("button")) {
        button(r, e.text, e.flags & ScreenElement::Pressed);
    } else if (k == QLatin1String("tab")) {
        panel(m_p, r.adjusted(0, sel ? 0 : 2, 0, 0), sel ? kFace : QColor(176, 176, 176), true);
        text(r, e.text, Qt::black, Qt::AlignCenter);
    }
}

void FramePainter::focusOutline(const QRect& r)
{
    QPen pen(Qt::black);
    pen.setStyle(Qt::DotLine);
    m_p.setPen(pen);
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(r.adjusted(-1, -1, 0, 0));
}

void FramePainter::subjectRing(const QRect& r)
{
    // Two pixels wide with one pixel of air, so the control itself stays
    // untouched and readable inside the ring.
    m_p.save();
    m_p.setRenderHint(QPainter::Antialiasing, true);
    m_p.setPen(QPen(kAccent, 2));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRoundedRect(QRectF(r).adjusted(-3, -3, 3, 3), 4, 4);
    m_p.restore();
}

} // namespace

QImage draw(const ScreenModel& screen, const QString& hot, const QString& subject, std::vector<ClippedText>* clipped)
{
    QImage image(ScreenModel::kWidth, ScreenModel::kHeight, QImage::Format_RGB32);
    image.fill(kWorkspace);
    FramePainter painter(image, clipped);
    const auto elements = screen.elements(hot);
    for (const auto& e : elements)
        painter.paint(e);
    // The element the pointer heads for gets a dotted outline on top of
    // everything, like keyboard focus, so the frame shows what is acted on.
    const ScreenElement* ringed = nullptr;
    for (const auto& e : elements) {
        if (e.flags & ScreenElement::Hot)
            painter.focusOutline(e.rect);
        // The topmost element of that name is the one on the screen.
        if (!subject.isEmpty() && e.name == subject)
            ringed = &e;
    }
    // A whole-screen target (the empty workspace) has no control to ring.
    if (ringed && ringed->kind != QLatin1String("workspace") && ringed->kind != QLatin1String("desktop"))
        painter.subjectRing(ringed->rect);
    return image;
}

} // namespace ScreenPainter
