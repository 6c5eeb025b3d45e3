#include "player/showm.h"

Tpopupform* popupform = nullptr;

Tpopupform::Tpopupform(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Message Box"));
}
