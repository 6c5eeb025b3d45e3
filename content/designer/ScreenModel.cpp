#include "content/designer/ScreenModel.h"

#include "platform/AppError.h"

#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace {

// Layout works in a fixed character width so that positions never depend
// on the fonts of the machine that renders the frames.
constexpr int kCharW = 6;
constexpr int kTitleH = 19;
constexpr int kMenuBarY = 19;
constexpr int kMenuBarH = 18;
constexpr int kToolbarY = 37;
constexpr int kToolbarH = 26;
constexpr int kWorkTop = 63;
constexpr int kStatusY = 460;
constexpr int kCaptionH = 16;
constexpr int kRowH = 16;
constexpr int kMenuRowH = 18;
constexpr int kMenuSepH = 8;

int textW(const QString& s) { return kCharW * static_cast<int>(s.size()); }

[[noreturn]] void bad(const QString& what) { throw AppError(what); }

QStringList words(const QString& args) { return args.split(QLatin1Char(' '), Qt::SkipEmptyParts); }

int number(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok)
        bad(QStringLiteral("'%1' is not a number").arg(text));
    return n;
}

QRect rectOf(const QStringList& w, int from)
{
    if (w.size() < from + 4)
        bad(QStringLiteral("x y w h expected"));
    return QRect(number(w[from]), number(w[from + 1]), number(w[from + 2]), number(w[from + 3]));
}

// "NAME = value" -> pair; value may be empty.
std::pair<QString, QString> assignment(const QString& args)
{
    const int eq = args.indexOf(QLatin1Char('='));
    if (eq < 0)
        bad(QStringLiteral("NAME = value expected"));
    QString value = args.mid(eq + 1);
    if (value.startsWith(QLatin1Char(' ')))
        value.remove(0, 1);
    return {args.left(eq).trimmed(), value};
}

QStringList bars(const QString& text)
{
    QStringList out;
    for (const QString& p : text.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        out << p.trimmed();
    return out;
}

QString windowTitle(const QString& id)
{
    if (id == QLatin1String("navigator")) return QStringLiteral("Object Navigator");
    if (id == QLatin1String("palette")) return QStringLiteral("Property Palette");
    if (id == QLatin1String("layout")) return QStringLiteral("Layout Editor");
    if (id == QLatin1String("editor")) return QStringLiteral("Tarnic Editor");
    if (id == QLatin1String("runtime")) return QStringLiteral("Form Runtime");
    return {};
}

bool menuItemHasSub(const QString& item) { return item.endsWith(QLatin1String(" >")); }
QString menuItemText(const QString& item) { return menuItemHasSub(item) ? item.chopped(2) : item; }

int dialogHeight(const DialogDef& def)
{
    int h = kCaptionH + 10;
    for (const auto& c : def.controls) {
        if (c.kind == QLatin1String("label")) h += 16;
        else if (c.kind == QLatin1String("field")) h += 26;
        else if (c.kind == QLatin1String("check")) h += 20;
        else if (c.kind == QLatin1String("radio")) h += 20 * static_cast<int>(c.names.size());
        else if (c.kind == QLatin1String("list") || c.kind == QLatin1String("text")) h += 18 + c.rows * kRowH + 10;
        else if (c.kind == QLatin1String("lists")) h += 18 + c.rows * kRowH + 10;
        else if (c.kind == QLatin1String("button")) h += 28;
        else if (c.kind == QLatin1String("buttons")) h += 36;
        else if (c.kind == QLatin1String("tabs")) h += 26;
        else if (c.kind == QLatin1String("gap")) h += c.rows;
    }
    return h + 4;
}

} // namespace

ScreenModel::ScreenModel(const DesignerDefs& defs)
    : m_defs(defs)
{
    for (const QString& name : defs.nodes(QStringLiteral("top")))
        m_tree.push_back(NavNode{name, QStringLiteral("top"), false, {}, {}});
}

// ---------------------------------------------------------------- state

NavNode* ScreenModel::findNode(const QString& path, bool create, const QString& kind)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    std::vector<NavNode>* level = &m_tree;
    NavNode* node = nullptr;
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty())
            bad(QStringLiteral("empty node name in '%1'").arg(path));
        auto it = std::find_if(level->begin(), level->end(), [&](const NavNode& n) { return n.name == part; });
        if (it == level->end()) {
            if (!create)
                bad(QStringLiteral("no node '%1'").arg(path));
            const bool last = i == parts.size() - 1;
            NavNode fresh{part, last ? kind : QStringLiteral("group"), false, {}, {}};
            if (last)
                for (const QString& child : m_defs.nodes(kind))
                    fresh.children.push_back(NavNode{child, QStringLiteral("group"), false, {}, {}});
            level->push_back(fresh);
            it = level->end() - 1;
        }
        node = &*it;
        level = &node->children;
    }
    return node;
}

const NavNode* ScreenModel::node(const QString& path) const
{
    const QStringList parts = path.split(QLatin1Char('/'));
    const std::vector<NavNode>* level = &m_tree;
    const NavNode* found = nullptr;
    for (const QString& part : parts) {
        auto it = std::find_if(level->begin(), level->end(), [&](const NavNode& n) { return n.name == part; });
        if (it == level->end())
            return nullptr;
        found = &*it;
        level = &found->children;
    }
    return found;
}

QString ScreenModel::propertyValue(const QString& path, const QString& prop) const
{
    const NavNode* n = node(path);
    if (!n)
        return {};
    if (n->props.contains(prop))
        return n->props.value(prop);
    if (prop == QLatin1String("Name"))
        return n->name;
    for (const auto& [name, value] : m_defs.properties(n->kind))
        if (name == prop)
            return value;
    return {};
}

QString ScreenModel::canvasText(const CanvasItem& item)
{
    if (!item.label.isEmpty())
        return item.label;
    // An unlabelled button shows its name; one too small for the name (a
    // button of a few pixels beside a field) shows a plain face until it
    // gets its label, rather than a name cut short.
    if (item.kind == QLatin1String("button") && textW(item.name) + 6 > item.rect.width())
        return {};
    return item.name;
}

