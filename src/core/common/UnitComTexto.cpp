#include "common/UnitComTexto.h"

#include "common/UnitComCodificacao.h"
#include "common/UnitComErro.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace brelix {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char UpperChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Length of the run of digits starting at position i.
std::size_t DigitRun(std::string_view text, std::size_t i) {
    std::size_t n = 0;
    while (i + n < text.size() && IsDigit(text[i + n]))
        ++n;
    return n;
}

// True when the whole text is a real number of the accepted form.
bool HasRealForm(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    std::size_t n = DigitRun(text, i);
    if (n == 0) return false;
    i += n;
    if (i < text.size() && text[i] == ',') {
        n = DigitRun(text, i + 1);
        if (n == 0) return false;
        i += 1 + n;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        n = DigitRun(text, i);
        if (n == 0) return false;
        i += n;
    }
    return i == text.size();
}

} // namespace

namespace {

// The text of a finite, non-zero value rounded to `precision` significant digits (15 to 17).
std::string FormatReal(double value, int precision) {
    // Round first: the choice between fixed and scientific form depends on the rounded value
    // (99999,9999999999999 becomes 100000 at 15 digits).
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
    std::string_view text(buffer);
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t ePos = text.find('e');
    std::string digits;
    for (char c : text.substr(0, ePos))
        if (IsDigit(c)) digits += c;
    int exponent = std::atoi(std::string(text.substr(ePos + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string result = negative ? "-" : "";
    if (exponent >= -5 && exponent <= 14) {
        if (exponent >= 0) {
            const auto intDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                result += digits + std::string(intDigits - digits.size(), '0');
            } else {
                result += digits.substr(0, intDigits) + "," + digits.substr(intDigits);
            }
        } else {
            result += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        }
        return result;
    }
    result += digits.substr(0, 1);
    if (digits.size() > 1) result += "," + digits.substr(1);
    result += "E";
    if (exponent < 0) result += "-";
    result += std::to_string(std::abs(exponent));
    return result;
}

// A whole number of at most 15 digits, which FormatReal writes as its digits alone: the coefficients
// of a large function are nearly all of this kind, so they skip the formatting and its checks.
bool TextoInteiro(double value, std::string& text) {
    if (!(std::fabs(value) < 1e15) || value != std::trunc(value)) return false;
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(value));
    text.assign(digits, written.ptr);
    return true;
}

} // namespace

std::string RealToStr(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0.0) return "0";
    if (std::string text; TextoInteiro(value, text)) return text;
    return FormatReal(value, 15);
}

std::string RealToStrExato(double value) {
    assert(std::isfinite(value) && "no file holds an infinity or NaN");
    if (value == 0.0) return "0";
    if (std::string text; TextoInteiro(value, text)) return text;
    // 17 significant digits always name a double exactly; fewer are kept when they do.
    for (int precision = 15; precision < 17; ++precision) {
        std::string text = FormatReal(value, precision);
        double back = 0.0;
        if (TryStrToReal(text, back) && back == value) return text;
    }
    return FormatReal(value, 17);
}

bool TryStrToReal(std::string_view text, double& value) {
    if (!HasRealForm(text)) return false;
    std::string copy(text);
    for (char& c : copy)
        if (c == ',') c = '.';
    double parsed = 0.0;
    const auto [end, error] = std::from_chars(copy.data(), copy.data() + copy.size(), parsed);
    if (error != std::errc() || end != copy.data() + copy.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

double StrToRealDef(std::string_view text, double fallback) {
    double value = 0.0;
    return TryStrToReal(text, value) ? value : fallback;
}

bool TryStrToInt(std::string_view text, std::int32_t& value) {
    if (text.empty()) return false;
    const std::size_t start = text.front() == '-' ? 1 : 0;
    if (DigitRun(text, start) != text.size() - start || start == text.size()) return false;
    std::int32_t parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
    std::int32_t value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

std::int32_t StrToInt(std::string_view text) {
    std::int32_t value = 0;
    if (!TryStrToInt(text, value)) throw EConvertError(Excerpt(text) + " não é um valor inteiro válido");
    return value;
}

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

std::string FixedToStr2(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text(buffer);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string TextoVisivel(std::string_view text, std::size_t maxChars) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size(); ++chars) {
        if (chars == maxChars) return out + "...";
        const std::size_t start = i;
        char32_t cp = 0;
        const bool valid = DecodeUtf8(text, i, cp);
        if (valid && cp >= 0x20 && cp != 0x7F && !(cp >= 0x80 && cp <= 0x9F)) {
            out.append(text.substr(start, i - start));
            continue;
        }
        // A control character is shown by its code, a byte that is no character by its value.
        const unsigned value = valid ? static_cast<unsigned>(cp) : static_cast<unsigned char>(text[start]);
        if (!valid) ++i;
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", value);
        out += escaped;
    }
    return out;
}

std::string Excerpt(std::string_view text) {
    return "\"" + TextoVisivel(text, 40) + "\"";
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = UpperChar(c);
    return result;
}

int CompareUpper(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(UpperChar(a[i]));
        const auto cb = static_cast<unsigned char>(UpperChar(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareUpper(a, b) == 0;
}

} // namespace brelix
