#include "core/visual/VisualTestUtil.h"

#include "common/UnitComArquivo.h"
#include "common/UnitComCodificacao.h"
#include "common/UnitComErro.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace brelix;
using namespace brelix::testing;
namespace fs = std::filesystem;

namespace {

// A small signal-flow document as Brelix writes it: two variables joined by a transmittance.
constexpr const char* kMalha = "Object 0: TDFS\n"
                               "Desc=Malha\n"
                               "Left=230\n"
                               "Top=130\n"
                               "Width=200\n"
                               "Height=300\n"
                               "end\n"
                               "Object 1: TVODFSVariavel\n"
                               "Num=1\n"
                               "Desc=R\n"
                               "Left=50\n"
                               "Top=25\n"
                               "Lbl=R\n"
                               "LblX=0\n"
                               "LblY=-20\n"
                               "end\n"
                               "Object 2: TVODFSVariavel\n"
                               "Num=2\n"
                               "Desc=Saída\n"
                               "Left=125\n"
                               "Top=25\n"
                               "Lbl=Saída\n"
                               "LblX=0\n"
                               "LblY=-20\n"
                               "end\n"
                               "Object 3: TVODFSTransmitancia\n"
                               "Num=1\n"
                               "Desc=Transmitancia1\n"
                               "Left=0\n"
                               "Top=0\n"
                               "Lbl=2,5.G.S^-1\n"
                               "LblX=0\n"
                               "LblY=-20\n"
                               "Gain=2,5.G.S^-1\n"
                               "Move=0\n"
                               "end\n"
                               "Object 4: TVODFSConexao\n"
                               "Num=1\n"
                               "Desc=Conexao1\n"
                               "Left=0\n"
                               "Top=0\n"
                               "Lbl=*\n"
                               "LblX=0\n"
                               "LblY=0\n"
                               "ObjID1=1\n"
                               "ObjID2=3\n"
                               "CntID1=1\n"
                               "CntID2=1\n"
                               "end\n"
                               "Object 5: TVODFSConexao\n"
                               "Num=2\n"
                               "Desc=Conexao2\n"
                               "Left=0\n"
                               "Top=0\n"
                               "Lbl=*\n"
                               "LblX=0\n"
                               "LblY=0\n"
                               "ObjID1=3\n"
                               "ObjID2=2\n"
                               "CntID1=2\n"
                               "CntID2=1\n"
                               "end\n";

// A linear graph: a flow source feeding an impedance, and a controlled effort source driven by the
// impedance's effort. The source (object 4) names the impedance (object 6) further down the file.
constexpr const char* kCircuito = "Object 0: TGrafo\n"
                                  "Desc=Circuito\n"
                                  "Left=10\n"
                                  "Top=20\n"
                                  "Width=550\n"
                                  "Height=300\n"
                                  "end\n"
                                  "Object 1: TVOGrfVertice\n"
                                  "Num=1\n"
                                  "Desc=Vertice1\n"
                                  "Left=50\n"
                                  "Top=50\n"
                                  "Lbl=*\n"
                                  "LblX=0\n"
                                  "LblY=0\n"
                                  "end\n"
                                  "Object 2: TVOGrfVertice\n"
                                  "Num=2\n"
                                  "Desc=Vertice2\n"
                                  "Left=150\n"
                                  "Top=50\n"
                                  "Lbl=*\n"
                                  "LblX=0\n"
                                  "LblY=0\n"
                                  "end\n"
                                  "Object 3: TVOGrfFonteFluxo\n"
                                  "Num=1\n"
                                  "Desc=FonteFluxo1\n"
                                  "Left=100\n"
                                  "Top=50\n"
                                  "Lbl=F1\n"
                                  "LblX=0\n"
                                  "LblY=-20\n"
                                  "Gain=F1\n"
                                  "Move=0\n"
                                  "end\n"
                                  "Object 4: TVOGrfFonteEsforcoCtrl\n"
                                  "Num=1\n"
                                  "Desc=FonteEsforcoCtrl1\n"
                                  "Left=100\n"
                                  "Top=150\n"
                                  "Lbl=Ec1\n"
                                  "LblX=0\n"
                                  "LblY=-20\n"
                                  "Gain=Ec1\n"
                                  "Move=1\n"
                                  "VarCtrl=E\n"
                                  "VarID=6\n"
                                  "VarPort=1\n"
                                  "end\n"
                                  "Object 5: TVOGrfConexao\n"
                                  "Num=1\n"
                                  "Desc=Conexao1\n"
                                  "Left=0\n"
                                  "Top=0\n"
                                  "Lbl=*\n"
                                  "LblX=0\n"
                                  "LblY=0\n"
                                  "ObjID1=1\n"
                                  "ObjID2=3\n"
                                  "CntID1=1\n"
                                  "CntID2=1\n"
                                  "end\n"
                                  "Object 6: TVOGrfImpedancia\n"
                                  "Num=1\n"
                                  "Desc=Impedancia1\n"
                                  "Left=100\n"
                                  "Top=100\n"
                                  "Lbl=R\n"
                                  "LblX=0\n"
                                  "LblY=-20\n"
                                  "Gain=R\n"
                                  "Move=0\n"
                                  "end\n";

std::vector<std::string> TextLines(const std::string& text) {
    return SplitLines(text);
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos) throw std::logic_error("no " + from);
    return text.replace(at, from.size(), to);
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Loads the text and returns the error it raised; fails the test when it loads without one.
EFileError LoadError(TVisualDocumento& doc, const std::string& text, const std::string& name = "doc.grf") {
    try {
        doc.LoadDocument(name, TextLines(text));
    } catch (const EFileError& e) {
        return e;
    }
    ADD_FAILURE() << "expected a file error";
    return EFileError(name, "");
}

bool Mentions(const std::exception& e, const std::string& text) {
    return std::string(e.what()).find(text) != std::string::npos;
}

class Files : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("brelix_visual_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code e;
        fs::permissions(dir_, fs::perms::owner_all, e);
        fs::remove_all(dir_, e);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    fs::path dir_;
};

// Builds a graph with every kind of object, connected, with a control variable, a renamed and a
// renumbered object, a moved one and a label with accents.
void BuildEveryGraphKind(TVisualDocumento& doc) {
    TVOElemento* v[4];
    for (int i = 0; i < 4; ++i)
        v[i] = &Place(doc, "TVOGrfVertice", {50 + 100 * i, 50 + 30 * i});
    const auto oneport = [&](const char* cls, int from, int to) -> TVOGrfComp& {
        auto& c = Place<TVOGrfComp>(doc, cls, {0, 0});
        PickBoth(doc, *v[from], 1, c, 1);
        PickBoth(doc, c, 2, *v[to], 1);
        return c;
    };
    const auto twoport = [&](const char* cls) -> TVOGrfComp& {
        auto& c = Place<TVOGrfComp>(doc, cls, {200, 200});
        for (int p = 1; p <= 4; ++p)
            PickBoth(doc, *v[p - 1], 1, c, p);
        return c;
    };
    auto& z = oneport("TVOGrfImpedancia", 0, 1);
    oneport("TVOGrfFonteEsforco", 1, 2);
    auto& ec = oneport("TVOGrfFonteEsforcoCtrl", 2, 3);
    oneport("TVOGrfFonteFluxo", 3, 0);
    auto& fc = oneport("TVOGrfFonteFluxoCtrl", 0, 2);
    twoport("TVOGrfTransformador");
    twoport("TVOGrfGirador");
    auto& k = twoport("TVOGrfDuasPortas");
    ec.SetControlVariable("E(" + z.Desc() + ")");
    fc.SetControlVariable("F(" + k.Desc() + "_P2)");
    ASSERT_TRUE(doc.Objects().Rename(v[3]->Desc(), "Saída"));
    ASSERT_TRUE(doc.Objects().Renumber("TVOGrfImpedancia", 1, 7));
    ASSERT_TRUE(v[1]->SetLbl("Nó €"));
    k.SetPosition({205, 210});
    k.SetMove(true);
    ASSERT_TRUE(k.SetGain(2, "0"));
}

void ExpectSameObjects(const TVisualDocumento& a, const TVisualDocumento& b) {
    ASSERT_EQ(a.Objects().Count(), b.Objects().Count());
    for (int i = 0; i < a.Objects().Count(); ++i) {
        const TVisualObject& x = a.Objects()[i];
        const TVisualObject& y = b.Objects()[i];
        SCOPED_TRACE(x.Props()[0]);
        EXPECT_EQ(x.ClassName(), y.ClassName());
        EXPECT_EQ(x.ID(), y.ID());
        EXPECT_EQ(x.Num(), y.Num());
        EXPECT_EQ(x.Props(), y.Props());
        if (const auto* e = dynamic_cast<const TVOElemento*>(&x)) {
            EXPECT_EQ(e->Connections(), dynamic_cast<const TVOElemento&>(y).Connections());
        }
        if (const auto* c = dynamic_cast<const TVOComp*>(&x)) {
            EXPECT_EQ(c->ControlVariable(), dynamic_cast<const TVOComp&>(y).ControlVariable());
            EXPECT_EQ(c->IsConnected(), dynamic_cast<const TVOComp&>(y).IsConnected());
        }
    }
}

} // namespace