QString ScreenModel::runningText(const CanvasItem& item, const QString& value)
{
    // A running form shows data, never an item's name: a text item its
    // value, a list its chosen element (or the label a session gave it).
    if (item.kind == QLatin1String("textitem"))
        return value;
    if (item.kind == QLatin1String("list"))
        return value.isEmpty() ? item.label : value;
    return item.label.isEmpty() ? item.name : item.label;
}

bool ScreenModel::isCheckItem(const QString& name) const
{
    return std::any_of(m_items.begin(), m_items.end(),
                       [&](const CanvasItem& i) { return i.name == name && i.kind == QLatin1String("check"); });
}

QStringList ScreenModel::formOutline() const
{
    QStringList out;
    std::function<void(const NavNode&, const QString&)> walk = [&](const NavNode& n, const QString& path) {
        if (n.kind != QLatin1String("group") && n.kind != QLatin1String("top"))
            out << path + QStringLiteral(" : ") + n.kind;
        for (const NavNode& child : n.children)
            walk(child, path + QLatin1Char('/') + child.name);
    };
    for (const NavNode& top : m_tree)
        if (top.name == QLatin1String("Forms"))
            walk(top, top.name);
    for (const CanvasItem& i : m_items) {
        const QRect& r = i.rect;
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7").arg(i.name, i.kind).arg(r.x()).arg(r.y()).arg(r.width())
                   .arg(r.height()).arg(i.label).trimmed();
    }
    return out;
}

OpenDialog& ScreenModel::dialog(const char* verb)
{
    if (m_dialogs.empty())
        bad(QStringLiteral("%1: no dialog is shown").arg(QLatin1String(verb)));
    return m_dialogs.back();
}

OpenWindow* ScreenModel::window(const QString& id)
{
    for (auto& w : m_windows)
        if (w.id == id)
            return &w;
    return nullptr;
}

