#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brelix {

// Text conventions shared by every layer: numbers as the user reads and types them (decimal comma),
// and the ASCII-only case folding used by every sorted list.

// A real number in general format: up to 15 significant digits, trailing zeros dropped, the decimal
// comma only when needed; fixed-point when the value has at most 15 integer digits and a magnitude of
// at least 0.00001, otherwise scientific ("1,5E-7", "2E20"). Zero is "0"; infinities and NaN, which
// only a degenerate computation produces, are "INF", "-INF" and "NAN".
std::string RealToStr(double value);

// The same form with as many significant digits as it takes, 15 to 17, for the text to read back to
// exactly the value: for files, where a value must come back as it was written (with 15 digits the
// largest double, 1,7976931348623157E308, would round up out of range). The value must be finite:
// no file holds an infinity or NaN.
std::string RealToStrExato(double value);

// Reads a real number written in the form above: an optional "-", digits, an optional comma with
// digits, an optional exponent ("E" or "e", an optional sign, digits). Nothing else is accepted, no
// blanks either; a value out of the range of a double is refused.
bool TryStrToReal(std::string_view text, double& value);
double StrToRealDef(std::string_view text, double fallback);

// Reads a 32-bit signed integer: an optional "-" and decimal digits, nothing else, within range.
bool TryStrToInt(std::string_view text, std::int32_t& value);
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);
// As above, but a text that is not an integer raises EConvertError naming the text.
std::int32_t StrToInt(std::string_view text);

std::string IntToStr(std::int64_t value);

// Fixed point with two decimals and the decimal comma ("-2,00"), as loop-set gains are shown.
std::string FixedToStr2(double value);

// A text as a message may show it: every control character (C0, DEL, C1) and every byte that is not
// part of valid UTF-8 written as \xNN, so that a damaged file cannot send escape sequences to the
// user's terminal through a message that quotes it; cut after maxChars characters, with "...".
std::string TextoVisivel(std::string_view text, std::size_t maxChars = std::string_view::npos);

// A text of a damaged file quoted in an error message: visible as above, cut short when it is long.
std::string Excerpt(std::string_view text);

// Upper-cases the ASCII letters only; every other byte is kept as it is.
std::string UpperAscii(std::string_view text);
// Compares the upper-cased texts byte by byte: negative, zero or positive.
int CompareUpper(std::string_view a, std::string_view b);
// True when the texts are equal ignoring the case of ASCII letters.
bool SameTextAscii(std::string_view a, std::string_view b);

} // namespace brelix
