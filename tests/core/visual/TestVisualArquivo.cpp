// Documents through their files: random editing sessions that keep every link mutual and save every
// kind of object unchanged; fixed texts written byte for byte (Windows-1252, CR LF); damaged files
// reported with the file's name, the line and what was expected; a failed save that changes nothing;
// the question on closing.

#include "core/visual/VisualTestUtil.h"

#include "common/UnitComCodificacao.h"
#include "support/PastaTemp.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <set>

#include <sys/resource.h>

using namespace brelix;
using namespace brelix::testing;
namespace fs = std::filesystem;
using Files = apoio::PastaTemp;

namespace {

std::vector<TVOElemento*> Elements(const TVisualDocumento& doc) {
    std::vector<TVOElemento*> elements;
    for (TVisualObject& o : doc.Objects())
        if (auto* e = dynamic_cast<TVOElemento*>(&o)) elements.push_back(e);
    return elements;
}

// The identities in the document but `gone` and the connections whose keys name it.
std::set<std::int32_t> IdsWithout(const TVisualDocumento& doc, const TVisualObject* gone = nullptr) {
    std::set<std::int32_t> ids;
    for (const TVisualObject& o : doc.Objects()) {
        const auto* c = dynamic_cast<const TVOConexao*>(&o);
        if (gone == nullptr ||
            (&o != gone && (c == nullptr || (c->ObjID1() != gone->ID() && c->ObjID2() != gone->ID()))))
            ids.insert(o.ID());
    }
    return ids;
}

void RandomSession(std::int32_t docKind, unsigned seed, const std::string& file) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    auto doc = NewDoc(docKind, "Aleatorio");
    const TDocKindInfo& kind = doc->Kind();
    const auto pick = [&random](auto n) {
        return static_cast<std::size_t>(
            std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random));
    };
    std::size_t made = 0;
    std::set<std::string> saved; // the classes that went through the file
    for (int step = 0; step < 300; ++step) {
        const std::size_t before = Connections(*doc).size();
        const std::size_t action = pick(10);
        const std::vector<TVOElemento*> elements = Elements(*doc);
        if (action < 3 || elements.size() < 2) { // any kind of element (the connection's class is last)
            doc->NewObject(*kind.Classes[pick(kind.Classes.size() - 1)],
                           {static_cast<int>(pick(500)), static_cast<int>(pick(300))});
        } else if (action < 7) { // a port of each of two elements, pressed where it is drawn
            doc->SetMode(kModeConectar);
            for (int n = 0; n < 2; ++n) {
                TVOElemento& e = *elements[pick(elements.size())];
                const TPortInfo info = e.GetPortInfo(1 + static_cast<int>(pick(e.NumPorts())));
                const TPonto local =
                    e.FixedPorts() ? TPonto{info.X - e.Left(), info.Y - e.Top()} : TPonto{15, 15};
                doc->PressObject(e, local, {}, TMouseButton::Left);
            }
        } else if (action < 9) {
            TVisualObject& gone = doc->Objects()[static_cast<int>(pick(doc->Objects().Count()))];
            const std::set<std::int32_t> expected = IdsWithout(*doc, &gone);
            const TVisualObject* selected = doc->Objects().Selected(); // kept only if it survives
            const bool stays = selected != nullptr && expected.count(selected->ID()) != 0;
            doc->DeleteObject(gone);
            ASSERT_EQ(IdsWithout(*doc), expected) << "step " << step;
            ASSERT_EQ(doc->Objects().Selected(), stays ? selected : nullptr) << "step " << step;
        } else {
            TVOElemento& e = *elements[pick(elements.size())];
            ASSERT_TRUE(doc->Objects().Rename(e.Desc(), "Nó" + std::to_string(step)));
            ASSERT_TRUE(e.SetLbl("€ " + std::to_string(step)));
            ASSERT_TRUE(
                doc->Objects().Renumber(e.ClassName(), e.Num(), doc->Objects().NextNum(e.ClassName())));
            for (TVOElemento* other : elements) {
                auto* c = dynamic_cast<TVOComp*>(other);
                const auto names = c != nullptr && c->HasControl() ? doc->Objects().ControlVariables(*c)
                                                                   : std::vector<std::string>{};
                if (names.empty()) continue;
                const std::string& name = names[pick(names.size())];
                c->SetControlVariable(name);
                ASSERT_EQ(c->ControlVariable(), name);
            }
        }
        ASSERT_EQ(Inconsistency(*doc), "") << "step " << step;
        made += std::max(before, Connections(*doc).size()) - before;
        if (step % 50 == 49) {
            doc->SaveDocument(file);
            auto back = CatalogoTeste().Make(docKind);
            back->LoadFile(file);
            ASSERT_EQ(back->Text(file), doc->Text(file));
            ASSERT_EQ(Inconsistency(*back), "");
            for (TVOElemento* e : Elements(*back)) {
                ASSERT_EQ(e->Connections(),
                          dynamic_cast<TVOElemento*>(doc->Objects().FindByID(e->ID()))->Connections());
                saved.insert(e->ClassName());
            }
        }
    }
    EXPECT_GE(made, 10u); // the session really joined elements, so deletions had cascades to make
    EXPECT_EQ(saved.size(), kind.Classes.size() - 1);
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos) throw std::logic_error("no " + from);
    return text.replace(at, from.size(), to);
}

