#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brelix {

// The numeric value a user gives to one symbol.
struct TSimboloVal {
    std::string Nome;
    double Valor = 0.0;
};

// Symbol values with unique names, in insertion order.
class TListSimboloVal {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const TSimboloVal& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }
    TSimboloVal& operator[](int i) { return items_[static_cast<std::size_t>(i)]; }
    std::vector<TSimboloVal>::const_iterator begin() const { return items_.begin(); }
    std::vector<TSimboloVal>::const_iterator end() const { return items_.end(); }
    void Clear() { items_.clear(); }

    int IndexOfSimbolo(std::string_view name) const;
    // Appends (name, value), or returns the existing item unchanged when the name is present.
    TSimboloVal& AddSimbolo(std::string_view name, double value);
    // Appends (name, value) without looking the name up: for a caller that knows the list does not
    // hold it (AddSimbolo is linear in the list, and a file may give a hundred thousand symbols).
    void AddNovo(std::string name, double value) { items_.push_back({std::move(name), value}); }
    // The value of the name; 0 when it has none.
    double GetValor(std::string_view name) const;
    // Ascending by upper-cased name.
    void Sort();

    // Lines "name=value": the value is a real number with the decimal comma, 1 when it is not one.
    void ReadLines(const std::vector<std::string>& lines);
    void WriteLines(std::vector<std::string>& lines) const;

private:
    std::vector<TSimboloVal> items_;
};

} // namespace brelix
