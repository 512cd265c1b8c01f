// Documents generated from a graph: the signal-flow document's blocks key by key, the control keys
// of controlled sources, and a drawn linear graph built, generated again and read back unchanged.

#include "core/analysis/ApoioDocumento.h"

#include "analysis/UnitAnaliseGrafo.h"
#include "analysis/UnitGeradorDocumento.h"
#include "graph/UnitGrfGrafo.h"

using namespace brelix;
using brelix::testing::Inconsistency;

namespace {

std::unique_ptr<TVisualDocumento> GerarGrafoDe(const TGrafo& g) {
    auto doc = MakeDocumento(kDocKindGrafo);
    GerarGrafo(*doc, "SisGrafo", "TGrafo", g);
    return doc;
}

// Every vertex and branch of a graph with all it holds, one text each.
std::vector<std::string> Retrato(const TGrafo& g) {
    std::vector<std::string> t;
    for (const auto& v : g.Vertices())
        t.push_back(std::to_string(v->Id) + " " + v->Nome + " " + std::to_string(v->X) + "," +
                    std::to_string(v->Y));
    for (const auto& r : g.Ramos())
        t.push_back(std::to_string(r->Id) + " " + std::to_string(r->Tipo) + " " + r->Nome + " [" +
                    r->TextoGanho + "] " + std::to_string(r->Origem) + "->" + std::to_string(r->Destino) +
                    " par " + std::to_string(r->Par) + " " + r->Controle);
    return t;
}

} // namespace

TEST(GeradorDFS, BlocksAreWrittenKeyByKeyAfterTheLargestVertexIdentifier) {
    TGrafo g;
    g.AddVertice(6, "E(R1)");
    g.AddVertice(2, "F(R1)");
    g.AddVertice(4, "u"); // the last of an odd count stands between the rows
    g.AddTransmitancia(1, "T1", "2.R^-1", 6, 2);
    g.AddTransmitancia(2, "T2", "-1", 2, 6);
    auto doc = MakeDocumento(kDocKindDFS);
    GerarDFS(*doc, "GrafoDFS", "TDFS", g);
    // Each object block on one line here, its lines joined by " | ".
    const std::string esperado = R"(
Object 6: TVODFSVariavel | Num=6 | Desc=E(R1) | Left=50 | Top=25 | Lbl=E(R1) | LblX=0 | LblY=-20 | end
Object 2: TVODFSVariavel | Num=2 | Desc=F(R1) | Left=50 | Top=250 | Lbl=F(R1) | LblX=0 | LblY=-20 | end
Object 4: TVODFSVariavel | Num=4 | Desc=u | Left=125 | Top=135 | Lbl=u | LblX=0 | LblY=-20 | end
Object 7: TVODFSTransmitancia | Num=1 | Desc=Transmitancia1 | Left=0 | Top=0 | Lbl=2.R^-1 | LblX=0 | LblY=-20 | Gain=2.R^-1 | Move=0 | end
Object 8: TVODFSConexao | Num=1 | Desc=Conexao1 | Left=0 | Top=0 | Lbl=* | LblX=0 | LblY=0 | ObjID1=6 | ObjID2=7 | CntID1=1 | CntID2=1 | end
Object 9: TVODFSConexao | Num=2 | Desc=Conexao2 | Left=0 | Top=0 | Lbl=* | LblX=0 | LblY=0 | ObjID1=7 | ObjID2=2 | CntID1=2 | CntID2=1 | end
Object 10: TVODFSTransmitancia | Num=2 | Desc=Transmitancia2 | Left=0 | Top=0 | Lbl=-1 | LblX=0 | LblY=-20 | Gain=-1 | Move=0 | end
Object 11: TVODFSConexao | Num=3 | Desc=Conexao3 | Left=0 | Top=0 | Lbl=* | LblX=0 | LblY=0 | ObjID1=2 | ObjID2=10 | CntID1=1 | CntID2=1 | end
Object 12: TVODFSConexao | Num=4 | Desc=Conexao4 | Left=0 | Top=0 | Lbl=* | LblX=0 | LblY=0 | ObjID1=10 | ObjID2=6 | CntID1=2 | CntID2=1 | end
)";
    std::vector<std::string> linhas;
    for (const std::string& bloco : SplitLines(esperado))
        for (std::size_t i = 0; i < bloco.size();) {
            const std::size_t sep = bloco.find(" | ", i);
            linhas.push_back(bloco.substr(i, sep == std::string::npos ? std::string::npos : sep - i));
            i = sep == std::string::npos ? bloco.size() : sep + 3;
        }
    EXPECT_EQ(doc->Objects().GetText(), linhas);
    EXPECT_EQ(doc->Width(), 200);
    EXPECT_EQ(doc->Height(), 300);
    EXPECT_TRUE(doc->IsNew() && doc->Modified());
}

