#include "core/visual/VisualTestUtil.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

// An impedance, a generic two-port, a transformer and two controlled sources.
struct ControlGraph {
    std::unique_ptr<TVisualDocumento> doc = NewGrafo();
    TVOGrfComp& z = Place<TVOGrfComp>(*doc, "TVOGrfImpedancia");
    TVOGrfComp& k = Place<TVOGrfComp>(*doc, "TVOGrfDuasPortas");
    TVOGrfComp& t = Place<TVOGrfComp>(*doc, "TVOGrfTransformador");
    TVOGrfComp& ec = Place<TVOGrfComp>(*doc, "TVOGrfFonteEsforcoCtrl");
    TVOGrfComp& fc = Place<TVOGrfComp>(*doc, "TVOGrfFonteFluxoCtrl");

    std::vector<std::string> Keys(const TVOComp& c) const {
        return {c.Props().Value("VarCtrl"), c.Props().Value("VarID"), c.Props().Value("VarPort")};
    }
};

} // namespace

TEST(ControlVariables, CandidatesComeFromOtherUncontrolledComponentsSorted) {
    ControlGraph g;
    Place(*g.doc, "TVOGrfVertice");
    Place<TVOGrfComp>(*g.doc, "TVOGrfFonteFluxo");
    const std::vector<std::string> expected = {
        "E(DuasPortas1_P1)",    "E(DuasPortas1_P2)",    "E(Impedancia1)",       "E(Transformador1_P1)",
        "E(Transformador1_P2)", "F(DuasPortas1_P1)",    "F(DuasPortas1_P2)",    "F(FonteFluxo1)",
        "F(Impedancia1)",       "F(Transformador1_P1)", "F(Transformador1_P2)", "E(FonteFluxo1)"};
    std::vector<std::string> sorted = expected;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(g.doc->Objects().ControlVariables(g.ec), sorted);
    // An asking component does not offer its own names.
    const std::vector<std::string> forZ = g.doc->Objects().ControlVariables(g.z);
    EXPECT_EQ(std::count(forZ.begin(), forZ.end(), "E(Impedancia1)"), 0);
    EXPECT_EQ(forZ.size(), expected.size() - 2);
}

TEST(ControlVariables, NamesAreStoredAsLetterIdentityAndPort) {
    ControlGraph g;
    g.ec.SetModified(false);
    g.ec.SetControlVariable("E(Impedancia1)");
    EXPECT_EQ(g.Keys(g.ec), Lines({"E", "1", "1"}));
    EXPECT_EQ(g.ec.ControlVariable(), "E(Impedancia1)");
    EXPECT_TRUE(g.ec.Modified());
    g.ec.SetModified(false);
    g.ec.SetControlVariable("E(Impedancia1)");
    EXPECT_FALSE(g.ec.Modified());

    g.fc.SetControlVariable("F(DuasPortas1_P2)");
    EXPECT_EQ(g.Keys(g.fc), Lines({"F", "2", "2"}));
    EXPECT_EQ(g.fc.ControlVariable(), "F(DuasPortas1_P2)");
    g.fc.SetControlVariable("E(Transformador1_P1)");
    EXPECT_EQ(g.Keys(g.fc), Lines({"E", "3", "1"}));

    // Names that designate nothing leave all three keys at "0".
    for (const char* nothing : {"", "E(Nada)", "E", "E()", "(Impedancia1", "É(Impedancia1)"}) {
        SCOPED_TRACE(nothing);
        g.fc.SetControlVariable(nothing);
        EXPECT_EQ(g.Keys(g.fc), Lines({"0", "0", "0"}));
        EXPECT_EQ(g.fc.ControlVariable(), "");
    }
}

TEST(ControlVariables, ASourceIsCompleteOnlyWithAVariableThatResolves) {
    ControlGraph g;
    auto& a = Place(*g.doc, "TVOGrfVertice");
    auto& b = Place(*g.doc, "TVOGrfVertice");
    PickBoth(*g.doc, a, 1, g.ec, 1);
    PickBoth(*g.doc, g.ec, 2, b, 1);
    EXPECT_FALSE(g.ec.IsConnected());
    g.ec.SetControlVariable("F(Impedancia1)");
    EXPECT_TRUE(g.ec.IsConnected());
    // A letter that is neither the effort nor the flow letter is kept but resolves to nothing.
    g.ec.SetControlVariable("Q(Impedancia1)");
    EXPECT_EQ(g.Keys(g.ec), Lines({"Q", "1", "1"}));
    EXPECT_EQ(g.ec.ControlVariable(), "");
    EXPECT_FALSE(g.ec.IsConnected());
}

