#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brelix {

// Brelix keeps text in UTF-8 and stores it in Windows-1252; these convert at the file boundary.

// Every byte has a character: the five bytes that Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D)
// become the control characters of the same code, so that any file reads and writes back unchanged.
std::string Win1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text, or nothing when the text holds a character that
// Windows-1252 cannot hold (or is not valid UTF-8).
std::optional<std::string> Utf8ToWin1252(std::string_view text);
// Utf8ToWin1252 appended to out; false, with out holding part of the text, when the text holds such a
// character. ASCII text, the bulk of every file, is copied as it is.
bool AppendWin1252(std::string& out, std::string_view text);

// Decodes the UTF-8 character at position i into cp and moves i past it. Only the shortest form of a
// character is valid UTF-8: an overlong form (C0 8D for a carriage return), a surrogate, a value
// above U+10FFFF or a truncated sequence gives false with i unchanged, since a decoder that took
// them would let a forbidden character (a line break, a "=") through every check made on the bytes.
bool DecodeUtf8(std::string_view text, std::size_t& i, char32_t& cp);

// True when the whole text is valid UTF-8.
bool IsValidUtf8(std::string_view text);

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool FitsWin1252(std::string_view text);

} // namespace brelix