TEST(InlineDocuments, ASignalFlowDocumentReadsIntoConnectedObjects) {
    auto doc = MakeDocumento(kDocKindDFS);
    doc->LoadDocument("/pasta/Malha.dfs", TextLines(kMalha));
    EXPECT_FALSE(doc->IsNew());
    EXPECT_FALSE(doc->NeedsSave());
    EXPECT_EQ(doc->Desc(), "Malha");
    EXPECT_EQ(doc->Width(), 200);
    EXPECT_EQ(doc->Left(), 230);
    const TListVisualObject& list = doc->Objects();
    ASSERT_EQ(list.Count(), 5);
    const auto& t = dynamic_cast<const TVOGrfComp&>(*list.FindByDesc("Transmitancia1"));
    EXPECT_EQ(t.VertexAt(1), list.FindByDesc("R"));
    EXPECT_EQ(t.VertexAt(2), list.FindByDesc("Saída"));
    EXPECT_EQ(t.GetGain(0), "2,5.G.S^-1");
    EXPECT_TRUE(t.IsConnected());
    EXPECT_EQ(list.LastID(), 5);
    EXPECT_EQ(Inconsistency(*doc), "");
    // Written back under its own name, it is the same text.
    EXPECT_EQ(doc->Text("/pasta/Malha.dfs"), TextLines(kMalha));
}

