#include "visual/UnitVOProps.h"

#include "common/UnitComCodificacao.h"
#include "common/UnitComTexto.h"

namespace brelix {

namespace {

bool LineHasKey(std::string_view line, std::string_view key) {
    return line.size() > key.size() && line[key.size()] == '=' && line.substr(0, key.size()) == key;
}

} // namespace

int TProps::IndexOfKey(std::string_view key) const {
    for (std::size_t i = 1; i < lines_.size(); ++i)
        if (LineHasKey(lines_[i], key)) return static_cast<int>(i);
    return -1;
}

std::string TProps::Value(std::string_view key) const {
    const int i = IndexOfKey(key);
    if (i < 0) return {};
    return lines_[static_cast<std::size_t>(i)].substr(key.size() + 1);
}

bool TProps::SetValue(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    const int i = IndexOfKey(key);
    if (i < 0) {
        lines_.push_back(std::move(line));
        return true;
    }
    std::string& old = lines_[static_cast<std::size_t>(i)];
    if (old == line) return false;
    old = std::move(line);
    return true;
}

TObjectLine ParseObjectLine(std::string_view line) {
    constexpr std::string_view kPrefix = "Object ";
    TObjectLine result;
    if (line.substr(0, kPrefix.size()) != kPrefix) return result;
    const std::size_t sep = line.find(": ", kPrefix.size());
    if (sep == std::string_view::npos) return result;
    result.Valid = true;
    result.ClassName = std::string(line.substr(sep + 2));
    const std::size_t colon = line.find(':', kPrefix.size());
    result.HasID = TryStrToInt(line.substr(kPrefix.size(), colon - kPrefix.size()), result.ID);
    if (!result.HasID) result.ID = -1;
    return result;
}

std::string ObjectLine(std::int32_t id, std::string_view className) {
    return "Object " + IntToStr(id) + ": " + std::string(className);
}

bool IsStorableText(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos && FitsWin1252(text);
}

} // namespace brelix
