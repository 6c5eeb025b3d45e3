#include "launcher/MessageBoxPresenter.h"

#include "platform/ErrorPresenter.h"

#include <QMessageBox>

namespace MessageBoxPresenter {

void install()
{
    ErrorPresenter::setSink([](const QString& title, const QString& text) {
        QMessageBox::critical(nullptr, title, text);
    });
}

} // namespace MessageBoxPresenter
