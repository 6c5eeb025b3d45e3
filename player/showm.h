#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;
class QWidget;
class ScaledScrollBarStyle;

// The narration box: a small always-on-top box with a NEXT button over the
// step's text. The player fills and places it; NEXT or closing it lets the
// pointer move on.
class Tpopupform : public QDialog {
    Q_OBJECT
public:
    explicit Tpopupform(QWidget* parent = nullptr);

    // The text, one step-script line per memo line, given whole so the box
    // lays it out once.
    void setLines(const QStringList& lines);
    const QStringList& lines() const { return m_lines; }

    // Size, button and font grow with the frame, so the box covers the same
    // part of the recorded screen at every scale.
    void setScale(int scale);
    int scale() const { return m_scale; }

    // NEXT: hide; the pointer moves on unless the frame store has run out.
    void NBClick();
    // The box is closed (title-bar button, the player's Close or closing the
    // player): the pointer moves on whatever the frame store's state.
    void FormClose();
    // Every time the box appears: NEXT takes the focus, so Enter or Space
    // presses it.
    void FormShow();

    QWidget* Panel1 = nullptr;
    QPushButton* BBB = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStringList m_lines;
    int m_scale = 0; // 0 until the first layout
    qreal m_buttonPoints = 0; // NEXT's font size at scale 1
    ScaledScrollBarStyle* m_scrollBarStyle = nullptr; // owned as a child
};

extern Tpopupform* popupform;
