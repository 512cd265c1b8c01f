#include "core/visual/VisualTestUtil.h"

#include "common/UnitComErro.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

// One object block as a generator of documents writes it: the eight common lines, then the class's
// own keys, then "end".
void Block(std::vector<std::string>& lines, std::int32_t id, const std::string& cls, std::int32_t num,
           const std::string& desc, std::int32_t left, std::int32_t top, const std::string& lbl,
           std::int32_t lblY, const std::vector<std::string>& keys) {
    const std::vector<std::string> common = {"Object " + IntToStr(id) + ": " + cls,
                                             "Num=" + IntToStr(num),
                                             "Desc=" + desc,
                                             "Left=" + IntToStr(left),
                                             "Top=" + IntToStr(top),
                                             "Lbl=" + lbl,
                                             "LblX=0",
                                             "LblY=" + IntToStr(lblY)};
    lines.insert(lines.end(), common.begin(), common.end());
    lines.insert(lines.end(), keys.begin(), keys.end());
    lines.emplace_back("end");
}

} // namespace

TEST(Generators, ANewDocumentTakesItsGeometryAndObjectsInTwoPasses) {
    auto doc = MakeDocumento(kDocKindGrafo);
    doc->NewDocument("MotorGrafo", "TGrafo", 300, 550, 130, 230);
    EXPECT_EQ(doc->Header().Lines(), Lines({"Object 0: TGrafo", "Desc=MotorGrafo", "Left=230", "Top=130",
                                            "Width=550", "Height=300"}));
    EXPECT_TRUE(doc->IsNew());

    // First pass: vertices, an impedance and its connections.
    std::vector<std::string> first;
    Block(first, 1, "TVOGrfVertice", 1, "V1", 50, 50, "V1", -20, {});
    Block(first, 4, "TVOGrfVertice", 4, "V4", 150, 50, "V4", -20, {});
    Block(first, 5, "TVOGrfImpedancia", 1, "R1", 100, 50, "R", -20, {"Gain=R", "Move=0"});
    Block(first, 6, "TVOGrfConexao", 1, "Conexao1", 0, 0, "*", 0,
          {"ObjID1=1", "CntID1=1", "ObjID2=5", "CntID2=1"});
    Block(first, 7, "TVOGrfConexao", 2, "Conexao2", 0, 0, "*", 0,
          {"ObjID1=5", "CntID1=2", "ObjID2=4", "CntID2=1"});
    doc->LoadObjects(first);
    // Second pass: a controlled source whose keys name the impedance read in the first pass.
    std::vector<std::string> second;
    Block(second, 8, "TVOGrfFonteFluxoCtrl", 2, "Fc2", 100, 150, "K", -20,
          {"Gain=K", "Move=0", "VarCtrl=E", "VarID=5", "VarPort=1"});
    Block(second, 9, "TVOGrfConexao", 3, "Conexao3", 0, 0, "*", 0,
          {"ObjID1=4", "CntID1=1", "ObjID2=8", "CntID2=1"});
    Block(second, 10, "TVOGrfConexao", 4, "Conexao4", 0, 0, "*", 0,
          {"ObjID1=8", "CntID1=2", "ObjID2=1", "CntID2=1"});
    doc->LoadObjects(second);
    doc->SetModified(true);

    ASSERT_EQ(doc->Objects().Count(), 8);
    EXPECT_EQ(Inconsistency(*doc), "");
    const auto& fc = dynamic_cast<const TVOGrfComp&>(*doc->Objects().FindByID(8));
    EXPECT_EQ(fc.ControlVariable(), "E(R1)");
    EXPECT_TRUE(fc.IsConnected());
    EXPECT_EQ(fc.VertexAt(2)->Desc(), "V1");
    EXPECT_EQ(doc->Objects().NextNum("TVOGrfFonteFluxoCtrl"), 3);
    EXPECT_EQ(doc->NewObject(ClassGrfVertice(), {0, 0}).ID(), 11);
}

TEST(Generators, ABlockAGeneratorGotWrongIsReportedWithinItsLines) {
    auto doc = MakeDocumento(kDocKindDFS);
    doc->NewDocument("RedeDFS");
    std::vector<std::string> blocks;
    Block(blocks, 1, "TVODFSVariavel", 1, "E(R1)", 50, 25, "E(R1)", -20, {});
    Block(blocks, 2, "TVODFSVariavel", 1, "E(R2)", 125, 25, "E(R2)", -20, {});
    try {
        doc->LoadObjects(blocks);
        FAIL() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.FileName(), "RedeDFS");
        EXPECT_EQ(e.Line(), 11); // the second block's Num, taken by the first
    }
    EXPECT_EQ(doc->Objects().Count(), 1);
    // An object a program builds must also have a fresh identity.
    EXPECT_THROW(
        doc->CreateObject(ClassDFSVariavel(), Lines({"Object 1: TVODFSVariavel", "Num=7", "Desc=Outra",
                                                     "Left=0", "Top=0", "Lbl=*", "LblX=0", "LblY=0"})),
        EObjectError);
    EXPECT_THROW(doc->CreateObject(ClassGrfComp(), {}), std::logic_error); // an abstract class
    EXPECT_EQ(doc->Objects().Count(), 1);
}

TEST(DocumentState, DescriptionAndSizeChangesMarkTheDocument) {
    auto doc = NewGrafo();
    doc->SetDesc("Grafo1");
    EXPECT_FALSE(doc->Modified());
    doc->SetDesc("Outro");
    EXPECT_TRUE(doc->Modified());
    doc->SetModified(false);
    doc->Resized(550, 300);
    EXPECT_FALSE(doc->Modified());
    doc->Resized(600, 300);
    EXPECT_TRUE(doc->Modified());
    EXPECT_EQ(doc->Text("x.grf")[4], "Width=600");
}