void ScreenModel::command(const QString& verb, const QString& args)
{
    const QStringList w = words(args);
    auto needWords = [&](int n) {
        if (w.size() < n)
            bad(QStringLiteral("%1 needs %2 arguments").arg(verb).arg(n));
    };
    if (verb == QLatin1String("caption")) {
        m_caption = args;
    } else if (verb == QLatin1String("status")) {
        m_status = args;
    } else if (verb == QLatin1String("window")) {
        needWords(5);
        if (windowTitle(w[0]).isEmpty())
            bad(QStringLiteral("no window '%1'").arg(w[0]));
        const QRect r = rectOf(w, 1);
        m_windows.erase(std::remove_if(m_windows.begin(), m_windows.end(), [&](const OpenWindow& o) { return o.id == w[0]; }),
                        m_windows.end());
        m_windows.push_back(OpenWindow{w[0], r});
    } else if (verb == QLatin1String("close")) {
        needWords(1);
        if (!window(w[0]))
            bad(QStringLiteral("window '%1' is not open").arg(w[0]));
        m_windows.erase(std::remove_if(m_windows.begin(), m_windows.end(), [&](const OpenWindow& o) { return o.id == w[0]; }),
                        m_windows.end());
    } else if (verb == QLatin1String("front")) {
        needWords(1);
        OpenWindow* o = window(w[0]);
        if (!o)
            bad(QStringLiteral("window '%1' is not open").arg(w[0]));
        const OpenWindow copy = *o;
        m_windows.erase(std::remove_if(m_windows.begin(), m_windows.end(), [&](const OpenWindow& x) { return x.id == w[0]; }),
                        m_windows.end());
        m_windows.push_back(copy);
    } else if (verb == QLatin1String("node")) {
        // node PATH : KIND
        const int colon = args.indexOf(QLatin1String(" : "));
        const QString path = (colon < 0 ? args : args.left(colon)).trimmed();
        const QString kind = colon < 0 ? QStringLiteral("group") : args.mid(colon + 3).trimmed();
        if (node(path))
            bad(QStringLiteral("node '%1' exists already").arg(path));
        findNode(path, true, kind);
    } else if (verb == QLatin1String("delete")) {
        const QString path = args.trimmed();
        if (!node(path))
            bad(QStringLiteral("no node '%1'").arg(path));
        const int slash = path.lastIndexOf(QLatin1Char('/'));
        std::vector<NavNode>& level = slash < 0 ? m_tree : findNode(path.left(slash), false)->children;
        const QString last = path.mid(slash + 1);
        level.erase(std::remove_if(level.begin(), level.end(), [&](const NavNode& n) { return n.name == last; }),
                    level.end());
        if (m_selectedNode.startsWith(path))
            m_selectedNode.clear();
    } else if (verb == QLatin1String("rename")) {
        // rename PATH = NEWNAME
        const auto [path, name] = assignment(args);
        findNode(path, false)->name = name;
        if (m_selectedNode == path)
            m_selectedNode = path.left(path.lastIndexOf(QLatin1Char('/')) + 1) + name;
    } else if (verb == QLatin1String("expand") || verb == QLatin1String("collapse")) {
        findNode(args.trimmed(), false)->expanded = verb == QLatin1String("expand");
    } else if (verb == QLatin1String("select")) {
        findNode(args.trimmed(), false);
        m_selectedNode = args.trimmed();
        m_selectedProp.clear();
    } else if (verb == QLatin1String("prop")) {
        if (m_selectedNode.isEmpty())
            bad(QStringLiteral("prop: no node is selected"));
        const auto [name, value] = assignment(args);
        findNode(m_selectedNode, false)->props[name] = value;
    } else if (verb == QLatin1String("scroll")) {
        needWords(2);
        if (w[0] == QLatin1String("navigator"))
            m_navScroll = number(w[1]);
        else if (w[0] == QLatin1String("palette"))
            m_paletteScroll = number(w[1]);
        else
            bad(QStringLiteral("scroll navigator|palette N"));
    } else if (verb == QLatin1String("canvas")) {
        needWords(3);
        m_canvasName = w[0];
        m_canvasSize = QSize(number(w[1]), number(w[2]));
    } else if (verb == QLatin1String("item")) {
        // item NAME KIND x y w h [label]
        needWords(6);
        CanvasItem item{w[0], w[1], rectOf(w, 2), QString()};
        item.label = w.size() > 6 ? QStringList(w.mid(6)).join(QLatin1Char(' ')) : QString();
        m_items.erase(std::remove_if(m_items.begin(), m_items.end(), [&](const CanvasItem& i) { return i.name == item.name; }),
                      m_items.end());
        m_items.push_back(item);
    } else if (verb == QLatin1String("remove")) {
        needWords(1);
        const auto before = m_items.size();
        m_items.erase(std::remove_if(m_items.begin(), m_items.end(), [&](const CanvasItem& i) { return i.name == w[0]; }),
                      m_items.end());
        if (before == m_items.size())
            bad(QStringLiteral("no item '%1'").arg(w[0]));
        m_ticked.remove(w[0]);
    } else if (verb == QLatin1String("selitem")) {
        m_selectedItem = args.trimmed();
    } else if (verb == QLatin1String("tool")) {
        m_tool = args.trimmed();
    } else if (verb == QLatin1String("show")) {
        needWords(1);
        if (!m_defs.dialog(w[0]))
            bad(QStringLiteral("no dialog '%1'").arg(w[0]));
        OpenDialog d;
        d.id = w[0];
        if (w.size() >= 3)
            d.pos = QPoint(number(w[1]), number(w[2]));
        m_dialogs.push_back(d);
        m_openMenus.clear();
    } else if (verb == QLatin1String("swap")) {
        // The next page of a wizard: same place, other controls.
        needWords(1);
        if (!m_defs.dialog(w[0]))
            bad(QStringLiteral("no dialog '%1'").arg(w[0]));
        OpenDialog& d = dialog("swap");
        d = OpenDialog{w[0], d.pos, {}, {}, {}, {}, {}, {}};
    } else if (verb == QLatin1String("hide")) {
        dialog("hide");
        m_dialogs.pop_back();
        if (m_focus.startsWith(QLatin1String("fld:")))
            m_focus.clear();
    } else if (verb == QLatin1String("set")) {
        const auto [name, value] = assignment(args);
        if (name.startsWith(QLatin1String("run:")))
            m_runValues[name.mid(4)] = value;
        else
            dialog("set").fields[name] = value;
    } else if (verb == QLatin1String("rows")) {
        const auto [name, value] = assignment(args);
        dialog("rows").rows[name] = bars(value);
    } else if (verb == QLatin1String("selrow")) {
        const int slash = args.indexOf(QLatin1Char('/'));
        if (slash < 0)
            bad(QStringLiteral("selrow LIST/ROW"));
        dialog("selrow").selectedRow[args.left(slash).trimmed()] = args.mid(slash + 1).trimmed();
    } else if ((verb == QLatin1String("check") || verb == QLatin1String("uncheck")) && args.startsWith(QLatin1String("run:"))) {
        const QString name = args.mid(4).trimmed();
        if (!isCheckItem(name))
            bad(QStringLiteral("no check box '%1' on the canvas").arg(name));
        if (verb == QLatin1String("check"))
            m_ticked.insert(name);
        else
            m_ticked.remove(name);
    } else if (verb == QLatin1String("check") || verb == QLatin1String("uncheck")) {
        OpenDialog& d = dialog("check");
        if (verb == QLatin1String("check"))
            d.checked.insert(args.trimmed());
        else
            d.checked.remove(args.trimmed());
    } else if (verb == QLatin1String("choose")) {
        click(QStringLiteral("opt:") + args.trimmed());
    } else if (verb == QLatin1String("tab")) {
        dialog("tab").tab = args.trimmed();
    } else if (verb == QLatin1String("code")) {
        if (args.trimmed() == QLatin1String("clear"))
            m_code.clear();
        else
            m_code << (args.startsWith(QLatin1String("line ")) ? args.mid(5) : args);
    } else if (verb == QLatin1String("menu")) {
        // The pointer slid along the menu bar or into a sub-menu: no click
        // is recorded, but the frame shows that menu open.
        m_openMenus.clear();
        const QStringList parts = args.trimmed().split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (int i = 0; i < parts.size(); ++i) {
            const QString path = QStringList(parts.mid(0, i + 1)).join(QLatin1Char('/'));
            if (m_defs.menu(path).isEmpty())
                bad(QStringLiteral("no menu '%1'").arg(path));
            m_openMenus << path;
        }
    } else if (verb == QLatin1String("droplist")) {
        // droplist A | B | C = B opens the choices of the value being
        // clicked; a bare droplist closes them.
        m_dropChoices.clear();
        m_dropChosen.clear();
        m_dropAnchor.clear();
        if (args.trimmed().isEmpty())
            return;
        const auto [choices, chosen] = assignment(args);
        m_dropChoices = bars(choices);
        m_dropChosen = chosen.trimmed();
        if (!m_dropChoices.contains(m_dropChosen))
            bad(QStringLiteral("droplist: '%1' is not one of the choices").arg(m_dropChosen));
        m_dropAnchor = m_pressed.startsWith(QLatin1String("val:")) ? m_pressed : QStringLiteral("val:") + m_selectedProp;
    } else if (verb == QLatin1String("edtitle")) {
        m_editorTitle = args.trimmed();
    } else if (verb == QLatin1String("focus")) {
        setFocus(args.trimmed());
    } else {
        bad(QStringLiteral("unknown command '%1'").arg(verb));
    }
}

void ScreenModel::setFocus(const QString& target)
{
    m_focus = target;
    QString* text = focusedText();
    // Entering a filled field selects its text, so typing replaces it.
    m_replaceOnType = text && !text->isEmpty() && !target.startsWith(QLatin1String("ed:"));
}