TEST(ControlVariables, TheNameFollowsARenameAndVanishesWithTheComponent) {
    ControlGraph g;
    g.ec.SetControlVariable("E(Impedancia1)");
    g.fc.SetControlVariable("F(DuasPortas1_P2)");
    ASSERT_TRUE(g.doc->Objects().Rename("Impedancia1", "Carga"));
    EXPECT_EQ(g.ec.ControlVariable(), "E(Carga)");
    ASSERT_TRUE(g.doc->Objects().Renumber("TVOGrfDuasPortas", 1, 5));
    EXPECT_EQ(g.fc.ControlVariable(), "F(DuasPortas5_P2)");
    g.ec.SetModified(false);
    g.doc->DeleteObject(g.z);
    EXPECT_EQ(g.Keys(g.ec), Lines({"0", "0", "0"}));
    EXPECT_EQ(g.ec.ControlVariable(), "");
    EXPECT_TRUE(g.ec.Modified());
    EXPECT_EQ(g.fc.ControlVariable(), "F(DuasPortas5_P2)"); // the other source is untouched
    EXPECT_EQ(Inconsistency(*g.doc), "");
}

TEST(TwoPorts, BothGainsOfOneOutputMayNotBeZero) {
    ControlGraph g;
    TVOElemento* v[4];
    for (auto& p : v)
        p = &Place(*g.doc, "TVOGrfVertice");
    for (int p = 1; p <= 4; ++p)
        PickBoth(*g.doc, *v[p - 1], 1, g.k, p);
    EXPECT_TRUE(g.k.IsConnected());
    ASSERT_TRUE(g.k.SetGain(0, "0;0;K3;K4"));
    EXPECT_FALSE(g.k.IsConnected());
    ASSERT_TRUE(g.k.SetGain(0, "K1;0;0;K4"));
    EXPECT_TRUE(g.k.IsConnected());
    ASSERT_TRUE(g.k.SetGain(0, "K1;K2;0;0"));
    EXPECT_FALSE(g.k.IsConnected());
    // A transformer has one gain: a zero there is no completeness matter.
    for (int p = 1; p <= 4; ++p)
        PickBoth(*g.doc, *v[p - 1], 1, g.t, p);
    ASSERT_TRUE(g.t.SetGain(0, "0"));
    EXPECT_TRUE(g.t.IsConnected());
}

TEST(Renaming, ADescriptionInUseOrThatTheFileCannotHoldIsRefusedAndNothingChanges) {
    ControlGraph g;
    g.z.SetModified(false);
    for (const char* refused : {"DuasPortas1", "", "Ω1"})
        EXPECT_FALSE(g.doc->Objects().Rename("Impedancia1", refused)) << refused;
    EXPECT_FALSE(g.doc->Objects().Rename("Nada", "Outro"));
    EXPECT_EQ(g.z.Desc(), "Impedancia1");
    EXPECT_EQ(g.k.Desc(), "DuasPortas1");
    EXPECT_FALSE(g.z.Modified());
    EXPECT_TRUE(g.doc->Objects().Rename("Impedancia1", "R_carga"));
    EXPECT_EQ(g.doc->Objects().FindByDesc("R_carga"), &g.z);
    EXPECT_TRUE(g.z.Modified());
    const auto all = g.doc->Objects().Descriptions();
    EXPECT_EQ(
        std::count(all.begin(), all.end(), "R_carga") + std::count(all.begin(), all.end(), "Impedancia1"), 1);
}

TEST(Renumbering, TheDefaultDescriptionFollowsTheNumberUnlessTakenOrTheUsersOwn) {
    ControlGraph g;
    auto& z2 = Place<TVOGrfComp>(*g.doc, "TVOGrfImpedancia");
    EXPECT_FALSE(g.doc->Objects().Renumber("TVOGrfImpedancia", 1, 2)); // a number of the class
    EXPECT_FALSE(g.doc->Objects().Renumber("TVOGrfImpedancia", 1, 0));
    EXPECT_FALSE(g.doc->Objects().Renumber("TVOGrfImpedancia", 9, 10)); // no impedance numbered 9
    ASSERT_TRUE(g.doc->Objects().Renumber("TVOGrfImpedancia", 1, 7));   // another class's 1 is no matter
    EXPECT_EQ(std::make_pair(g.z.Num(), g.z.Desc()), std::make_pair(7, std::string("Impedancia7")));
    // The new default description belongs to someone else: refused rather than doubled.
    ASSERT_TRUE(g.doc->Objects().Rename("Transformador1", "Impedancia8"));
    EXPECT_FALSE(g.doc->Objects().Renumber("TVOGrfImpedancia", 2, 8));
    EXPECT_EQ(std::make_pair(z2.Num(), z2.Desc()), std::make_pair(2, std::string("Impedancia2")));
    // A description of the user's own stays.
    ASSERT_TRUE(g.doc->Objects().Rename("DuasPortas1", "Acoplamento"));
    ASSERT_TRUE(g.doc->Objects().Renumber("TVOGrfDuasPortas", 1, 3));
    EXPECT_EQ(std::make_pair(g.k.Num(), g.k.Desc()), std::make_pair(3, std::string("Acoplamento")));
}
