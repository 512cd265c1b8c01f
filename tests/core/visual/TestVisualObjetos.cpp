#include "core/visual/VisualTestUtil.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

TEST(Props, KeysAreFoundAfterTheObjectLineAndWrittenInPlaceOrAppended) {
    TProps p({"Object 3: TVOGrfVertice", "Num=3", "Desc=A=B", "Numero=9"});
    EXPECT_EQ(p.Value("Desc"), "A=B"); // the name ends at the first "="
    EXPECT_EQ(p.Value("Nu"), "");      // a prefix of a key is not the key
    EXPECT_FALSE(p.HasKey("Object 3: TVOGrfVertice"));
    EXPECT_FALSE(p.SetValue("Num", "3"));
    EXPECT_TRUE(p.SetValue("Num", "4"));
    EXPECT_TRUE(p.SetValue("Lbl", "*"));
    EXPECT_EQ(p.Lines(), Lines({"Object 3: TVOGrfVertice", "Num=4", "Desc=A=B", "Numero=9", "Lbl=*"}));
    const TObjectLine a = ParseObjectLine("Object 12: TVOGrfImpedancia");
    EXPECT_TRUE(a.Valid && a.HasID);
    EXPECT_EQ(std::make_pair(a.ID, a.ClassName), std::make_pair(12, std::string("TVOGrfImpedancia")));
    const TObjectLine b = ParseObjectLine("Object x: TVOGrfVertice");
    EXPECT_TRUE(b.Valid && !b.HasID);
    EXPECT_EQ(b.ID, -1);
    EXPECT_FALSE(ParseObjectLine("Objeto 1: TVOGrfVertice").Valid);
    EXPECT_FALSE(ParseObjectLine("Object 1:TVOGrfVertice").Valid);
}

TEST(NewObjects, ANewObjectHasItsKeysInFileOrderAndIsSelected) {
    auto doc = NewGrafo();
    EXPECT_FALSE(doc->NeedsSave());
    auto& v = Place(*doc, "TVOGrfVertice", {40, 55});
    EXPECT_EQ(v.Props().Lines(), Lines({"Object 1: TVOGrfVertice", "Num=1", "Desc=Vertice1", "Left=40",
                                        "Top=55", "Lbl=*", "LblX=0", "LblY=0"}));
    EXPECT_EQ(doc->Objects().Selected(), &v);
    EXPECT_TRUE(doc->Modified());
    EXPECT_EQ(v.GetPortInfo(1).X, 55); // a vertex's port is its centre
    auto& t = Place<TVOGrfComp>(*doc, "TVOGrfFonteFluxoCtrl", {20, 30});
    EXPECT_EQ(t.Props().Lines(), Lines({"Object 2: TVOGrfFonteFluxoCtrl", "Num=1", "Desc=FonteFluxoCtrl1",
                                        "Left=20", "Top=30", "Lbl=Fc1", "LblX=0", "LblY=-20", "Gain=Fc1",
                                        "Move=0", "VarCtrl=0", "VarID=0", "VarPort=0"}));
    EXPECT_FALSE(t.IsConnected());
    EXPECT_EQ(t.VertexAt(1), nullptr);
    EXPECT_FALSE(t.UpdateLayout()); // nothing to centre between
}

TEST(Numbering, NumbersCountPerExactClassAndDescriptionsStayFree) {
    auto doc = NewGrafo();
    Place(*doc, "TVOGrfFonteEsforco");
    EXPECT_EQ(Place(*doc, "TVOGrfFonteEsforcoCtrl").Num(), 1); // no numbers shared with a plain source
    auto& z1 = Place(*doc, "TVOGrfImpedancia");
    EXPECT_EQ(Place(*doc, "TVOGrfImpedancia").Num(), 2);
    // A user named a vertex "Impedancia3": the next impedance skips to the next free description.
    auto& v = Place(*doc, "TVOGrfVertice");
    ASSERT_TRUE(doc->Objects().Rename(v.Desc(), "Impedancia3"));
    auto& z4 = Place<TVOComp>(*doc, "TVOGrfImpedancia");
    EXPECT_EQ(std::make_tuple(z4.Num(), z4.Desc(), z4.GetGain(0), z4.Lbl()),
              std::make_tuple(4, std::string("Impedancia4"), std::string("Z4"), std::string("Z4")));
    // Numbers continue above the highest, not in gaps.
    ASSERT_TRUE(doc->Objects().Renumber("TVOGrfImpedancia", z1.Num(), 10));
    EXPECT_EQ(doc->Objects().NextNum("TVOGrfImpedancia"), 11);
    const std::vector<std::string> all = doc->Objects().Descriptions();
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const std::string& a, const std::string& b) {
        return CompareUpper(a, b) < 0;
    }));
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
    // Identities grow and are not reused while the document is open; numbers come from the objects.
    const std::int32_t gone = v.ID();
    doc->DeleteObject(v);
    auto& w = Place(*doc, "TVOGrfVertice");
    EXPECT_EQ(w.ID(), gone + 2);
    EXPECT_EQ(w.Num(), 1);
}

