#pragma once

#include <QString>

// The program's five windows, made once the way the program makes them, for
// the benchmarks that drive the player and the launcher through their real
// handlers.
namespace BenchWindows {

// Creates the windows on first use.
void ensure();
void destroy();

// Error boxes raised by a handler since the last call of takeErrors().
void noteError(const QString& text);
int takeErrors();

} // namespace BenchWindows
