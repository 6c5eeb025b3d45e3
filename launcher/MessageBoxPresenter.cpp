#include "launcher/MessageBoxPresenter.h"

#include "launcher/Prompter.h"
#include "platform/ErrorPresenter.h"

#include <QMessageBox>

namespace MessageBoxPresenter {

void install()
{
    ErrorPresenter::setSink([](const QString& title, const QString& text) {
        QMessageBox::critical(nullptr, title, text);
    });
    Prompter::setMessageSink([](const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
        box.exec();
    });
    Prompter::setConfirmSink([](const QString& title, const QString& text) {
        return QMessageBox::question(nullptr, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes;
    });
}

} // namespace MessageBoxPresenter
