// The transfer-function command of the "Algoritmos" menu reached through the document's kind: the
// signal-flow command with its Mason view, and the effort between two vertices refused as a choice
// of any kind but a linear graph. (Opening, checking, the candidate lists, the conversions and the
// function of every kind, the effort between vertices by number or name included, are run through
// brelix-cli in tests/cli.)

#include "analysis/UnitComandoDocumento.h"
#include "analysis/UnitEscolhaFT.h"

#include "core/analysis/ApoioDocumento.h"
#include "support/CatalogoTeste.h"

using namespace brelix;

namespace {

std::string Texto(TListFator p) {
    return p.TextoSimbolico();
}

} // namespace

TEST(ComandosDocumento, ASignalFlowDocumentGivesItsFunctionWithTheMasonViewButNoEffortBetweenVertices) {
    // Signal flow: a loop X1 -> X2 -> X1 fed from X0; X2 / X0 = G / (1 + G.H), with the Mason view.
    apoio::Desenho laco(kDocKindDFS, "Laco");
    auto &x0 = laco.Vertice("X0"), &x1 = laco.Vertice("X1"), &x2 = laco.Vertice("X2");
    laco.Transmitancia(x0, x1, "1");
    laco.Transmitancia(x1, x2, "G");
    laco.Transmitancia(x2, x1, "-1.H");
    const TComandoDocumento& comando = CatalogoCompleto().Comando(laco.Doc());
    const TFTDocumento f = comando.CalcularFT(laco.Doc(), {"x0", "x2", false, {}, {}}, {});
    ASSERT_TRUE(f.Calculado()) << f.Recusa.Mensagem;
    EXPECT_EQ(f.Entrada, "X0"); // as the list spells it
    EXPECT_EQ(f.Nome, "LacoFT");
    EXPECT_EQ(Texto(f.Funcao.Num), "G ");
    EXPECT_EQ(Texto(f.Funcao.Den), "1 + G.H ");
    ASSERT_TRUE(f.Mason.has_value());
    EXPECT_EQ(f.Mason->Lacos.Linhas.size(), 2u); // the loop, and the path closed by the branch DFS
    EXPECT_GE(f.Simbolos.IndexOfSimbolo("DFS"), 0);
    const TRecusa entre = comando.CalcularFT(laco.Doc(), {"X0", "", true, "1", "2"}, {}).Recusa;
    EXPECT_EQ(entre.Mensagem, kMsgEsforcoEntreSoGrafo);
    EXPECT_TRUE(entre.EscolhaRecusada()); // the choice dialog asks again
    EXPECT_FALSE(comando.Converte());
}
