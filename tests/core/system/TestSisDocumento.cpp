// The system document's validation: a controlled source needs its controlling component,
// translational components lie along one axis, and components may not share names.

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
    Rotate(*d.doc, f); // upright too
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
