#include "core/visual/DocumentosExemplo.h"
#include "core/visual/VisualTestUtil.h"

#include "common/UnitComCodificacao.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

TEST(DamagedFiles, AnIntegerKeyThatIsNotAnIntegerStopsAtThatObject) {
    auto doc = MakeDocumento(kDocKindDFS);
    const EFileError e = LoadError(
        *doc, Replace(kMalha, "Num=1\nDesc=Transmitancia1", "Num=um\nDesc=Transmitancia1"), "Malha.dfs");
    EXPECT_EQ(e.FileName(), "Malha.dfs");
    EXPECT_EQ(e.Line(), 27);
    EXPECT_TRUE(Mentions(e, "Num") && Mentions(e, "inteiro") && Mentions(e, "\"um\""));
    EXPECT_EQ(doc->Objects().Count(), 2); // the two variables read before
    EXPECT_FALSE(doc->Modified());
    EXPECT_EQ(doc->Objects().LastID(), 2);

    auto doc2 = MakeDocumento(kDocKindDFS);
    EXPECT_EQ(LoadError(*doc2, Replace(kMalha, "LblY=-20\nend\nObject 2", "LblY=\nend\nObject 2")).Line(),
              15);
    auto doc3 = MakeDocumento(kDocKindDFS);
    EXPECT_EQ(LoadError(*doc3, Replace(kMalha, "CntID1=2", "CntID1=2,0")).Line(), 60);
    EXPECT_EQ(doc3->Objects().Count(), 4);
}

TEST(DamagedFiles, MissingIntegerKeysAreReportedAtTheBlock) {
    auto doc = MakeDocumento(kDocKindDFS);
    const EFileError e = LoadError(*doc, Replace(kMalha, "Num=2\n", ""));
    EXPECT_EQ(e.Line(), 17);
    EXPECT_TRUE(Mentions(e, "falta a chave Num"));
    auto doc2 = MakeDocumento(kDocKindDFS);
    EXPECT_TRUE(
        Mentions(LoadError(*doc2, Replace(kMalha, "CntID2=1\nend\nObject 5", "end\nObject 5")), "CntID2"));
}

TEST(DamagedFiles, TheHeaderMustBeThisKindsAndHoldItsGeometry) {
    auto doc = MakeDocumento(kDocKindGrafo);
    EFileError e = LoadError(*doc, kMalha); // a signal-flow file opened as a graph
    EXPECT_EQ(e.Line(), 1);
    EXPECT_TRUE(Mentions(e, "Object 0: TGrafo"));
    EXPECT_TRUE(doc->Objects().Empty());
    auto dfs = MakeDocumento(kDocKindDFS);
    e = LoadError(*dfs, Replace(kMalha, "Width=200", "Width=largo"));
    EXPECT_EQ(e.Line(), 5);
    EXPECT_TRUE(dfs->Objects().Empty());
    e = LoadError(*dfs, Replace(kMalha, "Top=130\n", ""));
    EXPECT_EQ(e.Line(), 1);
    EXPECT_TRUE(Mentions(e, "Top"));
    EXPECT_EQ(LoadError(*dfs, "").Line(), 1);
}

TEST(DamagedFiles, AHeaderWithoutEndDoesNotSwallowTheFirstObject) {
    auto doc = MakeDocumento(kDocKindDFS);
    const EFileError e = LoadError(*doc, Replace(kMalha, "Height=300\nend\n", "Height=300\n"));
    EXPECT_EQ(e.Line(), 7);
    EXPECT_TRUE(Mentions(e, "end"));
    // A header alone without its end reads as a document without objects.
    auto alone = MakeDocumento(kDocKindDFS);
    alone->LoadDocument("a.dfs",
                        Lines({"Object 0: TDFS", "Desc=a", "Left=0", "Top=0", "Width=9", "Height=9", "x"}));
    EXPECT_TRUE(alone->Objects().Empty());
    EXPECT_EQ(alone->Height(), 9);
}

