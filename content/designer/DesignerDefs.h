#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// One control of a dialog, in the order the dialog stacks them.
struct DialogControl {
    QString kind;        // label field text check radio list lists button buttons tabs gap
    QStringList names;   // the label text, field name, options, list names or button captions
    int rows = 0;        // lists and text boxes: visible rows; gap: pixels
    QString caption;     // the label shown when it differs from the name targets use

    QString label() const { return caption.isEmpty() ? names.value(0) : caption; }
};

struct DialogDef {
    QString id;
    QString title;
    int width = 300;
    std::vector<DialogControl> controls;
};

// What the designer's screen is made of, read from its definition text:
// menus, toolbar, navigator nodes, property rows and dialogs.
class DesignerDefs {
public:
    // Parses a definition text; throws AppError naming the line when a line
    // does not follow the grammar.
    static DesignerDefs parse(const QStringList& lines);
    // The definition compiled into the program.
    static const DesignerDefs& builtIn();

    // The items of a menu path ("File", "File/New"); a trailing " >" marks
    // an item with a sub-menu, "-" a separator.
    QStringList menu(const QString& path) const { return m_menus.value(path); }
    QStringList topMenus() const { return m_topMenus; }
    QStringList toolbar() const { return m_toolbar; }
    QStringList tools() const { return m_tools; }
    QStringList nodes(const QString& kind) const { return m_nodes.value(kind); }
    // Property rows of an object kind: name and default value.
    std::vector<std::pair<QString, QString>> properties(const QString& kind) const
    {
        return m_props.value(kind);
    }
    bool hasPropertyKind(const QString& kind) const { return m_props.contains(kind); }
    const DialogDef* dialog(const QString& id) const;
    QStringList dialogIds() const { return m_dialogs.keys(); }

private:
    QMap<QString, QStringList> m_menus;
    QStringList m_topMenus;
    QStringList m_toolbar;
    QStringList m_tools;
    QMap<QString, QStringList> m_nodes;
    QMap<QString, std::vector<std::pair<QString, QString>>> m_props;
    QMap<QString, DialogDef> m_dialogs;
};
