// The canonical order against the procedures as written: the text keys of symbol products (alike,
// ordered, hashed as their texts), the ranked sort of a product, the exchange order on ranks with many
// ties, and every polynomial operation against a polynomial kept by the literal procedures.

#include "symbolic/UnitFTChaveTexto.h"
#include "symbolic/UnitFTListFator.h"
#include "symbolic/UnitFTOrdemTroca.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include "common/UnitComParalelo.h"
#include "common/UnitComTexto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace brelix;

namespace {

// The exchange procedure: for each i, every later j; exchanged when the key at i is greater.
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

std::string Texto(const TListSimboloExp& p, bool upper = false) {
    std::string text;
    p.EscreverTexto(text, upper);
    return text;
}

// Names that make item-by-item reasoning go wrong unless it is done with care: prefixes of each
// other followed by digits, "-" (below "."), "_" (above "^"), case collisions, bytes above 0x7F,
// names that no parser makes (empty, or holding "." or "^"), and texts alike up to the key's prefix.
const std::string kLongo(40, 'l');
const std::vector<std::string> kNomesDificeis = {"A",  "a",   "A1",  "A10", "A-",   "A_",
                                                 "AB", "B",   "R",   "r",   "Rx",   "\xc3\xa9",
                                                 "",   "A.B", "A^2", "^",   kLongo, UpperAscii(kLongo) + "1"};

TListSimboloExp ProdutoAleatorio(std::mt19937& rng) {
    static const std::int32_t exps[] = {1, 1, 1, 2, -1, 0, 10, 12, -12, 1};
    TListSimboloExp p;
    for (auto n = rng() % 5; n > 0; --n)
        p.AddSimbolo(kNomesDificeis[rng() % kNomesDificeis.size()], exps[rng() % std::size(exps)]);
    if (rng() % 2 == 1) p.Sort();
    return p;
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

TEST(TextKey, AgreesWithTheWrittenTexts) {
    std::mt19937 rng(31);
    for (int round = 0; round < 20000; ++round) {
        const TListSimboloExp a = ProdutoAleatorio(rng), b = ProdutoAleatorio(rng);
        const std::string ta = Texto(a), tb = Texto(b), ua = Texto(a, true), ub = Texto(b, true);
        ASSERT_EQ(MesmoTexto(a, b), ta == tb) << ta << " | " << tb;
        ASSERT_TRUE(ta != tb || HashTexto(a) == HashTexto(b)) << ta;
        ASSERT_EQ(ua, UpperAscii(ta));
        const int c = ua.compare(ub);
        ASSERT_EQ(CompararTextoMaiusculo(a, b), c < 0 ? -1 : (c > 0 ? 1 : 0)) << ua << " | " << ub;
        const TPrefixoTexto pa = PrefixoMaiusculo(a), pb = PrefixoMaiusculo(b);
        ASSERT_TRUE(pa == pb || (pa < pb) == (ua < ub)) << ua << " | " << ub; // prefixes as texts
    }
}

TEST(SymbolProductSort, RankedSortMatchesTheExchangeProcedure) {
    std::vector<std::string> names = kNomesDificeis;
    for (int i = 0; i < 80; ++i)
        names.push_back("S" + std::to_string(i));
    std::mt19937 rng(5);
    for (int round = 0; round < 3000; ++round) {
        // Now and then a new name, so that sorting runs both with and without the ranks at hand; and
        // now and then more items than the ranked sort takes.
        if (round % 500 == 0) names.push_back("Novo" + std::to_string(round));
        TListSimboloExp p;
        for (auto n = rng() % (round % 10 == 0 ? 91 : 21); n > 0; --n)
            p.AddSimbolo(names[rng() % names.size()], 1);
        std::vector<TSimboloExp> e(p.begin(), p.end());
        Trocar(e, [](auto& x, auto& y) { return NomeMaiusculo(x.Id) > NomeMaiusculo(y.Id); });
        p.Sort();
        ASSERT_TRUE(std::equal(p.begin(), p.end(), e.begin(), e.end(), [](auto& x, auto& y) {
            return x.Id == y.Id;
        })) << round;
        // The symbol values of the same names, which differ in letter case only now and then.
        TListSimboloVal valores;
        for (const TSimboloExp& item : p)
            valores.AddSimbolo(item.Nome(), 1.0);
        std::vector<TSimboloVal> v(valores.begin(), valores.end());
        std::shuffle(v.begin(), v.end(), rng);
        valores.Clear();
        for (const TSimboloVal& item : v)
            valores.AddSimbolo(item.Nome, item.Valor);
        Trocar(v, [](auto& x, auto& y) { return CompareUpper(x.Nome, y.Nome) > 0; });
        valores.Sort();
        ASSERT_TRUE(std::equal(valores.begin(), valores.end(), v.begin(), v.end(), [](auto& x, auto& y) {
            return x.Nome == y.Nome;
        })) << round;
    }
}

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
    // Names alike but for case show the order and when products are sorted; like terms cancel exactly.
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
                const auto like = [&](TFator& f) { return f.TextoSimbolos() == text && f.ExpS == e; };
                if (const auto it = std::ranges::find_if(ref, like); it != ref.end())
                    it->K += k;
                else
                    ref.emplace_back(e, &sorted, k);
                op % 2 == 0 ? got.AddFator(e, p, k) : got.AddFator(TListFator::Chave(e, p), std::move(p), k);
            } else if (op == 10 && at >= 0) {
                got.DeleteFator(at);
                ref.erase(ref.begin() + at);
            } else if (op == 11) { // null terms go, but never the last remaining one
                got.DeleteFatoresNulos();
                if (!ref.empty() && std::ranges::all_of(ref, [](auto& f) { return f.K == 0.0; }))
                    ref.erase(ref.begin(), ref.end() - 1);
                else
                    std::erase_if(ref, [](auto& f) { return f.K == 0.0; });
            } else if (op == 12) { // descending powers, then ascending upper-cased text within a power
                got.Ordenar();
                Trocar(ref, [](auto& a, auto& b) { return a.ExpS < b.ExpS; });
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

// A polynomial large enough to be sorted, multiplied and written over the threads, with the names that
// make sorting hard (ties in case fall back to the exchange procedure inside the threads): every step
// on four threads leaves exactly what it leaves on one.
TEST(ExchangeOrder, LargePolynomialOnManyThreadsIsThePolynomialOnOne) {
    // Seven powers of S, shared out among the threads whole; then one power alone, sorted over them.
    for (const int potencias : {7, 1}) {
        std::mt19937 rng(17);
        TListFator base;
        for (int i = 0; i < 60000; ++i) {
            TListSimboloExp p = ProdutoAleatorio(rng);
            for (auto n = rng() % 6; n > 0; --n)
                p.AddSimbolo("S" + std::to_string(rng() % 40), static_cast<std::int32_t>(rng() % 5) - 2);
            base.AddFator(static_cast<std::int32_t>(rng() % static_cast<unsigned>(potencias)), p,
                          static_cast<double>(rng() % 9) - 4.0);
        }
        ASSERT_GT(base.Count(), 40000);
        const std::vector<TSimboloExp> fatores = {
            {IdSimbolo("S3"), 2}, {IdSimbolo("Novo"), -1}, {IdSimbolo("a"), 1}};
        const auto passos = [&](unsigned linhas) {
            DefinirLinhasDeTrabalho(linhas);
            TListFator p(base);
            std::vector<std::string> etapas;
            p.Ordenar();
            etapas.push_back(Cru(p));
            p.MulSimbolos(fatores);
            etapas.push_back(Cru(p));
            p.DeleteZeros();
            p.Ordenar();
            etapas.push_back(Cru(p));
            etapas.push_back(p.TextoSimbolico());
            DefinirLinhasDeTrabalho(0);
            return etapas;
        };
        const std::vector<std::string> uma = passos(1);
        const std::vector<std::string> quatro = passos(4);
        ASSERT_EQ(uma.size(), quatro.size());
        for (std::size_t k = 0; k < uma.size(); ++k)
            EXPECT_TRUE(uma[k] == quatro[k]) << "step " << k << " differs, " << potencias << " powers";
    }
}
