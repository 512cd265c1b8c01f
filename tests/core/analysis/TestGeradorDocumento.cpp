// Documents generated from a graph: window geometry, object identities, numbers, descriptions,
// positions, labels and keys as the document file holds them, wiring, and the control keys of
// controlled sources.

#include "core/analysis/ApoioDocumento.h"
#include "core/system/SisDocTestUtil.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitAnaliseGrafo.h"
#include "analysis/UnitComandoGrafo.h"
#include "analysis/UnitGeradorDocumento.h"
#include "graph/UnitGrfGrafo.h"
#include "system/UnitVFSistemaFT.h"

using namespace brelix;
using apoio::Complexo;
using brelix::testing::Inconsistency;

namespace {

TGrafo DiagramaComVariaveis(int n) {
    TGrafo g;
    for (int i = 1; i <= n; ++i)
        g.AddVertice(i, "x" + std::to_string(i));
    return g;
}

std::unique_ptr<TVisualDocumento> GerarDFSDe(const TGrafo& g, const std::string& nome = "GrafoDFS") {
    auto doc = MakeDocumento(kDocKindDFS);
    GerarDFS(*doc, nome, "TDFS", g);
    return doc;
}

std::unique_ptr<TVisualDocumento> GerarGrafoDe(const TGrafo& g) {
    auto doc = MakeDocumento(kDocKindGrafo);
    GerarGrafo(*doc, "SisGrafo", "TGrafo", g);
    return doc;
}

std::vector<TPonto> Posicoes(const TVisualDocumento& doc) {
    std::vector<TPonto> p;
    for (const TVisualObject& o : doc.Objects())
        p.push_back(o.Position());
    return p;
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

// The block of the object with that ID, without its "end".
std::vector<std::string> Bloco(const TVisualDocumento& doc, std::int32_t id) {
    return doc.Objects().FindByID(id)->Props().Lines();
}

} // namespace

TEST(GeradorDFS, AnEmptyDiagramGivesAnEmptyUnsavedModifiedDocument) {
    auto doc = GerarDFSDe(TGrafo());
    EXPECT_TRUE(doc->Objects().Empty());
    EXPECT_EQ(doc->Header().Lines(), brelix::testing::Lines({"Object 0: TDFS", "Desc=GrafoDFS", "Left=230",
                                                             "Top=130", "Width=50", "Height=300"}));
    EXPECT_TRUE(doc->IsNew());
    EXPECT_TRUE(doc->Modified());
    EXPECT_EQ(doc->FileName(), "GrafoDFS");
    EXPECT_EQ(doc->Objects().Selected(), nullptr);
}

TEST(GeradorDFS, VariablesStandInTwoRowsWithAnOddLastOneBetween) {
    auto um = GerarDFSDe(DiagramaComVariaveis(1));
    EXPECT_EQ(um->Width(), 125);
    EXPECT_EQ(Posicoes(*um), (std::vector<TPonto>{{50, 135}}));

    auto quatro = GerarDFSDe(DiagramaComVariaveis(4));
    EXPECT_EQ(quatro->Width(), 200);
    EXPECT_EQ(quatro->Height(), 300);
    EXPECT_EQ(Posicoes(*quatro), (std::vector<TPonto>{{50, 25}, {125, 25}, {50, 250}, {125, 250}}));

    auto cinco = GerarDFSDe(DiagramaComVariaveis(5));
    EXPECT_EQ(cinco->Width(), 275);
    EXPECT_EQ(cinco->Height(), 300);
    EXPECT_EQ(Posicoes(*cinco),
              (std::vector<TPonto>{{50, 25}, {125, 25}, {50, 250}, {125, 250}, {200, 135}}));
}

TEST(GeradorDFS, BlocksAreWrittenKeyByKeyAfterTheLargestVertexIdentifier) {
    TGrafo g;
    g.AddVertice(6, "E(R1)");
    g.AddVertice(2, "F(R1)");
    g.AddTransmitancia(1, "T1", "2.R^-1", 6, 2);
    g.AddTransmitancia(2, "T2", "-1", 2, 6);
    auto doc = GerarDFSDe(g);
    // Each object block on one line here, its lines joined by " | ".
    const std::string esperado = R"(
Object 6: TVODFSVariavel | Num=6 | Desc=E(R1) | Left=50 | Top=25 | Lbl=E(R1) | LblX=0 | LblY=-20 | end
Object 2: TVODFSVariavel | Num=2 | Desc=F(R1) | Left=50 | Top=250 | Lbl=F(R1) | LblX=0 | LblY=-20 | end
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
    EXPECT_EQ(doc->Width(), 125);
}

TEST(GeradorDFS, TheGeneratedDocumentIsWiredCompleteAndAnalysable) {
    TGrafo g;
    g.AddVertice(1, "u");
    g.AddVertice(2, "y");
    g.AddVertice(3, "z");
    g.AddTransmitancia(1, "T1", "k", 1, 2);
    g.AddTransmitancia(2, "T2", "2.S", 2, 3);
    g.AddTransmitancia(3, "T3", "-0,5", 3, 2);
    auto doc = GerarDFSDe(g, "Caminho");
    EXPECT_EQ(Inconsistency(*doc), "");
    EXPECT_TRUE(ValidarDFS(*doc).empty());
    // A transmittance takes its place midway between its variables.
    auto& t1 = dynamic_cast<TVOGrfComp&>(*doc->Objects().FindByID(4));
    doc->UpdateLayout();
    EXPECT_EQ(t1.Position(), (TPonto{50, (25 + 250) / 2}));
    EXPECT_FALSE(t1.Modified());
    // The document is the diagram again.
    const TGrafo volta = BuildDFSGraph(*doc);
    ASSERT_EQ(volta.RamoCount(), 3);
    EXPECT_EQ(volta.Ramo(2).Origem, 3);
    EXPECT_EQ(volta.Ramo(2).Destino, 2);
    EXPECT_EQ(volta.Ramo(2).TextoGanho, "-0,5");
}

TEST(GeradorGrafo, TheWindowCoversTheVerticesWithAMargin) {
    TGrafo pequeno;
    pequeno.AddVertice(1, "a", 480, 230);
    EXPECT_EQ(GerarGrafoDe(pequeno)->Width(), 550);
    EXPECT_EQ(GerarGrafoDe(pequeno)->Height(), 300);
    TGrafo grande;
    grande.AddVertice(1, "a", 700, 10);
    grande.AddVertice(2, "b", 20, 415);
    auto doc = GerarGrafoDe(grande);
    EXPECT_EQ(doc->Width(), 760);
    EXPECT_EQ(doc->Height(), 475);
    EXPECT_EQ(doc->Header().Value("Top"), "130");
    EXPECT_EQ(doc->Header().Value("Left"), "230");
}

TEST(GeradorGrafo, ATransformersHalvesBecomeOneElementWiredAtFourPorts) {
    TGrafo g;
    for (int v = 1; v <= 4; ++v)
        g.AddVertice(v, "V" + std::to_string(v), 50 * v, 40);
    g.AddRamo(1, kRamoFonteEsforco, "E1", "E1", 1, 2, 10, 20);
    g.AddRamo(2, kRamoTransformador1, "Tr_P1", "N", 1, 2, 100, 120, 3);
    g.AddRamo(3, kRamoTransformador2, "Tr_P2", "N", 3, 4, 100, 120, 2);
    g.AddRamo(4, kRamoImpedancia, "R", "R", 3, 4, 200, 20);
    auto doc = GerarGrafoDe(g);
    EXPECT_EQ(Inconsistency(*doc), "");
    // IDs: vertices 1-4, E1 5 (+6, 7), Tr 8 (+9 to 12), R 13 (+14, 15).
    EXPECT_EQ(Bloco(*doc, 8),
              brelix::testing::Lines({"Object 8: TVOGrfTransformador", "Num=2", "Desc=Tr", "Left=100",
                                      "Top=120", "Lbl=N", "LblX=0", "LblY=-20", "Gain=N", "Move=0"}));
    EXPECT_EQ(Bloco(*doc, 11), brelix::testing::Lines({"Object 11: TVOGrfConexao", "Num=5", "Desc=Conexao5",
                                                       "Left=0", "Top=0", "Lbl=*", "LblX=0", "LblY=0",
                                                       "ObjID1=3", "CntID1=1", "ObjID2=8", "CntID2=3"}));
    const auto& tr = dynamic_cast<const TVOGrfComp&>(*doc->Objects().FindByID(8));
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(tr.VertexAt(p)->Num(), p) << p;
    EXPECT_EQ(doc->Objects().FindByID(13)->Desc(), "R");
    EXPECT_EQ(doc->Objects().Count(), 4 + 3 + 5 + 3);
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
        const std::vector<std::string> b = Bloco(*doc, id);
        return std::vector<std::string>(b.end() - 3, b.end());
    };
    // The element R1, not the vertex that shares its name.
    EXPECT_EQ(chaves(12), brelix::testing::Lines({"VarCtrl=E", "VarID=4", "VarPort=1"}));
    EXPECT_EQ(chaves(15), brelix::testing::Lines({"VarCtrl=F", "VarID=7", "VarPort=2"}));
    EXPECT_EQ(chaves(18), brelix::testing::Lines({"VarCtrl=E", "VarID=0", "VarPort=1"}));
    EXPECT_EQ(Bloco(*doc, 12)[0], "Object 12: TVOGrfFonteEsforcoCtrl");
    EXPECT_EQ(Bloco(*doc, 12)[8], "Gain=2");
    EXPECT_EQ(dynamic_cast<const TVOComp&>(*doc->Objects().FindByID(15)).ControlVariable(), "F(Gi_P2)");
    // The source controlled by a missing element is incomplete.
    EXPECT_EQ(ValidarGrafo(*doc), (std::vector<std::string>{"Fc2"}));
}

