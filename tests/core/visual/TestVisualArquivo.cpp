#include "core/visual/DocumentosExemplo.h"
#include "core/visual/VisualTestUtil.h"

#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"
#include "support/PastaTemp.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include <sys/resource.h>

using namespace brelix;
using namespace brelix::testing;
namespace fs = std::filesystem;

namespace {

using Files = apoio::PastaTemp;

// A graph with every kind of object, connected, with control variables, a renamed and a renumbered
// object, a moved one and labels with accents.
void BuildEveryGraphKind(TVisualDocumento& doc) {
    TVOElemento* v[4];
    for (int i = 0; i < 4; ++i)
        v[i] = &Place(doc, "TVOGrfVertice", {50 + 100 * i, 50 + 30 * i});
    const auto place = [&](const char* cls, std::initializer_list<int> vertices) -> TVOGrfComp& {
        auto& c = Place<TVOGrfComp>(doc, cls, {200, 200});
        std::int32_t p = 0;
        for (int i : vertices)
            ++p % 2 == 1 || vertices.size() == 4 ? PickBoth(doc, *v[i], 1, c, p)
                                                 : PickBoth(doc, c, p, *v[i], 1);
        return c;
    };
    auto& z = place("TVOGrfImpedancia", {0, 1});
    place("TVOGrfFonteEsforco", {1, 2});
    auto& ec = place("TVOGrfFonteEsforcoCtrl", {2, 3});
    place("TVOGrfFonteFluxo", {3, 0});
    auto& fc = place("TVOGrfFonteFluxoCtrl", {0, 2});
    place("TVOGrfTransformador", {0, 1, 2, 3});
    place("TVOGrfGirador", {0, 1, 2, 3});
    auto& k = place("TVOGrfDuasPortas", {0, 1, 2, 3});
    ec.SetControlVariable("E(" + z.Desc() + ")");
    fc.SetControlVariable("F(" + k.Desc() + "_P2)");
    ASSERT_TRUE(doc.Objects().Rename(v[3]->Desc(), "Saída"));
    ASSERT_TRUE(doc.Objects().Renumber("TVOGrfImpedancia", 1, 7));
    ASSERT_TRUE(v[1]->SetLbl("Nó €"));
    k.SetPosition({205, 210});
    k.SetMove(true);
    ASSERT_TRUE(k.SetGain(2, "0"));
    doc.SetBounds(12, 34, 640, 480);
}

} // namespace

// Every kind of both documents written to disk (Windows-1252, CR LF, described by the file's name),
// read back into the same objects and connections, and written again byte for byte.
TEST_F(Files, EveryKindSurvivesSavingAndReadingBackByteForByte) {
    struct Case {
        std::int32_t kind;
        const char* file;
        const char* accented; // a line as it is on disk
    };
    for (const Case c : {Case{kDocKindGrafo, "Todos.grf",
                              "Desc=Sa\xED"
                              "da\r\n"},
                         Case{kDocKindDFS, "Malha.dfs",
                              "Lbl=Sa\xED"
                              "da\r\n"}}) {
        SCOPED_TRACE(c.file);
        auto doc = NewDoc(c.kind, "Novo");
        if (c.kind == kDocKindGrafo)
            BuildEveryGraphKind(*doc);
        else
            doc->LoadDocument("Malha.dfs", TextLines(kMalha));
        ASSERT_EQ(Inconsistency(*doc), "");
        doc->SaveDocument(Path(c.file));
        EXPECT_FALSE(doc->NeedsSave() || doc->IsNew());
        EXPECT_EQ(doc->FileName(), Path(c.file));
        EXPECT_EQ(doc->Desc(), fs::path(c.file).stem().string());
        const std::string bytes = apoio::Slurp(Path(c.file));
        EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
        EXPECT_NE(bytes.find(c.accented), std::string::npos);

        auto back = MakeDocumento(c.kind);
        back->LoadFile(Path(c.file));
        EXPECT_EQ(back->Header(), doc->Header());
        EXPECT_FALSE(back->NeedsSave());
        EXPECT_EQ(Inconsistency(*back), "");
        ASSERT_EQ(back->Objects().Count(), doc->Objects().Count());
        for (int i = 0; i < doc->Objects().Count(); ++i) {
            const TVisualObject& x = doc->Objects()[i];
            const TVisualObject& y = back->Objects()[i];
            EXPECT_EQ(x.Props(), y.Props());
            if (const auto* e = dynamic_cast<const TVOElemento*>(&x)) {
                EXPECT_EQ(e->Connections(), dynamic_cast<const TVOElemento&>(y).Connections()) << x.Desc();
            }
            if (const auto* comp = dynamic_cast<const TVOComp*>(&x)) {
                EXPECT_EQ(comp->ControlVariable(), dynamic_cast<const TVOComp&>(y).ControlVariable());
                EXPECT_EQ(comp->IsConnected(), dynamic_cast<const TVOComp&>(y).IsConnected());
            }
        }
        back->SaveDocument();
        EXPECT_EQ(apoio::Slurp(Path(c.file)), bytes);
        // New objects continue above the highest identity in the file.
        EXPECT_EQ(back->NewObject(*back->Kind().Classes[0], {0, 0}).ID(), doc->Objects().LastID() + 1);
    }
}

