#include "content/designer/DesignerDefs.h"

#include "content/ScriptLibrary.h"
#include "platform/AppError.h"

#include <QFile>

namespace {

[[noreturn]] void fail(int index, const QString& what)
{
    throw AppError(QStringLiteral("designer.txt line %1: %2").arg(index + 1).arg(what));
}

QStringList splitBars(const QString& text)
{
    QStringList parts;
    for (const QString& p : text.split(QLatin1Char('|')))
        parts << p.trimmed();
    if (parts.size() == 1 && parts.first().isEmpty())
        return {};
    return parts;
}

// "NAME = a | b" -> NAME and its items.
bool keyed(const QString& rest, QString* key, QStringList* items)
{
    const int eq = rest.indexOf(QLatin1String(" = "));
    if (eq < 0)
        return false;
    *key = rest.left(eq).trimmed();
    *items = splitBars(rest.mid(eq + 3));
    return !key->isEmpty();
}

// Splits a trailing row count off "Name words 6".
int trailingNumber(QString* text)
{
    const int space = text->lastIndexOf(QLatin1Char(' '));
    bool ok = false;
    const int n = space < 0 ? 0 : text->mid(space + 1).toInt(&ok);
    if (!ok || n <= 0)
        return -1;
    text->truncate(space);
    return n;
}

} // namespace

DesignerDefs DesignerDefs::parse(const QStringList& lines)
{
    DesignerDefs d;
    DialogDef* open = nullptr;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString word = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1);
        if (open) {
            if (word == QLatin1String("end")) {
                open = nullptr;
                continue;
            }
            DialogControl c;
            c.kind = word;
            QString text = rest;
            // A trailing "Caption" shows other words than the name that
            // storyboards target the control by.
            if (word != QLatin1String("label") && text.endsWith(QLatin1Char('"'))) {
                const int quote = text.lastIndexOf(QLatin1Char('"'), -2);
                if (quote < 0 || text.size() - quote < 3)
                    fail(i, QStringLiteral("caption without its opening quote"));
                c.caption = text.mid(quote + 1, text.size() - quote - 2);
                text = text.left(quote).trimmed();
            }
            if (word == QLatin1String("label") || word == QLatin1String("field") || word == QLatin1String("check")
                || word == QLatin1String("button")) {
                c.names << text;
            } else if (word == QLatin1String("radio") || word == QLatin1String("buttons")
                       || word == QLatin1String("tabs")) {
                c.names = splitBars(text);
            } else if (word == QLatin1String("list") || word == QLatin1String("text")
                       || word == QLatin1String("lists")) {
                c.rows = trailingNumber(&text);
                if (c.rows < 0)
                    fail(i, QStringLiteral("row count missing"));
                c.names = word == QLatin1String("lists") ? splitBars(text) : QStringList{text};
                if (word == QLatin1String("lists") && c.names.size() != 2)
                    fail(i, QStringLiteral("lists needs two names"));
            } else if (word == QLatin1String("gap")) {
                bool ok = false;
                c.rows = text.toInt(&ok);
                if (!ok)
                    fail(i, QStringLiteral("gap needs pixels"));
            } else {
                fail(i, QStringLiteral("unknown dialog control '%1'").arg(word));
            }
            if (c.names.isEmpty() && word != QLatin1String("gap"))
                fail(i, QStringLiteral("control without a name"));
            open->controls.push_back(c);
            continue;
        }
        QString key;
        QStringList items;
        if (word == QLatin1String("menu")) {
            if (!keyed(rest, &key, &items))
                fail(i, QStringLiteral("menu PATH = items"));
            d.m_menus.insert(key, items);
            if (!key.contains(QLatin1Char('/')))
                d.m_topMenus << key;
        } else if (word == QLatin1String("toolbar") || word == QLatin1String("tools")) {
            const int eq = line.indexOf(QLatin1Char('='));
            if (eq < 0)
                fail(i, QStringLiteral("%1 = items").arg(word));
            (word == QLatin1String("toolbar") ? d.m_toolbar : d.m_tools) = splitBars(line.mid(eq + 1));
        } else if (word == QLatin1String("nodes")) {
            if (!keyed(rest, &key, &items))
                fail(i, QStringLiteral("nodes KIND = names"));
            d.m_nodes.insert(key, items);
        } else if (word == QLatin1String("props")) {
            if (!keyed(rest, &key, &items))
                fail(i, QStringLiteral("props KIND = rows"));
            std::vector<std::pair<QString, QString>> rows;
            for (const QString& item : items) {
                const int eq = item.indexOf(QLatin1Char('='));
                rows.emplace_back(eq < 0 ? item : item.left(eq), eq < 0 ? QString() : item.mid(eq + 1));
            }
            d.m_props.insert(key, rows);
        } else if (word == QLatin1String("dialog")) {
            // dialog ID "Title" WIDTH
            const int q1 = rest.indexOf(QLatin1Char('"'));
            const int q2 = rest.lastIndexOf(QLatin1Char('"'));
            if (q1 < 0 || q2 <= q1)
                fail(i, QStringLiteral("dialog ID \"Title\" WIDTH"));
            DialogDef def;
            def.id = rest.left(q1).trimmed();
            def.title = rest.mid(q1 + 1, q2 - q1 - 1);
            bool ok = false;
            def.width = rest.mid(q2 + 1).trimmed().toInt(&ok);
            if (!ok || def.id.isEmpty() || def.width < 120 || def.width > 640)
                fail(i, QStringLiteral("dialog ID \"Title\" WIDTH"));
            if (d.m_dialogs.contains(def.id))
                fail(i, QStringLiteral("dialog '%1' defined twice").arg(def.id));
            open = &*d.m_dialogs.insert(def.id, def);
        } else {
            fail(i, QStringLiteral("unknown definition '%1'").arg(word));
        }
    }
    if (open)
        throw AppError(QStringLiteral("designer.txt: dialog '%1' has no end").arg(open->id));
    return d;
}

const DesignerDefs& DesignerDefs::builtIn()
{
    static const DesignerDefs defs = [] {
        QFile file(QStringLiteral(":/storyboards/designer.txt"));
        if (!file.open(QIODevice::ReadOnly))
            throw AppError(QStringLiteral("The designer definition is missing"));
        return parse(ScriptLibrary::splitLines(file.readAll()));
    }();
    return defs;
}

const DialogDef* DesignerDefs::dialog(const QString& id) const
{
    const auto it = m_dialogs.constFind(id);
    return it == m_dialogs.constEnd() ? nullptr : &*it;
}