QString* ScreenModel::focusedText()
{
    if (m_focus.startsWith(QLatin1String("fld:")) && !m_dialogs.empty())
        return &m_dialogs.back().fields[m_focus.mid(4)];
    if (m_focus.startsWith(QLatin1String("val:")) && !m_selectedNode.isEmpty()) {
        NavNode* n = findNode(m_selectedNode, false);
        const QString prop = m_focus.mid(4);
        if (!n->props.contains(prop))
            n->props[prop] = propertyValue(m_selectedNode, prop);
        return &n->props[prop];
    }
    if (m_focus == QLatin1String("ed:text")) {
        if (m_code.isEmpty())
            m_code << QString();
        return &m_code.last();
    }
    if (m_focus.startsWith(QLatin1String("run:")))
        return &m_runValues[m_focus.mid(4)];
    if (m_focus.startsWith(QLatin1String("item:")))
        for (auto& i : m_items)
            if (i.name == m_focus.mid(5))
                return &i.label;
    return nullptr;
}

void ScreenModel::typeKey(const QString& key)
{
    if (key == QLatin1String("Tab") && !m_dialogs.empty()) {
        // Tab walks the fields of the dialog in their order.
        QStringList fields;
        for (const auto& c : m_defs.dialog(m_dialogs.back().id)->controls)
            if (c.kind == QLatin1String("field") || c.kind == QLatin1String("text"))
                fields << QStringLiteral("fld:") + c.names.first();
        if (!fields.isEmpty())
            setFocus(fields[(fields.indexOf(m_focus) + 1) % fields.size()]);
        return;
    }
    QString* text = focusedText();
    if (!text)
        return;
    if (key == QLatin1String("Enter")) {
        // Multi-line boxes take a new line; one-line fields end the edit.
        if (m_focus == QLatin1String("ed:text"))
            m_code << QString();
        else if (focusIsTextBox())
            *text += QLatin1Char('\n');
        m_replaceOnType = false;
        return;
    }
    if (key == QLatin1String("Backspace")) {
        if (m_replaceOnType)
            text->clear();
        else
            text->chop(1);
        m_replaceOnType = false;
        return;
    }
    if (key == QLatin1String("Del")) {
        text->clear();
        m_replaceOnType = false;
        return;
    }
    if (key.size() != 1)
        return;   // arrows move the caret; nothing to draw
    if (m_replaceOnType)
        text->clear();
    m_replaceOnType = false;
    *text += key;
}

bool ScreenModel::focusIsTextBox() const
{
    if (m_dialogs.empty() || !m_focus.startsWith(QLatin1String("fld:")))
        return false;
    for (const auto& c : m_defs.dialog(m_dialogs.back().id)->controls)
        if (c.kind == QLatin1String("text") && c.names.first() == m_focus.mid(4))
            return true;
    return false;
}

void ScreenModel::click(const QString& t)
{
    if (t.startsWith(QLatin1String("node+:"))) {
        NavNode* n = findNode(t.mid(6), false);
        n->expanded = !n->expanded;
    } else if (t.startsWith(QLatin1String("node:"))) {
        m_selectedNode = t.mid(5);
        m_selectedProp.clear();
        if (m_focus.startsWith(QLatin1String("val:")))
            m_focus.clear();
    } else if (t.startsWith(QLatin1String("prop:"))) {
        // Clicking a property's name ends the edit of another value.
        m_selectedProp = t.mid(5);
        if (m_focus.startsWith(QLatin1String("val:")))
            m_focus.clear();
    } else if (t.startsWith(QLatin1String("val:"))) {
        m_selectedProp = t.mid(4);
        setFocus(t);
    } else if (t.startsWith(QLatin1String("run:")) && isCheckItem(t.mid(4))) {
        // A click on a check box of the running form ticks or clears it.
        setFocus(t);
        const QString name = t.mid(4);
        if (!m_ticked.remove(name))
            m_ticked.insert(name);
    } else if (t.startsWith(QLatin1String("fld:")) || t.startsWith(QLatin1String("run:")) || t == QLatin1String("ed:text")) {
        setFocus(t);
    } else if (t.startsWith(QLatin1String("chk:")) && !m_dialogs.empty()) {
        auto& checked = m_dialogs.back().checked;
        if (checked.contains(t.mid(4)))
            checked.remove(t.mid(4));
        else
            checked.insert(t.mid(4));
    } else if (t.startsWith(QLatin1String("opt:")) && !m_dialogs.empty()) {
        const QString option = t.mid(4);
        for (const auto& c : m_defs.dialog(m_dialogs.back().id)->controls)
            if (c.kind == QLatin1String("radio") && c.names.contains(option)) {
                m_dialogs.back().chosen[c.names.first()] = option;
                return;
            }
        bad(QStringLiteral("no option '%1' in dialog '%2'").arg(option, m_dialogs.back().id));
    } else if (t.startsWith(QLatin1String("row:")) && !m_dialogs.empty()) {
        const QString rest = t.mid(4);
        const int slash = rest.indexOf(QLatin1Char('/'));
        m_dialogs.back().selectedRow[rest.left(slash)] = rest.mid(slash + 1);
    } else if (t.startsWith(QLatin1String("tab:")) && !m_dialogs.empty()) {
        m_dialogs.back().tab = t.mid(4);
    } else if (t.startsWith(QLatin1String("tool:"))) {
        m_tool = t.mid(5);
    } else if (t.startsWith(QLatin1String("item:"))) {
        m_selectedItem = t.mid(5);
    } else if (t.startsWith(QLatin1String("win:")) && !t.endsWith(QLatin1String(".close"))) {
        command(QStringLiteral("front"), t.mid(4));
    }
}

