// The system document's validation: what is incomplete is named, translational components lie along
// one axis, and components may not share names.

#include "core/system/SisDocTestUtil.h"
#include "system/UnitVFSistemaFT.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

// A left click with the rotate tool.
void Rotate(TVFSistema& doc, TVisualObject& o) {
    doc.SetMode(kModeGirar);
    ASSERT_TRUE(doc.RotateClicked(o, TMouseButton::Left));
}

} // namespace

TEST(SystemValidation, ProblemListsNameWhatIsIncomplete) {
    Desenho d;
    EXPECT_EQ(d.doc->Validate().Problemas, std::vector<std::string>{kMsgNenhumElemento});
    TVOSisComp& r = d.C(kTipoEleResistor, {"A", ""});
    d.vertices["B"] = &PlaceKind(*d.doc, kTipoEleVertice);
    EXPECT_EQ(d.doc->Validate().Problemas, (std::vector<std::string>{"Resistor1", "Vertice1", "Vertice2"}));
    Connect(*d.doc, r, 2, *d.vertices["B"], 1);
    d.C(kTipoEleFonteTensao, {"A", "B"});
    EXPECT_TRUE(d.doc->Validate().Ok());
    // A controlled source without its variable, and after its controlling component is deleted.
    TVOSisComp& ctrl = d.C(kTipoEleFonteCorrenteCtrl, {"A", "B"});
    EXPECT_EQ(d.doc->Validate().Problemas, std::vector<std::string>{"FonteCorrenteCtrl1"});
    TVOSisComp& c = d.C(kTipoEleCapacitor, {"A", "B"});
    ctrl.SetControlVariable("v(Capacitor1)");
    EXPECT_TRUE(d.doc->Validate().Ok());
    d.doc->DeleteObject(c);
    EXPECT_EQ(d.doc->Validate().Problemas, std::vector<std::string>{"FonteCorrenteCtrl1"});
    EXPECT_FALSE(PrepareFT(*d.doc).Ok());
}

// Translational components must all lie along one axis, and rotational ones along another.
TEST(SystemValidation, TheSingleAxisRule) {
    Desenho d;
    TVOSisComp& acp = d.C(kTipoAcpMctMcr, {"X", "W"});
    TVOSisComp& f = d.C(kTipoMctFonteForca, {"X"});
    TVOSisComp& t = d.C(kTipoMcrFonteTorque, {"W"});
    // Translational components along both axes; a rotated reference or coupler does not count.
    Rotate(*d.doc, d.C(kTipoMctReferencia, {"X"}));
    Rotate(*d.doc, acp);
    TVOSisComp& m = d.C(kTipoMctMassa, {"X", "X"});
    EXPECT_TRUE(d.doc->Validate().Ok()) << "the mass lies horizontally like the force source";
    Rotate(*d.doc, m);
    const TValidacaoSistema v = d.doc->Validate();
    EXPECT_TRUE(v.Problemas.empty());
    EXPECT_EQ(v.Mensagem, kMsgMultiDirecional);
    // The analysis refuses such a system with the same message.
    const TSistemaParaFT p = PrepareFT(*d.doc);
    EXPECT_EQ(p.Validacao.Mensagem, kMsgMultiDirecional);
    EXPECT_EQ(ComputeFT(*d.doc, p, "F(FonteForca1)", "E(Massa1)").Mensagem, kMsgMultiDirecional);
    Rotate(*d.doc, f); // Rot 4: upright too
    Rotate(*d.doc, m); // Rot 3: horizontal
    EXPECT_EQ(d.doc->Validate().Mensagem, kMsgMultiDirecional);
    Rotate(*d.doc, m); // Rot 4: all upright now
    EXPECT_TRUE(d.doc->Validate().Ok());
    // The rotational domain on its own: a torque source at Rot 3 and a spring along it, then upright.
    TVOSisComp& k = d.C(kTipoMcrMola, {"W", "W"});
    EXPECT_TRUE(d.doc->Validate().Ok()) << "spring and torque source both horizontal";
    Rotate(*d.doc, k);
    EXPECT_EQ(d.doc->Validate().Mensagem, kMsgMultiDirecional);
    EXPECT_EQ(t.GetRot(), 3);
}

// Documents made elsewhere may give two components one description (a translational and a rotational
// damper both Amortecedor1), or a description that equals a branch name derived from another one's;
// the conversion would mix their variables up, so validation names them instead.
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
}