TEST(Labels, EmptyIsStoredAsStarAndTextsTheFileCannotHoldAreRefused) {
    auto doc = NewGrafo();
    auto& v = Place(*doc, "TVOGrfVertice");
    v.SetModified(false);
    EXPECT_TRUE(v.SetLbl("Nó de saída €"));
    EXPECT_EQ(v.Lbl(), "Nó de saída €");
    EXPECT_TRUE(v.Modified());
    EXPECT_TRUE(v.SetLbl(""));
    EXPECT_EQ(v.Props().Value("Lbl"), "*");
    EXPECT_EQ(v.Lbl(), "");
    v.SetModified(false);
    EXPECT_FALSE(v.SetLbl("Ω"));
    EXPECT_FALSE(v.SetLbl("duas\nlinhas"));
    EXPECT_EQ(v.Props().Value("Lbl"), "*");
    EXPECT_FALSE(v.Modified());
}

TEST(Setters, MarkModifiedOnlyOnChangeAndKeysOnlyWhereTheyExist) {
    auto doc = NewGrafo();
    auto& v = Place(*doc, "TVOGrfVertice");
    auto& z = Place<TVOGrfComp>(*doc, "TVOGrfImpedancia");
    v.SetModified(false);
    v.SetLblX(0);
    v.SetPosition(v.Position());
    v.SetMove(true);
    EXPECT_FALSE(v.Props().HasKey("Move")); // vertices never gain it
    EXPECT_FALSE(v.Modified());
    z.SetModified(false);
    z.SetMove(true);
    EXPECT_TRUE(z.Move() && z.Modified());
    z.SetRot(3);
    EXPECT_FALSE(z.Props().HasKey("Rot")); // graph kinds never rotate
}

TEST(Gains, PiecesAreReadAndReplacedOneByOne) {
    auto doc = NewGrafo();
    auto& k = Place<TVOComp>(*doc, "TVOGrfDuasPortas");
    EXPECT_EQ(k.GetGain(3), "Kfe1");
    EXPECT_EQ(k.GetGain(5), "");
    k.SetModified(false);
    EXPECT_TRUE(k.SetGain(2, "0"));
    EXPECT_EQ(k.GetGain(0), "Kee1;0;Kfe1;Kff1");
    EXPECT_TRUE(k.Modified());
    EXPECT_FALSE(k.SetGain(5, "R"));
    EXPECT_FALSE(k.SetGain(1, "a;b"));
    EXPECT_FALSE(k.SetGain(1, "Ω"));
    EXPECT_EQ(k.GetGain(0), "Kee1;0;Kfe1;Kff1");
    // A short gain text is padded to the kind's gains when one of them is set.
    EXPECT_TRUE(k.SetGain(0, "A"));
    EXPECT_TRUE(k.SetGain(3, "C"));
    EXPECT_EQ(k.GetGain(0), "A;;C;");
    // One-ports name their variables after themselves, two-ports after their ports.
    EXPECT_EQ(Place<TVOComp>(*doc, "TVOGrfImpedancia").FlowVariable(2), "F(Impedancia1)");
    EXPECT_EQ(k.ControlCandidates(),
              Lines({"E(DuasPortas1_P1)", "E(DuasPortas1_P2)", "F(DuasPortas1_P1)", "F(DuasPortas1_P2)"}));
}
