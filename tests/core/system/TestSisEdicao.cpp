// Editing system documents: random sessions with rotations and the AutoVrt option, and a wire with its
// AutoVrt vertex as one step, drawn through the operation or with the connect tool.

#include "core/system/SisDocTestUtil.h"
#include "core/visual/SessaoEdicao.h"

#include "support/PastaTemp.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

class SystemSessions : public apoio::PastaTemp {};

TEST_F(SystemSessions, RandomEditsWithRotationsAndAutoVrt) {
    for (unsigned seed = 11; seed <= 13; ++seed) {
        auto doc = NewSistema("Sessao");
        TVFSistema& sis = *doc;
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
        SessaoCompleta(sis, Path("sessao.sis"), seed, 200, extra);
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
    ASSERT_EQ(doc->Objects().Count(), 6);
    const auto& vertex = dynamic_cast<const TVOElemento&>(doc->Objects()[3]);
    EXPECT_EQ(vertex.ClassName(), "TVOEleVertice");
    EXPECT_EQ(vertex.Position(), (TPonto{150, 100})); // midway between (125, 115) and (205, 115)
    EXPECT_EQ(vertex.Connections().size(), 2u);
    // With the connect tool, the same wire is the same single step.
    ASSERT_TRUE(doc->Undo());
    const std::size_t steps = doc->UndoStack().Indice();
    doc->SetMode(kModeConectar);
    doc->PressObject(r, {25, 15}, {}, TMouseButton::Left);
    doc->PressObject(l, {5, 15}, {}, TMouseButton::Left);
    EXPECT_EQ(doc->Objects().Count(), 6);
    EXPECT_EQ(doc->TerminalPendente(), TTerminalPendente{});
    ASSERT_EQ(doc->UndoStack().Indice(), steps + 1);
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(Estado(*doc), before);
}
