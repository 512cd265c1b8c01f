#include "core/visual/DocumentosExemplo.h"
#include "core/visual/VisualTestUtil.h"

#include "common/UnitComCodificacao.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

// A damaged file is reported with its name, the line and what was expected there; the objects read
// before the damage stay, consistent, and nothing is marked modified but what the reader had to mend.
TEST(DamagedFiles, EachDamageIsReportedAtItsLine) {
    struct Case {
        const char* from; // in the signal-flow document, or in the graph when it starts with "#"
        const char* to;
        int line; // 0: not checked
        const char* mentions;
        int objects; // read before the damage; -1: not checked
    };
    const Case cases[] = {
        // Keys that are no integers, or missing.
        {"Num=1\nDesc=Transmitancia1", "Num=um\nDesc=Transmitancia1", 27,
         "em Num um número inteiro de 1 a 999999999, mas há \"um\"", 2},
        {"LblY=-20\nend\nObject 2", "LblY=\nend\nObject 2", 15, "LblY", 0},
        {"CntID1=2", "CntID1=2,0", 60, "CntID1", 4},
        {"Num=2\n", "", 17, "falta a chave Num", 1},
        {"CntID2=1\nend\nObject 5", "end\nObject 5", 0, "CntID2", 3},
        // The header: its kind's class, its geometry, its end.
        {"Width=200", "Width=largo", 5, "Width", 0},
        {"Top=130\n", "", 1, "Top", 0},
        {"Height=300\nend\n", "Height=300\n", 7, "end", 0},
        // Blocks that are empty or do not start as an object.
        {"end\nObject 3", "end\nend\nObject 3", 26, "bloco vazio", 2},
        {"Object 3: TVODFSTransmitancia", "Objeto 3: TVODFSTransmitancia", 26, "Object", 2},
        {"Object 3: TVODFSTransmitancia", "Object três: TVODFSTransmitancia", 26, "ID", 2},
        // Connections to objects that are missing (or of a class the document skips), to a port that
        // is taken or absent, between two variables, to themselves, to no object ("00" and "-0" read
        // as 0) or to a connection.
        {"ObjID2=2", "ObjID2=99", 59, "ObjID2=99", 4},
        {"Object 2: TVODFSVariavel", "Object 2: TVOEleResistor", 59, "ObjID2=2", 3},
        {"Object 3: TVODFSTransmitancia", "Object 3: TVOFuturo", 0, "ObjID2=3", 2},
        {"CntID1=2", "CntID1=1", 0, "já tem a conexão 4", 4},
        {"CntID1=2", "CntID1=3", 0, "2 porta(s)", 4},
        {"ObjID1=3\nObjID2=2\nCntID1=2", "ObjID1=1\nObjID2=2\nCntID1=1", 0,
         "não liga TVODFSVariavel a TVODFSVariavel", 4},
        {"ObjID1=3\nObjID2=2", "ObjID1=3\nObjID2=3", 0, "ele mesmo", 4},
        {"ObjID1=3\nObjID2=2", "ObjID1=3\nObjID2=00", 0, "\"00\"", 4},
        {"ObjID1=3\nObjID2=2", "ObjID1=-0\nObjID2=2", 0, "ObjID1", 4},
        {"ObjID1=3\nObjID2=2", "ObjID1=3\nObjID2=5", 0, "ObjID2=5", 4},
        // Identities and numbers within a class are unique; a description is never empty.
        {"Object 2: TVODFSVariavel", "Object 1: TVODFSVariavel", 0, "o ID 1", 1},
        {"Num=2\nDesc=Saída", "Num=1\nDesc=Saída", 0, "número 1", 1},
        {"Desc=Saída", "Desc=", 0, "Desc", 1},
        // A control variable naming no component is cleared, and reported; so is one whose
        // component never came because a later block failed.
        {"#VarID=6", "VarID=2", 48, "VarID", 6},
        {"#Num=1\nDesc=Impedancia1", "Num=x\nDesc=Impedancia1", 65, "Num", 5},
    };
    for (const Case& c : cases) {
        const bool grafo = c.from[0] == '#';
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        auto doc = MakeDocumento(grafo ? kDocKindGrafo : kDocKindDFS);
        const std::string name = grafo ? "c.grf" : "Malha.dfs";
        const EFileError e =
            LoadError(*doc, Replace(grafo ? kCircuito : kMalha, c.from + (grafo ? 1 : 0), c.to), name);
        EXPECT_EQ(e.FileName(), name);
        EXPECT_TRUE(c.line == 0 || e.Line() == c.line) << "line " << e.Line();
        EXPECT_TRUE(Mentions(e, c.mentions)) << e.what();
        EXPECT_TRUE(c.objects < 0 || doc->Objects().Count() == c.objects)
            << doc->Objects().Count() << " objects";
        EXPECT_EQ(Inconsistency(*doc), "");
        for (const TVisualObject& o : doc->Objects())
            if (const auto* comp = dynamic_cast<const TVOComp*>(&o); comp != nullptr && comp->HasControl()) {
                EXPECT_EQ(o.Props().Value("VarID"), "0");
                EXPECT_TRUE(doc->NeedsSave());
            }
    }
}