// A small signal-flow document as Brelix writes it: two variables joined by a transmittance.
constexpr const char* kMalha =
    "Object 0: TDFS\nDesc=Malha\nLeft=230\nTop=130\nWidth=200\nHeight=300\nend\n"
    "Object 1: TVODFSVariavel\nNum=1\nDesc=R\nLeft=50\nTop=25\nLbl=R\nLblX=0\nLblY=-20\nend\n"
    "Object 2: TVODFSVariavel\nNum=2\nDesc=Saída\nLeft=125\nTop=25\nLbl=Saída\nLblX=0\nLblY=-20\nend\n"
    "Object 3: TVODFSTransmitancia\nNum=1\nDesc=Transmitancia1\nLeft=0\nTop=0\nLbl=2,5.G.S^-1\nLblX=0\n"
    "LblY=-20\nGain=2,5.G.S^-1\nMove=0\nend\n"
    "Object 4: TVODFSConexao\nNum=1\nDesc=Conexao1\nLeft=0\nTop=0\nLbl=*\nLblX=0\nLblY=0\nObjID1=1\n"
    "ObjID2=3\nCntID1=1\nCntID2=1\nend\n"
    "Object 5: TVODFSConexao\nNum=2\nDesc=Conexao2\nLeft=0\nTop=0\nLbl=*\nLblX=0\nLblY=0\nObjID1=3\n"
    "ObjID2=2\nCntID1=2\nCntID2=1\nend\n";

// A linear graph: a flow source feeding an impedance, and a controlled effort source driven by the
// impedance's effort. The source (object 4) names the impedance (object 6) further down the file.
constexpr const char* kCircuito =
    "Object 0: TGrafo\nDesc=Circuito\nLeft=10\nTop=20\nWidth=550\nHeight=300\nend\n"
    "Object 1: TVOGrfVertice\nNum=1\nDesc=Vertice1\nLeft=50\nTop=50\nLbl=*\nLblX=0\nLblY=0\nend\n"
    "Object 2: TVOGrfVertice\nNum=2\nDesc=Vertice2\nLeft=150\nTop=50\nLbl=*\nLblX=0\nLblY=0\nend\n"
    "Object 3: TVOGrfFonteFluxo\nNum=1\nDesc=FonteFluxo1\nLeft=100\nTop=50\nLbl=F1\nLblX=0\nLblY=-20\n"
    "Gain=F1\nMove=0\nend\n"
    "Object 4: TVOGrfFonteEsforcoCtrl\nNum=1\nDesc=FonteEsforcoCtrl1\nLeft=100\nTop=150\nLbl=Ec1\nLblX=0\n"
    "LblY=-20\nGain=Ec1\nMove=1\nVarCtrl=E\nVarID=6\nVarPort=1\nend\n"
    "Object 5: TVOGrfConexao\nNum=1\nDesc=Conexao1\nLeft=0\nTop=0\nLbl=*\nLblX=0\nLblY=0\nObjID1=1\n"
    "ObjID2=3\nCntID1=1\nCntID2=1\nend\n"
    "Object 6: TVOGrfImpedancia\nNum=1\nDesc=Impedancia1\nLeft=100\nTop=100\nLbl=R\nLblX=0\nLblY=-20\n"
    "Gain=R\nMove=0\nend\n";

} // namespace

