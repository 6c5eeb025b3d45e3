#include "player/LessonEndOverlay.h"

#include "player/CentredOverlay.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LessonEndOverlay::LessonEndOverlay(QWidget* parent)
    : QFrame(parent)
    , m_text(new QLabel(QStringLiteral("This lesson is complete."), this))
    , m_next(new QPushButton(QStringLiteral("Next lesson"), this))
    , m_back(new QPushButton(QStringLiteral("Back to the lessons"), this))
{
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("LessonEndOverlay { background: #fffff0; color: black; }"));
    setAccessibleName(QStringLiteral("Lesson complete"));
    m_text->setAlignment(Qt::AlignCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_next);
    buttons->addWidget(m_back);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    connect(m_next, &QPushButton::clicked, this, [this] {
        if (onNextLesson)
            onNextLesson();
    });
    connect(m_back, &QPushButton::clicked, this, [this] {
        if (onBackToLessons)
            onBackToLessons();
    });
    hide();
}

void LessonEndOverlay::showCentred(bool hasNext, int scale)
{
    m_next->setEnabled(hasNext);
    CentredOverlay::show(*this, scale);
}
