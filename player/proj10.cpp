#include "player/proj10.h"

Tsimu_form* simu_form = nullptr;

Tsimu_form::Tsimu_form(QWidget* parent)
    : QMainWindow(parent)
{
}

void Tsimu_form::save1Click() {}