TEST(InlineDocuments, AControlVariableMayNameAComponentFurtherDown) {
    auto doc = MakeDocumento(kDocKindGrafo);
    doc->LoadDocument("Circuito.grf", TextLines(kCircuito));
    const auto& ec = dynamic_cast<const TVOComp&>(*doc->Objects().FindByID(4));
    EXPECT_EQ(ec.ControlVariable(), "E(Impedancia1)");
    EXPECT_EQ(doc->Objects().ControlVariables(ec),
              Lines({"E(FonteFluxo1)", "E(Impedancia1)", "F(FonteFluxo1)", "F(Impedancia1)"}));
    EXPECT_FALSE(ec.IsConnected()); // its ports are free
    EXPECT_FALSE(doc->NeedsSave());
}

TEST(InlineDocuments, AnEightLineComponentBlockGetsTheKeysOfANewObject) {
    const std::string text =
        Replace(kCircuito, "Lbl=R\nLblX=0\nLblY=-20\nGain=R\nMove=0\n", "Lbl=*\nLblX=0\nLblY=0\n");
    auto doc = MakeDocumento(kDocKindGrafo);
    doc->LoadDocument("Circuito.grf", TextLines(text));
    const auto& z = dynamic_cast<const TVOComp&>(*doc->Objects().FindByID(6));
    EXPECT_EQ(z.GetGain(0), "Z1");
    EXPECT_EQ(z.Lbl(), "Z1");
    EXPECT_EQ(z.Props().Value("Move"), "0");
}