TEST(GeradorGrafo, ControlKeysDesignateTheControllingElement) {
    TGrafo g;
    g.AddVertice(1, "R1", 0, 0); // a vertex that shares an element's name, as masses give
    g.AddVertice(2, "V2", 0, 0);
    g.AddVertice(3, "V3", 0, 0);
    g.AddRamo(1, kRamoImpedancia, "R1", "R", 1, 2);
    g.AddRamo(2, kRamoGirador1, "Gi_P1", "G", 2, 3, 0, 0, 3);
    g.AddRamo(3, kRamoGirador2, "Gi_P2", "G", 3, 1, 0, 0, 2);
    g.AddRamo(4, kRamoFonteEsforcoCtrl, "Ec1", "2", 1, 3, 0, 0, 0, "E(R1)");
    g.AddRamo(5, kRamoFonteFluxoCtrl, "Fc1", "K", 3, 2, 0, 0, 0, "F(Gi_P2)");
    g.AddRamo(6, kRamoFonteFluxoCtrl, "Fc2", "K", 2, 1, 0, 0, 0, "E(Nada)");
    auto doc = GerarGrafoDe(g);
    EXPECT_EQ(Inconsistency(*doc), "");
    // IDs: vertices 1-3, R1 4, Gi 7, then Ec1 12, Fc1 15, Fc2 18.
    const auto chaves = [&](std::int32_t id) {
        const std::vector<std::string> b = doc->Objects().FindByID(id)->Props().Lines();
        return std::vector<std::string>(b.end() - 3, b.end());
    };
    // The element R1, not the vertex that shares its name.
    EXPECT_EQ(chaves(12), brelix::testing::Lines({"VarCtrl=E", "VarID=4", "VarPort=1"}));
    EXPECT_EQ(chaves(15), brelix::testing::Lines({"VarCtrl=F", "VarID=7", "VarPort=2"}));
    EXPECT_EQ(chaves(18), brelix::testing::Lines({"VarCtrl=E", "VarID=0", "VarPort=1"}));
    EXPECT_EQ(doc->Objects().FindByID(12)->Props().Lines()[0], "Object 12: TVOGrfFonteEsforcoCtrl");
    // The source controlled by a missing element is incomplete.
    EXPECT_EQ(ValidarGrafo(*doc), (std::vector<std::string>{"Fc2"}));
}

TEST(GeradorGrafo, ADrawnGraphIsBuiltInDocumentOrderAndGeneratedAgainUnchanged) {
    apoio::Desenho d(kDocKindGrafo);
    auto& v1 = d.Vertice("A", {50, 50});
    auto& v2 = d.Vertice("B", {150, 50});
    auto& v3 = d.Vertice("C", {150, 150});
    auto& v4 = d.Vertice("D", {50, 150});
    d.Elemento("TVOGrfFonteEsforco", "E1", "E", {&v1, &v4});
    d.Elemento("TVOGrfImpedancia", "R1", "R", {&v1, &v2});
    d.Elemento("TVOGrfDuasPortas", "Q", "Kee;Kef;0;Kff", {&v2, &v4, &v3, &v4});
    d.Elemento("TVOGrfImpedancia", "L1", "L.S", {&v3, &v4});
    d.Elemento("TVOGrfFonteFluxoCtrl", "Fc1", "g", {&v2, &v3}).SetControlVariable("E(Q_P2)");
    ASSERT_TRUE(ValidarGrafo(d.Doc()).empty());
    // Elements become branches numbered in document order, a two-port's sides paired.
    const TGrafo original = BuildGrafoGraph(d.Doc());
    EXPECT_EQ(Retrato(original),
              (std::vector<std::string>{"1 A 50,50", "2 B 150,50", "3 C 150,150", "4 D 50,150",
                                        "1 3 E1 [E] 1->4 par 0 ", "2 2 R1 [R] 1->2 par 0 ",
                                        "3 91 Q_P1 [Kee;Kef;0;Kff] 2->4 par 4 ",
                                        "4 92 Q_P2 [Kee;Kef;0;Kff] 3->4 par 3 ", "5 2 L1 [L.S] 3->4 par 0 ",
                                        "6 6 Fc1 [g] 2->3 par 0 E(Q_P2)"}));

    auto doc = GerarGrafoDe(original);
    EXPECT_EQ(Inconsistency(*doc), "");
    ASSERT_TRUE(ValidarGrafo(*doc).empty());
    auto lido = apoio::SalvarERecarregar(*doc, "Gerado");
    EXPECT_EQ(Retrato(BuildGrafoGraph(*lido)), Retrato(original));
}
