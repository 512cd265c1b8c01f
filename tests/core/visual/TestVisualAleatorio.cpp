// Random editing sessions on both kinds of document: placing, connecting by position, deleting,
// renaming, relabelling, renumbering and choosing control variables keep every link mutual; a
// deletion removes exactly the object and the connections whose keys name it; saved and read back,
// every kind of object has the same text, identities and connections.

#include "core/visual/VisualTestUtil.h"

#include "support/PastaTemp.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace brelix;
using namespace brelix::testing;

namespace {

using Files = apoio::PastaTemp;

std::vector<TVOElemento*> Elements(const TVisualDocumento& doc) {
    std::vector<TVOElemento*> elements;
    for (TVisualObject& o : doc.Objects())
        if (auto* e = dynamic_cast<TVOElemento*>(&o)) elements.push_back(e);
    return elements;
}

// The identities in the document but `gone` and the connections whose keys name it.
std::set<std::int32_t> IdsWithout(const TVisualDocumento& doc, const TVisualObject* gone = nullptr) {
    std::set<std::int32_t> ids;
    for (const TVisualObject& o : doc.Objects()) {
        const auto* c = dynamic_cast<const TVOConexao*>(&o);
        const auto names = [gone](const TVOConexao* x) {
            return x->ObjID1() == gone->ID() || x->ObjID2() == gone->ID();
        };
        if (gone == nullptr || (&o != gone && (c == nullptr || !names(c)))) ids.insert(o.ID());
    }
    return ids;
}

void RandomSession(std::int32_t docKind, unsigned seed, const std::string& file) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    auto doc = NewDoc(docKind, "Aleatorio");
    const TDocKindInfo& kind = doc->Kind();
    const auto pick = [&random](auto n) {
        return static_cast<std::size_t>(
            std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random));
    };
    std::size_t made = 0;
    std::set<std::string> saved; // the classes that went through the file
    for (int step = 0; step < 300; ++step) {
        const std::size_t before = Connections(*doc).size();
        const std::size_t action = pick(10);
        const std::vector<TVOElemento*> elements = Elements(*doc);
        if (action < 3 || elements.size() < 2) { // any kind of element (the connection's class is last)
            doc->NewObject(*kind.Classes[pick(kind.Classes.size() - 1)],
                           {static_cast<int>(pick(500)), static_cast<int>(pick(300))});
        } else if (action < 7) { // a port of each of two elements, pressed where it is drawn
            doc->SetMode(kModeConectar);
            for (int n = 0; n < 2; ++n) {
                TVOElemento& e = *elements[pick(elements.size())];
                const TPortInfo info = e.GetPortInfo(1 + static_cast<int>(pick(e.NumPorts())));
                const TPonto local =
                    e.FixedPorts() ? TPonto{info.X - e.Left(), info.Y - e.Top()} : TPonto{15, 15};
                doc->PressObject(e, local, {}, TMouseButton::Left);
            }
        } else if (action < 9) {
            TVisualObject& gone = doc->Objects()[static_cast<int>(pick(doc->Objects().Count()))];
            const std::set<std::int32_t> expected = IdsWithout(*doc, &gone);
            doc->DeleteObject(gone);
            ASSERT_EQ(IdsWithout(*doc), expected) << "step " << step;
        } else {
            TVOElemento& e = *elements[pick(elements.size())];
            ASSERT_TRUE(doc->Objects().Rename(e.Desc(), "Nó" + std::to_string(step)));
            ASSERT_TRUE(e.SetLbl("€ " + std::to_string(step)));
            ASSERT_TRUE(
                doc->Objects().Renumber(e.ClassName(), e.Num(), doc->Objects().NextNum(e.ClassName())));
            for (TVOElemento* other : elements) {
                auto* c = dynamic_cast<TVOComp*>(other);
                const auto names = c != nullptr && c->HasControl() ? doc->Objects().ControlVariables(*c)
                                                                   : std::vector<std::string>{};
                if (names.empty()) continue;
                const std::string& name = names[pick(names.size())];
                c->SetControlVariable(name);
                ASSERT_EQ(c->ControlVariable(), name);
            }
        }
        ASSERT_EQ(Inconsistency(*doc), "") << "step " << step;
        made += std::max(before, Connections(*doc).size()) - before;
        for (TVOElemento* e : Elements(*doc)) {
            auto* c = dynamic_cast<TVOGrfComp*>(e);
            for (std::int32_t p = 1; c != nullptr && p <= c->NumPorts(); ++p)
                ASSERT_EQ(c->VertexAt(p) != nullptr, c->ConnectionAt(p) != 0);
        }
        if (step % 50 == 49) {
            doc->SaveDocument(file);
            auto back = MakeDocumento(docKind);
            back->LoadFile(file);
            ASSERT_EQ(back->Text(file), doc->Text(file));
            ASSERT_EQ(Inconsistency(*back), "");
            for (TVOElemento* e : Elements(*back)) {
                ASSERT_EQ(e->Connections(),
                          dynamic_cast<TVOElemento*>(doc->Objects().FindByID(e->ID()))->Connections());
                saved.insert(e->ClassName());
            }
        }
    }
    EXPECT_GE(made, 10u); // the session really joined elements, so deletions had cascades to make
    EXPECT_EQ(saved.size(), kind.Classes.size() - 1);
}

} // namespace

TEST_F(Files, RandomSessionsStayConsistentThroughPicksDeletionsRenamesAndReloads) {
    for (std::int32_t docKind : {kDocKindGrafo, kDocKindDFS})
        for (unsigned seed = 1; seed <= 12; ++seed)
            RandomSession(docKind, seed, Path(docKind == kDocKindGrafo ? "Aleatorio.grf" : "Aleatorio.dfs"));
}