TEST_F(Files, EveryGraphKindSurvivesSavingAndReadingBackByteForByte) {
    auto doc = NewGrafo();
    BuildEveryGraphKind(*doc);
    ASSERT_EQ(Inconsistency(*doc), "");
    doc->SetBounds(12, 34, 640, 480);
    const std::string file = Path("Todos.grf");
    doc->SaveDocument(file);
    EXPECT_FALSE(doc->NeedsSave());
    EXPECT_FALSE(doc->IsNew());
    EXPECT_EQ(doc->FileName(), file);
    EXPECT_EQ(doc->Desc(), "Todos");
    const std::string bytes = Slurp(file);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1); // CR LF line ends
    EXPECT_NE(bytes.find("Desc=Sa\xED"
                         "da\r\n"),
              std::string::npos); // Windows-1252 on disk
    const std::string head =
        "Object 0: TGrafo\r\nDesc=Todos\r\nLeft=12\r\nTop=34\r\nWidth=640\r\nHeight=480\r\nend\r\n"
        "Object 1: TVOGrfVertice\r\n";
    EXPECT_EQ(bytes.substr(0, head.size()), head);

    auto back = MakeDocumento(kDocKindGrafo);
    back->LoadFile(file);
    ExpectSameObjects(*doc, *back);
    EXPECT_EQ(back->Header(), doc->Header());
    EXPECT_FALSE(back->NeedsSave());
    EXPECT_EQ(Inconsistency(*back), "");
    const auto& fc = dynamic_cast<const TVOComp&>(*back->Objects().FindByDesc("FonteFluxoCtrl1"));
    EXPECT_EQ(fc.ControlVariable(), "F(DuasPortas1_P2)");
    const std::string again = Path("Todos2.grf");
    back->SaveDocument(again);
    EXPECT_EQ(Slurp(again), Replace(bytes, "Desc=Todos\r\n", "Desc=Todos2\r\n"));
    // New objects continue above the highest identity in the file.
    EXPECT_EQ(back->NewObject(ClassGrfVertice(), {0, 0}).ID(), doc->Objects().LastID() + 1);
}

TEST_F(Files, ASignalFlowDocumentBuiltByHandSurvivesSavingAndReading) {
    auto doc = NewDFS();
    auto& a = Place(*doc, "TVODFSVariavel", {50, 25});
    auto& b = Place(*doc, "TVODFSVariavel", {125, 25});
    auto& t = Place<TVOGrfComp>(*doc, "TVODFSTransmitancia");
    auto& f = Place<TVOGrfComp>(*doc, "TVODFSTransmitancia");
    PickBoth(*doc, a, 1, t, 1);
    PickBoth(*doc, t, 2, b, 1);
    PickBoth(*doc, b, 1, f, 1);
    PickBoth(*doc, f, 2, a, 1);
    ASSERT_TRUE(f.SetGain(0, "-1.H"));
    doc->DeleteObject(*doc->Objects().FindByDesc("Conexao4"));
    doc->SaveDocument(Path("Laco.dfs"));
    auto back = MakeDocumento(kDocKindDFS);
    back->LoadFile(Path("Laco.dfs"));
    ExpectSameObjects(*doc, *back);
    EXPECT_FALSE(dynamic_cast<const TVOComp&>(back->Objects()[3]).IsConnected());
}

TEST_F(Files, AFailedSaveKeepsTheOldFileAndTheDocumentModified) {
    auto doc = NewGrafo();
    Place(*doc, "TVOGrfVertice");
    const std::string file = Path("Velho.grf");
    doc->SaveDocument(file);
    const std::string old = Slurp(file);
    // A label that Windows-1252 cannot hold reaches the document through a generator's lines.
    doc->CreateObject(ClassGrfVertice(), Lines({"Object 9: TVOGrfVertice", "Num=9", "Desc=Vertice9", "Left=0",
                                                "Top=0", "Lbl=Ω", "LblX=0", "LblY=0"}));
    doc->SetModified(true);
    try {
        doc->SaveDocument(Path("Novo.grf"));
        FAIL() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.Line(), 22); // header 7 lines, the first vertex 9, then the label of the second
        EXPECT_TRUE(Mentions(e, "Windows-1252"));
    }
    EXPECT_FALSE(fs::exists(Path("Novo.grf")));
    EXPECT_EQ(doc->FileName(), file);
    EXPECT_TRUE(doc->Modified());
    EXPECT_EQ(doc->Desc(), "Velho");
    EXPECT_THROW(doc->SaveDocument(), EFileError);
    EXPECT_EQ(Slurp(file), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1); // no temporary left
}

TEST_F(Files, SaveAsIntoAMissingFolderKeepsTheNewDocumentNew) {
    auto doc = NewGrafo();
    Place(*doc, "TVOGrfVertice");
    EXPECT_THROW(doc->SaveDocument(Path("falta/Grafo1.grf")), EFileError);
    EXPECT_TRUE(doc->IsNew());
    EXPECT_EQ(doc->FileName(), "Grafo1");
    EXPECT_TRUE(doc->NeedsSave());
}

TEST_F(Files, AnUnwritableFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    auto doc = NewGrafo();
    const std::string file = Path("Velho.grf");
    doc->SaveDocument(file);
    const std::string old = Slurp(file);
    Place(*doc, "TVOGrfVertice");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(doc->SaveDocument(), EFileError);
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(Slurp(file), old);
    EXPECT_TRUE(doc->NeedsSave());
}

