#include "core/system/SisDocTestUtil.h"

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

TEST(SystemCatalogue, RotationCyclesAndTheLabelFollowsUnlessPlacedByTheUser) {
    auto doc = NewSistema();
    doc->SetMode(kModeGirar);
    for (const TSisKindRow& row : SisKinds()) {
        if (row.Terminals == 0) continue;
        TVOSisComp& c = PlaceComp(*doc, row.Kind);
        SCOPED_TRACE(c.ClassName());
        const std::int32_t start = c.GetRot();
        std::set<std::int32_t> seen;
        for (std::int32_t i = 0; i < c.Orientations(); ++i) {
            EXPECT_TRUE(doc->RotateClicked(c, TMouseButton::Left));
            seen.insert(c.GetRot());
        }
        EXPECT_EQ(c.GetRot(), start) << "back to the start after a full turn";
        EXPECT_EQ(static_cast<std::int32_t>(seen.size()), c.Orientations());
    }
    // A resistor lies flat with its label above; upright, the label goes beside it. A label the user
    // placed stays, and so do the reservoirs' labels.
    TVOSisComp& r = PlaceComp(*doc, kTipoEleResistor);
    doc->RotateClicked(r, TMouseButton::Left);
    EXPECT_EQ(std::make_pair(r.LblX(), r.LblY()), std::make_pair(-20, 0));
    r.SetLblX(7);
    doc->RotateClicked(r, TMouseButton::Left);
    EXPECT_EQ(std::make_pair(r.LblX(), r.LblY()), std::make_pair(7, 0));
    TVOSisComp& tank = PlaceComp(*doc, kTipoHidReservatorio1Cnt);
    doc->RotateClicked(tank, TMouseButton::Left);
    EXPECT_EQ(std::make_pair(tank.LblX(), tank.LblY()), std::make_pair(0, -20));
    // Only the left button of the rotate tool turns components; vertices do not turn.
    EXPECT_FALSE(doc->RotateClicked(r, TMouseButton::Right));
    EXPECT_FALSE(doc->RotateClicked(PlaceKind(*doc, kTipoEleVertice), TMouseButton::Left));
    doc->SetMode(kModeSelecionar);
    EXPECT_FALSE(doc->RotateClicked(r, TMouseButton::Left));
}

TEST(SystemCatalogue, ControlVariablesOfferEveryBranchOfTheOtherPlainComponents) {
    auto doc = NewSistema();
    for (std::int32_t k :
         {kTipoEleResistor, kTipoEleTransformador, kTipoMctMassaAtrito, kTipoMcrInerciaAtrito,
          kTipoHidReservatorio1Cnt, kTipoMctReferencia, kTipoAcpEleMcr, kTipoEleFonteCorrenteCtrl})
        PlaceComp(*doc, k);
    // Never the source itself, references, couplers or other controlled sources; the friction kinds
    // offer both branches, each with its domain's letters.
    TVOSisComp& ctrl = PlaceComp(*doc, kTipoEleFonteTensaoCtrl);
    std::vector<std::string> names = doc->Objects().ControlVariables(ctrl);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{
                  "F(MassaAtrito1_B)", "F(MassaAtrito1_M)", "P(Reservatorio1Cnt1)", "Q(Reservatorio1Cnt1)",
                  "T(InerciaAtrito1_B)", "T(InerciaAtrito1_J)", "V(MassaAtrito1_B)", "V(MassaAtrito1_M)",
                  "W(InerciaAtrito1_B)", "W(InerciaAtrito1_J)", "i(Resistor1)", "i(Transformador1_P1)",
                  "i(Transformador1_P2)", "v(Resistor1)", "v(Transformador1_P1)", "v(Transformador1_P2)"}));
    // Choosing a friction kind's second branch stores port 2 and names it again.
    ctrl.SetControlVariable("F(MassaAtrito1_B)");
    EXPECT_EQ(ctrl.Props().Value("VarPort"), "2");
    EXPECT_EQ(ctrl.ControlVariable(), "F(MassaAtrito1_B)");
}
