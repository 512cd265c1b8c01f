// Editing as undoable steps: random sessions on graph and signal-flow documents (refused edits among
// them, every change checked against what the observers heard), a drag as one step, and documents
// that differ from their file whatever is undone.

#include "core/visual/SessaoEdicao.h"

#include "support/PastaTemp.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

class Sessions : public apoio::PastaTemp {};

// An impedance between two vertices, and a source controlled by the impedance's effort.
struct Circuit {
    std::unique_ptr<TVisualDocumento> doc = NewDoc();
    TVOElemento& v1 = Place(*doc, "TVOGrfVertice", {50, 50});
    TVOElemento& v2 = Place(*doc, "TVOGrfVertice", {150, 50});
    TVOGrfComp& z = Place<TVOGrfComp>(*doc, "TVOGrfImpedancia", {100, 50});
    TVOGrfComp& ec = Place<TVOGrfComp>(*doc, "TVOGrfFonteEsforcoCtrl", {100, 150});
    Circuit() {
        EXPECT_TRUE(doc->Connect(v1, 1, z, 1) && doc->Connect(z, 2, v2, 1));
        EXPECT_TRUE(doc->SetObjectControlVariable(ec, "E(Impedancia1)"));
    }
};

} // namespace

TEST_F(Sessions, RandomEditsOfGraphAndSignalFlowDocuments) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        SessaoCompleta(*NewDoc(kDocKindGrafo, "Sessao"), Path("sessao.grf"), seed, 200);
        SessaoCompleta(*NewDoc(kDocKindDFS, "Sessao"), Path("sessao.dfs"), seed + 100, 200);
    }
}

TEST(UndoStack, ADragIsOneStepAndAPressWithoutMovementNone) {
    Circuit c;
    const std::size_t steps = c.doc->UndoStack().Indice();
    const TProps before = c.z.Props();
    ASSERT_EQ(c.doc->PressObject(c.z, {15, 15}, {400, 400}, TMouseButton::Left), TObjectPress::Dragging);
    c.doc->ReleaseObject(c.z, {15, 15});
    EXPECT_EQ(c.doc->UndoStack().Indice(), steps);
    ASSERT_EQ(c.doc->PressObject(c.z, {15, 15}, {400, 400}, TMouseButton::Left), TObjectPress::Dragging);
    for (int i = 1; i <= 6; ++i)
        c.doc->DragObject(c.z, {400 + 10 * i, 400 + 5 * i}, 300);
    c.doc->ReleaseObject(c.z, {15, 15});
    EXPECT_EQ(c.z.Position(), (TPonto{160, 80}));
    ASSERT_EQ(c.doc->UndoStack().Indice(), steps + 1);
    ASSERT_TRUE(c.doc->Undo());
    EXPECT_EQ(c.z.Props(), before);
    EXPECT_EQ(c.doc->Objects().Selected(), &c.z) << "selected as before the drag";
}

// The sessions check the clean place against the saved file; two documents differ from their file
// whatever is undone: one whose window was resized since, and a generated one never saved.
TEST(UndoStack, TheCleanPlaceAndChangesMadeBesideTheSteps) {
    Circuit d;
    d.doc->SaveDocument(::testing::TempDir() + "/limpo.grf");
    ASSERT_TRUE(d.doc->MoveObject(d.v1, {5, 5}));
    d.doc->Resized(600, 300);
    ASSERT_TRUE(d.doc->Undo());
    EXPECT_TRUE(d.doc->NeedsSave());
    auto gen = NewDoc();
    gen->SetModified(true);
    Place(*gen, "TVOGrfVertice");
    ASSERT_TRUE(gen->Undo());
    EXPECT_TRUE(gen->NeedsSave());
}