TEST(Closing, TheQuestionAndEachAnswer) {
    auto doc = NewGrafo();
    int asked = 0;
    const auto answer = [&asked](TSaveAnswer a) {
        return [&asked, a](const std::string& question) {
            ++asked;
            EXPECT_EQ(question, "Salvar o arquivo Grafo1?");
            return a;
        };
    };
    const auto noSave = [] { return false; };
    EXPECT_TRUE(doc->RequestClose(answer(TSaveAnswer::Cancelar), noSave)); // nothing changed: no question
    EXPECT_EQ(asked, 0);
    Place(*doc, "TVOGrfVertice");
    EXPECT_FALSE(doc->RequestClose(answer(TSaveAnswer::Cancelar), noSave));
    EXPECT_TRUE(doc->CloseRefused());
    // "Sim" on a never-saved document whose file dialog is cancelled keeps the drawing.
    EXPECT_FALSE(doc->RequestClose(answer(TSaveAnswer::Sim), noSave));
    EXPECT_TRUE(doc->CloseRefused());
    // A save callback that claims success without saving does not close it either.
    EXPECT_FALSE(doc->RequestClose(answer(TSaveAnswer::Sim), [] { return true; }));
    EXPECT_TRUE(doc->RequestClose(answer(TSaveAnswer::Nao), noSave));
    EXPECT_FALSE(doc->CloseRefused());
    EXPECT_EQ(asked, 4);
}

TEST_F(Files, ClosingAfterASuccessfulSave) {
    auto doc = NewGrafo();
    Place(*doc, "TVOGrfVertice");
    const std::string file = Path("Fechar.grf");
    const auto save = [&] {
        doc->SaveDocument(file);
        return true;
    };
    EXPECT_TRUE(doc->RequestClose([](const std::string&) { return TSaveAnswer::Sim; }, save));
    EXPECT_TRUE(fs::exists(file));
    // A modified object alone asks too, with the file name part of the path.
    doc->Objects()[0].SetModified(true);
    std::string question;
    doc->RequestClose(
        [&](const std::string& q) {
            question = q;
            return TSaveAnswer::Cancelar;
        },
        save);
    EXPECT_EQ(question, "Salvar o arquivo Fechar.grf?");
}

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

TEST(DamagedFiles, IdentitiesDescriptionsAndNumbersMustBeUnique) {
    auto doc = MakeDocumento(kDocKindDFS);
    EXPECT_TRUE(Mentions(
        LoadError(*doc, Replace(kMalha, "Object 2: TVODFSVariavel", "Object 1: TVODFSVariavel")), "o ID 1"));
    EXPECT_TRUE(Mentions(LoadError(*doc, Replace(kMalha, "Desc=Saída", "Desc=R")), "descrição \"R\""));
    EXPECT_TRUE(
        Mentions(LoadError(*doc, Replace(kMalha, "Num=2\nDesc=Saída", "Num=1\nDesc=Saída")), "número 1"));
    EXPECT_TRUE(Mentions(LoadError(*doc, Replace(kMalha, "Desc=Saída", "Desc=")), "Desc"));
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

TEST_F(Files, AHugeDocumentReadsAndAnOversizedFileIsRefused) {
    std::vector<std::string> lines = {"Object 0: TDFS", "Desc=x",   "Left=0", "Top=0",
                                      "Width=9",        "Height=9", "end"};
    constexpr int kObjects = 40000;
    for (int i = 1; i <= kObjects; ++i) {
        const std::string n = std::to_string(i);
        const std::vector<std::string> block = {"Object " + n + ": TVODFSVariavel",
                                                "Num=" + n,
                                                "Desc=V" + n,
                                                "Left=0",
                                                "Top=0",
                                                "Lbl=*",
                                                "LblX=0",
                                                "LblY=0",
                                                "end"};
        lines.insert(lines.end(), block.begin(), block.end());
    }
    auto doc = MakeDocumento(kDocKindDFS);
    doc->LoadDocument("grande.dfs", lines);
    EXPECT_EQ(doc->Objects().Count(), kObjects);
    EXPECT_EQ(doc->Objects().NextID(), kObjects + 1);

    const std::string big = Path("enorme.dfs");
    { std::ofstream(big) << "Object 0: TDFS\r\n"; }
    fs::resize_file(big, kMaxFileSize + 1);
    try {
        doc->LoadFile(big);
        FAIL() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.FileName(), big);
    }
}
