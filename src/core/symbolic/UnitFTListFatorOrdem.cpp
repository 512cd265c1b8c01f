#include "symbolic/UnitFTListFator.h"

#include "common/UnitComParalelo.h"
#include "symbolic/UnitFTChaveTexto.h"
#include "symbolic/UnitFTOrdemTroca.h"

#include <algorithm>
#include <functional>
#include <utility>

// The canonical order of a polynomial's terms: descending powers of S, and within one power
// ascending upper-cased symbol text, each by the exchange procedure (whose order among equal keys
// OrdemPorTroca reproduces without its quadratic cost).

namespace brelix {

namespace {

// Below this many terms in powers to sort, a polynomial is sorted on the caller's thread alone: a
// thread costs more to start than such a sort.
constexpr std::size_t kTermosParaDividir = 8192;

// Moves the terms into the order given by position.
void Permutar(std::vector<TFator>& terms, std::size_t first, const std::vector<int>& order) {
    bool identity = true;
    for (std::size_t p = 0; p < order.size() && identity; ++p)
        identity = order[p] == static_cast<int>(p);
    if (identity) return;
    // In place, cycle by cycle: a copy of the terms would be as large again as the polynomial.
    std::vector<char> done(order.size(), 0);
    for (std::size_t p = 0; p < order.size(); ++p) {
        if (done[p]) continue;
        TFator held = std::move(terms[first + p]);
        std::size_t j = p;
        for (;;) {
            done[j] = 1;
            const auto k = static_cast<std::size_t>(order[j]);
            if (k == p) {
                terms[first + j] = std::move(held);
                break;
            }
            terms[first + j] = std::move(terms[first + k]);
            j = k;
        }
    }
}

// Ranks of the powers of S, 0 for the greatest: few distinct values, so they are ranked by search.
std::vector<int> RanksDescendentes(const std::vector<TFator>& terms) {
    std::vector<std::int32_t> powers;
    powers.reserve(terms.size());
    for (const TFator& term : terms)
        powers.push_back(term.ExpS);
    std::vector<std::int32_t> distinct = powers;
    std::sort(distinct.begin(), distinct.end(), std::greater<>());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<int> ranks(powers.size());
    for (std::size_t i = 0; i < powers.size(); ++i)
        ranks[i] =
            static_cast<int>(std::lower_bound(distinct.begin(), distinct.end(), powers[i], std::greater<>()) -
                             distinct.begin());
    return ranks;
}

// Ranks of the upper-cased symbol texts of the terms first..last-1 (their products sorted first, as
// taking a text does). The sort works on the texts' prefixes, held in the records themselves, and
// compares whole texts only when the prefixes are equal. On several threads (dividir), the records
// are made and sorted in pieces and the pieces merged: equal texts share a rank whatever their order,
// so the ranks are those of one thread.
std::vector<int> RanksPorTexto(std::vector<TFator>& terms, std::size_t first, std::size_t last,
                               bool dividir) {
    struct TRegistro {
        TPrefixoTexto prefix;
        const TListSimboloExp* symbols;
        int item;
    };
    const std::size_t n = last - first;
    std::vector<TRegistro> records(n);
    const std::size_t pecas =
        dividir ? std::min<std::size_t>(LinhasDeTrabalho(), n / kTermosParaDividir + 1) : 1;
    const auto inicio = [&](std::size_t peca) { return n * peca / pecas; };
    const auto compare = [](const TRegistro& a, const TRegistro& b) {
        for (std::size_t w = 0; w < kPalavrasPrefixo; ++w)
            if (a.prefix[w] != b.prefix[w]) return a.prefix[w] < b.prefix[w] ? -1 : 1;
        return CompararTextoMaiusculo(*a.symbols, *b.symbols);
    };
    const auto less = [&](const TRegistro& a, const TRegistro& b) { return compare(a, b) < 0; };
    ParaCadaTarefa(pecas, [&](std::size_t peca) {
        for (std::size_t k = inicio(peca); k < inicio(peca + 1); ++k) {
            AnteciparProduto(terms, first + k + kAdiante, first + inicio(peca + 1));
            TListSimboloExp& symbols = terms[first + k].Simbolos;
            symbols.Sort();
            records[k] = {PrefixoMaiusculo(symbols), &symbols, static_cast<int>(k)};
        }
        std::sort(records.begin() + static_cast<std::ptrdiff_t>(inicio(peca)),
                  records.begin() + static_cast<std::ptrdiff_t>(inicio(peca + 1)), less);
    });
    for (std::size_t peca = 1; peca < pecas; ++peca)
        std::inplace_merge(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(inicio(peca)),
                           records.begin() + static_cast<std::ptrdiff_t>(inicio(peca + 1)), less);
    std::vector<int> ranks(records.size());
    int rank = 0;
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (k > 0 && compare(records[k - 1], records[k]) < 0) ++rank;
        ranks[static_cast<std::size_t>(records[k].item)] = rank;
    }
    return ranks;
}

} // namespace

void TListFator::Ordenar() {
    if (terms_.size() < 2) return;
    Alterado();

    // Descending powers: the exchange procedure with the greater power counting as the smaller key.
    Permutar(terms_, 0, OrdemPorTroca(RanksDescendentes(terms_)));

    // Within each power, ascending upper-cased symbol text. The texts are taken (and the products
    // sorted) only in powers with two terms or more, the only ones whose terms are compared. Each
    // power's terms are sorted apart from the others', so a large polynomial shares its powers out
    // among threads, the largest first.
    std::vector<std::pair<std::size_t, std::size_t>> potencias;
    std::size_t emPotencias = 0;
    for (std::size_t first = 0; first < terms_.size();) {
        std::size_t last = first + 1;
        while (last < terms_.size() && terms_[last].ExpS == terms_[first].ExpS)
            ++last;
        if (last - first >= 2) {
            potencias.emplace_back(first, last);
            emPotencias += last - first;
        }
        first = last;
    }
    const auto ordenarPotencia = [this](std::pair<std::size_t, std::size_t> range, bool dividir) {
        Permutar(terms_, range.first,
                 OrdemPorTroca(RanksPorTexto(terms_, range.first, range.second, dividir)));
    };
    if (emPotencias < kTermosParaDividir || LinhasDeTrabalho() < 2) {
        for (const auto& range : potencias)
            ordenarPotencia(range, false);
        return;
    }
    PrepararComparacoesTexto();
    std::stable_sort(potencias.begin(), potencias.end(),
                     [](const auto& a, const auto& b) { return a.second - a.first > b.second - b.first; });
    // Powers of about even size go to the threads whole; a power that holds half the terms or more
    // (every term, when S occurs nowhere) is itself sorted over the threads.
    if (2 * (potencias.front().second - potencias.front().first) >= emPotencias) {
        for (const auto& range : potencias)
            ordenarPotencia(range, true);
        return;
    }
    ParaCadaTarefa(potencias.size(), [&](std::size_t k) { ordenarPotencia(potencias[k], false); });
}

} // namespace brelix
