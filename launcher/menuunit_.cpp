#include "launcher/menuunit_.h"

#include "launcher/PartLoader.h"

#include <QListWidget>

TMainf* Mainf = nullptr;

TMainf::TMainf(QWidget* parent)
    : QMainWindow(parent)
    , playlistbox(new QListWidget(this))
{
    playlistbox->hide();
}

void TMainf::runsimu(const QString& codeText, int lessonIndex)
{
    PartLoader::run(codeText, lessonIndex);
}
