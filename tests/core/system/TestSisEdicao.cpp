// Editing system documents: random sessions with rotations and the AutoVrt option; a wire with its
// AutoVrt vertex as one step; a rotation undone with its label and wire routes.

#include "core/system/SisDocTestUtil.h"
#include "core/visual/SessaoEdicao.h"

#include "support/PastaTemp.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

class SystemSessions : public apoio::PastaTemp {};

std::vector<std::vector<TPonto>> Routes(const TVFSistema& doc) {
    std::vector<std::vector<TPonto>> routes;
    for (const TVisualObject& o : doc.Objects())
        if (const auto* w = dynamic_cast<const TVOSisConexao*>(&o)) routes.push_back(w->Points());
    return routes;
}

} // namespace

TEST_F(SystemSessions, RandomEditsWithRotationsAndAutoVrtUndoRedoSaveAndReload) {
    for (unsigned seed = 11; seed <= 13; ++seed) {
        auto doc = NewSistema("Sessao");
        TVFSistema& sis = *doc;
        // Rotations and the option come on top of the edits every document has.
        const auto extra = [&sis](std::mt19937& random) {
            if (random() % 3 == 0) {
                sis.SetAutoVrt(!sis.AutoVrt());
                return false;
            }
            std::vector<TVisualObject*> comps;
            for (TVisualObject& o : sis.Objects())
                if (dynamic_cast<TVOSisComp*>(&o) != nullptr) comps.push_back(&o);
            return !comps.empty() && sis.RotateObject(*comps[random() % comps.size()]);
        };
        SessaoCompleta(sis, Path("sessao.sis"), seed, 220, extra);
    }
}

TEST(SystemEditing, AWireWithItsAutoVrtVertexIsOneStep) {
    auto doc = NewSistema();
    TVOSisComp& r = PlaceComp(*doc, kTipoEleResistor, {100, 100});
    TVOSisComp& l = PlaceComp(*doc, kTipoEleIndutor, {200, 100});
    TVOSisComp& m = PlaceComp(*doc, kTipoMctMassa, {300, 100});
    doc->SetAutoVrt(true);
    const std::vector<std::string> before = Estado(*doc);
    EXPECT_FALSE(doc->Connect(r, 2, m, 1)) << "terminals of two domains";
    ASSERT_TRUE(doc->Connect(r, 2, l, 1));
    EXPECT_EQ(doc->Objects().Count(), 6);
    const auto& vertex = dynamic_cast<const TVOElemento&>(doc->Objects()[3]);
    EXPECT_EQ(vertex.ClassName(), "TVOEleVertice");
    EXPECT_EQ(vertex.Position(), (TPonto{150, 100})); // midway between (125, 115) and (205, 115)
    EXPECT_EQ(vertex.Connections().size(), 2u);
    const std::vector<std::string> after = Estado(*doc);
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(Estado(*doc), before);
    ASSERT_TRUE(doc->Redo());
    EXPECT_EQ(Estado(*doc), after);
    // Through the connect tool the same wire is the same single step.
    ASSERT_TRUE(doc->Undo());
    const std::size_t steps = doc->UndoStack().Indice();
    doc->SetMode(kModeConectar);
    doc->PressObject(r, {25, 15}, {}, TMouseButton::Left);
    doc->PressObject(l, {5, 15}, {}, TMouseButton::Left);
    EXPECT_EQ(doc->Objects().Count(), 6);
    EXPECT_EQ(doc->TerminalPendente(), TTerminalPendente{});
    ASSERT_EQ(doc->UndoStack().Indice(), steps + 1);
    EXPECT_EQ(doc->UndoStack().ProximoDesfazer()->Acao, TAcaoEdicao::Conectar);
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(Estado(*doc), before);
}

TEST(SystemEditing, ARotationUndoneTakesItsLabelAndWiresBack) {
    Desenho d;
    TVOSisComp& v = d.C(kTipoEleFonteTensao, {"A", "B"});
    d.C(kTipoEleResistor, {"A", "B"});
    const TProps before = v.Props();
    const auto routes = Routes(*d.doc);
    d.doc->SetMode(kModeGirar);
    ASSERT_TRUE(d.doc->RotateClicked(v, TMouseButton::Left));
    EXPECT_EQ(v.GetRot(), 3);
    EXPECT_EQ(std::make_pair(v.LblX(), v.LblY()), std::make_pair(0, -20)) << "the label follows the turn";
    EXPECT_NE(Routes(*d.doc), routes);
    EXPECT_FALSE(d.doc->RotateClicked(*d.doc->Objects().FindByDesc("Vertice1"), TMouseButton::Left));
    ASSERT_TRUE(d.doc->Undo());
    EXPECT_EQ(v.Props(), before);
    EXPECT_EQ(Routes(*d.doc), routes);
}