TEST(GeradorGrafo, ADrawnGraphGeneratedAgainBuildsTheSameLinearGraph) {
    apoio::Desenho d(kDocKindGrafo);
    auto& v1 = d.Vertice("A", {50, 50});
    auto& v2 = d.Vertice("B", {150, 50});
    auto& v3 = d.Vertice("C", {150, 150});
    auto& v4 = d.Vertice("D", {50, 150});
    d.UmaPorta("TVOGrfFonteEsforco", "E1", "E", v1, v4);
    d.UmaPorta("TVOGrfImpedancia", "R1", "R", v1, v2);
    d.DuasPortas("TVOGrfDuasPortas", "Q", "Kee;Kef;0;Kff", v2, v4, v3, v4);
    d.UmaPorta("TVOGrfImpedancia", "L1", "L.S", v3, v4);
    auto& fc = d.UmaPorta("TVOGrfFonteFluxoCtrl", "Fc1", "g", v2, v3);
    fc.SetControlVariable("E(Q_P2)");
    ASSERT_TRUE(ValidarGrafo(d.Doc()).empty());
    const TGrafo original = BuildGrafoGraph(d.Doc());

    auto doc = GerarGrafoDe(original);
    ASSERT_TRUE(ValidarGrafo(*doc).empty());
    auto lido = apoio::SalvarERecarregar(*doc, "Gerado");
    EXPECT_EQ(Retrato(BuildGrafoGraph(*lido)), Retrato(original));
    EXPECT_EQ(original.Ramo(5).Controle, "E(Q_P2)");
}

