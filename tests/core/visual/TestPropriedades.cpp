// The property windows without their widgets: the fields of each family in order with the keys they
// accept, what each Return does (the four messages, the field put back, a description that follows
// its number), the gain rows with the label that follows the gain, Var. Controle with the typed
// name's fallback, Componentes, and the document's own window. Every accepted Return is one step.

#include "core/visual/VisualTestUtil.h"

#include "support/PastaTemp.h"
#include "symbolic/UnitPropVOGanho.h"
#include "visual/UnitPropVisualForm.h"
#include "visual/UnitPropVisualObject.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

std::string Names(const std::vector<TCampoProp>& campos) {
    std::string names;
    for (const TCampoProp& c : campos)
        names += (names.empty() ? "" : " ") + c.Nome;
    return names;
}

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

TEST(PropertyFields, EachFamilyInOrderWithItsLabels) {
    const std::string common = "CBComp EdtNum EdtDesc EdtLeft EdtTop EdtLbl EdtLblX EdtLblY";
    const std::vector<std::pair<TPropWindow, std::string>> casos = {
        {TPropWindow::VisualForm, "CBComp EdtDesc EdtAltura EdtLargura"},
        {TPropWindow::Vrt, common},
        {TPropWindow::Cnx, "CBComp EdtNum EdtDesc EdtLbl EdtLblX EdtLblY"},
        {TPropWindow::GrfComp, common + " Ganho1"},
        {TPropWindow::GrfCompCtrl, common + " Ganho1 CBVarCtrl"},
        {TPropWindow::GrfComp4, common + " Ganho1 Ganho2 Ganho3 Ganho4"},
        {TPropWindow::SisComp, common + " Ganho1"},
        {TPropWindow::SisComp2, common + " Ganho1 Ganho2"},
        {TPropWindow::SisComp4, common + " Ganho1 Ganho2 Ganho3 Ganho4"},
        {TPropWindow::SisCompCtrl, common + " Ganho1 CBVarCtrl"},
    };
    for (const auto& [janela, names] : casos)
        EXPECT_EQ(Names(CamposDaJanela(janela)), names) << static_cast<int>(janela);
    const std::vector<TCampoProp> vrt = CamposDaJanela(TPropWindow::Vrt);
    std::string labels;
    for (const TCampoProp& c : vrt)
        labels += c.Rotulo + "|";
    EXPECT_EQ(labels, "Componentes|Número|Descrição|Posição X|Posição Y|Legenda|Legenda X|Legenda Y|");
    const std::vector<TCampoProp> form = CamposDaJanela(TPropWindow::VisualForm);
    EXPECT_EQ(form[1].Tipo, TTipoCampo::EditSomenteLeitura);
    EXPECT_EQ(form[2].Rotulo, "Altura");
    EXPECT_EQ(CamposDaJanela(TPropWindow::GrfCompCtrl).back().Rotulo, "Var. Controle");
}

TEST(PropertyFields, KeyFilters) {
    struct Caso {
        TFiltroTecla filtro;
        std::u32string aceitas;
        std::u32string recusadas;
    };
    const std::vector<Caso> casos = {
        {TFiltroTecla::Digitos, U"0189\b", U"-a_ ,.é"},
        {TFiltroTecla::Descricao, U"azAZ09_\b", U"- .(é)"},
        {TFiltroTecla::Inteiro, U"09-\b", U"a_ +,"},
        {TFiltroTecla::Qualquer, U"a -(é)*\b", U""},
    };
    for (const Caso& c : casos) {
        for (char32_t k : c.aceitas)
            EXPECT_TRUE(AceitaTecla(c.filtro, k)) << static_cast<int>(c.filtro) << " " << static_cast<int>(k);
        for (char32_t k : c.recusadas)
            EXPECT_FALSE(AceitaTecla(c.filtro, k))
                << static_cast<int>(c.filtro) << " " << static_cast<int>(k);
    }
    EXPECT_TRUE(AceitaTexto(TFiltroTecla::Descricao, "Carga_2"));
    EXPECT_FALSE(AceitaTexto(TFiltroTecla::Descricao, "Carga 2"));
    EXPECT_FALSE(AceitaTexto(TFiltroTecla::Descricao, "Nó"));
}

