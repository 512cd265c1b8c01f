// The property windows without their widgets: each family's fields in order, the keys they accept,
// what each Return does (the four messages, the field put back, a description following its number),
// the gain rows with the label that follows the gain, Var. Controle's typed fallback, Componentes and
// the document's own window. Every accepted Return is one undoable step.

#include "core/visual/VisualTestUtil.h"

#include "support/PastaTemp.h"
#include "symbolic/UnitPropVOGanho.h"
#include "visual/UnitPropVisualForm.h"
#include "visual/UnitPropVisualObject.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

struct Doc {
    std::unique_ptr<TVisualDocumento> doc = NewDoc();
    TVOElemento& v1 = Place(*doc, "TVOGrfVertice", {50, 50});
    TVOGrfComp& z1 = Place<TVOGrfComp>(*doc, "TVOGrfImpedancia", {100, 50});
    TVOGrfComp& z2 = Place<TVOGrfComp>(*doc, "TVOGrfImpedancia", {150, 50});
    TVOGrfComp& k = Place<TVOGrfComp>(*doc, "TVOGrfDuasPortas", {200, 50});
    TVOGrfComp& ec = Place<TVOGrfComp>(*doc, "TVOGrfFonteEsforcoCtrl", {250, 50});
};

class PropertyFiles : public apoio::PastaTemp {};

} // namespace

TEST(PropertyFields, EachFamilyInOrderAndTheKeysTheyAccept) {
    const std::string common = "CBComp:Componentes EdtNum:Número EdtDesc:Descrição EdtLeft:Posição X "
                               "EdtTop:Posição Y EdtLbl:Legenda EdtLblX:Legenda X EdtLblY:Legenda Y";
    const std::vector<std::pair<TPropWindow, std::string>> casos = {
        {TPropWindow::VisualForm, "CBComp:Componentes EdtDesc:Descrição EdtAltura:Altura EdtLargura:Largura"},
        {TPropWindow::Cnx,
         "CBComp:Componentes EdtNum:Número EdtDesc:Descrição EdtLbl:Legenda EdtLblX:Legenda X "
         "EdtLblY:Legenda Y"},
        {TPropWindow::GrfCompCtrl, common + " Ganho1: CBVarCtrl:Var. Controle"},
        {TPropWindow::SisComp2, common + " Ganho1: Ganho2:"},
    };
    for (const auto& [janela, fields] : casos) {
        std::string all;
        for (const TCampoProp& c : CamposDaJanela(janela))
            all += (all.empty() ? "" : " ") + c.Nome + ":" + c.Rotulo;
        EXPECT_EQ(all, fields);
    }
    EXPECT_EQ(CamposDaJanela(TPropWindow::VisualForm)[1].Tipo, TTipoCampo::EditSomenteLeitura);
    const std::vector<std::tuple<TFiltroTecla, std::u32string, std::u32string>> keys = {
        {TFiltroTecla::Digitos, U"0189\b", U"-a_ ,.é"},
        {TFiltroTecla::Descricao, U"azAZ09_\b", U"- .(é)"},
        {TFiltroTecla::Inteiro, U"09-\b", U"a_ +,"},
        {TFiltroTecla::Qualquer, U"a -(é)*\b", U""},
    };
    for (const auto& [filtro, accepted, refused] : keys) {
        for (char32_t key : accepted)
            EXPECT_TRUE(AceitaTecla(filtro, key)) << static_cast<int>(key);
        for (char32_t key : refused)
            EXPECT_FALSE(AceitaTecla(filtro, key)) << static_cast<int>(key);
    }
}

