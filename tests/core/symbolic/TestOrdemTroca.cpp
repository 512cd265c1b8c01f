// The exchange order that every canonical form keeps, against the exchange procedure itself: on ranks
// with many ties, and on random sequences of every polynomial operation against a polynomial kept by
// the literal procedures (like terms found by scanning the list, not through the index).

#include "symbolic/UnitFTListFator.h"
#include "symbolic/UnitFTOrdemTroca.h"

#include "common/UnitComTexto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace brelix;

namespace {

// The exchange procedure as written: for each i, every later j; exchanged when i's key is greater.
template <class T, class Maior> void Trocar(std::vector<T>& items, Maior maior) {
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        for (std::size_t j = i + 1; j < items.size(); ++j)
            if (maior(items[i], items[j])) std::swap(items[i], items[j]);
}

std::vector<int> OrdemLiteral(const std::vector<int>& ranks) {
    std::vector<int> items(ranks.size());
    std::iota(items.begin(), items.end(), 0);
    Trocar(items, [&](int a, int b) { return ranks[a] > ranks[b]; });
    return items;
}

// The terms as they stand, products unsorted: the order of their items fixes how names that differ
// only in case are written later.
template <class Termos> std::string Cru(const Termos& terms) {
    std::string out;
    for (const TFator& f : terms) {
        out += RealToStr(f.K) + ";" + std::to_string(f.ExpS) + ";";
        for (const TSimboloExp& s : f.Simbolos)
            out += s.Nome() + "^" + std::to_string(s.Exp) + ".";
        out += "\n";
    }
    return out;
}

} // namespace

TEST(ExchangeOrder, MatchesTheExchangeProcedureWithManyTies) {
    std::mt19937 rng(7);
    for (int round = 0; round < 4000; ++round) {
        std::vector<int> ranks(rng() % 41);
        const auto classes = 1 + rng() % (1 + ranks.size() / 2);
        for (int& r : ranks)
            r = static_cast<int>(rng() % classes);
        ASSERT_EQ(OrdemPorTroca(ranks), OrdemLiteral(ranks)) << "round " << round;
    }
    // Long runs of one class with a few smaller keys spread among them, then a long descending tail.
    std::vector<int> ranks(1800);
    for (std::size_t i = 0; i < ranks.size(); ++i)
        ranks[i] = i >= 1500 ? static_cast<int>(1799 - i) / 7 : (i % 97 == 0 ? 0 : (i % 3 == 0 ? 2 : 1));
    EXPECT_EQ(OrdemPorTroca(ranks), OrdemLiteral(ranks));
}

// AddFator finds like terms through its index (by text and power, or by a key taken ahead): after
// every change that moves terms or their keys, it must still find the first like term of the scan.
TEST(ExchangeOrder, PolynomialOperationsMatchTheLiteralProcedures) {
    // Names that differ only in case make the exchange order and the moment each product is sorted
    // visible in the texts; integer coefficients make like terms cancel exactly.
    const std::vector<std::string> names = {"a", "A", "b", "B", "R", "r2"};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        auto nome = [&] { return names[rng() % names.size()]; };
        TListFator got;
        std::vector<TFator> ref; // kept by the procedures as written; taking a text sorts a product
        for (int step = 0; step < 250; ++step) {
            const int op = pick(0, 19);
            const int at = got.Count() > 0 ? pick(0, got.Count() - 1) : -1;
            if (op < 10) {
                TListSimboloExp p;
                for (int n = pick(0, 4); n > 0; --n)
                    p.AddSimbolo(nome(), pick(-2, 2));
                const auto e = static_cast<std::int32_t>(pick(-1, 2));
                const double k = pick(-2, 2);
                TListSimboloExp sorted = p;
                const std::string text = sorted.Texto();
                const auto like = std::find_if(ref.begin(), ref.end(), [&](TFator& f) {
                    return f.TextoSimbolos() == text && f.ExpS == e;
                });
                if (like != ref.end())
                    like->K += k;
                else
                    ref.emplace_back(e, &sorted, k);
                if (op % 2 == 0) {
                    got.AddFator(e, p, k);
                } else {
                    const TListFator::TChave key = TListFator::Chave(e, p);
                    got.AddFator(key, std::move(p), k);
                }
            } else if (op == 10 && at >= 0) {
                got.DeleteFator(at);
                ref.erase(ref.begin() + at);
            } else if (op == 11) { // null terms go, but never the last remaining one
                got.DeleteFatoresNulos();
                for (std::size_t j = 0; j < ref.size();) {
                    if (ref[j].K == 0.0 && ref.size() >= 2)
                        ref.erase(ref.begin() + static_cast<std::ptrdiff_t>(j));
                    else
                        ++j;
                }
            } else if (op == 12) { // descending powers, then ascending upper-cased text within a power
                got.Ordenar();
                Trocar(ref, [](const TFator& a, const TFator& b) { return a.ExpS < b.ExpS; });
                Trocar(ref, [](TFator& a, TFator& b) {
                    return a.ExpS == b.ExpS && UpperAscii(a.TextoSimbolos()) > UpperAscii(b.TextoSimbolos());
                });
            } else if (op == 13) {
                const auto n = static_cast<std::int32_t>(pick(-2, 2));
                got.ShiftS(n);
                for (TFator& f : ref)
                    f.AddExpS(n);
            } else if (op == 14) {
                const std::string x = nome();
                const auto e = static_cast<std::int32_t>(pick(-1, 1));
                got.MulSimbolo(x, e);
                for (TFator& f : ref)
                    f.AddSimbolo(x, e);
            } else if (op == 15) { // the terms without the symbol vanish
                const TIdSimbolo x = IdSimbolo(nome());
                got.Derivar(x);
                std::erase_if(ref, [&](const TFator& f) { return f.Simbolos.IndexOfSimbolo(x) < 0; });
                for (TFator& f : ref)
                    f.Derivar(x);
            } else if (op == 16) {
                got.DeleteZeros();
                for (TFator& f : ref)
                    f.DeleteZeros();
            } else if (op == 17) {
                const TListFator copy(got);
                got = copy;
            } else if (op == 18 && at >= 0) { // a term changed in place, through the non-const access
                got[at].AddSimbolo("A", 1);
                ref[static_cast<std::size_t>(at)].AddSimbolo("A", 1);
            } else if (op == 19) {
                std::vector<std::string> lines;
                got.WriteLines(lines);
                for (std::size_t j = 0; j < ref.size(); ++j)
                    ASSERT_EQ(lines.at(j), ref[j].Linha()) << "seed " << seed << " step " << step;
            }
            ASSERT_EQ(Cru(got), Cru(ref)) << "seed " << seed << " step " << step << " op " << op;
        }
    }
}
