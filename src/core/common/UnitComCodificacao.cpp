#include "common/UnitComCodificacao.h"

#include <cstdint>

namespace brelix {

namespace {

// Code points of the bytes 80 to 9F; the undefined bytes map to themselves.
constexpr char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The Windows-1252 byte of a code point, or -1 when it has none.
int ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int k = 0; k < 32; ++k)
        if (kHigh[k] == cp) return 0x80 + k;
    return -1;
}

} // namespace

std::string Win1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else if (b < 0xA0) {
            AppendUtf8(out, kHigh[b - 0x80]);
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}

bool DecodeUtf8(std::string_view text, std::size_t& i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) {
        cp = b0;
        ++i;
        return true;
    }
    // The lead byte gives the length and the smallest value of that length (anything below it is an
    // overlong form); C0, C1 and F5 to FF never lead.
    std::size_t extra = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1;
        value = b0 & 0x1F;
        smallest = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2;
        value = b0 & 0x0F;
        smallest = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3;
        value = b0 & 0x07;
        smallest = 0x10000;
    } else {
        return false;
    }
    if (text.size() - i <= extra) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) return false;
        value = (value << 6) | (b & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    cp = value;
    i += extra + 1;
    return true;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    char32_t cp = 0;
    while (i < text.size())
        if (!DecodeUtf8(text, i, cp)) return false;
    return true;
}

std::optional<std::string> Utf8ToWin1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        if (!DecodeUtf8(text, i, cp)) return std::nullopt;
        const int byte = ByteOf(cp);
        if (byte < 0) return std::nullopt;
        out += static_cast<char>(static_cast<unsigned char>(byte));
    }
    return out;
}

bool AppendWin1252(std::string& out, std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        // A run of ASCII characters is the same in both encodings.
        std::size_t j = i;
        while (j < text.size() && static_cast<unsigned char>(text[j]) < 0x80)
            ++j;
        out.append(text.data() + i, j - i);
        i = j;
        if (i == text.size()) break;
        char32_t cp = 0;
        if (!DecodeUtf8(text, i, cp)) return false;
        const int byte = ByteOf(cp);
        if (byte < 0) return false;
        out += static_cast<char>(static_cast<unsigned char>(byte));
    }
    return true;
}

bool FitsWin1252(std::string_view text) {
    return Utf8ToWin1252(text).has_value();
}

} // namespace brelix