// Número and Descrição of the first impedance, from the same start each time: the message, what the
// two fields show afterwards, and whether the descriptions' list changed.
TEST(PropertyReturns, NumberAndDescription) {
    const std::vector<std::tuple<bool, const char*, const char*, const char*, const char*, bool>> casos = {
        {true, "", "Número inválido", "1", "Impedancia1", false},
        {true, "0", "Número inválido", "1", "Impedancia1", false},
        {true, "x1", "Número inválido", "1", "Impedancia1", false},
        {true, "99999999999", "Número inválido", "1", "Impedancia1", false},
        {true, "2", "Número do objeto é inválido", "1", "Impedancia1", false},
        {true, "-3", "Número do objeto é inválido", "1", "Impedancia1", false},
        {true, "7", "", "7", "Impedancia7", true},
        {false, "", "Descrição inválida", "1", "Impedancia1", false},
        {false, "Nó 1", "Descrição inválida", "1", "Impedancia1", false},
        {false, "Vertice1", "Descrição do objeto não é única", "1", "Impedancia1", false},
        {false, "Impedancia1", "", "1", "Impedancia1", false},
        {false, "Carga", "", "1", "Carga", true},
    };
    for (const auto& [num, text, message, shownNum, shownDesc, listChanged] : casos) {
        SCOPED_TRACE(text);
        Doc d;
        TPropVOGrfComp prop;
        prop.Show(*d.doc, d.z1);
        const std::size_t steps = d.doc->UndoStack().Indice();
        const TRespostaCampo r = num ? prop.ReturnNum(text) : prop.ReturnDesc(text);
        EXPECT_EQ(r.Mensagem, message);
        EXPECT_EQ(prop.Valores().Num + " " + prop.Valores().Desc, std::string(shownNum) + " " + shownDesc);
        EXPECT_EQ(r.DescricaoMudou, listChanged);
        const bool changed = std::string(shownNum) != "1" || std::string(shownDesc) != "Impedancia1";
        EXPECT_EQ(d.doc->UndoStack().Indice(), steps + changed);
        EXPECT_EQ(Componentes(*d.doc)[static_cast<std::size_t>(prop.ComponenteSelecionado())], shownDesc);
    }
    Doc d; // a description the user chose stays when the number changes
    TPropVOGrfComp prop;
    prop.Show(*d.doc, d.z1);
    prop.ReturnDesc("Carga");
    EXPECT_FALSE(prop.ReturnNum("9").DescricaoMudou);
    EXPECT_EQ(prop.Valores(), (TValoresPropriedades{"9", "Carga", "100", "50", "Z1", "0", "-20"}));
}

TEST_F(PropertyFiles, PositionsAndLabelsThroughTheirFieldsSurviveTheFile) {
    Doc d;
    TPropVisualObject prop;
    prop.Show(*d.doc, d.z1);
    const std::vector<std::pair<TRespostaCampo, const char*>> casos = {
        {prop.ReturnLeft("120"), ""},
        {prop.ReturnTop("x"), "\"x\" não é um valor inteiro válido"},
        {prop.ReturnTop("-"), "\"-\" não é um valor inteiro válido"},
        {prop.ReturnLblX("2000000"), "'2000000' está fora do intervalo de -1000000 a 1000000"},
        {prop.ReturnLblY("-25"), ""},
        {prop.ReturnLbl(""), ""},
        {prop.ReturnLbl("Ω"), "Legenda inválida"},
    };
    for (const auto& [r, message] : casos)
        EXPECT_EQ(r.Mensagem, message);
    EXPECT_EQ(d.z1.Props().Value("Lbl"), "*");
    EXPECT_TRUE(d.z1.Move()) << "a typed position pins a one-port where it was put";
    d.doc->SaveDocument(Path("posicao.grf"));
    auto back = NewDoc();
    back->LoadFile(Path("posicao.grf"));
    prop.Show(*back, *back->Objects().FindByDesc("Impedancia1"));
    EXPECT_EQ(prop.Valores(), (TValoresPropriedades{"1", "Impedancia1", "120", "50", "", "0", "-25"}));
    for (int i = 0; i < 3; ++i) // one step per accepted Return
        ASSERT_TRUE(d.doc->Undo());
    prop.Show(*d.doc, d.z1);
    EXPECT_EQ(prop.Valores(), (TValoresPropriedades{"1", "Impedancia1", "100", "50", "Z1", "0", "-20"}));
    EXPECT_FALSE(d.z1.Move());
}