// Número and Descrição of the first impedance, from the same start each time: the message, then what
// the fields show (the field put back on a refusal) and whether the list of descriptions changed.
TEST(PropertyReturns, NumberAndDescription) {
    struct Caso {
        const char* campo;
        const char* texto;
        const char* mensagem;
        const char* num;
        const char* desc;
        bool listaMudou;
    };
    const std::vector<Caso> casos = {
        {"Num", "", "Número inválido", "1", "Impedancia1", false},
        {"Num", "0", "Número inválido", "1", "Impedancia1", false},
        {"Num", "x1", "Número inválido", "1", "Impedancia1", false},
        {"Num", "99999999999", "Número inválido", "1", "Impedancia1", false},
        {"Num", "2", "Número do objeto é inválido", "1", "Impedancia1", false},
        {"Num", "-3", "Número do objeto é inválido", "1", "Impedancia1", false},
        {"Num", "1", "", "1", "Impedancia1", false},
        {"Num", "7", "", "7", "Impedancia7", true},
        {"Desc", "", "Descrição inválida", "1", "Impedancia1", false},
        {"Desc", "Nó 1", "Descrição inválida", "1", "Impedancia1", false},
        {"Desc", "Vertice1", "Descrição do objeto não é única", "1", "Impedancia1", false},
        {"Desc", "Impedancia1", "", "1", "Impedancia1", false},
        {"Desc", "Carga", "", "1", "Carga", true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.campo) + " " + c.texto);
        Doc d;
        TPropVOGrfComp prop;
        prop.Show(*d.doc, d.z1);
        const std::size_t steps = d.doc->UndoStack().Indice();
        const TRespostaCampo r =
            std::string(c.campo) == "Num" ? prop.ReturnNum(c.texto) : prop.ReturnDesc(c.texto);
        EXPECT_EQ(r.Mensagem, c.mensagem);
        EXPECT_EQ(prop.Valores().Num, c.num);
        EXPECT_EQ(prop.Valores().Desc, c.desc);
        EXPECT_EQ(r.DescricaoMudou, c.listaMudou);
        EXPECT_EQ(d.doc->UndoStack().Indice(),
                  steps + (std::string(c.num) != "1" || std::string(c.desc) != "Impedancia1"));
        EXPECT_EQ(Componentes(*d.doc)[static_cast<std::size_t>(prop.ComponenteSelecionado())], c.desc);
    }
    // A description the user chose stays when the number changes.
    Doc d;
    TPropVOGrfComp prop;
    prop.Show(*d.doc, d.z1);
    prop.ReturnDesc("Carga");
    const TRespostaCampo r = prop.ReturnNum("9");
    EXPECT_EQ(r.Mensagem, "");
    EXPECT_FALSE(r.DescricaoMudou);
    EXPECT_EQ(prop.Valores(), (TValoresPropriedades{"9", "Carga", "100", "50", "Z1", "0", "-20"}));
}

