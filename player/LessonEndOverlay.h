#pragma once

#include <QFrame>

#include <functional>

class QLabel;
class QPushButton;

// Says that the lesson has played to its end, over its last frame, and
// offers the next lesson (Enter) or the way back to the lessons (Escape).
class LessonEndOverlay : public QFrame {
    Q_OBJECT
public:
    explicit LessonEndOverlay(QWidget* parent = nullptr);

    // hasNext: a lesson follows, so "Next lesson" can be pressed.
    void showCentred(bool hasNext, int scale);

    std::function<void()> onNextLesson;
    std::function<void()> onBackToLessons;

    QPushButton* nextLesson() const { return m_next; }
    QPushButton* backToLessons() const { return m_back; }

private:
    QLabel* m_text = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_back = nullptr;
};
