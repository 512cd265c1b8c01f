// The property window of system components without its widgets: the gain panels of every dialog
// family of the catalogue, zero gains only for couplers, the label that follows the gain, and
// Var. Controle's correction of a typed name.

#include "core/system/SisDocTestUtil.h"

#include "symbolic/UnitPropVOGanho.h"
#include "system/UnitPropVOSisComp.h"

#include <gtest/gtest.h>

#include <map>

using namespace brelix;
using namespace brelix::testing;

// The panels of every component of the catalogue, against the dialog families' table.
TEST(SystemGainPanels, EveryKindByItsDialogFamily) {
    struct Familia {
        std::size_t paineis;
        const char* sufixo;
        bool expSym;
        bool expS;
        bool zero;
        bool porPeca;
    };
    const std::map<TPropWindow, Familia> familias = {
        {TPropWindow::SisComp, {1, " (K . Sym)", false, false, false, false}},
        {TPropWindow::SisCompCtrl, {1, " (K . Sym^ExpSym . S^ExpS)", true, true, false, false}},
        {TPropWindow::SisComp2, {2, " (K . Sym)", false, false, false, true}},
        {TPropWindow::SisComp4, {4, " (K . Sym^ExpSym)", true, false, true, true}},
    };
    auto doc = NewSistema();
    int checked = 0;
    for (const TSisKindRow& row : SisKinds()) {
        if (row.Terminals == 0) continue;
        SCOPED_TRACE(row.ClassName);
        TVOSisComp& c = PlaceComp(*doc, row.Kind);
        TPropVOSisComp prop;
        prop.Show(*doc, c);
        const Familia& f = familias.at(row.Dialog);
        const std::vector<TPainelGanho> paineis = prop.PaineisGanho();
        ASSERT_EQ(paineis.size(), f.paineis);
        for (std::size_t i = 0; i < paineis.size(); ++i) {
            const std::int32_t indice = f.porPeca ? static_cast<std::int32_t>(i + 1) : 0;
            EXPECT_EQ(paineis[i], (TPainelGanho{indice, row.Labels[i], c.GetGain(indice),
                                                row.Labels[i] + f.sufixo, f.expSym, f.expS, f.zero}));
        }
        EXPECT_EQ(prop.TemVarCtrl(), row.Dialog == TPropWindow::SisCompCtrl);
        ++checked;
    }
    EXPECT_EQ(checked, 44);
    // Spelled out for three kinds.
    TPropVOSisComp prop;
    prop.Show(*doc, *doc->Objects().FindByDesc("Resistor1"));
    EXPECT_EQ(prop.PaineisGanho()[0].TituloEditor, "Resistência (K . Sym)");
    prop.Show(*doc, *doc->Objects().FindByDesc("MassaAtrito1"));
    EXPECT_EQ(prop.PaineisGanho()[1].TituloEditor, "Amortecimento (K . Sym)");
    prop.Show(*doc, *doc->Objects().FindByDesc("AcopladorEleMct1"));
    EXPECT_EQ(prop.PaineisGanho()[1].TituloEditor, "V2 = Kvi.i1 (K . Sym^ExpSym)");
}

// A zero gain passes only where the family allows it; the label follows a gain it showed.
TEST(SystemGainPanels, ZeroGainsAndTheLabelThatFollows) {
    auto doc = NewSistema();
    TVOSisComp& acp = PlaceComp(*doc, kTipoAcpEleMct);
    TVOSisComp& massa = PlaceComp(*doc, kTipoMctMassaAtrito);
    TVOSisComp& res = PlaceComp(*doc, kTipoEleResistor);
    struct Caso {
        TVOSisComp* comp;
        std::size_t painel;
        const char* k;
        const char* mensagem;
        const char* ganho; // the whole gain afterwards
    };
    const std::vector<Caso> casos = {
        {&res, 0, "0", "Resistência (K . Sym) inválido(a)", "R1"},
        {&massa, 1, "0", "Amortecimento (K . Sym) inválido(a)", "M1;B1"},
        {&massa, 1, "2", "", "M1;2.B1"},
        {&acp, 1, "0", "", "Kvv1;0;Kfv1;Kfi1"},
        {&acp, 2, "-1", "", "Kvv1;0;-1.Kfv1;Kfi1"},
    };
    for (const Caso& c : casos) {
        TPropVOSisComp prop;
        prop.Show(*doc, *c.comp);
        const TPainelGanho p = prop.PaineisGanho()[c.painel];
        TPropVOGanho dlg;
        dlg.AbrirGanho(p.TituloEditor, p.Ganho, p.PermiteZero, p.ExpSym, p.ExpS);
        dlg.K = c.k;
        const TRespostaGanho r = dlg.Ok();
        EXPECT_EQ(r.Mensagem, c.mensagem) << c.ganho;
        if (r.Fechar) {
            ASSERT_TRUE(prop.AplicarGanho(c.painel, r.Texto));
        }
        EXPECT_EQ(c.comp->GetGain(0), c.ganho);
        EXPECT_EQ(c.comp->Lbl(), c.ganho) << "a label never edited shows the whole gain";
    }
}

// A typed text: a candidate whatever its case; an unknown name gives way to the stored variable; an
// empty text clears the variable, which the validation then reports.
TEST(SystemControlVariable, TypedNamesAreCorrectedButAnEmptyOneClears) {
    Desenho d;
    d.C(kTipoEleFonteTensao, {"A", "G"});
    d.C(kTipoEleResistor, {"A", "B"});
    TVOSisComp& ctrl = d.C(kTipoEleFonteCorrenteCtrl, {"B", "G"});
    TPropVOSisComp prop;
    prop.Show(*d.doc, ctrl);
    EXPECT_EQ(prop.CandidatosVarCtrl(), (std::vector<std::string>{"i(FonteTensao1)", "i(Resistor1)",
                                                                  "v(FonteTensao1)", "v(Resistor1)"}));
    const std::vector<std::pair<const char*, const char*>> casos = {
        {"xyz", ""},
        {"I(RESISTOR1)", "i(Resistor1)"},
        {"v(Capacitor1)", "i(Resistor1)"},
        {"v(Resistor1)", "v(Resistor1)"},
        {"", ""},
    };
    for (const auto& [typed, shown] : casos)
        EXPECT_EQ(prop.DigitarVarCtrl(typed), shown) << typed;
    EXPECT_EQ(ctrl.Props().Value("VarCtrl") + ctrl.Props().Value("VarID") + ctrl.Props().Value("VarPort"),
              "000");
    EXPECT_EQ(d.doc->Validate().Problemas, std::vector<std::string>{"FonteCorrenteCtrl1"});
    ASSERT_TRUE(d.doc->Undo());
    EXPECT_EQ(prop.VarCtrl(), "v(Resistor1)");
}
