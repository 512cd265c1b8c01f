// The gain entry dialog without its window: the fields and width a gain opens with, the gain composed
// from the fields on OK (hidden fields still counting) with its two refusals, the spin edits' ranges
// and the key filters of K and Sym.

#include "symbolic/UnitPropVOGanho.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace brelix;

TEST(GainDialog, OpeningFillsTheFieldsAndSizesTheWindow) {
    // gain, ExpSym shown, ExpS shown -> "K Sym ExpSym ExpS width"
    const std::vector<std::tuple<const char*, bool, bool, const char*>> casos = {
        {"2,5.R.S", true, true, "2,5 R 1 1 360"},
        {"C^-1.S^-1", true, false, "1 C -1 -1 270"},
        {"-1.DFS", false, true, "-1 DFS 1 0 360"},
        {"0", false, false, "0  1 0 180"},
        {"1,5E-7.L", false, false, "1,5E-7 L 1 0 180"},
        {"R^2", true, true, "1 R 1 0 360"}, // invalid: values shown
    };
    for (const auto& [gain, expSym, expS, fields] : casos) {
        TPropVOGanho dlg;
        dlg.AbrirGanho("Ganho", gain, false, expSym, expS);
        EXPECT_EQ(dlg.K + " " + dlg.Sym + " " + std::to_string(dlg.ExpSym()) + " " +
                      std::to_string(dlg.ExpS()) + " " + std::to_string(dlg.Largura()),
                  fields)
            << gain;
        EXPECT_EQ(dlg.ExpSymVisivel(), expSym);
        EXPECT_EQ(dlg.ExpSVisivel(), expS);
    }
}

TEST(GainDialog, OkComposesValidatesAndWritesTheGainBackCanonical) {
    struct Caso {
        const char* ganho;
        bool allowZero;
        const char* k;
        const char* sym;
        std::int32_t expSym;
        std::int32_t expS;
        const char* resultado; // or the message
    };
    const std::vector<Caso> casos = {
        {"2,5.R.S", false, "2,5", "R", 1, 1, "2,5.R.S"},
        {"2,5.R.S", false, "2,5", "R", 0, 1, "2,5.S"}, // ExpSym 0 drops the symbol
        {"R", false, "2", "", -1, 0, "2"},
        {"R", false, "0", "R", 1, 0, "Ganho (K . Sym) inválido(a)"},
        {"R", true, "0", "R", 1, 0, "0"},
        {"R", false, "-", "R", 1, 0, "Ganho (K . Sym) inválido(a)"},
        {"R", false, "", "R", 1, 0, "K inválido"},
        {"R", false, "1,50", "R", 1, 0, "1,5.R"},
        {"R", false, "3", "1R", 1, 0, "Ganho (K . Sym) inválido(a)"},
        // The dialog below shows neither exponent, yet both count.
        {"C^-1.S^-2", false, "4", "C", -1, -2, "4.C^-1.S^-2"},
        {"S^150", false, "1", "", 1, 150, "S^150"}, // a power read from a file, beyond the spin edit's range
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.ganho) + " K=" + c.k + " Sym=" + c.sym);
        TPropVOGanho dlg;
        dlg.AbrirGanho("Ganho (K . Sym)", c.ganho, c.allowZero, false, false);
        dlg.K = c.k;
        dlg.Sym = c.sym;
        dlg.SetExpSym(c.expSym);
        dlg.SetExpS(c.expS);
        const TRespostaGanho r = dlg.Ok();
        EXPECT_EQ(r.Fechar ? r.Texto : r.Mensagem, c.resultado);
        EXPECT_EQ(r.FocoEmK, std::string(c.resultado) == "K inválido");
        EXPECT_EQ(dlg.Resultado(), r.Fechar ? c.resultado : "");
    }
    TPropVOGanho dlg;
    dlg.AbrirGanho("Ganho", "R", false, true, true);
    dlg.SetExpSym(5);
    dlg.SetExpS(-300);
    EXPECT_EQ(std::make_pair(dlg.ExpSym(), dlg.ExpS()), std::make_pair(1, -100));
}

TEST(GainDialog, KeyFiltersOfKAndSym) {
    for (char32_t key : std::u32string(U"0123456789,-\b"))
        EXPECT_EQ(FiltrarTeclaK(key), key) << static_cast<int>(key);
    EXPECT_EQ(FiltrarTeclaK(U'.'), U',') << "a typed period is the decimal comma";
    for (char32_t key : std::u32string(U"aS +eE^_é"))
        EXPECT_EQ(FiltrarTeclaK(key), 0u) << static_cast<int>(key);
    for (char32_t key : std::u32string(U"azAZ09_\b"))
        EXPECT_TRUE(AceitaTeclaSym(key)) << static_cast<int>(key);
    for (char32_t key : std::u32string(U"-.,^ é("))
        EXPECT_FALSE(AceitaTeclaSym(key)) << static_cast<int>(key);
}
