#include "whl_text.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <fstream>

namespace wheelgen {

namespace {
// Lexicographic order of the sorted positions, the order a reader expects.
bool lexLess(Mask a, Mask b) {
    for (int bit = 0; bit < 16; ++bit) {
        const bool inA = (a >> bit) & 1u;
        const bool inB = (b >> bit) & 1u;
        if (inA != inB)
            return inA;
    }
    return false;
}

std::optional<Mask> parseLine(const std::string& text, int n) {
    if (text.size() < 14)
        return std::nullopt;
    Mask line = 0;
    int previous = 0;
    for (int field = 0; field < 5; ++field) {
        const char hi = text[field * 3];
        const char lo = text[field * 3 + 1];
        if (hi < '0' || hi > '9' || lo < '0' || lo > '9')
            return std::nullopt;
        const int position = (hi - '0') * 10 + (lo - '0');
        if (position <= previous || position > n)
            return std::nullopt;
        line = static_cast<Mask>(line | (1u << (position - 1)));
        previous = position;
    }
    return line;
}
} // namespace

std::string formatLine(Mask line) {
    std::string out;
    for (int bit = 0; bit < 16; ++bit) {
        if (!((line >> bit) & 1u))
            continue;
        char field[4];
        std::snprintf(field, sizeof field, "%02d", bit + 1);
        if (!out.empty())
            out += ' ';
        out += field;
    }
    return out;
}

bool writeWheelFile(const std::string& path, std::vector<Mask> lines) {
    std::sort(lines.begin(), lines.end(), lexLess);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (Mask line : lines)
        out << formatLine(line) << '\n';
    out.close();
    return static_cast<bool>(out);
}

std::optional<std::vector<Mask>> readWheelFile(const std::string& path, int n) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<Mask> lines;
    std::string text;
    while (std::getline(in, text)) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        const auto line = parseLine(text, n);
        if (!line)
            return std::nullopt;
        lines.push_back(*line);
    }
    return lines;
}

} // namespace wheelgen
