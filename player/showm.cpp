#include "player/showm.h"

#include "platform/HandlerGuard.h"
#include "player/ScaledScrollBarStyle.h"
#include "player/proj10.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

Tpopupform* popupform = nullptr;

Tpopupform::Tpopupform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , Panel1(new QWidget(this))
    , BBB(new QPushButton(QStringLiteral("NEXT"), Panel1))
    , Memo1(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("Message Box"));
    setModal(false);
    BBB->setAutoDefault(true);
    BBB->setAccessibleName(QStringLiteral("NEXT"));
    Memo1->setAccessibleName(QStringLiteral("Narration"));
    connect(BBB, &QPushButton::clicked, this, [this] { NBClick(); });

    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFocusPolicy(Qt::ClickFocus);
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, Qt::white);
    Memo1->setPalette(pal);
    // Made after the text, so it is deleted after the scroll bar using it;
    // setScale gives it to the scroll bar.
    m_scrollBarStyle = new ScaledScrollBarStyle(this);
    m_buttonPoints = BBB->font().pointSizeF();
    setScale(1);
}

void Tpopupform::setScale(int scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    setFixedSize(200 * scale, 138 * scale);
    Panel1->setGeometry(0, 0, 200 * scale, 25 * scale);
    BBB->setGeometry(0, 0, 73 * scale, 25 * scale);
    Memo1->setGeometry(0, 25 * scale, 200 * scale, (138 - 25) * scale);
    QFont font = Memo1->font();
    font.setPointSize(8 * scale);
    Memo1->setFont(font);
    QFont buttonFont = BBB->font();
    buttonFont.setPointSizeF(m_buttonPoints * scale);
    BBB->setFont(buttonFont);
    m_scrollBarStyle->setScale(scale);
    // Given again, so the scroll bar takes its new width, and the text
    // around it laid out anew at once, so the box never shows the old one.
    Memo1->verticalScrollBar()->setStyle(m_scrollBarStyle);
    QEvent relayout(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(Memo1, &relayout);
}

void Tpopupform::setLines(const QStringList& lines)
{
    m_lines = lines;
    const QString text = m_lines.join(QLatin1Char('\n'));
    Memo1->setPlainText(text);
    // A screen reader presents a dialog that appears by its name and
    // description: the narration itself, not just "Message Box", is then
    // what the learner hears, without first moving into the text.
    setAccessibleDescription(text);
    // The box shows a narration from its start, however long it is.
    Memo1->verticalScrollBar()->setValue(0);
}

void Tpopupform::NBClick()
{
    guarded([&] {
        hide();
        // The pointer moves on unless the frame store has run out.
        if (simu_form != nullptr)
            simu_form->narrationNext();
    });
}

void Tpopupform::FormClose()
{
    guarded([&] {
        if (simu_form != nullptr)
            simu_form->narrationClosed();
    });
}

void Tpopupform::FormShow()
{
    guarded([&] { BBB->setFocus(Qt::OtherFocusReason); });
}

void Tpopupform::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tpopupform::closeEvent(QCloseEvent* event)
{
    // Not QDialog's: that would reject, which only hides.
    FormClose();
    event->accept();
}

void Tpopupform::keyPressEvent(QKeyEvent* event)
{
    // Escape must not hide the box behind the player's back: the pointer
    // would wait for a NEXT that can no longer be pressed.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
