#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

// The persistent state of a drawable object, and of a document's header, as ordered text lines: the
// first line is "Object %d: %s" (identity and class name), every other line is Name=Value in the order
// the keys were added. The same lines are the object's block in the document file.
class TProps {
public:
    TProps() = default;
    explicit TProps(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int i) const { return lines_[static_cast<std::size_t>(i)]; }
    const std::vector<std::string>& Lines() const { return lines_; }

    // Position of the first line "key=..." after the first line; -1 when there is none.
    int IndexOfKey(std::string_view key) const;
    bool HasKey(std::string_view key) const { return IndexOfKey(key) >= 0; }
    // The text after "key="; empty when the key is absent.
    std::string Value(std::string_view key) const;
    // Writes key=value over the first line of that key, or appends it. True when the text changed.
    bool SetValue(std::string_view key, std::string_view value);

    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Assign(std::vector<std::string> lines) { lines_ = std::move(lines); }
    bool operator==(const TProps&) const = default;

private:
    std::vector<std::string> lines_;
};

// The first line of an object block: "Object %d: %s". The identity is what stands between "Object "
// and the first ":", the class name what follows the first ": ".
struct TObjectLine {
    bool Valid = false; // starts with "Object " and has ": " after it
    bool HasID = false; // the identity reads as an integer
    std::int32_t ID = -1;
    std::string ClassName;
};
TObjectLine ParseObjectLine(std::string_view line);
std::string ObjectLine(std::int32_t id, std::string_view className);

// True when a value can be kept in a document file: one line, every character in Windows-1252.
bool IsStorableText(std::string_view text);

} // namespace brelix
