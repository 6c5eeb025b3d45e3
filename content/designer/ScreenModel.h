#pragma once

#include "content/designer/DesignerDefs.h"

#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One drawable, clickable piece of the designer's screen. Elements come in
// painting order; a target name finds the topmost element that bears it.
struct ScreenElement {
    enum Flag { Pressed = 1, Selected = 2, Focused = 4, Expanded = 8, Hot = 16, HasChildren = 32, Ticked = 64 };

    QString name;    // target name, empty for pure decoration
    QString kind;    // what the painter draws
    QRect rect;
    QString text;
    int flags = 0;
    int depth = 0;   // tree rows: nesting level
};

struct NavNode {
    QString name;
    QString kind;
    bool expanded = false;
    QMap<QString, QString> props;
    std::vector<NavNode> children;
};

struct CanvasItem {
    QString name;
    QString kind;     // text button check radio list image textitem rect line frame
    QRect rect;       // canvas coordinates
    QString label;
};

struct OpenWindow {
    QString id;       // navigator palette layout editor runtime
    QRect rect;
};

struct OpenDialog {
    QString id;
    std::optional<QPoint> pos;
    QMap<QString, QString> fields;
    QSet<QString> checked;
    QMap<QString, QString> chosen;        // first option of a radio -> chosen option
    QMap<QString, QStringList> rows;      // list name -> rows
    QMap<QString, QString> selectedRow;   // list name -> row
    QString tab;
};

// The designer's 640 x 480 screen in one state of a recorded session. The
// state changes through commands (what the session did off the record:
// open a window, create a node) and through recorded events (a click on a
// tree node selects it, typed keys go into the focused field). Every
// clickable part has a stable name, so sessions name targets, not pixels.
class ScreenModel {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    explicit ScreenModel(const DesignerDefs& defs = DesignerDefs::builtIn());

    // Applies one state command; throws AppError with a short reason when
    // the command or its arguments are not understood.
    void command(const QString& verb, const QString& args);

    enum class Input { Down, Up, NonClient, Key };
    // Applies the effect of a recorded event on target (a target name, or
    // empty for keys and bare positions).
    void event(Input input, const QString& target, const QString& keyText = {});

    // Every element in painting order, the given target drawn as the one
    // the pointer is heading for.
    std::vector<ScreenElement> elements(const QString& hot = {}) const;

    // The rectangle of a target in the current state. Besides element names
    // it understands "canvas@X,Y" (a canvas point) and "@X,Y" (a screen
    // point).
    std::optional<QRect> target(const QString& name) const;

    QString focus() const { return m_focus; }
    QStringList openMenus() const { return m_openMenus; }
    QString topDialog() const { return m_dialogs.empty() ? QString() : m_dialogs.back().id; }
    const NavNode* node(const QString& path) const;
    QString propertyValue(const QString& path, const QString& prop) const;
    // The form being built, as lines of text: each object below Forms that
    // the session made (not the standard groups) as "PATH : KIND", then
    // each canvas item as "NAME KIND X Y W H LABEL". Two states hold the
    // same form exactly when their outlines are equal, which is how one
    // lesson is checked to carry on from where the one before it ended.
    QStringList formOutline() const;

private:
    NavNode* findNode(const QString& path, bool create, const QString& kind = {});
    OpenDialog& dialog(const char* verb);
    OpenWindow* window(const QString& id);
    void setFocus(const QString& target);
    void typeKey(const QString& keyText);
    void click(const QString& target);
    QString* focusedText();
    bool focusIsTextBox() const;
    bool isCheckItem(const QString& name) const;
    static QString canvasText(const CanvasItem& item);
    static QString runningText(const CanvasItem& item, const QString& value);
    QRect canvasOrigin() const;

    void layoutChrome(std::vector<ScreenElement>& out) const;
    void layoutWindow(const OpenWindow& w, std::vector<ScreenElement>& out) const;
    void layoutNavigator(const QRect& client, std::vector<ScreenElement>& out) const;
    void layoutPalette(const QRect& client, std::vector<ScreenElement>& out) const;
    void layoutLayout(const QRect& client, std::vector<ScreenElement>& out) const;
    void layoutEditor(const QRect& client, std::vector<ScreenElement>& out) const;
    void layoutRuntime(const QRect& client, std::vector<ScreenElement>& out) const;
    void layoutMenus(std::vector<ScreenElement>& out) const;
    void layoutDropList(const QRect& client, std::vector<ScreenElement>& out) const;
    void layoutDialog(const OpenDialog& d, std::vector<ScreenElement>& out) const;

    const DesignerDefs& m_defs;
    QString m_caption = QStringLiteral("Form Designer");
    QString m_status = QStringLiteral("Ready");
    std::vector<OpenWindow> m_windows;          // back to front
    std::vector<NavNode> m_tree;
    QString m_selectedNode;
    int m_navScroll = 0;
    int m_paletteScroll = 0;
    QString m_selectedProp;
    QString m_canvasName = QStringLiteral("CANVAS1");
    QSize m_canvasSize{540, 340};
    std::vector<CanvasItem> m_items;
    QString m_selectedItem;
    QString m_tool = QStringLiteral("Select");
    QStringList m_code;
    QString m_editorTitle;
    QMap<QString, QString> m_runValues;
    QSet<QString> m_ticked;                     // check boxes of the running form
    // A palette value's list of choices, shown open under its cell while
    // the learner picks from it.
    QString m_dropAnchor;                       // "val:PROPERTY"
    QStringList m_dropChoices;
    QString m_dropChosen;
    QStringList m_openMenus;
    std::vector<OpenDialog> m_dialogs;
    QString m_focus;
    bool m_replaceOnType = false;
    QString m_pressed;
};