void ScreenModel::event(Input input, const QString& target, const QString& keyText)
{
    switch (input) {
    case Input::NonClient:
        if (target.startsWith(QLatin1String("menu:")) && !target.contains(QLatin1Char('/'))) {
            const QString top = target.mid(5);
            m_openMenus = m_openMenus.value(0) == top ? QStringList() : QStringList{top};
        }
        return;
    case Input::Down:
        if (!target.startsWith(QLatin1String("menu:")))
            m_openMenus.clear();
        m_dropChoices.clear();
        m_pressed = target;
        return;
    case Input::Up: {
        m_pressed.clear();
        if (target.startsWith(QLatin1String("menu:")) && target.contains(QLatin1Char('/'))) {
            const QString path = target.mid(5);
            const QString parent = path.left(path.lastIndexOf(QLatin1Char('/')));
            const QString leaf = path.mid(parent.size() + 1);
            bool sub = false;
            for (const QString& item : m_defs.menu(parent))
                if (menuItemText(item) == leaf)
                    sub = menuItemHasSub(item);
            if (sub) {
                while (!m_openMenus.isEmpty() && m_openMenus.last() != parent)
                    m_openMenus.removeLast();
                m_openMenus << path;
            } else {
                m_openMenus.clear();
            }
            return;
        }
        click(target);
        return;
    }
    case Input::Key:
        typeKey(keyText);
        return;
    }
}

// --------------------------------------------------------------- layout

QRect ScreenModel::canvasOrigin() const
{
    for (const auto& w : m_windows)
        if (w.id == QLatin1String("layout"))
            return QRect(w.rect.x() + 4 + 56, w.rect.y() + kCaptionH + 4, m_canvasSize.width(), m_canvasSize.height());
    return {};
}

void ScreenModel::layoutChrome(std::vector<ScreenElement>& out) const
{
    out.push_back({QStringLiteral("desktop"), QStringLiteral("desktop"), QRect(0, 0, kWidth, kHeight), {}, 0, 0});
    out.push_back({QStringLiteral("title"), QStringLiteral("titlebar"), QRect(0, 0, kWidth, kTitleH), m_caption, 0, 0});
    const char* buttons[] = {"min", "max", "close"};
    for (int i = 0; i < 3; ++i)
        out.push_back({QStringLiteral("title.") + QLatin1String(buttons[i]), QStringLiteral("titlebtn"),
                       QRect(586 + 18 * i, 2, 16, 14), QLatin1String(buttons[i]), 0, 0});
    out.push_back({QString(), QStringLiteral("menubar"), QRect(0, kMenuBarY, kWidth, kMenuBarH), {}, 0, 0});
    int x = 2;
    for (const QString& top : m_defs.topMenus()) {
        const int w = textW(top) + 14;
        out.push_back({QStringLiteral("menu:") + top, QStringLiteral("menubaritem"), QRect(x, kMenuBarY + 1, w, kMenuBarH - 2),
                       top, m_openMenus.value(0) == top ? ScreenElement::Selected : 0, 0});
        x += w;
    }
    out.push_back({QString(), QStringLiteral("toolbar"), QRect(0, kToolbarY, kWidth, kToolbarH), {}, 0, 0});
    const QStringList tb = m_defs.toolbar();
    for (int i = 0; i < tb.size(); ++i)
        out.push_back({QStringLiteral("tb:") + tb[i], QStringLiteral("tbbtn"), QRect(4 + 26 * i + (i >= 3) * 8 + (i >= 6) * 8 + (i >= 9) * 8, kToolbarY + 2, 24, 22),
                       tb[i], 0, 0});
    out.push_back({QStringLiteral("workspace"), QStringLiteral("workspace"), QRect(0, kWorkTop, kWidth, kStatusY - kWorkTop), {}, 0, 0});
    out.push_back({QStringLiteral("status"), QStringLiteral("status"), QRect(0, kStatusY, kWidth, kHeight - kStatusY), m_status, 0, 0});
}

void ScreenModel::layoutWindow(const OpenWindow& w, std::vector<ScreenElement>& out) const
{
    const bool active = &w == &m_windows.back();
    out.push_back({QString(), QStringLiteral("window"), w.rect, {}, active ? ScreenElement::Selected : 0, 0});
    QString title = windowTitle(w.id);
    if (w.id == QLatin1String("layout"))
        title += QStringLiteral(": ") + m_canvasName;
    if (w.id == QLatin1String("editor") && !m_editorTitle.isEmpty())
        title += QStringLiteral(": ") + m_editorTitle;
    out.push_back({QStringLiteral("win:") + w.id, QStringLiteral("caption"), QRect(w.rect.x() + 2, w.rect.y() + 2, w.rect.width() - 4, kCaptionH - 2),
                   title, active ? ScreenElement::Selected : 0, 0});
    out.push_back({QStringLiteral("win:") + w.id + QStringLiteral(".close"), QStringLiteral("titlebtn"),
                   QRect(w.rect.right() - 16, w.rect.y() + 3, 13, 11), QStringLiteral("close"), 0, 0});
    const QRect client(w.rect.x() + 3, w.rect.y() + kCaptionH + 1, w.rect.width() - 6, w.rect.height() - kCaptionH - 4);
    out.push_back({QString(), QStringLiteral("client"), client, {}, 0, 0});
    if (w.id == QLatin1String("navigator")) layoutNavigator(client, out);
    else if (w.id == QLatin1String("palette")) layoutPalette(client, out);
    else if (w.id == QLatin1String("layout")) layoutLayout(client, out);
    else if (w.id == QLatin1String("editor")) layoutEditor(client, out);
    else if (w.id == QLatin1String("runtime")) layoutRuntime(client, out);
}

