#include "core/visual/VisualTestUtil.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace brelix;
using namespace brelix::testing;

namespace {

std::vector<TVOElemento*> Elements(const TVisualDocumento& doc) {
    std::vector<TVOElemento*> elements;
    for (TVisualObject& o : doc.Objects())
        if (auto* e = dynamic_cast<TVOElemento*>(&o)) elements.push_back(e);
    return elements;
}

std::set<std::int32_t> Ids(const TVisualDocumento& doc) {
    std::set<std::int32_t> ids;
    for (const TVisualObject& o : doc.Objects())
        ids.insert(o.ID());
    return ids;
}

// The identities a deletion must leave: everything but the object and, for an element, the
// connections that end at it. Worked out from the connections' own keys, not from the element.
std::set<std::int32_t> Survivors(const TVisualDocumento& doc, const TVisualObject& gone) {
    std::set<std::int32_t> ids;
    for (const TVisualObject& o : doc.Objects()) {
        if (&o == &gone) continue;
        const auto* c = dynamic_cast<const TVOConexao*>(&o);
        if (c != nullptr && (c->ObjID1() == gone.ID() || c->ObjID2() == gone.ID())) continue;
        ids.insert(o.ID());
    }
    return ids;
}

void RandomSession(std::int32_t docKind, unsigned seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    auto doc = NewDoc(docKind, "Aleatorio");
    const TDocKindInfo& kind = doc->Kind();
    const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int made = 0;
    for (int step = 0; step < 300; ++step) {
        const int before = CountConnections(*doc);
        const int action = pick(10);
        std::vector<TVOElemento*> elements = Elements(*doc);
        if (action < 3 || elements.size() < 2) {
            // Place an element of any kind but the connection.
            const auto& cls =
                *kind.Classes[static_cast<std::size_t>(pick(static_cast<int>(kind.Classes.size()) - 1))];
            doc->NewObject(cls, {pick(500), pick(300)});
        } else if (action < 7) {
            // Pick a port of each of two elements by position, as the connect tool does.
            doc->SetMode(kModeConectar);
            for (int n = 0; n < 2; ++n) {
                TVOElemento& e = *elements[static_cast<std::size_t>(pick(static_cast<int>(elements.size())))];
                const std::int32_t port = 1 + pick(e.NumPorts());
                const TPortInfo info = e.GetPortInfo(port);
                const TPonto local =
                    e.FixedPorts() ? TPonto{info.X - e.Left(), info.Y - e.Top()} : TPonto{15, 15};
                doc->PressObject(e, local, {}, TMouseButton::Left);
            }
        } else if (action < 9) {
            const TVisualObject& gone = doc->Objects()[pick(doc->Objects().Count())];
            const std::set<std::int32_t> expected = Survivors(*doc, gone);
            doc->DeleteObject(const_cast<TVisualObject&>(gone));
            ASSERT_EQ(Ids(*doc), expected) << "step " << step;
        } else {
            // Control variables from the candidates, when there is a controlled source.
            for (TVOElemento* e : elements) {
                auto* c = dynamic_cast<TVOComp*>(e);
                if (c == nullptr || !c->HasControl()) continue;
                const auto names = doc->Objects().ControlVariables(*c);
                if (names.empty()) continue;
                const std::string& name =
                    names[static_cast<std::size_t>(pick(static_cast<int>(names.size())))];
                c->SetControlVariable(name);
                ASSERT_EQ(c->ControlVariable(), name);
            }
        }
        ASSERT_EQ(Inconsistency(*doc), "") << "step " << step;
        made += std::max(0, CountConnections(*doc) - before);
        for (TVOElemento* e : Elements(*doc)) {
            auto* c = dynamic_cast<TVOGrfComp*>(e);
            for (std::int32_t p = 1; c != nullptr && p <= c->NumPorts(); ++p) {
                ASSERT_EQ(c->VertexAt(p) != nullptr, c->ConnectionAt(p) != 0);
            }
        }
        if (step % 50 == 49) {
            // What is written reads back into the same objects and writes again the same way.
            const std::vector<std::string> text = doc->Text("Aleatorio." + kind.Extension);
            auto back = MakeDocumento(docKind);
            back->LoadDocument("Aleatorio." + kind.Extension, text);
            ASSERT_EQ(back->Text("Aleatorio." + kind.Extension), text);
            ASSERT_EQ(Ids(*back), Ids(*doc));
            ASSERT_EQ(Inconsistency(*back), "");
        }
    }
    // The session really joined elements (so deletions had cascades to make).
    EXPECT_GE(made, 10);
}

} // namespace

TEST(RandomSessions, GraphDocumentsStayConsistentThroughPicksDeletionsAndReloads) {
    for (unsigned seed = 1; seed <= 12; ++seed)
        RandomSession(kDocKindGrafo, seed);
}

TEST(RandomSessions, SignalFlowDocumentsStayConsistentThroughPicksDeletionsAndReloads) {
    for (unsigned seed = 1; seed <= 12; ++seed)
        RandomSession(kDocKindDFS, seed);
}
