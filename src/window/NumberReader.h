#pragma once

#include <string>
#include <string_view>

// The strict reading of the numeric boxes: digits, at most one separator (full stop
// or comma) and a minus sign in first place only.
bool IsAcceptedNumberText(std::string_view text);

// Reads a text that IsAcceptedNumberText accepted: an optional "-", integer digits,
// then optionally a separator and fraction digits; missing parts count as 0. The
// decimal text goes to the nearest 64-bit float, whatever the locale. A number
// beyond the 64-bit float range raises an overflow RuntimeError.
double ReadLenientNumber(std::string_view text);

// The shortest decimal text that reads back as the same 32-bit float ("-1", "12").
std::string ShortestText(float value);
