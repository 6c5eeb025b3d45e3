#include "store/Unit1.h"

TProForm* ProForm = nullptr;

TProForm::TProForm(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("ProForm"));
    Table1.setTableName(QStringLiteral("simu.dbf"));
}
