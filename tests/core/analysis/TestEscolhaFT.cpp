// The rules of the two choice dialogs of input and output.

#include "analysis/UnitEscolhaFT.h"

#include <gtest/gtest.h>

using namespace brelix;

TEST(EscolhaFT, OnlyListEntriesCanBeChosen) {
    const std::vector<std::string> lista = {"E(E1)", "F(If)"};
    EXPECT_EQ(TextoEscolhido(lista, "e(e1)"), "E(E1)");
    EXPECT_EQ(TextoEscolhido(lista, "F(If)"), "F(If)");
    EXPECT_EQ(TextoEscolhido(lista, "E(E"), "");
    EXPECT_EQ(TextoEscolhido(lista, ""), "");
    EXPECT_EQ(TextoEscolhido({}, "x"), "");
}

TEST(EscolhaFT, ASingleInputIsPreselected) {
    EXPECT_EQ(AbrirEscolhaDFS({"x"}).Entrada, "x");
    EXPECT_EQ(AbrirEscolhaDFS({"x"}).Foco, TFocoEscolha::Saida);
    EXPECT_EQ(AbrirEscolhaDFS({"x", "y"}).Entrada, "");
    EXPECT_EQ(AbrirEscolhaDFS({"x", "y"}).Foco, TFocoEscolha::Entrada);
    EXPECT_EQ(AbrirEscolhaDFS({}).Foco, TFocoEscolha::Entrada);
    // The graph dialog keeps the focus on the input even then.
    EXPECT_EQ(AbrirEscolhaGrafo({"E(E1)"}).Entrada, "E(E1)");
    EXPECT_EQ(AbrirEscolhaGrafo({"E(E1)"}).Foco, TFocoEscolha::Entrada);
    EXPECT_EQ(AbrirEscolhaGrafo({"E(E1)", "F(I1)"}).Entrada, "");
}

TEST(EscolhaFT, TheDFSDialogAsksForTheInputFirst) {
    EXPECT_EQ(ConferirEscolhaDFS("", ""), "Variável de entrada não informada");
    EXPECT_EQ(ConferirEscolhaDFS("x", ""), "Variável de saída não informada");
    EXPECT_EQ(ConferirEscolhaDFS("", "y"), "Variável de entrada não informada");
    EXPECT_EQ(ConferirEscolhaDFS("x", "y"), "");
}

TEST(EscolhaFT, TheGraphDialogChecksTheActiveTabOnly) {
    TEscolhaGrafo e;
    EXPECT_EQ(ConferirEscolhaGrafo(e), "Variável de entrada não informada");
    e.Entrada = "E(E1)";
    EXPECT_EQ(ConferirEscolhaGrafo(e), "Variável de saída não informada");
    e.Positivo = e.Negativo = "1 - V1"; // the other tab's boxes do not count
    EXPECT_EQ(ConferirEscolhaGrafo(e), "Variável de saída não informada");
    e.Saida = "E(R1)";
    EXPECT_EQ(ConferirEscolhaGrafo(e), "");

    e.UmElemento = false;
    EXPECT_EQ(ConferirEscolhaGrafo(e), "Vértices positivo e negativo inválidos");
    e.Negativo = "";
    EXPECT_EQ(ConferirEscolhaGrafo(e), "Variável de saída não informada");
    e.Negativo = "3 - V3";
    EXPECT_EQ(ConferirEscolhaGrafo(e), "");
    e.Entrada = "";
    EXPECT_EQ(ConferirEscolhaGrafo(e), "Variável de entrada não informada");

    EXPECT_TRUE(SaidasHabilitadas(true).Saida);
    EXPECT_FALSE(SaidasHabilitadas(true).Positivo || SaidasHabilitadas(true).Negativo);
    EXPECT_FALSE(SaidasHabilitadas(false).Saida);
    EXPECT_TRUE(SaidasHabilitadas(false).Positivo && SaidasHabilitadas(false).Negativo);
}

TEST(EscolhaFT, VertexEntriesReadTheirIdentifier) {
    EXPECT_EQ(VerticeDaEntrada("3 - V3"), 3);
    EXPECT_EQ(VerticeDaEntrada("127 - Nó-de-saída"), 127);
    TEscolhaGrafo e;
    e.Positivo = "3 - V3";
    e.Negativo = "1 - Terra";
    EXPECT_EQ(GetPositivo(e), 3);
    EXPECT_EQ(GetNegativo(e), 1);
    // Not an integer before the blank that precedes the first "-": 0.
    EXPECT_EQ(VerticeDaEntrada("x - V"), 0);
    EXPECT_EQ(VerticeDaEntrada("3-V"), 0);
    EXPECT_EQ(VerticeDaEntrada("-"), 0);
    EXPECT_EQ(VerticeDaEntrada(""), 0);
    EXPECT_EQ(VerticeDaEntrada("12"), 0);
}