// The graph of a system opens as a graph document that analyses to the system's own function. A mass
// is a vertex and a branch of the same name; a source controlled by the mass's velocity must designate
// the branch's element, not the vertex.
TEST(GeradorGrafo, AConvertedSystemOpensAsAGraphWithTheSameTransferFunction) {
    auto sis = brelix::testing::NewSistema("Massa");
    TVOSisComp& f = brelix::testing::PlaceComp(*sis, 13, {40, 100});
    TVOSisComp& ctrl = brelix::testing::PlaceComp(*sis, 14, {80, 100});
    TVOSisComp& m = brelix::testing::PlaceComp(*sis, 17, {120, 100});
    TVOSisComp& ref = brelix::testing::PlaceComp(*sis, 20, {160, 100});
    TVOElemento& v = brelix::testing::PlaceKind(*sis, 10, {100, 40});
    TVOElemento& w = brelix::testing::PlaceKind(*sis, 10, {100, 200});
    brelix::testing::Connect(*sis, f, 1, v, 1);
    brelix::testing::Connect(*sis, ctrl, 1, v, 1);
    brelix::testing::Connect(*sis, m, 1, v, 1);
    brelix::testing::Connect(*sis, m, 2, w, 1);
    brelix::testing::Connect(*sis, ref, 1, w, 1);
    ctrl.SetControlVariable("V(Massa1)");
    ASSERT_EQ(ctrl.ControlVariable(), "V(Massa1)");
    const TSistemaParaGrafo conv = sis->SystemToGraph();
    ASSERT_TRUE(conv.Ok());

    auto doc = MakeDocumento(kDocKindGrafo);
    GerarGrafo(*doc, conv.NomeDocumento, "TGrafo", *conv.Grafo);
    EXPECT_EQ(Inconsistency(*doc), "");
    ASSERT_TRUE(ValidarGrafo(*doc).empty());
    const auto& fonte = dynamic_cast<const TVOComp&>(*doc->Objects().FindByDesc("FonteForcaCtrl1"));
    EXPECT_EQ(fonte.ControlVariable(), "E(Massa1)");

    TSistemaParaFT preparo = PrepareFT(*sis);
    ASSERT_TRUE(preparo.Ok());
    const TFTSistema esperado = ComputeFT(*sis, preparo, "F(FonteForca1)", "E(Massa1)");
    ASSERT_TRUE(esperado.Ok()) << esperado.Mensagem;
    TEscolhaGrafo e;
    e.Entrada = "F(FonteForca1)";
    e.Saida = "E(Massa1)";
    const TResultadoFTGrafo obtido = CalcularFTGrafo(*doc, e);
    ASSERT_TRUE(obtido.Calculado()) << obtido.Recusa.Mensagem;
    for (double k : {0.5, 1.5, 4.0}) {
        TListSimboloVal valores;
        for (const TSimboloVal& s : esperado.Simbolos)
            valores.AddSimbolo(s.Nome, k + static_cast<double>(valores.Count()));
        const Complexo s(0.2 * k, 1.0);
        EXPECT_TRUE(apoio::Perto(obtido.Funcao.ValorEm(valores, s), esperado.Funcao.ValorEm(valores, s)))
            << k;
    }
}