TEST_F(Files, RandomSessionsStayConsistentThroughPicksDeletionsRenamesAndReloads) {
    for (std::int32_t docKind : {kDocKindGrafo, kDocKindDFS})
        for (unsigned seed = 1; seed <= 12; ++seed)
            RandomSession(docKind, seed, Path(docKind == kDocKindGrafo ? "Aleatorio.grf" : "Aleatorio.dfs"));
}

// A document read from a fixed text (one naming a component further down the file) is written as
// exactly that text: Windows-1252, CR LF. Saved, it takes the file's name; read back from the file and
// saved again, the bytes are the same, and new objects continue above the highest identity.
TEST_F(Files, FixedTextsSurviveSavingAndReadingBackByteForByte) {
    for (const auto& [kind, file, text] : {std::tuple{kDocKindGrafo, "Circuito.grf", kCircuito},
                                           std::tuple{kDocKindDFS, "Malha.dfs", kMalha}}) {
        SCOPED_TRACE(file);
        std::string bytes;
        for (const std::string& line : SplitLines(text))
            bytes += Utf8ToWin1252(line).value() + "\r\n";
        auto doc = NewDoc(kind, "Novo");
        doc->LoadDocument(file, SplitLines(text));
        EXPECT_FALSE(doc->NeedsSave());
        doc->SaveDocument(Path(file));
        EXPECT_FALSE(doc->NeedsSave() || doc->IsNew());
        EXPECT_EQ(std::make_pair(doc->FileName(), doc->Desc()),
                  std::make_pair(Path(file), fs::path(file).stem().string()));
        EXPECT_EQ(apoio::Slurp(Path(file)), bytes);
        auto back = CatalogoTeste().Make(kind);
        back->LoadFile(Path(file));
        EXPECT_FALSE(back->NeedsSave());
        EXPECT_EQ(back->NewObject(*back->Kind().Classes[0], {0, 0}).ID(), doc->Objects().LastID() + 1);
    }
}

