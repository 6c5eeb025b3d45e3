#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class Storyboard;

// The course builds one example form lesson by lesson, so each part must
// begin with the form the part played before it left behind, unless its
// storyboard says it starts elsewhere. Parts are given in play order.
namespace ContinuityCheck {

// One line per broken hand-over, naming the two parts and the objects or
// canvas items that appear, vanish or change between them; empty when
// every part carries on.
QStringList check(const std::vector<Storyboard>& partsInOrder);

// The same over the whole course in the catalogue's lesson and part order:
// the storyboards of FOLDER (<code>.story), or the built-in ones when
// folder is empty.
QStringList checkCourse(const QString& folder = QString());

} // namespace ContinuityCheck
