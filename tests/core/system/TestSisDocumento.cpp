// System documents: every kind can be placed under a free description, turned, wired, saved and
// read back unchanged; validation asks for a controlled source's controlling component,
// translational components along one axis, and names no two components share.

#include "analysis/UnitComandoSistema.h"
#include "core/system/SisDocTestUtil.h"
#include "support/PastaTemp.h"

#include <gtest/gtest.h>

#include <set>

using namespace brelix;
using namespace brelix::testing;

namespace {

// A left click with the rotate tool.
void Rotate(TVFSistema& doc, TVisualObject& o) {
    doc.SetMode(kModeGirar);
    ASSERT_TRUE(doc.RotateClicked(o, TMouseButton::Left));
}

} // namespace

class SystemFiles : public apoio::PastaTemp {};

// Every kind turned through all of its orientations and left at one of them, every terminal wired,
// controlled sources pointing at a resistor or a friction branch. No two objects share a description,
// though the domains' dampers, springs, vertices, references and wires start from the same ones.
// Saved, read back and saved again, the file keeps its bytes.
TEST_F(SystemFiles, EveryKindIsPlacedNamedTurnedWiredSavedAndReadBack) {
    auto doc = NewSistema();
    TVOElemento* vertices[4];
    for (std::int32_t d = kDominioEletrico; d <= kDominioHidraulico; ++d)
        vertices[d - 2] = &PlaceKind(*doc, SisVertexClass(d)->Kind, {700, 100 * d});
    for (const TSisKindRow& row : SisKinds()) {
        if (row.Terminals == 0) continue;
        TVOSisComp& c = PlaceComp(*doc, row.Kind, {40 + (row.Kind % 8) * 80, 40 + (row.Kind / 8) * 80});
        SCOPED_TRACE(c.ClassName());
        std::set<std::int32_t> turns;
        for (std::int32_t i = 0; i < c.Orientations() + row.Kind % 3; ++i) {
            Rotate(*doc, c);
            turns.insert(c.GetRot());
        }
        EXPECT_EQ(static_cast<std::int32_t>(turns.size()), c.Orientations());
        for (std::int32_t t = 1; t <= row.Terminals; ++t)
            Connect(*doc, c, t, *vertices[SisTerminalDomain(row, t) - 2], 1);
    }
    for (TVisualObject& o : doc->Objects())
        if (auto* c = dynamic_cast<TVOSisComp*>(&o); c != nullptr && c->HasControl())
            c->SetControlVariable(c->Desc() == "FonteTorqueCtrl1" ? "V(MassaAtrito1_B)" : "i(Resistor1)");
    std::set<std::string> seen;
    for (const TVisualObject& o : doc->Objects())
        EXPECT_TRUE(seen.insert(o.Desc()).second) << o.Desc();
    const auto& damper = dynamic_cast<const TVOSisComp&>(*doc->Objects().FindByDesc("Amortecedor2"));
    EXPECT_EQ(damper.GetKind(), kTipoMcrAmortecedor);
    EXPECT_EQ(damper.GetGain(0), "B2") << "the gain follows the number taken";
    EXPECT_TRUE(doc->Validate().Problemas.empty());
    doc->SaveDocument(Path("todos.sis"));
    EXPECT_FALSE(doc->NeedsSave());
    const std::string saved = apoio::Slurp(Path("todos.sis"));

    auto back = NewSistema();
    back->LoadFile(Path("todos.sis"));
    ASSERT_EQ(back->Objects().Count(), doc->Objects().Count());
    for (int i = 0; i < doc->Objects().Count(); ++i) {
        EXPECT_EQ(back->Objects()[i].Props(), doc->Objects()[i].Props());
        EXPECT_EQ(&back->Objects()[i].Class(), &doc->Objects()[i].Class());
        if (const auto* w = dynamic_cast<const TVOSisConexao*>(&back->Objects()[i])) {
            EXPECT_EQ(w->Points(), dynamic_cast<const TVOSisConexao&>(doc->Objects()[i]).Points());
        }
    }
    EXPECT_FALSE(back->NeedsSave());
    const auto& ctrl = dynamic_cast<const TVOSisComp&>(*back->Objects().FindByDesc("FonteTorqueCtrl1"));
    EXPECT_EQ(ctrl.ControlVariable(), "V(MassaAtrito1_B)");
    EXPECT_TRUE(back->Validate().Problemas.empty());
    back->SaveDocument();
    EXPECT_EQ(apoio::Slurp(Path("todos.sis")), saved);
}

// A controlled source is incomplete without its variable, and again once its controlling component
// is deleted; the analysis then refuses the system.
TEST(SystemValidation, AControlledSourceNeedsItsControllingComponent) {
    Desenho d;
    d.C(kTipoEleFonteTensao, {"A", "B"});
    TVOSisComp& ctrl = d.C(kTipoEleFonteCorrenteCtrl, {"A", "B"});
    EXPECT_EQ(d.doc->Validate().Problemas, std::vector<std::string>{"FonteCorrenteCtrl1"});
    TVOSisComp& c = d.C(kTipoEleCapacitor, {"A", "B"});
    ctrl.SetControlVariable("v(Capacitor1)");
    EXPECT_TRUE(d.doc->Validate().Ok());
    d.doc->DeleteObject(c);
    EXPECT_EQ(d.doc->Validate().Problemas, std::vector<std::string>{"FonteCorrenteCtrl1"});
    EXPECT_EQ(CatalogoCompleto().Comando(*d.doc).Verificar(*d.doc).Motivo, TMotivoRecusa::Incompleto);
}

