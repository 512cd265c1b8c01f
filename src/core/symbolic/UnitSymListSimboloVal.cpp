#include "symbolic/UnitSymListSimboloVal.h"

#include "common/UnitComTexto.h"

#include <utility>

namespace brelix {

int TListSimboloVal::IndexOfSimbolo(std::string_view name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].Nome == name) return static_cast<int>(i);
    return -1;
}

TSimboloVal& TListSimboloVal::AddSimbolo(std::string_view name, double value) {
    const int i = IndexOfSimbolo(name);
    if (i >= 0) return items_[static_cast<std::size_t>(i)];
    items_.push_back({std::string(name), value});
    return items_.back();
}

double TListSimboloVal::GetValor(std::string_view name) const {
    const int i = IndexOfSimbolo(name);
    return i >= 0 ? items_[static_cast<std::size_t>(i)].Valor : 0.0;
}

void TListSimboloVal::Sort() {
    // The exchange procedure shared with symbol products: it fixes the order of names that differ
    // only in case.
    const std::size_t n = items_.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (CompareUpper(items_[i].Nome, items_[j].Nome) > 0) std::swap(items_[i], items_[j]);
}

void TListSimboloVal::ReadLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        // A line without a name before its "=" (a blank line of a damaged file) names no symbol.
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) continue;
        AddSimbolo(std::string_view(line).substr(0, eq),
                   StrToRealDef(std::string_view(line).substr(eq + 1), 1.0));
    }
}

void TListSimboloVal::WriteLines(std::vector<std::string>& lines) const {
    for (const TSimboloVal& item : items_)
        lines.push_back(item.Nome + "=" + RealToStr(item.Valor));
}

} // namespace brelix
