#include "symbolic/UnitSymListSimboloExp.h"

#include "symbolic/UnitFTOrdemTroca.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <numeric>
#include <unordered_map>

namespace brelix {

namespace {

// Exponents add with saturation: no product of a model comes near the limits, and a hostile file
// must not make them overflow.
std::int32_t AddExp(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

bool GreaterUpper(const TSimboloExp& a, const TSimboloExp& b) {
    return a.Id != b.Id && NomeMaiusculo(a.Id) > NomeMaiusculo(b.Id);
}

} // namespace

int TListSimboloExp::IndexOfSimbolo(std::string_view name) const {
    return IndexOfSimbolo(IdSimbolo(name));
}

int TListSimboloExp::IndexOfSimbolo(TIdSimbolo id) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].Id == id) return static_cast<int>(i);
    return -1;
}

TSimboloExp& TListSimboloExp::AddSimbolo(std::string_view name, std::int32_t exp) {
    return AddSimbolo(IdSimbolo(name), exp);
}

TSimboloExp& TListSimboloExp::AddSimbolo(TIdSimbolo id, std::int32_t exp) {
    const int i = IndexOfSimbolo(id);
    if (i >= 0) {
        TSimboloExp& item = items_[static_cast<std::size_t>(i)];
        item.Exp = AddExp(item.Exp, exp);
        return item;
    }
    items_.push_back({id, exp});
    return items_.back();
}

void TListSimboloExp::MulSimbolos(const TListSimboloExp& other) {
    for (const TSimboloExp& item : other.items_)
        AddSimbolo(item.Id, item.Exp);
}

void TListSimboloExp::MulDistintos(const std::vector<TSimboloExp>& factors, const std::vector<int>& slotPorId,
                                   std::vector<char>& vistos) {
    for (TSimboloExp& item : items_) {
        const auto id = static_cast<std::size_t>(item.Id);
        const int slot = id < slotPorId.size() ? slotPorId[id] : 0;
        if (slot == 0) continue;
        const auto k = static_cast<std::size_t>(slot - 1);
        item.Exp = AddExp(item.Exp, factors[k].Exp);
        vistos[k] = 1;
    }
    // The factors the product lacked come after its items, in their order, as AddSimbolo appends them;
    // the list grows once, to its final size (a polynomial holds millions of products).
    std::size_t faltam = 0;
    for (const char visto : vistos)
        faltam += visto ? 0 : 1;
    items_.reserve(items_.size() + faltam);
    for (std::size_t k = 0; k < factors.size(); ++k) {
        if (!vistos[k]) items_.push_back(factors[k]);
        vistos[k] = 0;
    }
}

void TListSimboloExp::AddSimbolos(const std::vector<TSimboloExp>& factors) {
    // A short product is looked up item by item; a long one through a table of positions.
    constexpr std::size_t kCurto = 32;
    if (items_.size() + factors.size() <= kCurto) {
        for (const TSimboloExp& f : factors)
            AddSimbolo(f.Id, f.Exp);
        return;
    }
    std::unordered_map<TIdSimbolo, std::size_t> posicao;
    posicao.reserve(items_.size() + factors.size());
    for (std::size_t i = 0; i < items_.size(); ++i)
        posicao.emplace(items_[i].Id, i);
    for (const TSimboloExp& f : factors) {
        const auto [it, novo] = posicao.emplace(f.Id, items_.size());
        if (novo)
            items_.push_back(f);
        else
            items_[it->second].Exp = AddExp(items_[it->second].Exp, f.Exp);
    }
}

TSimboloExp& TListSimboloExp::MinSimbolo(TIdSimbolo id, std::int32_t exp) {
    const int i = IndexOfSimbolo(id);
    if (i >= 0) {
        TSimboloExp& item = items_[static_cast<std::size_t>(i)];
        item.Exp = std::min(item.Exp, exp);
        return item;
    }
    items_.push_back({id, exp});
    return items_.back();
}

void TListSimboloExp::MinSimbolos(const TListSimboloExp& other) {
    for (const TSimboloExp& item : other.items_)
        MinSimbolo(item.Id, item.Exp);
}

void TListSimboloExp::DeleteSimbolo(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
}

void TListSimboloExp::DeleteZeros() {
    std::erase_if(items_, [](const TSimboloExp& item) { return item.Exp == 0; });
}

void TListSimboloExp::DeleteNaoNegativos() {
    std::erase_if(items_, [](const TSimboloExp& item) { return item.Exp >= 0; });
}

void TListSimboloExp::Sort() {
    const std::size_t n = items_.size();
    if (n < 2) return;
    if (n <= kMaxOrdenacaoRapida && SortPorRank()) return;
    // Already in order, the common case for products that were sorted before: nothing to exchange.
    bool sorted = true;
    for (std::size_t i = 0; i + 1 < n && sorted; ++i)
        sorted = !GreaterUpper(items_[i], items_[i + 1]);
    if (sorted) return;
    SortLongo();
}

