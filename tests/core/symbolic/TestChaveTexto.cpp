// The text keys of symbol products (alike, ordered, hashed as their written texts would be) and the
// ranked sort of a product, against the written texts and the literal exchange procedure.

#include "symbolic/UnitFTChaveTexto.h"

#include "common/UnitComTexto.h"

#include <gtest/gtest.h>

#include <random>

using namespace brelix;

namespace {

std::string Texto(const TListSimboloExp& p, bool upper = false) {
    std::string text;
    p.EscreverTexto(text, upper);
    return text;
}

int Sinal(int c) {
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// Names that make item-by-item reasoning go wrong unless it is done with care: prefixes of each
// other followed by digits, "-" (below "."), "_" (above "^"), case collisions, bytes above 0x7F, and
// names that no parser makes but the product accepts: empty, or holding "." or "^".
const std::vector<std::string> kNomesDificeis = {"A", "a", "A1", "A10",      "A-", "A_",  "AB",  "B",
                                                 "R", "r", "Rx", "\xc3\xa9", "",   "A.B", "A^2", "^"};

TListSimboloExp ProdutoAleatorio(std::mt19937& rng, const std::vector<std::string>& names) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static const std::vector<std::int32_t> exps = {1, 1, 1, 2, -1, 0, 10, 12, -12, 1};
    TListSimboloExp p;
    for (int n = pick(0, 4); n > 0; --n)
        p.AddSimbolo(names[static_cast<std::size_t>(pick(0, static_cast<int>(names.size()) - 1))],
                     exps[static_cast<std::size_t>(pick(0, static_cast<int>(exps.size()) - 1))]);
    if (pick(0, 1) == 1) p.Sort();
    return p;
}

} // namespace

TEST(TextKey, AgreesWithTheWrittenTexts) {
    std::mt19937 rng(31);
    for (int round = 0; round < 20000; ++round) {
        const TListSimboloExp a = ProdutoAleatorio(rng, kNomesDificeis);
        const TListSimboloExp b = ProdutoAleatorio(rng, kNomesDificeis);
        const std::string ta = Texto(a);
        const std::string tb = Texto(b);
        ASSERT_EQ(MesmoTexto(a, b), ta == tb) << ta << " | " << tb;
        if (ta == tb) {
            ASSERT_EQ(HashTexto(a), HashTexto(b)) << ta;
        }

        const std::string ua = Texto(a, true);
        const std::string ub = Texto(b, true);
        ASSERT_EQ(ua, UpperAscii(ta));
        ASSERT_EQ(CompararTextoMaiusculo(a, b), Sinal(ua.compare(ub))) << ua << " | " << ub;
        // Prefixes never contradict the texts.
        const TPrefixoTexto pa = PrefixoMaiusculo(a);
        const TPrefixoTexto pb = PrefixoMaiusculo(b);
        if (pa != pb) {
            ASSERT_EQ(pa < pb, ua < ub) << ua << " | " << ub;
        }
    }
}

TEST(TextKey, LongTextsDifferingAfterThePrefix) {
    TListSimboloExp a;
    TListSimboloExp b;
    for (int i = 0; i < 12; ++i) {
        a.AddSimbolo("N" + std::to_string(i), 1);
        b.AddSimbolo("N" + std::to_string(i), 1);
    }
    a.AddSimbolo("Z1", 1);
    b.AddSimbolo("Z1", 2);
    a.Sort();
    b.Sort();
    EXPECT_EQ(PrefixoMaiusculo(a), PrefixoMaiusculo(b));
    EXPECT_LT(CompararTextoMaiusculo(a, b), 0);
    EXPECT_GT(CompararTextoMaiusculo(b, a), 0);
    EXPECT_NE(HashTexto(a), HashTexto(b));
}

TEST(SymbolProductSort, RankedSortMatchesTheExchangeProcedure) {
    // The exchange procedure written out, on names compared upper-cased.
    const auto literal = [](std::vector<TSimboloExp> items) {
        for (std::size_t i = 0; i + 1 < items.size(); ++i)
            for (std::size_t j = i + 1; j < items.size(); ++j)
                if (items[i].Id != items[j].Id && NomeMaiusculo(items[i].Id) > NomeMaiusculo(items[j].Id))
                    std::swap(items[i], items[j]);
        return items;
    };
    std::vector<std::string> names = kNomesDificeis;
    for (int i = 0; i < 80; ++i)
        names.push_back("S" + std::to_string(i));
    std::mt19937 rng(5);
    for (int round = 0; round < 3000; ++round) {
        // Now and then a new name, so that sorting runs both with and without the ranks at hand.
        if (round % 500 == 0) names.push_back("Novo" + std::to_string(round));
        TListSimboloExp p;
        const int count = std::uniform_int_distribution<int>(0, round % 10 == 0 ? 90 : 20)(rng);
        for (int n = 0; n < count; ++n)
            p.AddSimbolo(names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(rng)], 1);
        const std::vector<TSimboloExp> expected = literal(std::vector<TSimboloExp>(p.begin(), p.end()));
        p.Sort();
        ASSERT_EQ(p.Count(), static_cast<int>(expected.size()));
        for (int i = 0; i < p.Count(); ++i)
            ASSERT_EQ(p[i].Id, expected[static_cast<std::size_t>(i)].Id) << round;
    }
}
