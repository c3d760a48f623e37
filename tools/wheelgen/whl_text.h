#pragma once

#include "cover_problem.h"

#include <optional>
#include <string>
#include <vector>

namespace wheelgen {

// "01 04 07 09 12": the positions of a line ascending, two digits each,
// separated by single blanks.
std::string formatLine(Mask line);

// Writes the lines, sorted, one per text line. Returns false on a write error.
bool writeWheelFile(const std::string& path, std::vector<Mask> lines);

// Reads a file written by writeWheelFile; nothing when a line is not five
// distinct positions 1..n in the fixed layout.
std::optional<std::vector<Mask>> readWheelFile(const std::string& path, int n);

} // namespace wheelgen