void ScreenModel::layoutNavigator(const QRect& client, std::vector<ScreenElement>& out) const
{
    const char* buttons[] = {"Expand", "Collapse", "Expand All", "Collapse All", "Create", "Delete"};
    for (int i = 0; i < 6; ++i)
        out.push_back({QStringLiteral("nav:") + QLatin1String(buttons[i]), QStringLiteral("navbtn"),
                       QRect(client.x() + 2 + 23 * i, client.y() + 2, 21, 19), QLatin1String(buttons[i]), 0, 0});
    out.push_back({QStringLiteral("nav:Find"), QStringLiteral("field"), QRect(client.x() + 146, client.y() + 3, std::max(40, client.width() - 150), 17),
                   QString(), 0, 0});
    const int top = client.y() + 24;
    int row = -m_navScroll;
    // Depth-first over expanded nodes: the rows the navigator lists.
    struct Walker {
        const ScreenModel* self;
        const QRect& client;
        int top;
        int* row;
        std::vector<ScreenElement>& out;
        void walk(const std::vector<NavNode>& nodes, const QString& prefix, int depth)
        {
            for (const NavNode& n : nodes) {
                const QString path = prefix.isEmpty() ? n.name : prefix + QLatin1Char('/') + n.name;
                const int y = top + *row * kRowH;
                if (*row >= 0 && y + kRowH <= client.bottom()) {
                    const int x = client.x() + 4 + depth * 16;
                    int flags = (self->m_selectedNode == path ? ScreenElement::Selected : 0)
                        | (n.expanded ? ScreenElement::Expanded : 0) | (n.children.empty() ? 0 : ScreenElement::HasChildren);
                    if (!n.children.empty())
                        out.push_back({QStringLiteral("node+:") + path, QStringLiteral("treebox"), QRect(x, y + 3, 9, 9), {}, flags, depth});
                    out.push_back({QStringLiteral("node:") + path, QStringLiteral("treerow"),
                                   QRect(x + 28, y, textW(n.name) + static_cast<int>(n.name.size()) + 6, kRowH), n.name, flags, depth});
                    out.push_back({QString(), QStringLiteral("treeicon:") + n.kind, QRect(x + 12, y + 2, 13, 12), {}, flags, depth});
                }
                ++*row;
                if (n.expanded)
                    walk(n.children, path, depth + 1);
            }
        }
    } walker{this, client, top, &row, out};
    walker.walk(m_tree, QString(), 0);
}

void ScreenModel::layoutPalette(const QRect& client, std::vector<ScreenElement>& out) const
{
    const NavNode* n = m_selectedNode.isEmpty() ? nullptr : node(m_selectedNode);
    static const QMap<QString, QString> kindNames = {
        {"module", "Form Module"}, {"radio", "Radio Group"}, {"radiobutton", "Radio Button"},
        {"recordgroup", "Record Group"}, {"checkbox", "Check Box"}, {"lov", "LOV"},
        {"attribute", "Visual Attribute"}, {"button", "Push Button"}, {"list", "List Item"},
        {"text", "Boilerplate Text"}, {"image", "Image Item"},
    };
    QString kind = n ? kindNames.value(n->kind, n->kind) : QString();
    if (!kind.isEmpty())
        kind[0] = kind[0].toUpper();
    const QString head = n ? kind + QStringLiteral(": ") + n->name : QStringLiteral("(no object)");
    out.push_back({QString(), QStringLiteral("palhead"), QRect(client.x(), client.y(), client.width(), 18), head, 0, 0});
    if (!n)
        return;
    const int nameW = std::min(150, client.width() / 2);
    int row = -m_paletteScroll;
    for (const auto& [prop, def] : m_defs.properties(n->kind)) {
        (void)def;
        const int y = client.y() + 20 + row * kRowH;
        ++row;
        if (row <= 0 || y + kRowH > client.bottom())
            continue;
        const int flags = m_selectedProp == prop ? ScreenElement::Selected : 0;
        const QString focusName = QStringLiteral("val:") + prop;
        out.push_back({QStringLiteral("prop:") + prop, QStringLiteral("propname"), QRect(client.x(), y, nameW, kRowH), prop, flags, 0});
        out.push_back({focusName, QStringLiteral("propval"), QRect(client.x() + nameW, y, client.width() - nameW, kRowH),
                       propertyValue(m_selectedNode, prop), flags | (m_focus == focusName ? ScreenElement::Focused : 0), 0});
    }
    layoutDropList(client, out);
}

void ScreenModel::layoutDropList(const QRect& client, std::vector<ScreenElement>& out) const
{
    if (m_dropChoices.isEmpty())
        return;
    const auto cell = std::find_if(out.rbegin(), out.rend(), [&](const ScreenElement& e) { return e.name == m_dropAnchor; });
    if (cell == out.rend())
        return;
    const QRect anchor = cell->rect;
    const int h = static_cast<int>(m_dropChoices.size()) * kRowH + 2;
    // Under the cell, or above it when the palette ends too soon.
    const int y = anchor.bottom() + 1 + h <= client.bottom() ? anchor.bottom() + 1 : anchor.top() - h;
    const QRect box(anchor.x(), y, anchor.width(), h);
    out.push_back({QString(), QStringLiteral("dropbox"), box, {}, 0, 0});
    for (int i = 0; i < m_dropChoices.size(); ++i)
        out.push_back({QString(), QStringLiteral("listrow"), QRect(box.x() + 1, box.y() + 1 + i * kRowH, box.width() - 2, kRowH),
                       m_dropChoices[i], m_dropChoices[i] == m_dropChosen ? ScreenElement::Selected : 0, 0});
}

void ScreenModel::layoutLayout(const QRect& client, std::vector<ScreenElement>& out) const
{
    out.push_back({QString(), QStringLiteral("toolpane"), QRect(client.x(), client.y(), 54, client.height()), {}, 0, 0});
    const QStringList tools = m_defs.tools();
    for (int i = 0; i < tools.size(); ++i) {
        const QRect r(client.x() + 3 + (i % 2) * 25, client.y() + 3 + (i / 2) * 24, 23, 22);
        if (r.bottom() > client.bottom())
            break;
        out.push_back({QStringLiteral("tool:") + tools[i], QStringLiteral("tool"), r, tools[i],
                       m_tool == tools[i] ? ScreenElement::Selected : 0, 0});
    }
    const QRect canvas = canvasOrigin().intersected(client.adjusted(57, 0, 0, 0));
    out.push_back({QStringLiteral("canvas"), QStringLiteral("canvas"), canvas, m_canvasName, 0, 0});
    const QPoint o = canvasOrigin().topLeft();
    for (const auto& item : m_items) {
        const QRect r = item.rect.translated(o).intersected(canvas);
        if (r.isEmpty())
            continue;
        out.push_back({QStringLiteral("item:") + item.name, QStringLiteral("item:") + item.kind, r, canvasText(item),
                       m_selectedItem == item.name ? ScreenElement::Selected : 0, 0});
    }
}

