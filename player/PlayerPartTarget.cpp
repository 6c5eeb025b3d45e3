#include "player/PlayerPartTarget.h"

#include "platform/AppError.h"
#include "player/proj10.h"
#include "store/Unit1.h"

namespace {

TProForm& lessonStore()
{
    if (ProForm == nullptr)
        throw AppError(QStringLiteral("The lesson store is not available"));
    return *ProForm;
}

} // namespace

void PlayerPartTarget::setEventScript(const QStringList& lines)
{
    m_player.engine().setEventScript(lines);
}

void PlayerPartTarget::setStepScript(const QStringList& lines)
{
    m_player.engine().setStepScript(lines);
}

DbfTable& PlayerPartTarget::frameStore()
{
    return lessonStore().Table1;
}

void PlayerPartTarget::setCurrentPartCode(const QString& code)
{
    lessonStore();
    m_player.engine().setCurrentPartCode(code);
}

void PlayerPartTarget::showPlayer()
{
    m_player.showPlayer();
}

void PlayerPartTarget::runPlayer()
{
    m_player.save1Click();
}
