#include "symbolic/UnitSymListSimboloVal.h"

#include "common/UnitComTexto.h"
#include "symbolic/UnitFTOrdemTroca.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>
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
    std::vector<int> byName(n);
    std::iota(byName.begin(), byName.end(), 0);
    const auto nome = [&](int i) -> const std::string& { return items_[static_cast<std::size_t>(i)].Nome; };
    std::sort(byName.begin(), byName.end(), [&](int a, int b) { return CompareUpper(nome(a), nome(b)) < 0; });
    std::vector<int> ranks(n);
    int rank = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (k > 0 && CompareUpper(nome(byName[k - 1]), nome(byName[k])) < 0) ++rank;
        ranks[static_cast<std::size_t>(byName[k])] = rank;
    }
    std::vector<TSimboloVal> sorted;
    sorted.reserve(n);
    for (const int x : OrdemPorTroca(ranks))
        sorted.push_back(std::move(items_[static_cast<std::size_t>(x)]));
    items_ = std::move(sorted);
}

void TListSimboloVal::ReadLines(const std::vector<std::string>& lines) {
    // The names taken so far, so that a long list is read in linear time.
    std::unordered_set<std::string> nomes;
    for (const TSimboloVal& item : items_)
        nomes.insert(item.Nome);
    for (const std::string& line : lines) {
        // The name is the text before the first "=", the value the text after it; a line without
        // "=" is a name whose value is not a number, so 1. A line with no name at all (a blank line
        // of a damaged file) names no symbol.
        const std::size_t eq = line.find('=');
        if (eq == 0 || line.empty()) continue;
        std::string nome = line.substr(0, eq);
        if (!nomes.insert(nome).second) continue; // the first value of a name stays
        const std::string_view valor =
            eq == std::string::npos ? std::string_view() : std::string_view(line).substr(eq + 1);
        AddNovo(std::move(nome), StrToRealDef(valor, 1.0));
    }
}

void TListSimboloVal::WriteLines(std::vector<std::string>& lines) const {
    for (const TSimboloVal& item : items_)
        lines.push_back(item.Nome + "=" + RealToStrExato(item.Valor));
}

} // namespace brelix
