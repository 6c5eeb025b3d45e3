#include "store/OpenDialog.h"

#include <QFileDialog>

OpenDialog::OpenDialog(QWidget* parent)
    : m_parent(parent)
    , m_chooser([](QWidget* owner) { return QFileDialog::getOpenFileName(owner); })
{
}

bool OpenDialog::Execute()
{
    const QString chosen = m_chooser(m_parent);
    if (chosen.isEmpty())
        return false;
    FileName = chosen;
    return true;
}
