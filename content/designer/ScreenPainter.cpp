#include "content/designer/ScreenPainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace ScreenPainter {
namespace {

const QColor kFace(192, 192, 192);
const QColor kShadow(128, 128, 128);
const QColor kDark(64, 64, 64);
const QColor kLight(255, 255, 255);
const QColor kNavy(0, 0, 128);
const QColor kWorkspace(128, 128, 128);
const QColor kHotTint(255, 255, 200);

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

void text(QPainter& p, const QRect& r, const QString& s, const QColor& color, int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.setPen(color);
    p.drawText(r, flags | Qt::TextSingleLine, s);
}

void button(QPainter& p, const QRect& r, const QString& label, int flags)
{
    const bool down = flags & (ScreenElement::Pressed | ScreenElement::Selected);
    panel(p, r, kFace, !down);
    text(p, r.translated(down ? 1 : 0, down ? 1 : 0), label, Qt::black, Qt::AlignCenter);
}

// Tool and toolbar buttons carry a short mark instead of artwork.
QString mark(const QString& name)
{
    static const QMap<QString, QString> marks = {
        {"New", "[]"}, {"Open", "O"}, {"Save", "S"}, {"Cut", "X"}, {"Copy", "C"}, {"Paste", "P"},
        {"Connect", "DB"}, {"Run", ">"}, {"Compile", "{}"}, {"Navigator", "N"}, {"Palette", "="},
        {"Layout", "L"}, {"Help", "?"}, {"Expand", "+"}, {"Collapse", "-"}, {"Expand All", "++"},
        {"Collapse All", "--"}, {"Create", "*"}, {"Delete", "x"}, {"Select", "^"}, {"Rotate", "@"},
        {"Reshape", "<>"}, {"Magnify", "Q"}, {"Rectangle", "[ ]"}, {"Line", "/"}, {"Ellipse", "()"},
        {"Arc", "("}, {"Polygon", "<>"}, {"Rounded Rect", "(]"}, {"Polyline", "/\\"}, {"Freehand", "~"},
        {"Text", "T"}, {"Frame", "#"}, {"Button", "OK"}, {"Check Box", "[x]"}, {"Radio Button", "(o)"},
        {"Text Item", "ab"}, {"Image", "Im"}, {"Chart", "Ch"}, {"Sound", "Sd"}, {"List Item", "Li"},
        {"Stacked Canvas", "St"}, {"Tab Canvas", "Tb"},
    };
    return marks.value(name, name.left(2));
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

void drawItem(QPainter& p, const ScreenElement& e)
{
    const QString kind = e.kind.mid(5);
    const QRect& r = e.rect;
    if (kind == QLatin1String("textitem") || kind == QLatin1String("list")) {
        p.fillRect(r, kLight);
        p.setPen(kShadow);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        text(p, r.adjusted(3, 0, -2, 0), e.text, Qt::black);
        if (kind == QLatin1String("list")) {
            const QRect drop(r.right() - 14, r.y() + 1, 14, r.height() - 2);
            button(p, drop, QStringLiteral("v"), 0);
        }
    } else if (kind == QLatin1String("button")) {
        button(p, r, e.text, e.flags & ScreenElement::Pressed);
    } else if (kind == QLatin1String("check") || kind == QLatin1String("radio")) {
        const QRect box(r.x(), r.y() + (r.height() - 11) / 2, 11, 11);
        p.setPen(Qt::black);
        p.setBrush(kLight);
        if (kind == QLatin1String("radio"))
            p.drawEllipse(box);
        else
            p.drawRect(box);
        p.setBrush(Qt::NoBrush);
        text(p, r.adjusted(15, 0, 0, 0), e.text, Qt::black);
    } else if (kind == QLatin1String("image")) {
        panel(p, r, QColor(224, 224, 224), false);
        p.setPen(kShadow);
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
    } else if (kind == QLatin1String("rect") || kind == QLatin1String("frame")) {
        p.setPen(kShadow);
        p.drawRect(r.adjusted(0, 4, -1, -1));
        if (kind == QLatin1String("frame") && !e.text.isEmpty()) {
            const QRect label(r.x() + 8, r.y(), 6 * e.text.size() + 8, 10);
            p.fillRect(label, p.background());
            text(p, label, e.text, Qt::black, Qt::AlignCenter);
        }
    } else {
        text(p, r, e.text, Qt::black);
    }
    if (e.flags & ScreenElement::Selected) {
        p.setPen(Qt::NoPen);
        for (const QPoint& c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            p.fillRect(QRect(c - QPoint(2, 2), QSize(5, 5)), Qt::black);
    }
}

void drawElement(QPainter& p, const ScreenElement& e)
{
    const QRect& r = e.rect;
    const bool sel = e.flags & ScreenElement::Selected;
    const QString& k = e.kind;
    p.setFont(uiFont());
    if (k == QLatin1String("desktop") || k == QLatin1String("workspace")) {
        p.fillRect(r, kWorkspace);
    } else if (k == QLatin1String("titlebar")) {
        p.fillRect(r, kNavy);
        p.fillRect(QRect(r.x() + 3, r.y() + 3, 13, 13), QColor(0, 160, 160));
        p.setFont(uiFont(true));
        text(p, r.adjusted(22, 0, -60, 0), e.text, kLight);
    } else if (k == QLatin1String("titlebtn")) {
        panel(p, r, kFace, !(e.flags & ScreenElement::Pressed));
        p.setPen(Qt::black);
        const QPoint c = r.center();
        if (e.text == QLatin1String("close")) {
            p.drawLine(c + QPoint(-3, -3), c + QPoint(3, 3));
            p.drawLine(c + QPoint(-3, 3), c + QPoint(3, -3));
        } else if (e.text == QLatin1String("max")) {
            p.drawRect(QRect(c - QPoint(4, 3), QSize(8, 6)));
        } else {
            p.drawLine(c + QPoint(-3, 3), c + QPoint(3, 3));
        }
    } else if (k == QLatin1String("menubar") || k == QLatin1String("toolbar")) {
        p.fillRect(r, kFace);
        p.setPen(kShadow);
        p.drawLine(r.bottomLeft(), r.bottomRight());
    } else if (k == QLatin1String("menubaritem")) {
        if (sel)
            p.fillRect(r, kNavy);
        text(p, r, e.text, sel ? kLight : Qt::black, Qt::AlignCenter);
    } else if (k == QLatin1String("tbbtn") || k == QLatin1String("navbtn") || k == QLatin1String("tool")) {
        panel(p, r, kFace, !(e.flags & (ScreenElement::Pressed | ScreenElement::Selected)));
        p.setFont(uiFont(true));
        text(p, r, mark(e.text), Qt::black, Qt::AlignCenter);
    } else if (k == QLatin1String("status")) {
        p.fillRect(r, kFace);
        panel(p, r.adjusted(2, 3, -160, -3), kFace, false);
        text(p, r.adjusted(6, 0, -160, 0), e.text, Qt::black);
        panel(p, QRect(r.right() - 154, r.y() + 3, 150, r.height() - 6), kFace, false);
    } else if (k == QLatin1String("window") || k == QLatin1String("dialog") || k == QLatin1String("menu")) {
        panel(p, r, kFace, true);
        bevel(p, r.adjusted(1, 1, -1, -1), true);
    } else if (k == QLatin1String("caption")) {
        p.fillRect(r, sel ? kNavy : kShadow);
        p.setFont(uiFont(true));
        text(p, r.adjusted(4, 0, -20, 0), e.text, sel ? kLight : kFace);
    } else if (k == QLatin1String("client")) {
        p.fillRect(r, kLight);
    } else if (k == QLatin1String("field") || k == QLatin1String("propval") || k == QLatin1String("textbox")
               || k == QLatin1String("listbox") || k == QLatin1String("codearea")) {
        const bool focused = e.flags & ScreenElement::Focused;
        if (k == QLatin1String("propval")) {
            p.fillRect(r, kLight);
            p.setPen(QColor(220, 220, 220));
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            if (focused)
                bevel(p, r.adjusted(1, 0, -1, -1), false);
        } else {
            panel(p, r, kLight, false);
        }
        if (k == QLatin1String("listbox"))
            return;
        p.setFont(k == QLatin1String("codearea") ? codeFont() : uiFont());
        const QStringList lines = e.text.split(QLatin1Char('\n'));
        const bool multi = k == QLatin1String("textbox") || k == QLatin1String("codearea");
        int y = r.y() + (multi ? 2 : 0);
        QPoint caret;
        for (const QString& line : lines) {
            const QRect row = multi ? QRect(r.x() + 4, y, r.width() - 8, 14) : r.adjusted(4, 0, -2, 0);
            text(p, row, line, Qt::black);
            caret = QPoint(row.x() + p.fontMetrics().horizontalAdvance(line) + 1, row.center().y());
            y += 14;
            if (!multi || y > r.bottom() - 12)
                break;
        }
        if (focused) {
            p.setPen(Qt::black);
            p.drawLine(caret + QPoint(0, -5), caret + QPoint(0, 5));
        }
    } else if (k == QLatin1String("treebox")) {
        p.fillRect(r, kLight);
        p.setPen(kShadow);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        const QPoint c = r.center();
        p.drawLine(c + QPoint(-2, 0), c + QPoint(2, 0));
        if (!(e.flags & ScreenElement::Expanded))
            p.drawLine(c + QPoint(0, -2), c + QPoint(0, 2));
    } else if (k.startsWith(QLatin1String("treeicon:"))) {
        p.fillRect(r.adjusted(1, 1, -1, -1), iconColor(k.mid(9)));
        p.setPen(kDark);
        p.drawRect(r.adjusted(1, 1, -2, -2));
    } else if (k == QLatin1String("treerow") || k == QLatin1String("listrow") || k == QLatin1String("propname")
               || k == QLatin1String("menuitem") || k == QLatin1String("menusub")) {
        const bool menu = k.startsWith(QLatin1String("menu"));
        if (k == QLatin1String("propname")) {
            p.fillRect(r, kLight);
            p.setPen(QColor(220, 220, 220));
            p.drawLine(r.bottomLeft(), r.bottomRight());
        }
        if (sel)
            p.fillRect(r, kNavy);
        text(p, r.adjusted(menu ? 18 : 3, 0, -3, 0), e.text, sel ? kLight : Qt::black);
        if (k == QLatin1String("menusub")) {
            p.setPen(Qt::NoPen);
            p.setBrush(sel ? kLight : Qt::black);
            const QPoint c(r.right() - 8, r.center().y());
            p.drawPolygon(QPolygon({c + QPoint(-2, -4), c + QPoint(2, 0), c + QPoint(-2, 4)}));
            p.setBrush(Qt::NoBrush);
        }
    } else if (k == QLatin1String("menusep")) {
        const int y = r.center().y();
        p.setPen(kShadow);
        p.drawLine(r.x() + 2, y, r.right() - 2, y);
        p.setPen(kLight);
        p.drawLine(r.x() + 2, y + 1, r.right() - 2, y + 1);
    } else if (k == QLatin1String("palhead")) {
        panel(p, r, kFace, true);
        p.setFont(uiFont(true));
        text(p, r.adjusted(4, 0, 0, 0), e.text, Qt::black);
    } else if (k == QLatin1String("toolpane")) {
        panel(p, r, kFace, true);
    } else if (k == QLatin1String("canvas")) {
        p.fillRect(r, kLight);
        p.setPen(QColor(200, 200, 230));
        for (int x = r.x() + 16; x < r.right(); x += 16)
            for (int y = r.y() + 16; y < r.bottom(); y += 16)
                p.drawPoint(x, y);
    } else if (k == QLatin1String("runcanvas")) {
        p.fillRect(r, kFace);
    } else if (k.startsWith(QLatin1String("item:"))) {
        drawItem(p, e);
    } else if (k == QLatin1String("label")) {
        text(p, r, e.text, Qt::black);
    } else if (k == QLatin1String("check") || k == QLatin1String("radio")) {
        const QRect box(r.x(), r.y() + 3, 12, 12);
        p.setPen(kShadow);
        p.setBrush(kLight);
        if (k == QLatin1String("radio")) {
            p.drawEllipse(box);
            if (sel) {
                p.setBrush(Qt::black);
                p.drawEllipse(box.adjusted(3, 3, -3, -3));
            }
        } else {
            p.drawRect(box);
            if (sel) {
                p.setPen(Qt::black);
                p.drawLine(box.topLeft() + QPoint(3, 6), box.topLeft() + QPoint(5, 9));
                p.drawLine(box.topLeft() + QPoint(5, 9), box.topLeft() + QPoint(9, 3));
            }
        }
        p.setBrush(Qt::NoBrush);
        text(p, r.adjusted(18, 0, 0, 0), e.text, Qt::black);
    } else if (k == QLatin1String("button")) {
        button(p, r, e.text, e.flags & ScreenElement::Pressed);
    } else if (k == QLatin1String("tab")) {
        panel(p, r.adjusted(0, sel ? 0 : 2, 0, 0), sel ? kFace : QColor(176, 176, 176), true);
        text(p, r, e.text, Qt::black, Qt::AlignCenter);
    }
}

} // namespace

QImage draw(const ScreenModel& screen, const QString& hot)
{
    QImage image(ScreenModel::kWidth, ScreenModel::kHeight, QImage::Format_RGB32);
    image.fill(kWorkspace);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    const auto elements = screen.elements(hot);
    for (const auto& e : elements) {
        p.save();
        p.setClipRect(e.rect.adjusted(-3, -3, 3, 3));
        drawElement(p, e);
        p.restore();
    }
    // The element the pointer heads for gets a dotted outline on top of
    // everything, like keyboard focus, so the frame shows what is acted on.
    for (const auto& e : elements) {
        if (!(e.flags & ScreenElement::Hot))
            continue;
        QPen pen(Qt::black);
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(e.rect.adjusted(-1, -1, 0, 0));
    }
    return image;
}

} // namespace ScreenPainter
