#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

// Builds small frame stores in the current directory for the player tests:
// "master\<code>\simu.dbf" with one JPEG frame per colour in GR.
namespace CourseBuilder {

// The colour of frame k of a store made by makeStore(code, n): distinct per
// store and per frame, and far apart so that JPEG noise cannot mix them up.
QColor frameColour(int store, int frame);

// Makes the store of code with the given frame colours.
void makeStore(const QString& code, const std::vector<QColor>& frames);

// A store of tiny frames, one per record, for tests that compare where
// playback is rather than what the frame shows.
void makeSmallStore(const QString& code, int records);

// Opens the store of code in ProForm's table the way the loader does.
void openStore(const QString& code);

// The colour at the centre of a decoded frame.
QColor centreColour(const QImage& frame);

// True when two colours are within JPEG's noise of each other.
bool near(const QColor& a, const QColor& b);

} // namespace CourseBuilder