// Keys that the property window would never write (a source controlled by another controlled
// source, which in turn names itself) pass validation; the analysis then gives a function or refuses,
// never crashes.
TEST(SystemValidation, SelfControlledAndChainedControlledSourcesNeverCrash) {
    Desenho d;
    d.C(kTipoEleFonteTensao, {"A", "G"});
    TVOSisComp& r = d.C(kTipoEleResistor, {"A", "B"});
    TVOSisComp& c1 = d.C(kTipoEleFonteTensaoCtrl, {"B", "G"});
    d.C(kTipoEleFonteCorrenteCtrl, {"B", "G"}).SetControlVariable("v(Resistor1)");
    c1.SetControlVariable("i(Resistor1)");
    auto copy = Reread(*d.doc, "VarID=" + IntToStr(r.ID()), "VarID=" + IntToStr(c1.ID()));
    ASSERT_TRUE(copy->Validate().Ok());
    const TComandoDocumento& comando = CatalogoCompleto().Comando(*copy);
    const TCandidatosFT c = comando.Candidatos(*copy);
    EXPECT_TRUE(c.Recusa.Houve() || !c.Entradas.empty());
    for (const std::string& in : c.Entradas)
        for (const std::string& out : c.Saidas) {
            const TFTDocumento ft = comando.CalcularFT(*copy, {in, out, false, {}, {}}, {});
            EXPECT_TRUE(ft.Calculado() || ft.Recusa.Motivo == TMotivoRecusa::ConversaoSemExito)
                << ft.Recusa.Mensagem;
        }
}

// Translational components must all lie along one axis, and rotational ones along another.
TEST(SystemValidation, TheSingleAxisRule) {
    Desenho d;
    TVOSisComp& acp = d.C(kTipoAcpMctMcr, {"X", "W"});
    TVOSisComp& f = d.C(kTipoMctFonteForca, {"X"});
    d.C(kTipoMcrFonteTorque, {"W"});
    // Translational components along both axes; a rotated reference or coupler does not count.
    Rotate(*d.doc, d.C(kTipoMctReferencia, {"X"}));
    Rotate(*d.doc, acp);
    TVOSisComp& m = d.C(kTipoMctMassa, {"X", "X"});
    EXPECT_TRUE(d.doc->Validate().Ok()) << "the mass lies horizontally like the force source";
    Rotate(*d.doc, m);
    EXPECT_TRUE(d.doc->Validate().Problemas.empty());
    // The analysis refuses it with the validation's message.
    const TRecusa recusa = CatalogoCompleto()
                               .Comando(*d.doc)
                               .CalcularFT(*d.doc, {"F(FonteForca1)", "E(Massa1)", false, {}, {}}, {})
                               .Recusa;
    EXPECT_EQ(recusa.Motivo, TMotivoRecusa::MultiDirecional);
    EXPECT_EQ(recusa.Mensagem, kMsgMultiDirecional);
    Rotate(*d.doc, f); // upright too
    EXPECT_TRUE(d.doc->Validate().Ok());
    // The rotational domain on its own: a spring along the torque source, then across it.
    TVOSisComp& k = d.C(kTipoMcrMola, {"W", "W"});
    EXPECT_TRUE(d.doc->Validate().Ok()) << "spring and torque source both horizontal";
    Rotate(*d.doc, k);
    EXPECT_EQ(d.doc->Validate().Mensagem, kMsgMultiDirecional);
}

// Two components given one description, or a description equal to another one's branch name, by a
// document made elsewhere: the conversion would mix their variables up, so validation names them.
TEST(SystemValidation, SharedNamesAreListed) {
    Desenho d;
    TVOSisComp& bt = d.C(kTipoMctAmortecedor, {"X", "X"});
    TVOSisComp& br = d.C(kTipoMcrAmortecedor, {"W", "W"});
    TVOSisComp& trf = d.C(kTipoEleTransformador, {"A", "B", "A", "B"});
    TVOSisComp& res = d.C(kTipoEleResistor, {"A", "B"});
    ASSERT_TRUE(d.doc->Validate().Ok());
    // Descriptions written into the file by another program: loading keeps them.
    auto copy = Reread(*Reread(*d.doc, "Desc=" + br.Desc(), "Desc=" + bt.Desc()), "Desc=" + res.Desc(),
                       "Desc=" + trf.Desc() + "_P2");
    EXPECT_EQ(copy->Validate().Problemas,
              (std::vector<std::string>{"Nome repetido em mais de um componente: Amortecedor1",
                                        "Nome repetido em mais de um componente: Transformador1_P2"}));
    // Two vertices sharing a description are no problem: vertices are not looked up by name.
    EXPECT_TRUE(Reread(*d.doc, "Desc=" + d.vertices["W"]->Desc(), "Desc=" + d.vertices["X"]->Desc())
                    ->Validate()
                    .Ok());

    // Variables are looked up with letter case ignored, so a resistor "R1" and an inductor "r1" share
    // E(r1): the analysis refuses them rather than give the resistor's voltage for the inductor's.
    Desenho rl;
    rl.C(kTipoEleFonteTensao, {"A", "G"});
    ASSERT_TRUE(rl.doc->Objects().Rename(rl.C(kTipoEleResistor, {"A", "B"}).Desc(), "R1"));
    ASSERT_TRUE(rl.doc->Objects().Rename(rl.C(kTipoEleIndutor, {"B", "G"}).Desc(), "r1"));
    EXPECT_EQ(rl.doc->Validate().Problemas,
              std::vector<std::string>{"Nome repetido em mais de um componente: r1"});
    const TFTDocumento ft = CatalogoCompleto().Comando(*rl.doc).CalcularFT(
        *rl.doc, {"E(FonteTensao1)", "E(r1)", false, {}, {}}, {});
    EXPECT_EQ(ft.Recusa.Motivo, TMotivoRecusa::Incompleto);
}
