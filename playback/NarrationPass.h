#pragma once

#include <QString>
#include <QStringList>

struct PlayerState;

// The scan of a part's step script for the steps of one event. It walks every
// line from first to last and reacts to the few lines a step is made of: the
// "%Screen =  N" line that opens the step, the arrow lines, "%Location = ",
// "%Scroll= 0" that starts the text and "!" that ends it. What it finds goes
// straight to the view as it is read, so a conversion failure half-way leaves
// what was already placed.
namespace NarrationPass {

enum class Form {
    Run,   // at Run: text and box position only, no arrow lines
    Frame, // at every frame step: arrows too
};

// The straight arrows and the diagonal ones, which point to a corner.
enum class Arrow { Right, Left, Down, Up, NorthWest, SouthWest, SouthEast, NorthEast };

// Where the pass puts what it reads. Positions are final: screen coordinates
// for the box, panel coordinates for the arrow.
class View {
public:
    virtual ~View() = default;
    virtual void clearText() = 0;
    virtual void appendText(const QString& line) = 0;
    virtual void setBoxLeft(int left) = 0;
    virtual void setBoxTop(int top) = 0;
    virtual void copyArrowPicture(Arrow arrow) = 0;
    virtual void setArrowTop(int top) = 0;
    virtual void setArrowLeft(int left) = 0;
};

// The built-in arrow file names, in the order they are tested. Each names
// its own picture, diagonal ones included, so an arrow always points the
// way its step says.
struct ArrowName {
    const char* fileName;
    Arrow arrow;
};
extern const ArrowName kArrowNames[8];

// Runs the pass for the event numbered state.screennum over lsnlist. Resets
// stepstate, textstate, locrest and the box text first (and arrowstate in the
// frame form). Afterwards stepstate is "Done" when a step was opened and
// closed, and arrowstate is "ON" when an arrow position was read. Throws
// AppError "'<text>' is not a valid integer value" on a bad number.
void run(Form form, const QStringList& lsnlist, PlayerState& state, View& view);

} // namespace NarrationPass
