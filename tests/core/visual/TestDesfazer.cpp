// Editing as undoable steps: random sessions on graph and signal-flow documents, a drag as one step,
// deletions that come back attached, refused edits that record nothing, the clean place after a
// save, identities never reused, and what the observers hear of each operation.

#include "core/visual/SessaoEdicao.h"

#include "support/PastaTemp.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

class Sessions : public apoio::PastaTemp {};

// Two vertices and an impedance joined between them, then a controlled source driven by it.
struct Circuit {
    std::unique_ptr<TVisualDocumento> doc = NewDoc();
    TVOElemento& v1 = Place(*doc, "TVOGrfVertice", {50, 50});
    TVOElemento& v2 = Place(*doc, "TVOGrfVertice", {150, 50});
    TVOGrfComp& z = Place<TVOGrfComp>(*doc, "TVOGrfImpedancia", {100, 50});
    TVOGrfComp& ec = Place<TVOGrfComp>(*doc, "TVOGrfFonteEsforcoCtrl", {100, 150});
    Circuit() {
        EXPECT_TRUE(doc->Connect(v1, 1, z, 1));
        EXPECT_TRUE(doc->Connect(z, 2, v2, 1));
        EXPECT_TRUE(doc->SetObjectControlVariable(ec, "E(Impedancia1)"));
    }
};

// Records every notification as a line of text.
struct Registro : TObservadorDocumento {
    std::vector<std::string> linhas;
    void ObjetoAdicionado(TVisualObject& o) override { linhas.push_back("added " + o.Desc()); }
    void ObjetoRemovido(std::int32_t id) override { linhas.push_back("removed " + IntToStr(id)); }
    void ObjetoAlterado(TVisualObject& o) override { linhas.push_back("changed " + o.Desc()); }
    void DocumentoAlterado() override { linhas.push_back("document"); }
    void DocumentoRecarregado() override { linhas.push_back("reloaded"); }
    void DocumentoSalvo() override { linhas.push_back("saved"); }
    void SelecaoAlterada(TVisualObject* o) override { linhas.push_back("selected " + (o ? o->Desc() : "")); }
    void PilhaAlterada() override { linhas.push_back("stack"); }
};

} // namespace

TEST_F(Sessions, RandomEditsOfGraphAndSignalFlowDocumentsUndoRedoSaveAndReload) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        auto graph = NewDoc(kDocKindGrafo, "Sessao");
        SessaoCompleta(*graph, Path("sessao.grf"), seed, 220);
        auto dfs = NewDoc(kDocKindDFS, "Sessao");
        SessaoCompleta(*dfs, Path("sessao.dfs"), seed + 100, 220);
    }
}

TEST(UndoStack, ADragIsOneStepAndAPressWithoutMovementNone) {
    Circuit c;
    c.doc->SetMode(kModeSelecionar);
    const std::size_t steps = c.doc->UndoStack().Indice();
    const TProps before = c.z.Props();
    ASSERT_EQ(c.doc->PressObject(c.z, {15, 15}, {400, 400}, TMouseButton::Left), TObjectPress::Dragging);
    c.doc->ReleaseObject(c.z, {15, 15});
    EXPECT_EQ(c.doc->UndoStack().Indice(), steps);
    EXPECT_FALSE(c.z.Modified());

    ASSERT_EQ(c.doc->PressObject(c.z, {15, 15}, {400, 400}, TMouseButton::Left), TObjectPress::Dragging);
    for (int i = 1; i <= 6; ++i)
        c.doc->DragObject(c.z, {400 + 10 * i, 400 + 5 * i}, 300);
    c.doc->ReleaseObject(c.z, {15, 15});
    EXPECT_EQ(c.z.Position(), (TPonto{160, 80}));
    EXPECT_TRUE(c.z.Move());
    ASSERT_EQ(c.doc->UndoStack().Indice(), steps + 1);
    EXPECT_EQ(c.doc->UndoStack().ProximoDesfazer()->Acao, TAcaoEdicao::Mover);
    ASSERT_TRUE(c.doc->Undo());
    EXPECT_EQ(c.z.Props(), before);
    EXPECT_EQ(c.doc->Objects().Selected(), &c.z) << "the dragged object is selected as before the drag";
}

