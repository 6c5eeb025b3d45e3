#pragma once

#include <optional>

// The author tool's course-content commands:
//   render-part CODE|FILE.story DIR      frames as DIR/0000.jpg, 0001.jpg, ...
//   export-library DIR                   every list as DIR/<sheet>/<list>.txt, CR LF
//   build-library STORYBOARDS LIBRARY    regenerate the library lists from storyboards
//   show-part CODE|FILE.story            print the generated event and step scripts
//   check-part CODE|FILE.story           compare a part with its allocation row
// Returns the exit code, or nothing when argv names another command.
std::optional<int> runContentCommand(int argc, char* argv[]);
