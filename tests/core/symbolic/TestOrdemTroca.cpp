// The order by exchange that the polynomial operations keep, against the exchange procedure
// itself: on ranks with many ties, and on random sequences of every list operation against a
// polynomial kept by the literal procedures.

#include "symbolic/UnitFTListFator.h"
#include "symbolic/UnitFTOrdemTroca.h"

#include "common/UnitComTexto.h"

#include <gtest/gtest.h>

#include <random>

using namespace brelix;

namespace {

// The exchange procedure itself, on item indices.
std::vector<int> TrocaLiteral(const std::vector<int>& ranks) {
    std::vector<int> items(ranks.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = static_cast<int>(i);
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        for (std::size_t j = i + 1; j < items.size(); ++j)
            if (ranks[static_cast<std::size_t>(items[i])] > ranks[static_cast<std::size_t>(items[j])])
                std::swap(items[i], items[j]);
    return items;
}

// A polynomial kept by the procedures exactly as written, scans and exchanges included.
struct TRefLista {
    std::vector<TFator> t;

    void Add(std::int32_t e, TListSimboloExp p, double k) {
        const std::string key = p.Texto();
        for (TFator& f : t) {
            if (f.TextoSimbolos() == key && f.ExpS == e) {
                f.K += k;
                return;
            }
        }
        t.emplace_back(e, &p, k);
    }
    void DeleteNulos() {
        for (std::size_t i = 0; i < t.size();) {
            if (t[i].K == 0.0 && t.size() >= 2)
                t.erase(t.begin() + static_cast<std::ptrdiff_t>(i));
            else
                ++i;
        }
    }
    void Ordenar() {
        for (std::size_t i = 0; i + 1 < t.size(); ++i)
            for (std::size_t j = i + 1; j < t.size(); ++j)
                if (t[i].ExpS < t[j].ExpS) std::swap(t[i], t[j]);
        for (std::size_t i = 0; i + 1 < t.size(); ++i) {
            for (std::size_t j = i + 1; j < t.size(); ++j) {
                if (t[j].ExpS < t[i].ExpS) break;
                if (UpperAscii(t[i].TextoSimbolos()) > UpperAscii(t[j].TextoSimbolos()))
                    std::swap(t[i], t[j]);
            }
        }
    }
    void Derivar(TIdSimbolo x) {
        for (std::size_t i = 0; i < t.size();) {
            if (t[i].Simbolos.IndexOfSimbolo(x) >= 0) {
                t[i].Derivar(x);
                ++i;
            } else {
                t.erase(t.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
};

// Same terms, same coefficients and powers, and the same products item by item (the order of the
// items included, which fixes how names differing only in case are written later).
void ExpectSame(const TListFator& got, const TRefLista& ref, int step) {
    ASSERT_EQ(got.Count(), static_cast<int>(ref.t.size())) << "step " << step;
    for (int i = 0; i < got.Count(); ++i) {
        const TFator& a = got[i];
        const TFator& b = ref.t[static_cast<std::size_t>(i)];
        ASSERT_EQ(a.K, b.K) << "step " << step << " term " << i;
        ASSERT_EQ(a.ExpS, b.ExpS) << "step " << step << " term " << i;
        ASSERT_EQ(a.Simbolos.Count(), b.Simbolos.Count()) << "step " << step << " term " << i;
        for (int s = 0; s < a.Simbolos.Count(); ++s) {
            ASSERT_EQ(a.Simbolos[s].Id, b.Simbolos[s].Id) << "step " << step << " term " << i;
            ASSERT_EQ(a.Simbolos[s].Exp, b.Simbolos[s].Exp) << "step " << step << " term " << i;
        }
    }
}

} // namespace

TEST(ExchangeOrder, MatchesTheExchangeProcedureWithManyTies) {
    std::mt19937 rng(7);
    for (int round = 0; round < 4000; ++round) {
        const int n = std::uniform_int_distribution<int>(0, 40)(rng);
        const int classes = std::uniform_int_distribution<int>(1, 1 + n / 2)(rng);
        std::vector<int> ranks(static_cast<std::size_t>(n));
        for (int& r : ranks)
            r = std::uniform_int_distribution<int>(0, classes - 1)(rng);
        ASSERT_EQ(OrdemPorTroca(ranks), TrocaLiteral(ranks)) << "round " << round;
    }
    // Long runs of one class with a few smaller keys spread among them, and a long list.
    std::vector<int> ranks(1500);
    for (std::size_t i = 0; i < ranks.size(); ++i)
        ranks[i] = i % 97 == 0 ? 0 : (i % 3 == 0 ? 2 : 1);
    EXPECT_EQ(OrdemPorTroca(ranks), TrocaLiteral(ranks));
    std::vector<int> descending(300);
    for (std::size_t i = 0; i < descending.size(); ++i)
        descending[i] = static_cast<int>(299 - i) / 7;
    EXPECT_EQ(OrdemPorTroca(descending), TrocaLiteral(descending));
}

TEST(ExchangeOrder, PolynomialOperationsMatchTheLiteralProcedures) {
    // Names that differ only in case make the exchange order and the moment each product is sorted
    // visible in the texts; integer coefficients make like terms cancel exactly.
    const std::vector<std::string> names = {"a", "A", "b", "B", "R", "r2"};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        auto product = [&] {
            TListSimboloExp p;
            for (int n = pick(0, 4); n > 0; --n)
                p.AddSimbolo(names[static_cast<std::size_t>(pick(0, 5))], pick(-2, 2));
            return p;
        };
        TListFator got;
        TRefLista ref;
        for (int step = 0; step < 250; ++step) {
            const int op = pick(0, 19);
            if (op < 10) {
                TListSimboloExp p = product();
                const auto e = static_cast<std::int32_t>(pick(-1, 2));
                const double k = pick(-2, 2);
                ref.Add(e, p, k);
                got.AddFator(e, p, k);
            } else if (op == 10 && got.Count() > 0) {
                const int i = pick(0, got.Count() - 1);
                got.DeleteFator(i);
                ref.t.erase(ref.t.begin() + i);
            } else if (op == 11) {
                got.DeleteFatoresNulos();
                ref.DeleteNulos();
            } else if (op == 12) {
                got.Ordenar();
                ref.Ordenar();
            } else if (op == 13) {
                const auto n = static_cast<std::int32_t>(pick(-2, 2));
                got.ShiftS(n);
                for (TFator& f : ref.t)
                    f.AddExpS(n);
            } else if (op == 14) {
                const std::string& x = names[static_cast<std::size_t>(pick(0, 5))];
                const auto e = static_cast<std::int32_t>(pick(-1, 1));
                got.MulSimbolo(x, e);
                for (TFator& f : ref.t)
                    f.AddSimbolo(x, e);
            } else if (op == 15) {
                const TIdSimbolo x = IdSimbolo(names[static_cast<std::size_t>(pick(0, 5))]);
                got.Derivar(x);
                ref.Derivar(x);
            } else if (op == 16) {
                got.DeleteZeros();
                for (TFator& f : ref.t)
                    f.DeleteZeros();
            } else if (op == 17) {
                const TListFator copy(got);
                got = copy;
            } else if (op == 18 && got.Count() > 0) {
                // A term changed in place, through the non-const access.
                const int i = pick(0, got.Count() - 1);
                got[i].AddSimbolo("A", 1);
                ref.t[static_cast<std::size_t>(i)].AddSimbolo("A", 1);
            } else if (op == 19) {
                std::vector<std::string> a;
                std::vector<std::string> b;
                got.WriteLines(a);
                for (TFator& f : ref.t)
                    b.push_back(f.Linha());
                ASSERT_EQ(a, b);
            }
            SCOPED_TRACE("seed " + std::to_string(seed) + " op " + std::to_string(op));
            ExpectSame(got, ref, step);
            if (HasFatalFailure()) return;
        }
    }
}