TEST(UndoStack, ADeletedVertexComesBackAttachedAtItsPlace) {
    Circuit c;
    const std::vector<std::string> before = Estado(*c.doc);
    const std::int32_t id = c.v1.ID();
    c.doc->DeleteObject(c.v1);
    EXPECT_EQ(c.z.ConnectionAt(1), 0);
    ASSERT_TRUE(c.doc->Undo());
    EXPECT_EQ(Estado(*c.doc), before);
    auto* v1 = dynamic_cast<TVOElemento*>(c.doc->Objects().FindByID(id));
    ASSERT_NE(v1, nullptr);
    EXPECT_EQ(c.doc->Objects().IndexOf(*v1), 0);
    EXPECT_EQ(c.z.VertexAt(1), v1);
    // Deleting the controlling impedance clears the source's keys; undo gives them back.
    c.doc->DeleteObject(c.z);
    EXPECT_EQ(c.ec.ControlVariable(), "");
    ASSERT_TRUE(c.doc->Undo());
    EXPECT_EQ(c.ec.ControlVariable(), "E(Impedancia1)");
    EXPECT_EQ(Inconsistency(*c.doc), "");
}

TEST(UndoStack, RefusedEditsRecordNothingAndLeaveTheFlags) {
    Circuit c;
    TVisualDocumento& doc = *c.doc;
    TVisualObject& cnx = *doc.Objects().FindByDesc("Conexao1");
    const std::vector<std::pair<const char*, std::function<bool()>>> refused = {
        {"rename to a description in use", [&] { return doc.RenameObject(c.z, "Vertice1"); }},
        {"rename to nothing", [&] { return doc.RenameObject(c.z, ""); }},
        {"renumber to a number of the class", [&] { return doc.RenumberObject(c.v1, 2); }},
        {"renumber to 0", [&] { return doc.RenumberObject(c.z, 0); }},
        {"two vertices", [&] { return doc.Connect(c.v1, 1, c.v2, 1); }},
        {"a taken port", [&] { return doc.Connect(c.v2, 1, c.z, 1); }},
        {"a port beyond the component's", [&] { return doc.Connect(c.v2, 1, c.ec, 3); }},
        {"a label of two lines", [&] { return doc.SetObjectLabel(c.z, "duas\nlinhas"); }},
        {"a label offset beyond the limit", [&] { return doc.SetObjectLabelX(c.z, kMaxCoord + 1); }},
        {"a connection moved",
         [&] {
             return doc.MoveObject(cnx, {10, 10});
         }},
        {"a gain 5 of a one-gain component", [&] { return doc.SetObjectGain(c.z, 5, "R"); }},
        {"a control variable of an impedance", [&] { return doc.SetObjectControlVariable(c.z, "E(X)"); }},
        {"a negative height", [&] { return doc.SetDocHeight(-1); }},
    };
    doc.SaveDocument(::testing::TempDir() + "/recusas.grf");
    const std::vector<std::string> before = Estado(doc);
    for (const auto& [what, edit] : refused) {
        EXPECT_FALSE(edit()) << what;
        EXPECT_EQ(Estado(doc), before) << what;
        EXPECT_FALSE(doc.NeedsSave()) << what;
    }
    EXPECT_EQ(doc.UndoStack().Indice(), doc.UndoStack().Count());
    EXPECT_TRUE(doc.UndoStack().Limpo());
}

TEST(UndoStack, TheCleanPlaceFollowsTheLastSave) {
    Circuit c;
    TVisualDocumento& doc = *c.doc;
    doc.SaveDocument(::testing::TempDir() + "/limpo.grf");
    ASSERT_TRUE(doc.RenameObject(c.z, "Carga"));
    EXPECT_TRUE(doc.NeedsSave());
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.NeedsSave()) << "undone back to what the file holds";
    ASSERT_TRUE(doc.Redo());
    EXPECT_TRUE(doc.NeedsSave());
    // Undone past the save, a new edit drops the saved place: nothing is clean any more.
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.MoveObject(c.v1, {0, 0}));
    EXPECT_FALSE(doc.CanRedo());
    while (doc.Undo())
        EXPECT_TRUE(doc.NeedsSave());
    // A window resized since the save differs from its file even at the saved place.
    Circuit d;
    d.doc->SaveDocument(::testing::TempDir() + "/limpo2.grf");
    ASSERT_TRUE(d.doc->MoveObject(d.v1, {5, 5}));
    d.doc->Resized(600, 300);
    ASSERT_TRUE(d.doc->Undo());
    EXPECT_TRUE(d.doc->NeedsSave());
    // A generated document that was never saved stays modified whatever is undone.
    auto gen = NewDoc();
    gen->SetModified(true);
    Place(*gen, "TVOGrfVertice");
    ASSERT_TRUE(gen->Undo());
    EXPECT_TRUE(gen->NeedsSave());
}

