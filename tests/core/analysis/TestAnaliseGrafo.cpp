// The linear-graph document's completeness check and the linear graph built from the drawing.

#include "core/analysis/ApoioDocumento.h"

#include "analysis/UnitAnaliseGrafo.h"

using namespace brelix;
using apoio::Desenho;

TEST(AnaliseGrafoValidacao, AnEmptyDocumentReportsBothGeneralMessages) {
    Desenho d(kDocKindGrafo);
    EXPECT_EQ(ValidarGrafo(d.Doc()), (std::vector<std::string>{"Nenhum vértice adicionado no grafo",
                                                               "Nenhum ramo adicionado no grafo"}));
}

TEST(AnaliseGrafoValidacao, IncompleteVerticesThenIncompleteElementsInDocumentOrder) {
    Desenho d(kDocKindGrafo);
    auto& a = d.Vertice("A");
    auto& b = d.Vertice("B");
    d.Vertice("Solto");
    auto& z = brelix::testing::Place<TVOGrfComp>(d.Doc(), "TVOGrfImpedancia");
    d.Renomear(z, "Z");
    d.Ligar(a, z, 1);
    d.UmaPorta("TVOGrfImpedancia", "R", "R", a, b);
    auto& ec = d.UmaPorta("TVOGrfFonteEsforcoCtrl", "Ec", "2", b, a); // no control variable
    (void)ec;
    d.DuasPortas("TVOGrfDuasPortas", "Q", "0;0;K;K", a, b, b, a); // one side without gains
    EXPECT_EQ(ValidarGrafo(d.Doc()), (std::vector<std::string>{"Solto", "Z", "Ec", "Q"}));
}

TEST(AnaliseGrafoValidacao, BranchNamesOnlyCaseTellsApartAndTheReservedSymbol) {
    Desenho d(kDocKindGrafo);
    auto& a = d.Vertice("A");
    auto& b = d.Vertice("B");
    d.UmaPorta("TVOGrfImpedancia", "tr_p2", "R", a, b);
    d.DuasPortas("TVOGrfTransformador", "Tr", "N", a, b, a, b);
    d.UmaPorta("TVOGrfImpedancia", "L", "DFS.S", a, b);
    auto problemas = ValidarGrafo(d.Doc());
    // The unconnected vertex "L" leads.
    EXPECT_EQ(problemas,
              (std::vector<std::string>{"Descrição repetida: Tr_P2", "O símbolo DFS é reservado: L"}));
}

TEST(AnaliseGrafoConstrucao, ElementsBecomeBranchesNumberedInDocumentOrder) {
    Desenho d(kDocKindGrafo);
    auto& a = d.Vertice("A", {40, 60});
    auto& b = d.Vertice("B");
    auto& c = d.Vertice("C");
    auto& e = d.UmaPorta("TVOGrfFonteEsforco", "E1", "E", a, b);
    d.DuasPortas("TVOGrfTransformador", "Tr1", "2,5", b, a, c, a);
    auto& fc = d.UmaPorta("TVOGrfFonteFluxoCtrl", "Fc", "g", c, a);
    fc.SetControlVariable("F(Tr1_P2)");
    const TGrafo g = BuildGrafoGraph(d.Doc());

    // Positions and numbering: what the cross-checks of the graph command do not see. (Ends, kinds,
    // gains, pairs and controls are checked there against a direct solve of the drawn network.)
    ASSERT_EQ(g.VerticeCount(), 3);
    EXPECT_EQ(g.Vertice(0).Id, a.Num());
    EXPECT_EQ(g.Vertice(0).X, 40);
    EXPECT_EQ(g.Vertice(0).Y, 60);
    ASSERT_EQ(g.RamoCount(), 4);
    EXPECT_EQ(g.Ramo(0).X, e.Left());
    EXPECT_FALSE(g.Ramo(0).Ganho.has_value());
    std::vector<std::string> ramos;
    for (const auto& r : g.Ramos())
        ramos.push_back(std::to_string(r->Id) + " " + r->Nome + " par " + std::to_string(r->Par));
    EXPECT_EQ(ramos,
              (std::vector<std::string>{"1 E1 par 0", "2 Tr1_P1 par 3", "3 Tr1_P2 par 2", "4 Fc par 0"}));
    EXPECT_EQ(g.Ramo(2).Origem, c.Num());
    EXPECT_EQ(g.Ramo(3).Controle, "F(Tr1_P2)");
}