TEST(InlineDocuments, ASignalFlowDocumentReadsIntoConnectedObjects) {
    auto doc = MakeDocumento(kDocKindDFS);
    doc->LoadDocument("/pasta/Malha.dfs", TextLines(kMalha));
    EXPECT_FALSE(doc->IsNew() || doc->NeedsSave());
    EXPECT_EQ(std::make_tuple(doc->Desc(), doc->Left(), doc->Width()), std::make_tuple("Malha", 230, 200));
    const auto& t = dynamic_cast<const TVOGrfComp&>(*doc->Objects().FindByDesc("Transmitancia1"));
    EXPECT_EQ(t.VertexAt(1), doc->Objects().FindByDesc("R"));
    EXPECT_EQ(t.VertexAt(2), doc->Objects().FindByDesc("Saída"));
    EXPECT_EQ(t.GetGain(0), "2,5.G.S^-1");
    EXPECT_TRUE(t.IsConnected());
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
    // An eight-line component block gets the keys of a new object.
    doc->LoadDocument("Circuito.grf",
                      TextLines(Replace(kCircuito, "Lbl=R\nLblX=0\nLblY=-20\nGain=R\nMove=0\n",
                                        "Lbl=*\nLblX=0\nLblY=0\n")));
    const auto& z = dynamic_cast<const TVOComp&>(*doc->Objects().FindByID(6));
    EXPECT_EQ(std::make_tuple(z.GetGain(0), z.Lbl(), z.Props().Value("Move")),
              std::make_tuple("Z1", "Z1", "0"));
}

TEST_F(Files, AFailedSaveKeepsTheOldFileAndTheDocumentModified) {
    auto doc = NewGrafo();
    Place(*doc, "TVOGrfVertice");
    const std::string file = Path("Velho.grf");
    doc->SaveDocument(file);
    const std::string old = apoio::Slurp(file);
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
    EXPECT_EQ(doc->Desc(), "Velho");
    EXPECT_TRUE(doc->Modified());
    // A write that fails half way (a file-size limit of zero, whoever runs the test) leaves the old
    // file and no temporary.
    doc->DeleteObject(*doc->Objects().FindByDesc("Vertice9"));
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit none = before;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &none), 0);
    EXPECT_THROW(doc->SaveDocument(), EFileError);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, handler);
    EXPECT_TRUE(doc->NeedsSave());
    EXPECT_EQ(apoio::Slurp(file), old);
    EXPECT_EQ(ArquivosNaPasta(), 1u);
    // Saved as a new file into a folder that is missing, a new document stays new.
    auto fresh = NewGrafo();
    Place(*fresh, "TVOGrfVertice");
    EXPECT_THROW(fresh->SaveDocument(Path("falta/Grafo1.grf")), EFileError);
    EXPECT_TRUE(fresh->IsNew() && fresh->NeedsSave());
    EXPECT_EQ(fresh->FileName(), "Grafo1");
}

TEST_F(Files, AnOversizedFileIsRefusedWithItsName) {
    const std::string big = Path("enorme.dfs");
    { std::ofstream(big) << "Object 0: TDFS\r\n"; }
    fs::resize_file(big, kMaxFileSize + 1);
    auto doc = MakeDocumento(kDocKindDFS);
    try {
        doc->LoadFile(big);
        FAIL() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.FileName(), big);
    }
    EXPECT_TRUE(doc->Objects().Empty());
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