void ScreenModel::layoutEditor(const QRect& client, std::vector<ScreenElement>& out) const
{
    const char* buttons[] = {"Compile", "Revert", "New", "Delete", "Close", "Help"};
    for (int i = 0; i < 6; ++i)
        out.push_back({QStringLiteral("ed:") + QLatin1String(buttons[i]), QStringLiteral("button"),
                       QRect(client.x() + 4 + 62 * i, client.y() + 4, 58, 20), QLatin1String(buttons[i]), 0, 0});
    const QRect text(client.x() + 4, client.y() + 30, client.width() - 8, client.height() - 34);
    out.push_back({QStringLiteral("ed:text"), QStringLiteral("codearea"), text, m_code.join(QLatin1Char('\n')),
                   m_focus == QLatin1String("ed:text") ? ScreenElement::Focused : 0, 0});
}

void ScreenModel::layoutRuntime(const QRect& client, std::vector<ScreenElement>& out) const
{
    out.push_back({QString(), QStringLiteral("runcanvas"), client, {}, 0, 0});
    for (const auto& item : m_items) {
        const QRect r = item.rect.translated(client.topLeft() + QPoint(4, 4)).intersected(client);
        if (r.isEmpty())
            continue;
        const QString value = m_runValues.value(item.name);
        const QString name = QStringLiteral("run:") + item.name;
        const int flags = (m_focus == name ? ScreenElement::Focused : 0)
            | (m_ticked.contains(item.name) ? ScreenElement::Ticked : 0);
        out.push_back({name, QStringLiteral("item:") + item.kind, r, runningText(item, value), flags, 0});
    }
}

void ScreenModel::layoutMenus(std::vector<ScreenElement>& out) const
{
    QPoint origin;
    for (const QString& path : m_openMenus) {
        const QStringList items = m_defs.menu(path);
        if (!path.contains(QLatin1Char('/'))) {
            for (const auto& e : out)
                if (e.name == QStringLiteral("menu:") + path)
                    origin = QPoint(e.rect.x(), kMenuBarY + kMenuBarH);
        }
        int width = 120;
        int height = 4;
        for (const QString& item : items) {
            width = std::max(width, textW(menuItemText(item)) + 44);
            height += item == QLatin1String("-") ? kMenuSepH : kMenuRowH;
        }
        out.push_back({QString(), QStringLiteral("menu"), QRect(origin, QSize(width, height)), {}, 0, 0});
        int y = origin.y() + 2;
        QPoint next;
        for (const QString& item : items) {
            if (item == QLatin1String("-")) {
                out.push_back({QString(), QStringLiteral("menusep"), QRect(origin.x() + 2, y, width - 4, kMenuSepH), {}, 0, 0});
                y += kMenuSepH;
                continue;
            }
            const QString itemPath = path + QLatin1Char('/') + menuItemText(item);
            const bool open = m_openMenus.contains(itemPath);
            out.push_back({QStringLiteral("menu:") + itemPath, menuItemHasSub(item) ? QStringLiteral("menusub") : QStringLiteral("menuitem"),
                           QRect(origin.x() + 2, y, width - 4, kMenuRowH), menuItemText(item),
                           open ? ScreenElement::Selected : 0, 0});
            if (open)
                next = QPoint(origin.x() + width - 4, y - 2);
            y += kMenuRowH;
        }
        origin = next;
    }
}

