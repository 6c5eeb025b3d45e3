#pragma once

#include "playback/StepListModel.h"

#include <QFrame>
#include <QRect>

#include <functional>

class PlaybackEngine;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The learner's step list ("S"): the lesson's parts and, under each, its
// narration steps; the step on screen marked. Choosing a row goes there
// through the engine. Beside the frame it lets playback run; over the frame
// it pauses playback while open and resumes it on closing, unless the
// learner had paused first.
class StepListPanel : public QFrame {
    Q_OBJECT
public:
    StepListPanel(PlaybackEngine& engine, QWidget* panel);

    // Runs a step of the engine as the player's handlers do: guarded, and
    // the engine's state shown after it, also when it failed.
    std::function<void(const std::function<void()>&)> runStep;

    // frame: where the frame stands on the panel.
    void openList(const QRect& frame);
    void closeList();
    // After the frame moved or changed size: beside or over it again,
    // pausing or resuming to match.
    void refit(const QRect& frame);
    bool docked() const { return m_docked; }
    bool coversFrame() const { return isVisible() && !m_docked; }

    // Marks the engine's current step, the list rebuilt when the lesson's
    // queue changed. The selection follows the mark unless the learner
    // moved it elsewhere.
    void sync();

    // Up and Down move the selection wherever the focus is. Typed into the
    // list, or whenever the list covers the frame, Enter chooses the
    // selected row, Page Up/Down and Home/End move, and Left, Right and
    // Space do nothing. Returns whether the key was the list's.
    bool listKey(int key, bool typedIntoList);
    void choose(const QTreeWidgetItem* item);

    // The list's rows; made when the list is first opened (null before).
    QTreeWidget* tree() const { return m_tree; }
    const StepListModel& model() const { return m_model; }

private:
    void makeContents();
    void rebuild();
    void markRows();
    void moveSelection(int by);
    void takeKeys();
    void select(QTreeWidgetItem* item);
    QTreeWidgetItem* itemOf(int stepIndex) const;

    PlaybackEngine& m_engine;
    StepListModel m_model;
    QLabel* m_title = nullptr;
    QTreeWidget* m_tree = nullptr;
    bool m_docked = false;
    bool m_pausedPlayback = false; // opening paused it, so closing resumes it
};
