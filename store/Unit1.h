#pragma once

#include "platform/DbfTable.h"
#include "platform/TableField.h"

#include <QWidget>

// The lesson-store window: owns the one table object through which every
// frame store is read and written; its caption is the current part code.
class TProForm : public QWidget {
    Q_OBJECT
public:
    explicit TProForm(QWidget* parent = nullptr);

    DbfTable Table1;
    TableField Table1GR{Table1, QByteArrayLiteral("GR"), TableField::Kind::Blob};
    TableField Table1M{Table1, QByteArrayLiteral("M"), TableField::Kind::Memo};
};

extern TProForm* ProForm;
