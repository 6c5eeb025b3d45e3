#include "player/StepListPanel.h"

#include "playback/PlaybackEngine.h"
#include "playback/StepListPlacement.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

constexpr int kPartRole = Qt::UserRole;
constexpr int kStepRole = Qt::UserRole + 1; // -1 on a part's row

const QString kMark = QStringLiteral("\u25b6 ");
constexpr int kPageRows = 10;

// A screen reader announces the list as a panel, not as a plain frame's border.
QAccessibleInterface* accessiblePanel(const QString& className, QObject* object)
{
    if (className != QLatin1String("StepListPanel") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
}

} // namespace

StepListPanel::StepListPanel(PlaybackEngine& engine, QWidget* panel)
    : QFrame(panel)
    , m_engine(engine)
{
    static const bool accessibleAsPanel = (QAccessible::installFactory(accessiblePanel), true);
    Q_UNUSED(accessibleAsPanel);
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    setAutoFillBackground(true);
    // A palette rather than a style sheet: the same colours, without a
    // style of its own for the panel and everything in it.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xff, 0xff, 0xf0));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAccessibleName(QStringLiteral("Step list"));
    setAccessibleDescription(QStringLiteral("The lesson's parts and their steps"));
    hide();
}

void StepListPanel::makeContents()
{
    // Made when the list is first opened: many learners never open it, and
    // every start of the program would pay for a tree it does not show.
    if (m_tree != nullptr)
        return;
    m_title = new QLabel(QStringLiteral("<b>Steps</b> &nbsp; Enter: go there &middot; Escape: close"), this);
    m_title->setTextFormat(Qt::RichText);
    m_title->setWordWrap(true);
    m_tree = new QTreeWidget(this);
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setUniformRowHeights(true);
    // A narrow list cuts a row at its end; its tooltip has it whole.
    m_tree->setTextElideMode(Qt::ElideRight);
    m_tree->setAccessibleName(QStringLiteral("Steps"));
    m_tree->setAccessibleDescription(QStringLiteral("Enter goes to the chosen step"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_title);
    layout->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { choose(item); });
}

void StepListPanel::openList(const QRect& frame)
{
    makeContents();
    sync();
    show();
    refit(frame);
    raise();
    takeKeys();
}

void StepListPanel::takeKeys()
{
    // The narration box may hold the keyboard: the list takes it back, so
    // that Enter after Up or Down chooses rather than presses NEXT.
    if (!isActiveWindow())
        activateWindow();
    m_tree->setFocus();
}

void StepListPanel::closeList()
{
    hide();
    if (m_pausedPlayback)
        m_engine.setPaused(false);
    m_pausedPlayback = false;
}

void StepListPanel::refit(const QRect& frame)
{
    if (!isVisible() || parentWidget() == nullptr)
        return;
    const StepListPlacement placement = StepListPlacement::place(parentWidget()->size(), frame);
    m_docked = placement.docked;
    setGeometry(placement.rect);
    // Over the frame, playback waits; beside it, it goes on as it was
    // before the list came over the frame.
    if (!m_docked && !m_pausedPlayback && !m_engine.paused()) {
        m_pausedPlayback = true;
        m_engine.setPaused(true);
    } else if (m_docked && m_pausedPlayback) {
        m_pausedPlayback = false;
        m_engine.setPaused(false);
    }
}

void StepListPanel::sync()
{
    if (m_tree == nullptr)
        return; // never opened: nothing to mark
    if (m_model.queue() != m_engine.queue() || m_tree->topLevelItemCount() == 0) {
        rebuild();
        return;
    }
    QTreeWidgetItem* before = itemOf(m_model.currentStep());
    const bool following = m_tree->currentItem() == nullptr || m_tree->currentItem() == before;
    if (!m_model.markCurrent(m_engine.currentStepIndex()))
        return;
    markRows();
    QTreeWidgetItem* now = itemOf(m_model.currentStep());
    if (following && now != nullptr)
        select(now);
}