TEST(DamagedFiles, AnEmptyBlockOrAFirstLineThatIsNotAnObject) {
    auto doc = MakeDocumento(kDocKindDFS);
    EFileError e = LoadError(*doc, Replace(kMalha, "end\nObject 3", "end\nend\nObject 3"));
    EXPECT_EQ(e.Line(), 26);
    EXPECT_TRUE(Mentions(e, "bloco vazio"));
    EXPECT_EQ(doc->Objects().Count(), 2);
    e = LoadError(*doc, Replace(kMalha, "Object 3: TVODFSTransmitancia", "Objeto 3: TVODFSTransmitancia"));
    EXPECT_EQ(e.Line(), 26);
    e = LoadError(*doc, Replace(kMalha, "Object 3: TVODFSTransmitancia", "Object três: TVODFSTransmitancia"));
    EXPECT_EQ(e.Line(), 26);
    EXPECT_TRUE(Mentions(e, "ID"));
}

TEST(DamagedFiles, AConnectionToAMissingObjectIsReportedAndAttachedToNothing) {
    auto doc = MakeDocumento(kDocKindDFS);
    const EFileError e = LoadError(*doc, Replace(kMalha, "ObjID2=2", "ObjID2=99"));
    EXPECT_EQ(e.Line(), 59);
    EXPECT_TRUE(Mentions(e, "ObjID2=99"));
    EXPECT_EQ(doc->Objects().Count(), 4);
    const auto& t = dynamic_cast<const TVOElemento&>(*doc->Objects().FindByID(3));
    EXPECT_EQ(t.ConnectionAt(2), 0);
    EXPECT_EQ(Inconsistency(*doc), "");
    // An end of a class the document skips is missing too.
    const std::string foreign = Replace(kMalha, "Object 2: TVODFSVariavel", "Object 2: TVOEleResistor");
    EXPECT_EQ(LoadError(*doc, foreign).Line(), 59);
    EXPECT_EQ(doc->Objects().Count(), 3);
}

TEST(DamagedFiles, ConnectionsThatTheDocumentCannotHold) {
    auto doc = MakeDocumento(kDocKindDFS);
    // Port 1 of the transmittance already holds Conexao1.
    EXPECT_TRUE(Mentions(LoadError(*doc, Replace(kMalha, "CntID1=2", "CntID1=1")), "já tem a conexão 4"));
    EXPECT_TRUE(Mentions(LoadError(*doc, Replace(kMalha, "CntID1=2", "CntID1=3")), "2 porta(s)"));
    EXPECT_TRUE(Mentions(
        LoadError(*doc, Replace(kMalha, "ObjID1=3\nObjID2=2\nCntID1=2", "ObjID1=1\nObjID2=2\nCntID1=1")),
        "não liga TVODFSVariavel a TVODFSVariavel"));
    EXPECT_TRUE(
        Mentions(LoadError(*doc, Replace(kMalha, "ObjID1=3\nObjID2=2", "ObjID1=3\nObjID2=3")), "ele mesmo"));
    EXPECT_TRUE(
        Mentions(LoadError(*doc, Replace(kMalha, "ObjID1=3\nObjID2=2", "ObjID1=3\nObjID2=0")), "ObjID2"));
    // "00" and "-0" read as 0: no end either.
    EXPECT_TRUE(
        Mentions(LoadError(*doc, Replace(kMalha, "ObjID1=3\nObjID2=2", "ObjID1=3\nObjID2=00")), "\"00\""));
    EXPECT_TRUE(
        Mentions(LoadError(*doc, Replace(kMalha, "ObjID1=3\nObjID2=2", "ObjID1=-0\nObjID2=2")), "ObjID1"));
    EXPECT_TRUE(
        Mentions(LoadError(*doc, Replace(kMalha, "ObjID1=3\nObjID2=2", "ObjID1=3\nObjID2=5")), "ObjID2=5"));
    EXPECT_EQ(Inconsistency(*doc), "");
}

TEST(DamagedFiles, IdentitiesAndNumbersMustBeUnique) {
    auto doc = MakeDocumento(kDocKindDFS);
    EXPECT_TRUE(Mentions(
        LoadError(*doc, Replace(kMalha, "Object 2: TVODFSVariavel", "Object 1: TVODFSVariavel")), "o ID 1"));
    EXPECT_TRUE(
        Mentions(LoadError(*doc, Replace(kMalha, "Num=2\nDesc=Saída", "Num=1\nDesc=Saída")), "número 1"));
    EXPECT_TRUE(Mentions(LoadError(*doc, Replace(kMalha, "Desc=Saída", "Desc=")), "Desc"));
    // A description shared by two objects loads: older documents hold such pairs.
    doc->LoadDocument("dup.dfs", TextLines(Replace(kMalha, "Desc=Saída", "Desc=R")));
    EXPECT_EQ(doc->Objects().Count(), 5);
    // The same number in another class is no conflict.
    doc->LoadDocument("ok.dfs", TextLines(Replace(kMalha, "Num=2\nDesc=Conexao2", "Num=2\nDesc=Conexao2")));
    EXPECT_EQ(doc->Objects().Count(), 5);
}

