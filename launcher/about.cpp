#include "launcher/about.h"

#include "launcher/Artwork.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TAboutBox* AboutBox = nullptr;

namespace {

QFont aboutFont(bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    f.setBold(bold);
    return f;
}

QLabel* line(QWidget* parent, const QRect& place, const QString& text, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(aboutFont(bold));
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
              | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(284, 196);
    setFont(aboutFont());

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 268, 145);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setGeometry(8, 8, 32, 32);
    ProgramIcon->setPixmap(QPixmap::fromImage(Artwork::programIcon()));

    ProductName = line(Panel1, QRect(56, 10, 200, 16), QStringLiteral("LESSONWRIGHT"), true);
    Version = line(Panel1, QRect(56, 30, 200, 16), QStringLiteral("FOR BEGINNER - FORM DESIGN"));
    Copyright = line(Panel1, QRect(8, 62, 250, 16), QStringLiteral("Copyright (C) 1999 Korvane Publishing Inc."));
    Comments = line(Panel1, QRect(8, 86, 250, 50),
        QStringLiteral("Visit www.korvane-publishing.example or call (555) 014-2290."));
    Comments->setWordWrap(true);
    Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(104, 162, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox()
{
    if (AboutBox == this)
        AboutBox = nullptr;
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect outer = frameGeometry();
        outer.moveCenter(screen->availableGeometry().center());
        move(outer.topLeft());
    }
}