TEST_F(PropertyFiles, PositionsAndLabelsThroughTheirFieldsSurviveTheFile) {
    Doc d;
    TPropVisualObject prop;
    prop.Show(*d.doc, d.z1);
    EXPECT_EQ(prop.ReturnLeft("120").Mensagem, "");
    EXPECT_EQ(prop.ReturnTop("x").Mensagem, "'x' não é um valor inteiro válido");
    EXPECT_EQ(prop.ReturnTop("").Mensagem, "'' não é um valor inteiro válido");
    EXPECT_EQ(prop.ReturnTop("-").Mensagem, "'-' não é um valor inteiro válido");
    EXPECT_EQ(prop.ReturnLblX("2000000").Mensagem, "'2000000' está fora do intervalo de -1000000 a 1000000");
    EXPECT_EQ(prop.ReturnLblY("-25").Mensagem, "");
    EXPECT_EQ(prop.ReturnLbl("").Mensagem, "");
    EXPECT_EQ(d.z1.Props().Value("Lbl"), "*");
    EXPECT_EQ(prop.ReturnLbl("Ω").Mensagem, "Legenda inválida");
    EXPECT_TRUE(d.z1.Move()) << "a typed position pins a one-port where it was put";
    d.doc->SaveDocument(Path("posicao.grf"));
    auto back = NewDoc();
    back->LoadFile(Path("posicao.grf"));
    TPropVisualObject lido;
    lido.Show(*back, *back->Objects().FindByDesc("Impedancia1"));
    EXPECT_EQ(lido.Valores(), (TValoresPropriedades{"1", "Impedancia1", "120", "50", "", "0", "-25"}));
    // Each accepted Return was one step: undo them all in turn.
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(d.doc->Undo());
    EXPECT_EQ(prop.Valores(), (TValoresPropriedades{"1", "Impedancia1", "100", "50", "Z1", "0", "-20"}));
}

// The gain button: the row's editor title, then what a confirmed gain does to Gain and the label.
TEST(PropertyGains, RowsAndTheLabelThatFollowsTheGain) {
    Doc d;
    TPropVOGrfComp prop;
    prop.Show(*d.doc, d.z1);
    const std::vector<TPainelGanho> one = prop.PaineisGanho();
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], (TPainelGanho{0, "Impedância", "Z1", "Impedância (K . Sym^ExpSym . S^ExpS)", true, true,
                                    false}));
    // Through the gain entry dialog as the button opens it.
    TPropVOGanho dlg;
    dlg.AbrirGanho(one[0].TituloEditor, one[0].Ganho, one[0].PermiteZero, one[0].ExpSym, one[0].ExpS);
    dlg.K = "0";
    EXPECT_EQ(dlg.Ok().Mensagem, "Impedância (K . Sym^ExpSym . S^ExpS) inválido(a)");
    dlg.K = "2";
    dlg.SetExpS(1);
    ASSERT_TRUE(dlg.Ok().Fechar);
    ASSERT_TRUE(prop.AplicarGanho(0, dlg.Resultado()));
    EXPECT_EQ(d.z1.GetGain(0), "2.Z1.S");
    EXPECT_EQ(d.z1.Lbl(), "2.Z1.S") << "a label never edited follows the gain";
    prop.ReturnLbl("Carga");
    ASSERT_TRUE(prop.AplicarGanho(0, "Z1"));
    EXPECT_EQ(d.z1.Lbl(), "Carga") << "a label of the user's stays";

    prop.Show(*d.doc, d.k);
    const std::vector<TPainelGanho> four = prop.PaineisGanho();
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(four[3], (TPainelGanho{4, "F2 = Kff.F1", "Kff1", "F2 = Kff.F1 (K . Sym^ExpSym . S^ExpS)", true,
                                     true, true}));
    ASSERT_TRUE(prop.AplicarGanho(0, "0"));
    EXPECT_EQ(d.k.GetGain(0), "0;Kef1;Kfe1;Kff1");
    EXPECT_EQ(d.k.Lbl(), "0;Kef1;Kfe1;Kff1") << "the label takes the whole new gain";
    EXPECT_EQ(prop.PaineisGanho()[0].Ganho, "0");
    EXPECT_FALSE(prop.AplicarGanho(4, "K"));

    TPropVisualObject vertex;
    vertex.Show(*d.doc, d.v1);
    EXPECT_TRUE(vertex.PaineisGanho().empty());
    EXPECT_FALSE(vertex.AplicarGanho(0, "K"));
}