TEST(DamagedFiles, WhatAReaderMeetsAtTheEdges) {
    auto doc = MakeDocumento(kDocKindDFS);
    // A signal-flow file opened as a graph; no file at all.
    auto grafo = MakeDocumento(kDocKindGrafo);
    const EFileError kind = LoadError(*grafo, kMalha);
    EXPECT_EQ(kind.Line(), 1);
    EXPECT_TRUE(Mentions(kind, "Object 0: TGrafo"));
    EXPECT_TRUE(grafo->Objects().Empty());
    EXPECT_EQ(LoadError(*doc, "").Line(), 1);
    // A truncated file is reported at its last line.
    const std::string full = kMalha;
    const std::string cut = full.substr(0, full.find("CntID1=2"));
    const EFileError e = LoadError(*doc, cut);
    EXPECT_EQ(e.Line(), static_cast<int>(TextLines(cut).size()));
    EXPECT_TRUE(Mentions(e, "linha 50") && Mentions(e, "\"end\""));
    EXPECT_EQ(doc->Objects().Count(), 4);
    EXPECT_FALSE(doc->Modified());
    // Binary garbage, alone or after a valid header: the quoted text is cut short at a character
    // boundary, still valid text.
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    const EFileError g = LoadError(*grafo, Win1252ToUtf8(garbage));
    EXPECT_EQ(g.Line(), 1);
    EXPECT_LT(std::string(g.what()).size(), 200u);
    EXPECT_TRUE(FitsWin1252(g.what()));
    EXPECT_GT(LoadError(*grafo, std::string(kCircuito).substr(0, 77) + Win1252ToUtf8(garbage)).Line(), 7);
    EXPECT_EQ(Inconsistency(*grafo), "");
}

TEST(DamagedFiles, WhatReadsDespiteLookingOdd) {
    const auto load = [](std::int32_t kind, const std::string& text) {
        auto doc = MakeDocumento(kind);
        doc->LoadDocument("ok", TextLines(text));
        return doc;
    };
    // A header alone without its end; blank lines after the last end.
    auto alone = load(kDocKindDFS, "Object 0: TDFS\nDesc=a\nLeft=0\nTop=0\nWidth=9\nHeight=9\nx");
    EXPECT_TRUE(alone->Objects().Empty());
    EXPECT_EQ(alone->Height(), 9);
    EXPECT_EQ(load(kDocKindDFS, std::string(kMalha) + "\n\n")->Objects().Count(), 5);
    // A description shared by two objects: older documents hold such pairs. (The same number in two
    // classes, as Saída and Conexao2 have, is no conflict either.)
    EXPECT_EQ(load(kDocKindDFS, Replace(kMalha, "Desc=Saída", "Desc=R"))->Objects().Count(), 5);
    // Unknown classes are skipped silently when nothing links to them.
    const std::string unknown = Replace(kMalha, "Object 3: TVODFSTransmitancia", "Object 3: TVOFuturo");
    EXPECT_EQ(load(kDocKindDFS, unknown.substr(0, unknown.find("Object 4:")))->Objects().Count(), 2);
    // A VarID that is not a number simply designates nothing.
    auto grafo = load(kDocKindGrafo, Replace(kCircuito, "VarID=6", "VarID=seis"));
    EXPECT_EQ(dynamic_cast<const TVOComp&>(*grafo->Objects().FindByID(4)).ControlVariable(), "");
}
