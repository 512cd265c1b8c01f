#include "core/visual/DocumentosExemplo.h"
#include "core/visual/VisualTestUtil.h"

#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace brelix;
using namespace brelix::testing;
namespace fs = std::filesystem;

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
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
