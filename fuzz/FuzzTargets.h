#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

// The bodies of the fuzz targets. Each takes one input, runs it through the
// code under test and swallows the failures that code reports to its user
// (AppError); anything else that goes wrong is a finding. Broken promises
// that do not crash (a record posted but not read back) throw Violation.
// The libFuzzer mains and the regression replay test share these bodies.
namespace FuzzTargets {

class Violation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// A table with its memo file: 4-byte little-endian length of the .dbf part,
// the .dbf bytes, then the .dbt bytes. Opens, walks every record reading
// every field, then appends one record and reads it back.
void table(const std::uint8_t* data, std::size_t size);

// An event script (lines split at '\n'): the reader, the writer's round
// trip, and the player's own reading of each event line.
void eventScript(const std::uint8_t* data, std::size_t size);

// A step script: the reader, the writer's round trip and the step lookup.
void stepScript(const std::uint8_t* data, std::size_t size);

// The player's narration pass: first line is the event number text, the
// rest is the step script; both forms of the pass run.
void narration(const std::uint8_t* data, std::size_t size);

// The JPEG decoder on bytes in memory.
void decoder(const std::uint8_t* data, std::size_t size);

// Splits a fuzz input into the .dbf and .dbt parts of table(); the inverse
// builds seeds and regression files.
struct TableInput {
    const std::uint8_t* dbf = nullptr;
    std::size_t dbfSize = 0;
    const std::uint8_t* dbt = nullptr;
    std::size_t dbtSize = 0;
};
TableInput splitTableInput(const std::uint8_t* data, std::size_t size);

} // namespace FuzzTargets