TEST(UndoStack, IdentitiesAreNeverTakenTwice) {
    auto doc = NewDoc();
    TVisualObject& a = Place(*doc, "TVOGrfVertice");
    const std::int32_t idA = a.ID();
    Place(*doc, "TVOGrfVertice");
    doc->DeleteObject(a);
    Place(*doc, "TVOGrfVertice");
    ASSERT_TRUE(doc->Undo());
    ASSERT_TRUE(doc->Undo()); // the first vertex is back with its identity
    ASSERT_NE(doc->Objects().FindByID(idA), nullptr);
    const TVisualObject& d = Place(*doc, "TVOGrfVertice");
    std::set<std::int32_t> ids;
    for (const TVisualObject& o : doc->Objects())
        EXPECT_TRUE(ids.insert(o.ID()).second);
    EXPECT_EQ(d.Num(), 3) << "numbers follow the objects that exist";
}

TEST(Notifications, EachOperationTellsWhatChangedThenTheSelectionAndTheStack) {
    Circuit c;
    TVisualDocumento& doc = *c.doc;
    Registro r;
    doc.AddObserver(r);
    const std::string cnx1 = IntToStr(doc.Objects().FindByDesc("Conexao1")->ID());
    const std::string cnx2 = IntToStr(doc.Objects().FindByDesc("Conexao2")->ID());
    const std::string v1 = IntToStr(c.v1.ID());
    const std::string v3 = IntToStr(doc.Objects().LastID() + 1); // the vertex placed first below
    struct Caso {
        const char* what;
        std::function<void()> edit;
        std::vector<std::string> heard;
    };
    const std::vector<Caso> casos = {
        {"place",
         [&] {
             Place(doc, "TVOGrfVertice", {300, 100});
         },
         {"added Vertice3", "selected Vertice3", "stack"}},
        {"rename", [&] { doc.RenameObject(c.z, "Carga"); }, {"changed Carga", "stack"}},
        {"label", [&] { doc.SetObjectLabel(c.v2, "B"); }, {"changed Vertice2", "stack"}},
        {"refused", [&] { doc.RenameObject(c.v2, "Carga"); }, {}},
        {"document", [&] { doc.SetDocWidth(700); }, {"document", "stack"}},
        // Only the vertex's neighbour changes: its port is free again.
        {"delete",
         [&] { doc.DeleteObject(c.v1); },
         {"removed " + v1, "removed " + cnx1, "changed Carga", "stack"}},
        {"undo", [&] { doc.Undo(); }, {"added Vertice1", "added Conexao1", "changed Carga", "stack"}},
        {"redo", [&] { doc.Redo(); }, {"removed " + v1, "removed " + cnx1, "changed Carga", "stack"}},
        {"save", [&] { doc.SaveDocument(::testing::TempDir() + "/avisos.grf"); }, {"saved", "stack"}},
        {"undo all the way",
         [&] { doc.Undo(); },
         {"added Vertice1", "added Conexao1", "changed Carga", "stack"}},
        {"delete the selection", [&] { doc.DeleteSelected(); }, {"removed " + v3, "selected ", "stack"}},
    };
    ASSERT_EQ(cnx2, IntToStr(doc.Objects().FindByDesc("Conexao2")->ID()));
    for (const Caso& caso : casos) {
        r.linhas.clear();
        caso.edit();
        EXPECT_EQ(r.linhas, caso.heard) << caso.what;
    }
    doc.RemoveObserver(r);
    doc.NewDocument("Outro");
    EXPECT_EQ(r.linhas.size(), casos.back().heard.size()) << "a removed observer hears nothing";
}
