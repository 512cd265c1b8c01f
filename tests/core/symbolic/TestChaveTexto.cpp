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

// Names that make item-by-item reasoning go wrong unless it is done with care: prefixes of each
// other followed by digits, "-" (below "."), "_" (above "^"), case collisions, bytes above 0x7F,
// names that no parser makes but the product accepts (empty, or holding "." or "^"), and names long
// enough that texts differ only after the prefix of the key.
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
        // Prefixes that differ compare as the texts do.
        const TPrefixoTexto pa = PrefixoMaiusculo(a), pb = PrefixoMaiusculo(b);
        ASSERT_TRUE(pa == pb || (pa < pb) == (ua < ub)) << ua << " | " << ub;
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
        // The exchange procedure written out, on names compared upper-cased.
        std::vector<TSimboloExp> e(p.begin(), p.end());
        for (std::size_t i = 0; i + 1 < e.size(); ++i)
            for (std::size_t j = i + 1; j < e.size(); ++j)
                if (NomeMaiusculo(e[i].Id) > NomeMaiusculo(e[j].Id)) std::swap(e[i], e[j]);
        p.Sort();
        ASSERT_EQ(p.Count(), static_cast<int>(e.size()));
        for (int i = 0; i < p.Count(); ++i)
            ASSERT_EQ(p[i].Id, e[static_cast<std::size_t>(i)].Id) << round;
    }
}
