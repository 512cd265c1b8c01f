#include "symbolic/UnitSymListSimboloExp.h"

#include "symbolic/UnitSymListSimboloVal.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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
    // Already in order, the common case for products that were sorted before: nothing to exchange.
    bool sorted = true;
    for (std::size_t i = 0; i + 1 < n && sorted; ++i)
        sorted = !GreaterUpper(items_[i], items_[i + 1]);
    if (sorted) return;
    for (std::size_t i = 0; i + 1 < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (GreaterUpper(items_[i], items_[j])) std::swap(items_[i], items_[j]);
}

std::string TListSimboloExp::Texto() {
    Sort();
    std::string text;
    EscreverTexto(text);
    return text;
}

void TListSimboloExp::EscreverTexto(std::string& out) const {
    const std::size_t start = out.size();
    for (const TSimboloExp& item : items_) {
        if (item.Exp == 0) continue;
        out += item.Nome();
        if (item.Exp != 1) {
            char digits[16];
            const auto written = std::to_chars(digits, digits + sizeof digits, item.Exp);
            out += '^';
            out.append(digits, written.ptr);
        }
        out += '.';
    }
    if (out.size() > start) out.pop_back();
}

double TListSimboloExp::Valor(const TListSimboloVal& values) const {
    double result = 1.0;
    for (const TSimboloExp& item : items_)
        result *= std::pow(values.GetValor(item.Nome()), item.Exp);
    return result;
}

} // namespace brelix
