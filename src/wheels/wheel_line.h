#pragma once

#include "data/draw_record.h"

#include <QByteArrayView>
#include <array>
#include <optional>
#include <span>

namespace numbrava {

// The text of one wheel definition line as the file reader sees it: the
// item up to the first comma, or the quoted item when the line opens with a
// double quote, without its leading and trailing blanks.
QByteArray wheelLineItem(QByteArrayView textLine);

// The five ball positions of an item: two-character fields at columns 1-2,
// 4-5, 7-8, 10-11 and 13-14. A field reads as the digits it holds ("03",
// " 3" and "3 " are all 3); one that does not start with a digit, or with a
// blank and a digit, reads 0, and so does a field beyond the end of the item.
std::array<int, 5> wheelLinePositions(QByteArrayView item);

// The entry a wheel line stands for: position p is the p-th smallest number
// of the sorted group. Nothing when a position is 0 or beyond the group, which
// means the definition file is corrupt. The bonus is left 0 for the builder.
std::optional<EntryLine> decodeWheelLine(QByteArrayView textLine, std::span<const int> group);

} // namespace numbrava