TEST(PropertyGains, RowsAndTheLabelThatFollowsTheGain) {
    Doc d;
    TPropVOGrfComp prop;
    prop.Show(*d.doc, d.z1);
    const TPainelGanho p = prop.PaineisGanho().at(0);
    EXPECT_EQ(
        p, (TPainelGanho{0, "Impedância", "Z1", "Impedância (K . Sym^ExpSym . S^ExpS)", true, true, false}));
    TPropVOGanho dlg; // the gain entry dialog as the row's button opens it
    dlg.AbrirGanho(p.TituloEditor, p.Ganho, p.PermiteZero, p.ExpSym, p.ExpS);
    dlg.K = "0";
    EXPECT_EQ(dlg.Ok().Mensagem, "Impedância (K . Sym^ExpSym . S^ExpS) inválido(a)");
    dlg.K = "2";
    dlg.SetExpS(1);
    ASSERT_TRUE(dlg.Ok().Fechar && prop.AplicarGanho(0, dlg.Resultado()));
    EXPECT_EQ(d.z1.GetGain(0) + " " + d.z1.Lbl(), "2.Z1.S 2.Z1.S") << "a label never edited follows";
    prop.ReturnLbl("Carga");
    ASSERT_TRUE(prop.AplicarGanho(0, "Z1"));
    EXPECT_EQ(d.z1.Lbl(), "Carga") << "a label of the user's stays";

    prop.Show(*d.doc, d.k);
    const std::vector<TPainelGanho> four = prop.PaineisGanho();
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(four[3], (TPainelGanho{4, "F2 = Kff.F1", "Kff1", "F2 = Kff.F1 (K . Sym^ExpSym . S^ExpS)", true,
                                     true, true}));
    ASSERT_TRUE(prop.AplicarGanho(0, "0"));
    EXPECT_EQ(d.k.GetGain(0) + " " + d.k.Lbl(), "0;Kef1;Kfe1;Kff1 0;Kef1;Kfe1;Kff1");
    EXPECT_FALSE(prop.AplicarGanho(4, "K"));
}

TEST(PropertyControlVariable, ChoiceAndTypedFallback) {
    Doc d;
    TPropVOGrfComp prop;
    prop.Show(*d.doc, d.ec);
    EXPECT_EQ(prop.CandidatosVarCtrl(),
              (std::vector<std::string>{"E(DuasPortas1_P1)", "E(DuasPortas1_P2)", "E(Impedancia1)",
                                        "E(Impedancia2)", "F(DuasPortas1_P1)", "F(DuasPortas1_P2)",
                                        "F(Impedancia1)", "F(Impedancia2)"}));
    const std::vector<std::pair<const char*, const char*>> typed = {
        {"nada", ""},                               // nothing stored yet
        {"f(duasportas1_p2)", "F(DuasPortas1_P2)"}, // a candidate in any letter case
        {"E(Impedancia9)", "F(DuasPortas1_P2)"},    // no candidate: the stored one comes back
        {"", "F(DuasPortas1_P2)"},
    };
    for (const auto& [text, shown] : typed)
        EXPECT_EQ(prop.DigitarVarCtrl(text), shown) << text;
    EXPECT_EQ(prop.EscolherVarCtrl("E(Impedancia2)"), "E(Impedancia2)");
    ASSERT_TRUE(d.doc->Undo());
    EXPECT_EQ(prop.VarCtrl(), "F(DuasPortas1_P2)");
}

TEST(PropertyComponents, ChosenOrTypedDescriptionsSelectTheirObjectAndTheDocumentsSize) {
    Doc d;
    const std::size_t steps = d.doc->UndoStack().Indice();
    EXPECT_EQ(Componentes(*d.doc), (std::vector<std::string>{"DuasPortas1", "FonteEsforcoCtrl1",
                                                             "Impedancia1", "Impedancia2", "Vertice1"}));
    const std::optional<TPropSwitch> sw = EscolherComponente(*d.doc, "Vertice1");
    ASSERT_TRUE(sw.has_value());
    EXPECT_EQ(std::make_pair(sw->Hide, sw->Show), std::make_pair(TPropWindow::GrfCompCtrl, TPropWindow::Vrt));
    EXPECT_EQ(DigitarComponente(*d.doc, "impedancia2"), 3);
    EXPECT_EQ(d.doc->Objects().Selected(), &d.z2);
    EXPECT_EQ(DigitarComponente(*d.doc, "Impedancia"), -1);
    EXPECT_EQ(d.doc->Objects().Selected(), &d.z2);
    EXPECT_EQ(d.doc->UndoStack().Indice(), steps) << "selecting is not an edit";

    TPropVisualForm form;
    form.Show(*d.doc);
    d.doc->SaveDocument(::testing::TempDir() + "/Altura.grf");
    EXPECT_EQ(form.ReturnAltura("400").Mensagem, "");
    EXPECT_EQ(form.ReturnLargura("").Mensagem, "\"\" não é um valor inteiro válido");
    EXPECT_EQ(form.ReturnLargura("-5").Mensagem, "'-5' está fora do intervalo de 0 a 1000000");
    EXPECT_EQ(form.Valores(), (TValoresDocumento{"Altura", "400", "550"}));
    ASSERT_TRUE(d.doc->Undo());
    EXPECT_EQ(form.Valores().Altura, "300");
    EXPECT_FALSE(d.doc->NeedsSave());
}