void StepListPanel::rebuild()
{
    m_model = StepListModel(m_engine);
    m_tree->clear();
    for (const StepListModel::Part& part : m_model.parts()) {
        auto* partItem = new QTreeWidgetItem(m_tree, {part.title});
        partItem->setData(0, kPartRole, part.index);
        partItem->setData(0, kStepRole, -1);
        QFont bold = partItem->font(0);
        bold.setBold(true);
        partItem->setFont(0, bold);
        for (const StepListModel::Step& step : part.steps) {
            auto* stepItem = new QTreeWidgetItem(partItem);
            stepItem->setData(0, kPartRole, part.index);
            stepItem->setData(0, kStepRole, step.index);
            stepItem->setToolTip(0, step.label());
        }
    }
    m_tree->expandAll();
    markRows();
    QTreeWidgetItem* current = itemOf(m_model.currentStep());
    if (current == nullptr)
        current = m_tree->topLevelItem(0);
    if (current != nullptr)
        select(current);
}

void StepListPanel::markRows()
{
    for (const StepListModel::Part& part : m_model.parts()) {
        QTreeWidgetItem* partItem = m_tree->topLevelItem(part.index);
        if (partItem == nullptr)
            continue;
        for (std::size_t s = 0; s < part.steps.size(); ++s) {
            const StepListModel::Step& step = part.steps[s];
            QTreeWidgetItem* item = partItem->child(int(s));
            const QString label = QStringLiteral("%1. %2").arg(step.index + 1).arg(step.label());
            item->setText(0, step.current ? kMark + label : label);
            QFont font = item->font(0);
            font.setBold(step.current);
            item->setFont(0, font);
            // A screen reader hears the mark as words, not as a glyph.
            item->setData(0, Qt::AccessibleTextRole,
                          step.current ? QStringLiteral("Current step, ") + label : label);
        }
    }
}

QTreeWidgetItem* StepListPanel::itemOf(int stepIndex) const
{
    const std::optional<std::pair<int, int>> row = m_model.rowOf(stepIndex);
    if (!row)
        return nullptr;
    QTreeWidgetItem* part = m_tree->topLevelItem(row->first);
    return part != nullptr ? part->child(row->second) : nullptr;
}

void StepListPanel::moveSelection(int by)
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (item == nullptr)
        item = m_tree->topLevelItem(0);
    for (int moved = 0; item != nullptr && moved < std::abs(by); ++moved) {
        QTreeWidgetItem* next = by < 0 ? m_tree->itemAbove(item) : m_tree->itemBelow(item);
        if (next == nullptr)
            break;
        item = next;
    }
    if (item != nullptr)
        select(item);
}

void StepListPanel::select(QTreeWidgetItem* item)
{
    m_tree->setCurrentItem(item);
    // The part's title in view too where it fits, so the step is read
    // with its part.
    if (item->parent() != nullptr)
        m_tree->scrollToItem(item->parent());
    m_tree->scrollToItem(item);
}

bool StepListPanel::listKey(int key, bool typedIntoList)
{
    if (!isVisible())
        return false;
    // Typed into the list, or with the list over the frame, the keys that
    // move through a list are the list's: playback must not move under it.
    const bool listsOwn = typedIntoList || !m_docked;
    const int everyRow = 1 << 16;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Not the player's keys, so the list takes them wherever the focus is.
        moveSelection(key == Qt::Key_Up ? -1 : 1);
        takeKeys();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (listsOwn)
            moveSelection(key == Qt::Key_PageUp ? -kPageRows : kPageRows);
        return listsOwn;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (listsOwn)
            moveSelection(key == Qt::Key_Home ? -everyRow : everyRow);
        return listsOwn;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Beside the frame, Enter elsewhere stays NEXT for the narration box.
        if (listsOwn)
            choose(m_tree->currentItem());
        return listsOwn;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Space:
        return listsOwn; // nothing to do in an always-open list, and not playback's
    default:
        return false;
    }
}

void StepListPanel::choose(const QTreeWidgetItem* item)
{
    if (item == nullptr || !runStep)
        return;
    const int part = item->data(0, kPartRole).toInt();
    const int step = item->data(0, kStepRole).toInt();
    runStep([&] {
        if (step >= 0)
            m_engine.goToStep(step);
        else
            m_engine.goToPart(part);
        // Over the frame, the list has done its work once the learner is
        // there; beside it, it stays for the next choice.
        if (!m_docked)
            closeList();
    });
}
