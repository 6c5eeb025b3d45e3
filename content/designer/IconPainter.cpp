#include "content/designer/IconPainter.h"

#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <initializer_list>

namespace IconPainter {
namespace {

const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kFace(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kBlue(0, 0, 160);
const QColor kSky(120, 176, 232);
const QColor kYellow(255, 216, 80);
const QColor kGold(224, 168, 32);
const QColor kBrown(150, 96, 40);
const QColor kGreen(0, 144, 0);
const QColor kRed(200, 0, 0);

// Drawing in the icon's own 16 x 16 pixel grid; sizes count pixels, so
// box(1, 1, 14, 14) covers pixels 1 to 14.
class Ink {
public:
    explicit Ink(QPainter& p)
        : m_p(p)
    {
    }

    void fill(int x, int y, int w, int h, const QColor& c) { m_p.fillRect(x, y, w, h, c); }
    void line(int x1, int y1, int x2, int y2, const QColor& c = kInk)
    {
        m_p.setPen(c);
        m_p.drawLine(x1, y1, x2, y2);
    }
    void lines(std::initializer_list<QPoint> points, const QColor& c = kInk)
    {
        m_p.setPen(c);
        m_p.drawPolyline(QPolygon(points));
    }
    void box(int x, int y, int w, int h, const QColor& edge = kInk, const QColor& inside = Qt::transparent)
    {
        if (inside.alpha())
            fill(x, y, w, h, inside);
        m_p.setPen(edge);
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(x, y, w - 1, h - 1);
    }
    void shape(std::initializer_list<QPoint> points, const QColor& edge, const QColor& inside)
    {
        m_p.setPen(edge);
        m_p.setBrush(inside);
        m_p.drawPolygon(QPolygon(points));
        m_p.setBrush(Qt::NoBrush);
    }
    void oval(int x, int y, int w, int h, const QColor& edge, const QColor& inside = Qt::transparent)
    {
        m_p.setPen(edge);
        m_p.setBrush(inside.alpha() ? QBrush(inside) : QBrush(Qt::NoBrush));
        m_p.drawEllipse(x, y, w - 1, h - 1);
        m_p.setBrush(Qt::NoBrush);
    }
    void arc(int x, int y, int w, int h, int startDeg, int spanDeg, const QColor& c = kInk)
    {
        m_p.setPen(c);
        m_p.drawArc(x, y, w - 1, h - 1, startDeg * 16, spanDeg * 16);
    }
    void path(const QPainterPath& path, const QColor& c = kInk)
    {
        m_p.setPen(c);
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(path);
    }
    void plus(int cx, int cy, int arm, bool vertical = true)
    {
        line(cx - arm, cy, cx + arm, cy);
        if (vertical)
            line(cx, cy - arm, cx, cy + arm);
    }

private:
    QPainter& m_p;
};

// Toolbar ----------------------------------------------------------------

void page(Ink& k, int x, int y, int w, int h)
{
    k.box(x, y, w, h, kInk, kPaper);
    for (int row = y + 3; row < y + h - 2; row += 2)
        k.line(x + 2, row, x + w - 3, row, kGrey);
}

void newIcon(Ink& k)
{
    k.shape({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}, kInk, kPaper);
    k.lines({{10, 1}, {10, 4}, {13, 4}});
}

void openIcon(Ink& k)
{
    k.box(1, 4, 11, 10, kInk, kYellow);
    k.line(2, 3, 5, 3);
    k.shape({{4, 8}, {15, 8}, {12, 13}, {1, 13}}, kInk, kGold);
}

void saveIcon(Ink& k)
{
    k.box(1, 1, 14, 14, kInk, kBlue);
    k.fill(4, 2, 8, 6, kPaper);
    k.line(5, 4, 10, 4, kGrey);
    k.line(5, 6, 10, 6, kGrey);
    k.fill(4, 10, 8, 4, kFace);
    k.fill(9, 11, 2, 2, kBlue);
}

void cutIcon(Ink& k)
{
    const QColor blade(72, 72, 96);
    k.line(5, 9, 10, 1, blade);
    k.line(6, 9, 11, 1, blade);
    k.line(10, 9, 5, 1, blade);
    k.line(9, 9, 4, 1, blade);
    k.oval(1, 9, 6, 6, kInk);
    k.oval(9, 9, 6, 6, kInk);
}

void copyIcon(Ink& k)
{
    page(k, 1, 1, 9, 11);
    page(k, 6, 4, 9, 11);
}

void pasteIcon(Ink& k)
{
    k.box(1, 2, 11, 13, kInk, kBrown);
    k.box(4, 1, 5, 3, kInk, kFace);
    page(k, 6, 6, 9, 9);
}

void connectIcon(Ink& k)
{
    k.fill(2, 3, 12, 10, kSky);
    k.line(2, 3, 2, 12);
    k.line(13, 3, 13, 12);
    k.arc(2, 9, 12, 6, 180, 180);
    k.arc(2, 5, 12, 5, 180, 180, kBlue);
    k.oval(2, 1, 12, 5, kInk, kPaper);
}

void runIcon(Ink& k)
{
    k.shape({{4, 1}, {13, 8}, {4, 15}}, QColor(0, 80, 0), kGreen);
}

void compileIcon(Ink& k)
{
    const QColor steel(88, 88, 104);
    for (const QPoint t : {QPoint(7, 0), QPoint(7, 14), QPoint(0, 7), QPoint(14, 7), QPoint(2, 2), QPoint(12, 2), QPoint(2, 12),
                           QPoint(12, 12)})
        k.fill(t.x(), t.y(), 2, 2, steel);
    k.oval(2, 2, 12, 12, steel, steel);
    k.oval(5, 5, 6, 6, kInk, kYellow);
}

void navigatorIcon(Ink& k)
{
    k.box(1, 1, 6, 4, kInk, kYellow);
    k.lines({{3, 5}, {3, 12}, {7, 12}});
    k.line(4, 8, 7, 8);
    k.box(8, 6, 7, 4, kInk, kSky);
    k.box(8, 10, 7, 4, kInk, kSky);
}

void paletteIcon(Ink& k)
{
    k.box(1, 1, 14, 14, kInk, kPaper);
    k.fill(2, 2, 12, 3, kBlue);
    for (int y = 7; y <= 13; y += 3)
        k.line(2, y, 13, y, kGrey);
    k.line(6, 5, 6, 13, kGrey);
}

void layoutIcon(Ink& k)
{
    k.box(1, 1, 14, 14, kInk, kPaper);
    k.fill(2, 2, 12, 3, kBlue);
    k.line(3, 8, 5, 8, kGrey);
    k.box(7, 7, 6, 3, kInk, kPaper);
    k.box(7, 11, 5, 3, kGrey, kFace);
}

void helpIcon(Ink& k)
{
    k.oval(1, 1, 14, 14, kBlue, kBlue);
    k.fill(6, 3, 4, 2, kPaper);
    k.fill(4, 4, 2, 2, kPaper);
    k.fill(9, 4, 2, 3, kPaper);
    k.fill(7, 7, 2, 2, kPaper);
    k.fill(8, 6, 2, 1, kPaper);
    k.fill(7, 11, 2, 2, kPaper);
}

// Navigator ----------------------------------------------------------------

void treeBox(Ink& k, int x, int y, bool plus)
{
    k.box(x, y, 9, 9, kInk, kPaper);
    k.plus(x + 4, y + 4, 2, plus);
}

void expandIcon(Ink& k) { treeBox(k, 3, 3, true); }
void collapseIcon(Ink& k) { treeBox(k, 3, 3, false); }

void expandAllIcon(Ink& k)
{
    treeBox(k, 1, 1, true);
    treeBox(k, 6, 6, true);
}

void collapseAllIcon(Ink& k)
{
    treeBox(k, 1, 1, false);
    treeBox(k, 6, 6, false);
}

void createIcon(Ink& k)
{
    const QColor edge(0, 88, 0);
    k.shape({{6, 2}, {9, 2}, {9, 6}, {13, 6}, {13, 9}, {9, 9}, {9, 13}, {6, 13}, {6, 9}, {2, 9}, {2, 6}, {6, 6}}, edge, kGreen);
}

void deleteIcon(Ink& k)
{
    for (int i = 0; i < 10; ++i) {
        k.fill(3 + i, 3 + i, 2, 2, kRed);
        k.fill(11 - i, 3 + i, 2, 2, kRed);
    }
}

// Layout tools ---------------------------------------------------------

void selectIcon(Ink& k)
{
    k.shape({{4, 1}, {4, 13}, {7, 10}, {9, 15}, {11, 14}, {9, 9}, {13, 9}}, kInk, kInk);
}

void rotateIcon(Ink& k)
{
    k.arc(2, 3, 12, 12, 60, 270);
    k.shape({{8, 1}, {12, 3}, {8, 6}}, kInk, kInk);
}

void reshapeIcon(Ink& k)
{
    k.shape({{2, 12}, {6, 3}, {13, 6}, {11, 13}}, kInk, Qt::transparent);
    for (const QPoint c : {QPoint(2, 12), QPoint(6, 3), QPoint(13, 6), QPoint(11, 13)})
        k.fill(c.x() - 1, c.y() - 1, 3, 3, kBlue);
}

void magnifyIcon(Ink& k)
{
    k.oval(1, 1, 10, 10, kInk, kSky);
    for (int i = 0; i < 5; ++i)
        k.fill(9 + i, 9 + i, 3, 2, kInk);
}

void rectangleIcon(Ink& k) { k.box(2, 4, 12, 9); }
void lineIcon(Ink& k) { k.line(2, 13, 13, 2); }
void ellipseIcon(Ink& k) { k.oval(1, 4, 14, 9, kInk); }
void arcIcon(Ink& k) { k.arc(2, 3, 24, 22, 90, 90); }
void polygonIcon(Ink& k) { k.shape({{8, 1}, {14, 6}, {12, 14}, {4, 14}, {2, 6}}, kInk, Qt::transparent); }

void roundedRectIcon(Ink& k)
{
    k.lines({{4, 4}, {11, 4}});
    k.lines({{4, 12}, {11, 12}});
    k.lines({{2, 6}, {2, 10}});
    k.lines({{13, 6}, {13, 10}});
    for (const QPoint c : {QPoint(3, 5), QPoint(12, 5), QPoint(3, 11), QPoint(12, 11)})
        k.fill(c.x(), c.y(), 1, 1, kInk);
}

void polylineIcon(Ink& k) { k.lines({{1, 13}, {5, 4}, {9, 11}, {14, 2}}); }

void freehandIcon(Ink& k)
{
    QPainterPath path(QPointF(1, 10));
    path.cubicTo(4, 0, 7, 16, 10, 6);
    path.quadTo(12, 2, 14, 8);
    k.path(path);
}

void textIcon(Ink& k)
{
    k.fill(3, 2, 10, 2, kInk);
    k.fill(3, 4, 1, 1, kInk);
    k.fill(12, 4, 1, 1, kInk);
    k.fill(7, 4, 2, 9, kInk);
    k.fill(5, 13, 6, 1, kInk);
}

void frameIcon(Ink& k)
{
    k.lines({{3, 4}, {1, 4}, {1, 14}, {14, 14}, {14, 4}, {11, 4}});
    k.line(5, 4, 9, 4, kBlue);
    k.line(5, 3, 9, 3, kBlue);
}

void buttonIcon(Ink& k)
{
    k.fill(1, 4, 14, 9, kFace);
    k.lines({{1, 12}, {1, 4}, {14, 4}}, kPaper);
    k.lines({{2, 12}, {14, 12}, {14, 5}}, kInk);
    k.line(5, 8, 10, 8, kInk);
}

void tick(Ink& k, int x, int y)
{
    // Two pixels thick, so it reads as a check mark, not a stray line.
    for (int dy = 0; dy < 2; ++dy) {
        k.line(x, y + 2 + dy, x + 2, y + 4 + dy);
        k.line(x + 2, y + 4 + dy, x + 6, y + dy);
    }
}

void checkBoxIcon(Ink& k)
{
    k.box(3, 3, 10, 10, kInk, kPaper);
    tick(k, 5, 5);
}

void radioButtonIcon(Ink& k)
{
    k.oval(3, 3, 10, 10, kInk, kPaper);
    k.fill(6, 6, 4, 4, kInk);
}

void textItemIcon(Ink& k)
{
    k.box(1, 4, 14, 9, kGrey, kPaper);
    k.lines({{4, 6}, {6, 6}});
    k.lines({{4, 10}, {6, 10}});
    k.line(5, 6, 5, 10);
}

void imageIcon(Ink& k)
{
    k.box(1, 2, 14, 12, kInk, kSky);
    k.shape({{2, 12}, {6, 7}, {9, 10}, {11, 8}, {13, 12}}, kGreen, kGreen);
    k.oval(9, 4, 4, 4, kGold, kYellow);
}

void chartIcon(Ink& k)
{
    k.lines({{2, 1}, {2, 14}, {14, 14}});
    k.fill(4, 8, 3, 6, kRed);
    k.fill(8, 3, 3, 11, kBlue);
    k.fill(12, 10, 3, 4, kGreen);
}

void soundIcon(Ink& k)
{
    k.fill(1, 6, 3, 5, kInk);
    k.shape({{4, 6}, {8, 2}, {8, 14}, {4, 10}}, kInk, kInk);
    k.arc(7, 5, 5, 7, -60, 120);
    k.arc(7, 2, 8, 13, -60, 120);
}

void listItemIcon(Ink& k)
{
    k.box(1, 4, 14, 9, kGrey, kPaper);
    k.fill(10, 5, 4, 7, kFace);
    k.shape({{10, 7}, {13, 7}, {11, 9}}, kInk, kInk);
    k.line(3, 8, 7, 8, kGrey);
}

void stackedCanvasIcon(Ink& k)
{
    k.box(1, 1, 10, 9, kInk, kFace);
    k.box(5, 6, 10, 9, kInk, kPaper);
}

void tabCanvasIcon(Ink& k)
{
    k.box(7, 2, 6, 4, kInk, kFace);
    k.box(1, 5, 14, 10, kInk, kPaper);
    k.box(1, 1, 6, 5, kInk, kPaper);
    k.line(2, 5, 5, 5, kPaper);
}

using IconFn = void (*)(Ink&);

const QMap<QString, IconFn>& icons()
{
    static const QMap<QString, IconFn> table = {
        {"New", newIcon}, {"Open", openIcon}, {"Save", saveIcon}, {"Cut", cutIcon}, {"Copy", copyIcon},
        {"Paste", pasteIcon}, {"Connect", connectIcon}, {"Run", runIcon}, {"Compile", compileIcon},
        {"Navigator", navigatorIcon}, {"Palette", paletteIcon}, {"Layout", layoutIcon}, {"Help", helpIcon},
        {"Expand", expandIcon}, {"Collapse", collapseIcon}, {"Expand All", expandAllIcon},
        {"Collapse All", collapseAllIcon}, {"Create", createIcon}, {"Delete", deleteIcon},
        {"Select", selectIcon}, {"Rotate", rotateIcon}, {"Reshape", reshapeIcon}, {"Magnify", magnifyIcon},
        {"Rectangle", rectangleIcon}, {"Line", lineIcon}, {"Ellipse", ellipseIcon}, {"Arc", arcIcon},
        {"Polygon", polygonIcon}, {"Rounded Rect", roundedRectIcon}, {"Polyline", polylineIcon},
        {"Freehand", freehandIcon}, {"Text", textIcon}, {"Frame", frameIcon}, {"Button", buttonIcon},
        {"Check Box", checkBoxIcon}, {"Radio Button", radioButtonIcon}, {"Text Item", textItemIcon},
        {"Image", imageIcon}, {"Chart", chartIcon}, {"Sound", soundIcon}, {"List Item", listItemIcon},
        {"Stacked Canvas", stackedCanvasIcon}, {"Tab Canvas", tabCanvasIcon},
    };
    return table;
}

} // namespace

bool has(const QString& name) { return icons().contains(name); }

void drawTick(QPainter& p, const QPoint& topLeft)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(topLeft);
    Ink ink(p);
    tick(ink, 0, 0);
    p.restore();
}

void draw(QPainter& p, const QString& name, const QPoint& topLeft)
{
    const IconFn fn = icons().value(name, nullptr);
    if (!fn)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(topLeft);
    Ink ink(p);
    fn(ink);
    p.restore();
}

} // namespace IconPainter
