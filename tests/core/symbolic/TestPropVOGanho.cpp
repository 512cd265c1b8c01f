// The gain entry dialog without its window: the fields a gain opens with and the window's width,
// the gain composed from the fields on OK (hidden fields still counting) with its two refusals, and
// the key filters of K and Sym.

#include "symbolic/UnitPropVOGanho.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace brelix;

TEST(GainDialogOpening, FieldsAndWidthFromTheGainAndTheGroupsShown) {
    struct Caso {
        const char* ganho;
        bool expSym;
        bool expS;
        const char* k;
        const char* sym;
        std::int32_t expSymValor;
        std::int32_t expSValor;
        std::int32_t largura;
    };
    const std::vector<Caso> casos = {
        {"2,5.R.S", true, true, "2,5", "R", 1, 1, 360},
        {"C^-1.S^-1", true, false, "1", "C", -1, -1, 270},
        {"-1.DFS", false, true, "-1", "DFS", 1, 0, 360},
        {"0", false, false, "0", "", 1, 0, 180},
        {"1,5E-7.L", false, false, "1,5E-7", "L", 1, 0, 180},
        {"R^2", true, true, "1", "R", 1, 0, 360}, // not a valid gain: the fields still show its values
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.ganho);
        TPropVOGanho dlg;
        dlg.AbrirGanho("Ganho", c.ganho, false, c.expSym, c.expS);
        EXPECT_EQ(dlg.K, c.k);
        EXPECT_EQ(dlg.Sym, c.sym);
        EXPECT_EQ(dlg.ExpSym(), c.expSymValor);
        EXPECT_EQ(dlg.ExpS(), c.expSValor);
        EXPECT_EQ(dlg.Largura(), c.largura);
        EXPECT_EQ(dlg.ExpSymVisivel(), c.expSym);
        EXPECT_EQ(dlg.ExpSVisivel(), c.expS);
    }
}

// Each row opens a gain, sets the fields and presses OK.
TEST(GainDialogOk, ComposedValidatedAndWrittenBackCanonical) {
    struct Caso {
        const char* ganho;
        bool allowZero;
        bool expSym; // groups shown
        bool expS;
        const char* k;
        const char* sym;
        std::int32_t expSymValor;
        std::int32_t expSValor;
        const char* resultado; // empty when refused
        const char* mensagem;
    };
    const char* kInvalido = "Ganho (K . Sym) inválido(a)";
    const std::vector<Caso> casos = {
        {"2,5.R.S", false, true, true, "2,5", "R", 1, 1, "2,5.R.S", ""},
        {"2,5.R.S", false, true, true, "2,5", "R", 0, 1, "2,5.S", ""}, // ExpSym 0 drops the symbol
        {"R", false, true, true, "2", "", -1, 0, "2", ""},             // no symbol, its exponent is no matter
        {"R", false, false, false, "0", "R", 1, 0, "", kInvalido},
        {"R", true, false, false, "0", "R", 1, 0, "0", ""},
        {"R", false, false, false, "-", "R", 1, 0, "", kInvalido},
        {"R", false, false, false, "", "R", 1, 0, "", "K inválido"},
        {"R", false, false, false, "1,50", "R", 1, 0, "1,5.R", ""},
        {"R", false, false, false, "2,", "R", 1, 0, "", kInvalido},
        {"R", false, false, false, "3", "1R", 1, 0, "", kInvalido},
        // Hidden groups still count: a power of S or a symbol exponent the dialog does not offer stays.
        {"C^-1.S^-2", false, false, false, "4", "C", -1, -2, "4.C^-1.S^-2", ""},
        {"S^150", false, true, true, "1", "", 1, 150, "S^150", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.ganho) + " K=" + c.k + " Sym=" + c.sym);
        TPropVOGanho dlg;
        dlg.AbrirGanho("Ganho (K . Sym)", c.ganho, c.allowZero, c.expSym, c.expS);
        dlg.K = c.k;
        dlg.Sym = c.sym;
        dlg.SetExpSym(c.expSymValor);
        dlg.SetExpS(c.expSValor);
        const TRespostaGanho r = dlg.Ok();
        EXPECT_EQ(r.Fechar, *c.resultado != '\0');
        EXPECT_EQ(r.Texto, c.resultado);
        EXPECT_EQ(r.Mensagem, c.mensagem);
        EXPECT_EQ(r.FocoEmK, std::string(c.mensagem) == "K inválido");
        EXPECT_EQ(dlg.Resultado(), c.resultado);
    }
}

TEST(GainDialogOk, SpinEditsKeepTheirRanges) {
    TPropVOGanho dlg;
    dlg.AbrirGanho("Ganho", "R", false, true, true);
    dlg.SetExpSym(5);
    dlg.SetExpS(-300);
    EXPECT_EQ(dlg.ExpSym(), 1);
    EXPECT_EQ(dlg.ExpS(), -100);
    dlg.AbrirGanho("Ganho", "R.S^150", false, true, true);
    EXPECT_EQ(dlg.MaxExpS(), 150) << "a power read from a file stays within reach";
    dlg.SetExpS(200);
    EXPECT_EQ(dlg.ExpS(), 150);
}

TEST(GainDialogKeys, KAndSymFilters) {
    const std::u32string kPasses = U"0123456789,-\b";
    for (char32_t key : kPasses)
        EXPECT_EQ(FiltrarTeclaK(key), key) << static_cast<int>(key);
    EXPECT_EQ(FiltrarTeclaK(U'.'), U',') << "a typed period is the decimal comma";
    for (char32_t key : std::u32string(U"aS +eE^_é"))
        EXPECT_EQ(FiltrarTeclaK(key), 0u) << static_cast<int>(key);
    for (char32_t key : std::u32string(U"azAZ09_\b"))
        EXPECT_TRUE(AceitaTeclaSym(key)) << static_cast<int>(key);
    for (char32_t key : std::u32string(U"-.,^ é("))
        EXPECT_FALSE(AceitaTeclaSym(key)) << static_cast<int>(key);
}