void ScreenModel::layoutDialog(const OpenDialog& d, std::vector<ScreenElement>& out) const
{
    const DialogDef* def = m_defs.dialog(d.id);
    const int h = dialogHeight(*def);
    const QPoint pos = d.pos.value_or(QPoint((kWidth - def->width) / 2, (kHeight - h) / 2));
    const QRect box(pos, QSize(def->width, h));
    const bool top = &d == &m_dialogs.back();
    out.push_back({QString(), QStringLiteral("dialog"), box, {}, 0, 0});
    out.push_back({QStringLiteral("dlg:") + d.id, QStringLiteral("caption"), QRect(box.x() + 2, box.y() + 2, box.width() - 4, kCaptionH),
                   def->title, top ? ScreenElement::Selected : 0, 0});
    out.push_back({QStringLiteral("dlg.close"), QStringLiteral("titlebtn"), QRect(box.right() - 16, box.y() + 4, 13, 11), QStringLiteral("close"), 0, 0});
    const int left = box.x() + 10;
    const int right = box.right() - 10;
    int y = box.y() + kCaptionH + 8;
    auto fieldFlags = [&](const QString& name) { return m_focus == name && top ? ScreenElement::Focused : 0; };
    // Field labels share one column, as wide as its longest label needs.
    int labelW = 100;
    for (const auto& c : def->controls)
        if (c.kind == QLatin1String("field"))
            labelW = std::max(labelW, textW(c.label() + QLatin1Char(':')));
    auto listRows = [&](const QString& list, const QRect& r) {
        out.push_back({QStringLiteral("list:") + list, QStringLiteral("listbox"), r, {}, 0, 0});
        const QStringList rows = d.rows.value(list);
        for (int i = 0; i < rows.size(); ++i) {
            const QRect row(r.x() + 2, r.y() + 2 + i * kRowH, r.width() - 4, kRowH);
            if (row.bottom() > r.bottom())
                break;
            out.push_back({QStringLiteral("row:") + list + QLatin1Char('/') + rows[i], QStringLiteral("listrow"), row, rows[i],
                           d.selectedRow.value(list) == rows[i] ? ScreenElement::Selected : 0, 0});
        }
    };
    for (const auto& c : def->controls) {
        const QString first = c.names.value(0);
        if (c.kind == QLatin1String("label")) {
            out.push_back({QString(), QStringLiteral("label"), QRect(left, y, right - left, 16), first, 0, 0});
            y += 16;
        } else if (c.kind == QLatin1String("field")) {
            out.push_back({QString(), QStringLiteral("label"), QRect(left, y + 3, labelW, 16), c.label() + QLatin1Char(':'), 0, 0});
            const QString name = QStringLiteral("fld:") + first;
            out.push_back({name, QStringLiteral("field"), QRect(left + labelW + 4, y, right - left - labelW - 4, 20), d.fields.value(first),
                           fieldFlags(name), 0});
            y += 26;
        } else if (c.kind == QLatin1String("check")) {
            out.push_back({QStringLiteral("chk:") + first, QStringLiteral("check"), QRect(left, y, textW(first) + 24, 18), first,
                           d.checked.contains(first) ? ScreenElement::Selected : 0, 0});
            y += 20;
        } else if (c.kind == QLatin1String("radio")) {
            const QString chosen = d.chosen.value(first, first);
            for (const QString& option : c.names) {
                out.push_back({QStringLiteral("opt:") + option, QStringLiteral("radio"), QRect(left, y, textW(option) + 24, 18), option,
                               chosen == option ? ScreenElement::Selected : 0, 0});
                y += 20;
            }
        } else if (c.kind == QLatin1String("list")) {
            out.push_back({QString(), QStringLiteral("label"), QRect(left, y, right - left, 16), c.label() + QLatin1Char(':'), 0, 0});
            listRows(first, QRect(left, y + 18, right - left, c.rows * kRowH + 4));
            y += 18 + c.rows * kRowH + 10;
        } else if (c.kind == QLatin1String("text")) {
            const QString name = QStringLiteral("fld:") + first;
            out.push_back({QString(), QStringLiteral("label"), QRect(left, y, right - left, 16), c.label() + QLatin1Char(':'), 0, 0});
            out.push_back({name, QStringLiteral("textbox"), QRect(left, y + 18, right - left, c.rows * kRowH + 4), d.fields.value(first), fieldFlags(name), 0});
            y += 18 + c.rows * kRowH + 10;
        } else if (c.kind == QLatin1String("lists")) {
            const int w = (right - left - 56) / 2;
            out.push_back({QString(), QStringLiteral("label"), QRect(left, y, w, 16), c.names[0] + QLatin1Char(':'), 0, 0});
            out.push_back({QString(), QStringLiteral("label"), QRect(right - w, y, w, 16), c.names[1] + QLatin1Char(':'), 0, 0});
            const int boxH = c.rows * kRowH + 4;
            listRows(c.names[0], QRect(left, y + 18, w, boxH));
            listRows(c.names[1], QRect(right - w, y + 18, w, boxH));
            const char* moves[] = {">", ">>", "<", "<<"};
            for (int i = 0; i < 4; ++i)
                out.push_back({QStringLiteral("btn:") + QLatin1String(moves[i]), QStringLiteral("button"),
                               QRect(left + w + 8, y + 22 + i * 24, 40, 20), QLatin1String(moves[i]), 0, 0});
            y += 18 + boxH + 10;
        } else if (c.kind == QLatin1String("button")) {
            out.push_back({QStringLiteral("btn:") + first, QStringLiteral("button"), QRect(left + labelW + 4, y + 2, std::max(72, textW(first) + 16), 22), first, 0, 0});
            y += 28;
        } else if (c.kind == QLatin1String("buttons")) {
            int x = right;
            for (int i = static_cast<int>(c.names.size()) - 1; i >= 0; --i) {
                const int w = std::max(64, textW(c.names[i]) + 16);
                x -= w;
                out.push_back({QStringLiteral("btn:") + c.names[i], QStringLiteral("button"), QRect(x, y + 8, w, 22), c.names[i], 0, 0});
                x -= 6;
            }
            y += 36;
        } else if (c.kind == QLatin1String("tabs")) {
            int x = left;
            for (const QString& t : c.names) {
                const int w = textW(t) + 16;
                out.push_back({QStringLiteral("tab:") + t, QStringLiteral("tab"), QRect(x, y, w, 20), t,
                               d.tab.isEmpty() ? (t == first ? ScreenElement::Selected : 0) : (d.tab == t ? ScreenElement::Selected : 0), 0});
                x += w + 2;
            }
            y += 26;
        } else if (c.kind == QLatin1String("gap")) {
            y += c.rows;
        }
    }
}

std::vector<ScreenElement> ScreenModel::elements(const QString& hot) const
{
    std::vector<ScreenElement> out;
    layoutChrome(out);
    for (const auto& w : m_windows)
        layoutWindow(w, out);
    for (const auto& d : m_dialogs)
        layoutDialog(d, out);
    layoutMenus(out);
    for (auto& e : out) {
        if (e.name.isEmpty())
            continue;
        if (e.name == m_pressed)
            e.flags |= ScreenElement::Pressed;
        if (e.name == hot)
            e.flags |= ScreenElement::Hot;
        if (e.name == m_focus)
            e.flags |= ScreenElement::Focused;
    }
    return out;
}

std::optional<QRect> ScreenModel::target(const QString& name) const
{
    static const QRegularExpression point(QStringLiteral("^(canvas)?@(-?\\d+),(-?\\d+)$"));
    if (const auto m = point.match(name); m.hasMatch()) {
        QPoint p(m.captured(2).toInt(), m.captured(3).toInt());
        if (!m.captured(1).isEmpty()) {
            const QRect origin = canvasOrigin();
            if (origin.isNull())
                return std::nullopt;
            p += origin.topLeft();
        }
        return QRect(p, QSize(1, 1));
    }
    const auto all = elements();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (it->name == name)
            return it->rect;
    return std::nullopt;
}
