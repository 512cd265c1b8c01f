// The catalogue of system kinds: new objects take free descriptions, terminals leave their boxes
// outwards, and every kind can be placed, turned, wired, saved and read back unchanged.

#include "core/system/SisDocTestUtil.h"

#include "common/UnitComErro.h"
#include "support/PastaTemp.h"
#include "system/UnitVOSisTerminais.h"

#include <gtest/gtest.h>

#include <set>

using namespace brelix;
using namespace brelix::testing;

TEST(SystemCatalogue, NewObjectsNeverShareADescription) {
    auto doc = NewSistema();
    // Three of every kind, mixed: the domains' dampers, springs, vertices, references and wires all
    // start from the same default descriptions.
    for (int round = 0; round < 3; ++round)
        for (std::int32_t k = 1; k <= 52; ++k)
            doc->NewObject(KindClass(k), {0, 0});
    std::set<std::string> seen;
    for (const TVisualObject& o : doc->Objects())
        EXPECT_TRUE(seen.insert(o.Desc()).second) << o.Desc();
    EXPECT_EQ(seen.size(), 156u);
    auto fresh = NewSistema();
    EXPECT_EQ(PlaceComp(*fresh, kTipoMctAmortecedor).Desc(), "Amortecedor1");
    TVOSisComp& rotational = PlaceComp(*fresh, kTipoMcrAmortecedor);
    EXPECT_EQ(rotational.Desc(), "Amortecedor2");
    EXPECT_EQ(rotational.GetGain(0), "B2") << "the gain follows the number taken";
}

TEST(SystemCatalogue, TerminalsLeaveTheirBoxOutwardsOneToASpot) {
    for (const TSisKindRow& row : SisKinds()) {
        SCOPED_TRACE(row.ClassName);
        const TPortTable table = SisPortTable(row);
        ASSERT_EQ(static_cast<std::int32_t>(table.size()), row.Terminals);
        for (std::size_t r = 0; r < 4; ++r) {
            std::set<std::pair<int, int>> places;
            for (const TPortGeom& g : table) {
                EXPECT_EQ(std::abs(g.DX[r]) + std::abs(g.DY[r]), 1);
                const bool outward = (g.DX[r] == -1 && g.X[r] == 5) || (g.DX[r] == 1 && g.X[r] == 25) ||
                                     (g.DY[r] == -1 && g.Y[r] == 5) || (g.DY[r] == 1 && g.Y[r] == 25);
                // A turned reservoir's inlet sits low on its left side and leaves upwards.
                const bool inlet = row.Layout == TSisLayout::Reservatorio && r % 2 == 1 && g.X[r] == 5 &&
                                   g.Y[r] == 20 && g.DY[r] == -1;
                EXPECT_TRUE(outward || inlet)
                    << "terminal at (" << g.X[r] << ", " << g.Y[r] << ") Rot " << r + 1;
                EXPECT_TRUE(places.insert({g.X[r], g.Y[r]}).second) << "two terminals on one spot";
            }
        }
    }
}

class SystemFiles : public apoio::PastaTemp {};

// Every kind in one document: each turned through all of its orientations and left at a different
// one, every terminal wired to the vertex of its domain, the controlled sources pointing at a resistor
// and one at a friction branch, one label of the user's own. Saved, read back and saved again, the
// file keeps its bytes.
TEST_F(SystemFiles, EveryKindIsPlacedTurnedWiredSavedAndReadBack) {
    auto doc = NewSistema();
    TVOElemento* vertices[4];
    for (std::int32_t d = kDominioEle; d <= kDominioHid; ++d)
        vertices[d - 2] = &PlaceKind(*doc, SisVertexClass(d)->Kind, {700, 100 * d});
    int wires = 0, x = 0;
    for (const TSisKindRow& row : SisKinds()) {
        if (row.Terminals == 0) continue;
        TVOSisComp& c = PlaceComp(*doc, row.Kind, {40 + (x % 8) * 80, 40 + (x / 8) * 80});
        ++x;
        SCOPED_TRACE(c.ClassName());
        std::set<std::int32_t> turns;
        doc->SetMode(kModeGirar);
        for (std::int32_t i = 0; i < c.Orientations() + row.Kind % 3; ++i) {
            EXPECT_TRUE(doc->RotateClicked(c, TMouseButton::Left));
            turns.insert(c.GetRot());
        }
        EXPECT_EQ(static_cast<std::int32_t>(turns.size()), c.Orientations());
        for (std::int32_t t = 1; t <= row.Terminals; ++t) {
            Connect(*doc, c, t, *vertices[SisTerminalDomain(row, t) - 2], 1);
            ++wires;
        }
    }
    for (TVisualObject& o : doc->Objects())
        if (auto* c = dynamic_cast<TVOSisComp*>(&o); c != nullptr && c->HasControl())
            c->SetControlVariable("i(Resistor1)");
    dynamic_cast<TVOSisComp&>(*doc->Objects().FindByDesc("FonteTorqueCtrl1"))
        .SetControlVariable("V(MassaAtrito1_B)");
    doc->Objects().FindByDesc("Resistor1")->SetLbl("Résistance à côté");
    ASSERT_EQ(Count<TVOSisConexao>(*doc), wires);
    EXPECT_TRUE(doc->Validate().Problemas.empty());
    doc->SaveDocument(Path("todos.sis"));
    EXPECT_FALSE(doc->NeedsSave());
    const std::string saved = apoio::Slurp(Path("todos.sis"));
    EXPECT_NE(saved.find("R\xE9sistance \xE0 c\xF4t\xE9"), std::string::npos) << "Windows-1252 on disk";

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

// A wire whose class names another domain than its terminals' is refused with the file and a line of
// its block; a wire of another document kind is skipped.
TEST(SystemLoading, AWireOfAnotherDomainIsRefusedAndOneOfAnotherDocumentKindSkipped) {
    auto doc = NewSistema();
    Connect(*doc, PlaceComp(*doc, kTipoMctMola), 2, PlaceKind(*doc, kTipoMctVertice), 1);
    const std::string wire = "Object 3: TVOMctConexao";
    ASSERT_EQ(Count<TVOSisConexao>(*Reread(*doc, "", "")), 1);
    try {
        Reread(*doc, wire, "Object 3: TVOEleConexao");
        ADD_FAILURE() << "an electrical wire between mechanical terminals loaded";
    } catch (const EFileError& err) {
        EXPECT_EQ(err.FileName(), "x.sis");
        EXPECT_TRUE(err.Line() >= 28 && err.Line() <= 40) << "a line of the wire's block, not " << err.Line();
    }
    EXPECT_EQ(Reread(*doc, wire, "Object 3: TVOGrfConexao")->Objects().Count(), 2);
}