void TListSimboloExp::SortLongo() {
    const std::size_t n = items_.size();
    std::vector<int> byName(n);
    std::iota(byName.begin(), byName.end(), 0);
    const auto upper = [&](int i) -> const std::string& {
        return NomeMaiusculo(items_[static_cast<std::size_t>(i)].Id);
    };
    std::sort(byName.begin(), byName.end(), [&](int a, int b) { return upper(a) < upper(b); });
    std::vector<int> ranks(n);
    int rank = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (k > 0 && upper(byName[k - 1]) < upper(byName[k])) ++rank;
        ranks[static_cast<std::size_t>(byName[k])] = rank;
    }
    const std::vector<int> order = OrdemPorTroca(ranks);
    std::vector<TSimboloExp> sorted;
    sorted.reserve(n);
    for (const int x : order)
        sorted.push_back(items_[static_cast<std::size_t>(x)]);
    items_ = std::move(sorted);
}

bool TListSimboloExp::SortPorRank() {
    const std::uint32_t* rank = RanksMaiusculos();
    if (rank == nullptr) return false;
    const std::size_t n = items_.size();
    bool inOrder = true;
    for (std::size_t i = 0; i + 1 < n && inOrder; ++i)
        inOrder = rank[items_[i].Id] <= rank[items_[i + 1].Id];
    if (inOrder) return true;
    // The items with their ranks, sorted by rank. When no two items are equal upper-cased, the
    // ascending order is unique, so this gives what the exchange procedure gives; a tie is left to
    // the exchange procedure, with the items as they were. (A plain record, so that the array is not
    // filled before use.)
    struct TComRank {
        std::uint32_t rank;
        TIdSimbolo id;
        std::int32_t exp;
    };
    std::array<TComRank, kMaxOrdenacaoRapida> sorted;
    for (std::size_t i = 0; i < n; ++i) {
        const TComRank item{rank[items_[i].Id], items_[i].Id, items_[i].Exp};
        std::size_t j = i;
        for (; j > 0 && sorted[j - 1].rank > item.rank; --j)
            sorted[j] = sorted[j - 1];
        sorted[j] = item;
    }
    for (std::size_t i = 1; i < n; ++i)
        if (sorted[i - 1].rank == sorted[i].rank) return false;
    for (std::size_t i = 0; i < n; ++i)
        items_[i] = TSimboloExp{sorted[i].id, sorted[i].exp};
    return true;
}

std::string TListSimboloExp::Texto() {
    Sort();
    std::string text;
    EscreverTexto(text);
    return text;
}

namespace {

// The digits of an exponent other than 1, with its caret and sign.
std::size_t TamanhoExpoente(std::int32_t exp) {
    if (exp == 1) return 0;
    std::uint32_t u = exp < 0 ? 0U - static_cast<std::uint32_t>(exp) : static_cast<std::uint32_t>(exp);
    std::size_t size = exp < 0 ? 3 : 2;
    while (u >= 10) {
        u /= 10;
        ++size;
    }
    return size;
}

} // namespace

std::size_t TListSimboloExp::TamanhoTexto() const {
    const TNomesPlanos nomes = NomesPlanos();
    std::size_t size = 0;
    for (const TSimboloExp& item : items_)
        if (item.Exp != 0) size += nomes.Tamanho[item.Id] + 1 + TamanhoExpoente(item.Exp);
    return size > 0 ? size - 1 : 0;
}

void TListSimboloExp::EscreverTexto(std::string& out, bool upperCased) const {
    if (items_.empty()) return;
    // Room for the text first, then the items copied without a check each; a polynomial's text
    // holds millions of names. A short name is copied as one block of kFolgaNomes bytes (the table
    // holds that many after every name, and the room as many past the text's end), which the
    // machine does in one move, where a copy of the exact length is a call of its own.
    const TNomesPlanos nomes = NomesPlanos(upperCased);
    const std::size_t start = out.size();
    const std::size_t size = TamanhoTexto();
    out.resize(start + size + kFolgaNomes);
    char* p = out.data() + start;
    bool first = true;
    for (const TSimboloExp& item : items_) {
        if (item.Exp == 0) continue;
        if (!first) *p++ = '.';
        first = false;
        const std::uint32_t length = nomes.Tamanho[item.Id];
        const char* name = nomes.Texto + nomes.Inicio[item.Id];
        if (length <= kFolgaNomes)
            std::memcpy(p, name, kFolgaNomes);
        else
            std::memcpy(p, name, length);
        p += length;
        if (item.Exp != 1) {
            *p++ = '^';
            p = std::to_chars(p, p + 11, item.Exp).ptr;
        }
    }
    assert(p == out.data() + start + size && "the text fills the room taken for it");
    out.resize(start + size);
}

double TListSimboloExp::Valor(const TListSimboloVal& values) const {
    double result = 1.0;
    for (const TSimboloExp& item : items_)
        result *= std::pow(values.GetValor(item.Nome()), item.Exp);
    return result;
}

} // namespace brelix
