// The property window of system components without its widgets: the gain panels of each dialog family
// (zero gains only for couplers) and Var. Controle's correction of a typed name.

#include "core/system/SisDocTestUtil.h"

#include "system/UnitPropVOSisComp.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace brelix;
using namespace brelix::testing;

// Panels of each dialog family, written out: index, label, gain shown, editor title, switches.
TEST(SystemGainPanels, EachDialogFamily) {
    auto doc = NewSistema();
    const std::vector<std::tuple<std::int32_t, std::size_t, std::size_t, TPainelGanho>> casos = {
        {kTipoEleResistor, 1, 0, {0, "Resistência", "R1", "Resistência (K . Sym)", false, false, false}},
        {kTipoHidReferencia, 1, 0, {0, "Referência", "Ref1", "Referência (K . Sym)", false, false, false}},
        {kTipoMcrFonteTorqueCtrl,
         1,
         0,
         {0, "Ganho", "Kt1", "Ganho (K . Sym^ExpSym . S^ExpS)", true, true, false}},
        {kTipoMctMassaAtrito,
         2,
         1,
         {2, "Amortecimento", "B1", "Amortecimento (K . Sym)", false, false, false}},
        {kTipoAcpEleMct, 4, 1, {2, "V2 = Kvi.i1", "Kvi1", "V2 = Kvi.i1 (K . Sym^ExpSym)", true, false, true}},
        {kTipoAcpMcrHid, 4, 3, {4, "Q2 = Kqt.T1", "Kqt1", "Q2 = Kqt.T1 (K . Sym^ExpSym)", true, false, true}},
    };
    for (const auto& [kind, count, i, panel] : casos) {
        TPropVOSisComp prop;
        prop.Show(*doc, PlaceComp(*doc, kind));
        ASSERT_EQ(prop.PaineisGanho().size(), count) << kind;
        EXPECT_EQ(prop.PaineisGanho()[i], panel) << kind;
        EXPECT_EQ(prop.TemVarCtrl(), kind == kTipoMcrFonteTorqueCtrl);
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
