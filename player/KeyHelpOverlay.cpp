#include "player/KeyHelpOverlay.h"

#include "player/CentredOverlay.h"

namespace {

const char* const kKeys[][2] = {
    {"Enter, Space, Right", "NEXT"},
    {"Left, Backspace", "Back to the previous step"},
    {"R", "Replay the current step"},
    {"P, Pause", "Pause or resume"},
    {"Page Down, Page Up", "Next or previous part"},
    {"Home", "This part from its start"},
    {"+, -", "Faster or slower (0.5x to 2x)"},
    {"Z", "Fitted or actual size"},
    {"S", "The lesson's steps: Up, Down, Enter goes to one"},
    {"T", "Read the narration aloud, or no longer"},
    {"F1, ?", "These keys"},
    {"Escape", "Close this list or the step list"},
};

} // namespace

KeyHelpOverlay::KeyHelpOverlay(QWidget* parent)
    : QLabel(parent)
{
    QString rows;
    QString spoken;
    for (const auto& key : kKeys) {
        const QString keys = QString::fromUtf8(key[0]);
        const QString does = QString::fromUtf8(key[1]);
        rows += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                    .arg(keys.toHtmlEscaped(), does.toHtmlEscaped());
        spoken += QStringLiteral("%1: %2. ").arg(keys, does);
    }
    setText(QStringLiteral("<h3>Keys</h3><table>%1</table>").arg(rows));
    setTextFormat(Qt::RichText);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("QLabel { background: #fffff0; color: black; border: 2px solid black; padding: 12px; }"));
    setAccessibleName(QStringLiteral("Keys"));
    // A label offers screen readers its name but not its rich text: the
    // list itself goes into the description, one sentence per row.
    setAccessibleDescription(spoken.trimmed());
    hide();
}

void KeyHelpOverlay::showCentred(int scale)
{
    CentredOverlay::show(*this, scale);
    // A screen reader reads out what takes the focus, so the list is heard
    // as it appears. The keys still reach the player: its key filter takes
    // them from any widget of its window, and the narration box, which had
    // the focus, steps aside while the list is open.
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}
