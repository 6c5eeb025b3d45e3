#pragma once

#include "playback/NarrationPass.h"

#include <QStringList>

#include <optional>

// What one narration pass put on the screen, kept instead of applied, so a
// pass can be read once and replayed when the learner goes to a step. What
// the pass did not set stays empty: the box and the arrow then keep what an
// earlier pass gave them.
struct NarrationRecord : NarrationPass::View {
    QStringList lines;
    std::optional<int> boxLeft;
    std::optional<int> boxTop;
    std::optional<NarrationPass::Arrow> picture; // the last picture copied
    std::optional<int> arrowTop;
    std::optional<int> arrowLeft;
    bool shown = false;       // the pass closed a step: the box is shown
    bool arrowShown = false;  // the pass read an arrow position

    void clearText() override { lines.clear(); }
    void appendText(const QString& line) override { lines << line; }
    void setBoxLeft(int left) override { boxLeft = left; }
    void setBoxTop(int top) override { boxTop = top; }
    void copyArrowPicture(NarrationPass::Arrow arrow) override { picture = arrow; }
    void setArrowTop(int top) override { arrowTop = top; }
    void setArrowLeft(int left) override { arrowLeft = left; }
};
