#include "launcher/MessageBoxPresenter.h"
#include "launcher/about.h"
#include "launcher/menuunit_.h"
#include "platform/ErrorPresenter.h"
#include "platform/ScratchDir.h"
#include "player/proj10.h"
#include "player/showm.h"
#include "store/Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ScratchDir::Session scratch;
    MessageBoxPresenter::install();

    Mainf = new TMainf;
    ProForm = new TProForm;
    simu_form = new Tsimu_form;
    popupform = new Tpopupform;
    AboutBox = new TAboutBox;

    Mainf->show();
    const int rc = app.exec();
    return rc;
}