// A damaged file: the objects read before the damage stay, attached to nothing that is missing, and
// nothing is marked modified but a control variable the reader had to clear. Odd files that are
// whole still read.
TEST_F(Files, EachDamageIsReportedWithTheFileItsLineAndWhatWasExpected) {
    struct Case {
        bool grafo;
        std::string text;
        int line;
        const char* mentions; // none: the file reads without error
        int objects;          // read before the damage
        std::uintmax_t size = 0;
    };
    const auto dfs = [](const char* from, const char* to) { return Replace(kMalha, from, to); };
    const auto upTo = [](const std::string& s, const char* mark) { return s.substr(0, s.find(mark)); };
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    garbage = Win1252ToUtf8(garbage);
    const Case cases[] = {
        // Keys that are no integers or missing; the header's class, keys and end; an empty file.
        {false, dfs("Num=1\nDesc=Transmitancia1", "Num=um\nDesc=Transmitancia1"), 27,
         "em Num um número inteiro de 1 a 999999999, mas há \"um\"", 2},
        {false, dfs("Num=2\n", ""), 17, "falta a chave Num", 1},
        {true, kMalha, 1, "Object 0: TGrafo", 0},
        {false, dfs("Width=200", "Width=largo"), 5, "Width", 0},
        {false, dfs("Top=130\n", ""), 1, "Top", 0},
        {false, dfs("Height=300\nend\n", "Height=300\n"), 7, "end", 0},
        {false, "", 1, "Object 0: TDFS", 0},
        // Blocks that are empty or do not start as an object.
        {false, dfs("end\nObject 3", "end\nend\nObject 3"), 26, "bloco vazio", 2},
        {false, dfs("Object 3: TVODFSTransmitancia", "Objeto 3: TVODFSTransmitancia"), 26, "Object", 2},
        {false, dfs("Object 3: TVODFSTransmitancia", "Object três: TVODFSTransmitancia"), 26, "ID", 2},
        // Connections to objects that are missing or skipped, to a port that is taken or absent,
        // between two variables, to themselves, to no object ("00" and "-0" read as 0) or to a
        // connection.
        {false, dfs("ObjID2=2", "ObjID2=99"), 59, "ObjID2=99", 4},
        {false, dfs("Object 2: TVODFSVariavel", "Object 2: TVOEleResistor"), 59, "ObjID2=2", 3},
        {false, dfs("Object 3: TVODFSTransmitancia", "Object 3: TVOFuturo"), 46, "ObjID2=3", 2},
        {false, dfs("CntID1=2", "CntID1=1"), 60, "já tem a conexão 4", 4},
        {false, dfs("CntID1=2", "CntID1=3"), 60, "2 porta(s)", 4},
        {false, dfs("ObjID1=3\nObjID2=2\nCntID1=2", "ObjID1=1\nObjID2=2\nCntID1=1"), 59,
         "não liga TVODFSVariavel a TVODFSVariavel", 4},
        {false, dfs("ObjID1=3\nObjID2=2", "ObjID1=3\nObjID2=3"), 59, "ele mesmo", 4},
        {false, dfs("ObjID1=3\nObjID2=2", "ObjID1=3\nObjID2=00"), 59, "\"00\"", 4},
        {false, dfs("ObjID1=3\nObjID2=2", "ObjID1=-0\nObjID2=2"), 58, "ObjID1", 4},
        {false, dfs("ObjID1=3\nObjID2=2", "ObjID1=3\nObjID2=5"), 59, "ObjID2=5", 4},
        // Identities and numbers within a class are unique; a description is never empty.
        {false, dfs("Object 2: TVODFSVariavel", "Object 1: TVODFSVariavel"), 17, "o ID 1", 1},
        {false, dfs("Num=2\nDesc=Saída", "Num=1\nDesc=Saída"), 18, "número 1", 1},
        {false, dfs("Desc=Saída", "Desc="), 19, "Desc", 1},
        // A control variable naming no component is cleared and reported; so is one whose component
        // never came because a later block failed.
        {true, Replace(kCircuito, "VarID=6", "VarID=2"), 48, "VarID", 6},
        {true, Replace(kCircuito, "Num=1\nDesc=Impedancia1", "Num=x\nDesc=Impedancia1"), 65, "Num", 5},
        // Truncated; binary garbage alone or after a valid header (quoted cut short, as valid text);
        // a file too large to read.
        {false, upTo(kMalha, "CntID1=2"), 59, "objeto da linha 50; esperava-se \"end\"", 4},
        {true, garbage, 1, "Object 0: TGrafo", 0},
        {true, std::string(kCircuito).substr(0, 77) + garbage, 40, "objeto da linha 8", 0},
        {false, "Object 0: TDFS\n", 0, "grande demais", 0, kMaxFileSize + 1},
        // Whole, though odd: a header without its end; blank lines after the last end and a
        // description shared by two objects (older documents hold such pairs); an unknown class that
        // nothing links to; a VarID that is no number.
        {false, "Object 0: TDFS\nDesc=a\nLeft=0\nTop=0\nWidth=9\nHeight=9\nx", 0, nullptr, 0},
        {false, dfs("Desc=Saída", "Desc=R") + "\n\n", 0, nullptr, 5},
        {false, upTo(dfs("Object 3: TVODFSTransmitancia", "Object 3: TVOFuturo"), "Object 4:"), 0, nullptr,
         2},
        {true, Replace(kCircuito, "VarID=6", "VarID=seis"), 0, nullptr, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        const std::string file = Path(c.grafo ? "Circuito.grf" : "Malha.dfs");
        apoio::Spit(file, Utf8ToWin1252(c.text).value());
        if (c.size != 0) fs::resize_file(file, c.size);
        auto doc = CatalogoTeste().Make(c.grafo ? kDocKindGrafo : kDocKindDFS);
        try {
            doc->LoadFile(file);
            EXPECT_EQ(c.mentions, nullptr) << "expected a file error";
        } catch (const EFileError& e) {
            ASSERT_NE(c.mentions, nullptr) << e.what();
            EXPECT_EQ(std::make_pair(e.FileName(), e.Line()), std::make_pair(file, c.line));
            EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
            EXPECT_LT(std::string(e.what()).size(), file.size() + 200) << e.what();
            EXPECT_TRUE(FitsWin1252(e.what()));
            bool mended = false;
            for (const TVisualObject& o : doc->Objects())
                if (const auto* comp = dynamic_cast<const TVOComp*>(&o);
                    comp != nullptr && comp->HasControl()) {
                    EXPECT_EQ(o.Props().Value("VarID"), "0");
                    mended = true;
                }
            EXPECT_EQ(doc->NeedsSave(), mended);
        }
        EXPECT_EQ(doc->Objects().Count(), c.objects);
        EXPECT_EQ(Inconsistency(*doc), "");
    }
}

TEST_F(Files, AFailedSaveKeepsTheOldFileAndTheDocumentModified) {
    auto doc = NewDoc();
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
        EXPECT_NE(std::string(e.what()).find("Windows-1252"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::exists(Path("Novo.grf")));
    EXPECT_EQ(std::make_pair(doc->FileName(), doc->Desc()), std::make_pair(file, std::string("Velho")));
    EXPECT_TRUE(doc->Modified());
    // A write that fails half way (a file-size limit of zero) leaves the old file and no temporary.
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
}

TEST_F(Files, TheCloseQuestionAndEachAnswer) {
    auto doc = NewDoc();
    std::vector<std::string> asked;
    const auto answer = [&asked](TSaveAnswer a) {
        return [&asked, a](const std::string& question) {
            asked.push_back(question);
            return a;
        };
    };
    const auto noSave = [] { return false; };
    EXPECT_TRUE(doc->RequestClose(answer(TSaveAnswer::Cancelar), noSave)); // nothing changed: no question
    Place(*doc, "TVOGrfVertice");
    EXPECT_FALSE(doc->RequestClose(answer(TSaveAnswer::Cancelar), noSave));
    // "Sim" on a never-saved document whose file dialog is cancelled keeps the drawing, and so does a
    // save callback that claims success without saving.
    EXPECT_FALSE(doc->RequestClose(answer(TSaveAnswer::Sim), noSave));
    EXPECT_TRUE(doc->CloseRefused());
    EXPECT_FALSE(doc->RequestClose(answer(TSaveAnswer::Sim), [] { return true; }));
    // Saved as a new file into a folder that is missing, it stays new, under its name, and unsaved.
    EXPECT_THROW(doc->SaveDocument(Path("falta/Grafo1.grf")), EFileError);
    EXPECT_TRUE(doc->IsNew());
    EXPECT_TRUE(doc->RequestClose(answer(TSaveAnswer::Nao), noSave));
    EXPECT_EQ(asked, std::vector<std::string>(4, "Salvar o arquivo Grafo1?"));
    // A save that succeeds closes; then a modified object alone asks again, naming the file.
    const auto save = [&] {
        doc->SaveDocument(Path("Fechar.grf"));
        return true;
    };
    EXPECT_TRUE(doc->RequestClose(answer(TSaveAnswer::Sim), save));
    doc->Objects()[0].SetModified(true);
    EXPECT_FALSE(doc->RequestClose(answer(TSaveAnswer::Cancelar), save));
    EXPECT_EQ(asked.back(), "Salvar o arquivo Fechar.grf?");
}