// Var. Controle: the candidates of every other non-controlled component, a choice, and a typed text
// that is no candidate giving way to the variable already stored (an empty one too).
TEST(PropertyControlVariable, ChoiceAndTypedFallback) {
    Doc d;
    TPropVOGrfComp prop;
    prop.Show(*d.doc, d.ec);
    ASSERT_TRUE(prop.TemVarCtrl());
    EXPECT_EQ(prop.CandidatosVarCtrl(),
              (std::vector<std::string>{"E(DuasPortas1_P1)", "E(DuasPortas1_P2)", "E(Impedancia1)",
                                        "E(Impedancia2)", "F(DuasPortas1_P1)", "F(DuasPortas1_P2)",
                                        "F(Impedancia1)", "F(Impedancia2)"}));
    EXPECT_EQ(prop.VarCtrl(), "");
    const std::vector<std::pair<const char*, const char*>> typed = {
        {"nada", ""},                               // nothing stored yet: stays empty
        {"f(duasportas1_p2)", "F(DuasPortas1_P2)"}, // a candidate, whatever its letter case
        {"E(Impedancia9)", "F(DuasPortas1_P2)"},    // no candidate: the stored one comes back
        {"", "F(DuasPortas1_P2)"},
    };
    for (const auto& [text, shown] : typed)
        EXPECT_EQ(prop.DigitarVarCtrl(text), shown) << text;
    EXPECT_EQ(prop.EscolherVarCtrl("E(Impedancia2)"), "E(Impedancia2)");
    EXPECT_EQ(d.ec.Props().Value("VarID"), IntToStr(d.z2.ID()));
    EXPECT_TRUE(d.doc->Undo());
    EXPECT_EQ(prop.VarCtrl(), "F(DuasPortas1_P2)");
    prop.Show(*d.doc, d.z1);
    EXPECT_FALSE(prop.TemVarCtrl());
    EXPECT_TRUE(prop.CandidatosVarCtrl().empty());
}

TEST(PropertyComponents, ChosenOrTypedDescriptionsSelectTheirObject) {
    Doc d;
    const std::size_t steps = d.doc->UndoStack().Indice();
    EXPECT_EQ(Componentes(*d.doc), (std::vector<std::string>{"DuasPortas1", "FonteEsforcoCtrl1",
                                                             "Impedancia1", "Impedancia2", "Vertice1"}));
    const std::optional<TPropSwitch> sw = EscolherComponente(*d.doc, "Vertice1");
    ASSERT_TRUE(sw.has_value());
    EXPECT_EQ(sw->Hide, TPropWindow::GrfCompCtrl); // the last placed object was selected
    EXPECT_EQ(sw->Show, TPropWindow::Vrt);
    EXPECT_EQ(d.doc->Objects().Selected(), &d.v1);
    EXPECT_EQ(DigitarComponente(*d.doc, "impedancia2"), 3);
    EXPECT_EQ(d.doc->Objects().Selected(), &d.z2);
    EXPECT_EQ(DigitarComponente(*d.doc, "Impedancia"), -1);
    EXPECT_EQ(d.doc->Objects().Selected(), &d.z2) << "a text not in the list selects nothing new";
    EXPECT_FALSE(EscolherComponente(*d.doc, "Nada").has_value());
    EXPECT_EQ(d.doc->UndoStack().Indice(), steps) << "selecting is not an edit";
}

TEST(PropertyDocument, HeightAndWidth) {
    Doc d;
    TPropVisualForm form;
    form.Show(*d.doc);
    EXPECT_EQ(form.Valores(), (TValoresDocumento{"Grafo1", "300", "550"}));
    d.doc->SaveDocument(::testing::TempDir() + "/Altura.grf");
    EXPECT_EQ(form.ReturnAltura("400").Mensagem, "");
    EXPECT_EQ(form.ReturnLargura("").Mensagem, "'' não é um valor inteiro válido");
    EXPECT_EQ(form.ReturnLargura("-5").Mensagem, "'-5' está fora do intervalo de 0 a 1000000");
    EXPECT_EQ(form.Valores(), (TValoresDocumento{"Altura", "400", "550"}));
    EXPECT_TRUE(d.doc->NeedsSave());
    ASSERT_TRUE(d.doc->Undo());
    EXPECT_EQ(form.Valores().Altura, "300");
    EXPECT_FALSE(d.doc->NeedsSave());
}
