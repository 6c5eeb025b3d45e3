#include "content/storyboard/ContinuityCheck.h"

#include "content/Catalogue.h"
#include "content/storyboard/Storyboard.h"

namespace ContinuityCheck {
namespace {

// Lines of one outline missing from the other, each with a sign: "-" for
// what the earlier part ended with and the later one lacks, "+" for what
// the later one begins with unexplained.
QStringList differences(const QStringList& ended, const QStringList& begins)
{
    QStringList out;
    for (const QString& line : ended)
        if (!begins.contains(line))
            out << QStringLiteral("- ") + line;
    for (const QString& line : begins)
        if (!ended.contains(line))
            out << QStringLiteral("+ ") + line;
    return out;
}

} // namespace

QStringList check(const std::vector<Storyboard>& partsInOrder)
{
    QStringList problems;
    QStringList ended;
    QString previous;
    for (const Storyboard& board : partsInOrder) {
        const Storyboard::Result played = board.play();
        if (!previous.isEmpty() && board.startsElsewhere().isEmpty()) {
            const QStringList diff = differences(ended, played.startForm);
            if (!diff.isEmpty())
                problems << QStringLiteral("%1 does not begin where %2 ended: %3")
                                .arg(board.code(), previous, diff.join(QStringLiteral("; ")));
        }
        ended = played.endForm;
        previous = board.code();
    }
    return problems;
}

QStringList checkCourse(const QString& folder)
{
    std::vector<Storyboard> boards;
    for (int lesson = 0; lesson < 20; ++lesson)
        for (const QString& code : Catalogue::partCodes(lesson)) {
            if (folder.isEmpty()) {
                boards.push_back(Storyboard::builtIn(code));
                continue;
            }
            const QString file = code + QStringLiteral(".story");
            boards.push_back(Storyboard::parse(StoryboardText::load(folder + QLatin1Char('/') + file), file));
        }
    return check(boards);
}

} // namespace ContinuityCheck
