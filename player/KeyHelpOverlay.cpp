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
    for (const auto& key : kKeys)
        rows += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                    .arg(QString::fromUtf8(key[0]).toHtmlEscaped(), QString::fromUtf8(key[1]).toHtmlEscaped());
    setText(QStringLiteral("<h3>Keys</h3><table>%1</table>").arg(rows));
    setTextFormat(Qt::RichText);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("QLabel { background: #fffff0; color: black; border: 2px solid black; padding: 12px; }"));
    setAccessibleName(QStringLiteral("Keys"));
    setAccessibleDescription(QStringLiteral("The player's keys"));
    hide();
}

void KeyHelpOverlay::showCentred(int scale)
{
    CentredOverlay::show(*this, scale);
}
