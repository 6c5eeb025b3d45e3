#pragma once

#include "playback/PartLoader.h"

class Tsimu_form;

// Loads parts into the real windows: the scripts into the player's lists,
// the frame store and current part code of the lesson store ProForm, then
// shows and runs the player.
class PlayerPartTarget : public PartLoader::Target {
public:
    explicit PlayerPartTarget(Tsimu_form& player)
        : m_player(player)
    {
    }

    void setEventScript(const QStringList& lines) override;
    void setStepScript(const QStringList& lines) override;
    DbfTable& frameStore() override;
    void setCurrentPartCode(const QString& code) override;
    void showPlayer() override;
    void runPlayer() override;

private:
    Tsimu_form& m_player;
};
