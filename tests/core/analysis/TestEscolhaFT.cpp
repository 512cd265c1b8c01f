// The rules of the two choice dialogs of input and output where the commands' own tests do not
// reach: list entries matched ignoring case, the preselected input, the active tab's boxes, and
// the identifier read from a vertex entry.

#include "analysis/UnitEscolhaFT.h"

#include <gtest/gtest.h>

using namespace brelix;

TEST(EscolhaFT, OnlyListEntriesCanBeChosenAndASingleInputIsPreselected) {
    const std::vector<std::string> lista = {"E(E1)", "F(If)"};
    EXPECT_EQ(TextoEscolhido(lista, "e(e1)"), "E(E1)");
    EXPECT_EQ(TextoEscolhido(lista, "E(E"), "");
    EXPECT_EQ(TextoEscolhido(lista, ""), "");
    EXPECT_EQ(TextoEscolhido({}, "x"), "");

    EXPECT_EQ(AbrirEscolhaDFS({"x"}).Foco, TFocoEscolha::Saida);
    EXPECT_EQ(AbrirEscolhaDFS({"x", "y"}).Entrada, "");
    EXPECT_EQ(AbrirEscolhaDFS({"x", "y"}).Foco, TFocoEscolha::Entrada);
    EXPECT_EQ(AbrirEscolhaDFS({}).Foco, TFocoEscolha::Entrada);
    // The graph dialog keeps the focus on the input even then.
    EXPECT_EQ(AbrirEscolhaGrafo({"E(E1)"}).Entrada, "E(E1)");
    EXPECT_EQ(AbrirEscolhaGrafo({"E(E1)"}).Foco, TFocoEscolha::Entrada);
    EXPECT_EQ(AbrirEscolhaGrafo({"E(E1)", "F(I1)"}).Entrada, "");
}

TEST(EscolhaFT, TheGraphDialogChecksTheActiveTabOnly) {
    TEscolhaGrafo e{"E(E1)", true, "", "1 - V1", "1 - V1"};
    EXPECT_EQ(ConferirEscolhaGrafo(e),
              "Variável de saída não informada"); // the other tab's boxes do not count
    e.Saida = "E(R1)";
    EXPECT_EQ(ConferirEscolhaGrafo(e), "");
    e.UmElemento = false;
    EXPECT_EQ(ConferirEscolhaGrafo(e), "Vértices positivo e negativo inválidos");
    e.Negativo = "3 - V3";
    EXPECT_EQ(ConferirEscolhaGrafo(e), "");
    EXPECT_EQ(ConferirEscolhaDFS("", "y"), "Variável de entrada não informada");

    EXPECT_TRUE(SaidasHabilitadas(true).Saida);
    EXPECT_FALSE(SaidasHabilitadas(true).Positivo || SaidasHabilitadas(true).Negativo);
    EXPECT_FALSE(SaidasHabilitadas(false).Saida);
    EXPECT_TRUE(SaidasHabilitadas(false).Positivo && SaidasHabilitadas(false).Negativo);
}

TEST(EscolhaFT, VertexEntriesReadTheirIdentifier) {
    EXPECT_EQ(VerticeDaEntrada("3 - V3"), 3);
    EXPECT_EQ(VerticeDaEntrada("127 - Nó-de-saída"), 127);
    const TEscolhaGrafo e{"", false, "", "3 - V3", "1 - Terra"};
    EXPECT_EQ(GetPositivo(e), 3);
    EXPECT_EQ(GetNegativo(e), 1);
    // Not an integer before the blank that precedes the first "-": 0.
    for (const char* entrada : {"x - V", "3-V", "-", "", "12"})
        EXPECT_EQ(VerticeDaEntrada(entrada), 0) << entrada;
}

TEST(EscolhaFT, VertexEntryNamedByIdentifierOrName) {
    const std::vector<std::string> vertices{"3 - V3", "12 - Nó-de-saída", "4 - 3", "7 - V3"};
    // An identifier is looked up first over the whole list: "3" is vertex 3, not the vertex named 3.
    EXPECT_EQ(EntradaDoVertice(vertices, "3"), "3 - V3");
    EXPECT_EQ(EntradaDoVertice(vertices, "4"), "4 - 3");
    // By name: the first vertex of that name; letter case counts, as in every lookup by name.
    EXPECT_EQ(EntradaDoVertice(vertices, "V3"), "3 - V3");
    EXPECT_EQ(EntradaDoVertice(vertices, "Nó-de-saída"), "12 - Nó-de-saída");
    EXPECT_EQ(EntradaDoVertice(vertices, "v3"), "");
    EXPECT_EQ(EntradaDoVertice(vertices, "9"), "");
    EXPECT_EQ(EntradaDoVertice(vertices, ""), "");
    EXPECT_EQ(EntradaDoVertice({}, "3"), "");
}