TEST(DamagedFiles, ATruncatedFileIsReportedAtItsLastLine) {
    const std::string full = kMalha;
    const std::string cut = full.substr(0, full.find("CntID1=2"));
    auto doc = MakeDocumento(kDocKindDFS);
    const EFileError e = LoadError(*doc, cut);
    EXPECT_EQ(e.Line(), static_cast<int>(TextLines(cut).size()));
    EXPECT_TRUE(Mentions(e, "linha 50") && Mentions(e, "\"end\""));
    EXPECT_EQ(doc->Objects().Count(), 4);
    // Blank lines after the last end are no object.
    doc->LoadDocument("ok.dfs", TextLines(full + "\n\n"));
    EXPECT_EQ(doc->Objects().Count(), 5);
}

TEST(DamagedFiles, UnknownClassesAreSkippedSilently) {
    const std::string text = Replace(kMalha, "Object 3: TVODFSTransmitancia", "Object 3: TVOFuturo");
    auto doc = MakeDocumento(kDocKindDFS);
    EXPECT_TRUE(Mentions(LoadError(*doc, text), "ObjID2=3")); // but a connection to it is missing an end
    const std::string noLinks = text.substr(0, text.find("Object 4:"));
    doc->LoadDocument("ok.dfs", TextLines(noLinks));
    EXPECT_EQ(doc->Objects().Count(), 2);
}

TEST(DamagedFiles, AControlVariableNamingNoComponentIsClearedAndReported) {
    auto doc = MakeDocumento(kDocKindGrafo);
    const EFileError e = LoadError(*doc, Replace(kCircuito, "VarID=6", "VarID=2"));
    EXPECT_EQ(e.Line(), 48);
    EXPECT_TRUE(Mentions(e, "VarID"));
    EXPECT_EQ(doc->Objects().Count(), 6); // everything read
    const auto& ec = dynamic_cast<const TVOComp&>(*doc->Objects().FindByID(4));
    EXPECT_EQ(ec.Props().Value("VarID"), "0");
    EXPECT_TRUE(doc->NeedsSave());
    EXPECT_EQ(Inconsistency(*doc), "");
    // When a later block fails, sources read before it are cleared of names that never came.
    auto doc2 = MakeDocumento(kDocKindGrafo);
    const EFileError f =
        LoadError(*doc2, Replace(kCircuito, "Num=1\nDesc=Impedancia1", "Num=x\nDesc=Impedancia1"));
    EXPECT_EQ(f.Line(), 65);
    EXPECT_EQ(doc2->Objects().FindByID(4)->Props().Value("VarID"), "0");
    EXPECT_EQ(Inconsistency(*doc2), "");
    // A VarID that is not a number simply designates nothing.
    auto doc3 = MakeDocumento(kDocKindGrafo);
    doc3->LoadDocument("c.grf", TextLines(Replace(kCircuito, "VarID=6", "VarID=seis")));
    EXPECT_EQ(dynamic_cast<const TVOComp&>(*doc3->Objects().FindByID(4)).ControlVariable(), "");
}

TEST(DamagedFiles, BinaryGarbageIsReportedAtTheFirstLine) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    auto doc = MakeDocumento(kDocKindGrafo);
    const EFileError e = LoadError(*doc, Win1252ToUtf8(garbage));
    EXPECT_EQ(e.Line(), 1);
    EXPECT_LT(std::string(e.what()).size(), 200u); // the quoted text is cut short
    EXPECT_TRUE(FitsWin1252(e.what()));            // cut at a character boundary: still valid text
    // Garbage after a valid header.
    const EFileError f = LoadError(*doc, std::string(kCircuito).substr(0, 77) + Win1252ToUtf8(garbage));
    EXPECT_GT(f.Line(), 7);
    EXPECT_EQ(Inconsistency(*doc), "");
}
