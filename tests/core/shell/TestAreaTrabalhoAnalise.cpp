// The "Algoritmos" commands run from the main window's model on drawn documents: the choice dialog
// of each kind and its second showing after a refused choice, refusals in the check window, the
// results kept (their "Resultados" items enabled for good), conversions opened as new active
// documents, and the transfer function saved and read back in another run.

#include "core/shell/ApoioAreaTrabalho.h"
#include "core/system/SisDocTestUtil.h"

#include "analysis/UnitEscolhaFT.h"
#include "system/UnitSisTipo.h"

using namespace brelix;
using apoio::AreaTeste;
using brelix::testing::Place;
using Textos = std::vector<std::string>;

namespace {

// A component of the class from vertex `de` (port 1) to vertex `para` (port 2).
void Ligar(TVisualDocumento& doc, const char* classe, const char* ganho, TVOGrfVertice& de,
           TVOGrfVertice& para) {
    auto& c = Place<TVOGrfComp>(doc, classe);
    EXPECT_TRUE(c.SetGain(0, ganho));
    brelix::testing::PickBoth(doc, de, 1, c, 1);
    brelix::testing::PickBoth(doc, para, 1, c, 2);
}

// Three vertices of the class, joined by three components of the classes: 1 -> 2, 2 -> 3, then
// 3 -> 2 in a signal-flow diagram (a loop fed from Variavel1) or 1 -> 3 in a linear graph.
void Desenhar(TVisualDocumento& doc, const char* vertice, const char* c1, const char* c2, const char* c3,
              const char* g1, const char* g2, const char* g3) {
    auto& v1 = Place<TVOGrfVertice>(doc, vertice);
    auto& v2 = Place<TVOGrfVertice>(doc, vertice);
    auto& v3 = Place<TVOGrfVertice>(doc, vertice);
    Ligar(doc, c1, g1, v1, v2);
    Ligar(doc, c2, g2, v2, v3);
    doc.DocKind() == kDocKindDFS ? Ligar(doc, c3, g3, v3, v2) : Ligar(doc, c3, g3, v1, v3);
}
void DesenharLaco(TVisualDocumento& doc) {
    Desenhar(doc, "TVODFSVariavel", "TVODFSTransmitancia", "TVODFSTransmitancia", "TVODFSTransmitancia", "1",
             "G", "-1.H");
}

// The "Resultados" items enabled, as their positions in the menu.
std::string Resultados(const TAreaTrabalho& a) {
    std::string r;
    for (TComando c : {TComando::ResultadoSistemaGrafo, TComando::ResultadoGrafoDFS, TComando::ResultadoMason,
                       TComando::ResultadoFT})
        r += a.Habilitado(c) ? "1" : "0";
    return r;
}

} // namespace

TEST_F(AreaTeste, DFSToFTAsksAgainAfterARefusedChoiceAndItsFunctionIsSavedAndReadInAnotherRun) {
    DesenharLaco(area->NovoDocumento(kDocKindDFS));
    TPedidoFT entreVertices = PedidoEscolhaDFS("Variavel1", "");
    entreVertices.EntreVertices = true; // only a linear graph offers it
    janela.pedidos = {entreVertices, PedidoEscolhaDFS("variavel1", "Variavel3")};
    janela.eventos.clear();
    area->Executar(TComando::DFSFT);
    EXPECT_EQ(janela.eventos, (Textos{"escolha dfs", std::string("msg: ") + kMsgEsforcoEntreSoGrafo,
                                      "escolha dfs", "resultado: 3"}));
    EXPECT_EQ(janela.candidatos[0].Entradas, Textos{"Variavel1"});
    EXPECT_EQ(area->Resultados().FT.Entrada(), "Variavel1");
    EXPECT_EQ(area->Resultados().FT.Conteudo().FTSDen, "1 + G.H ");
    EXPECT_EQ(Resultados(*area), "0011"); // Mason and the function

    area->NovoDocumento(kDocKindDFS); // a later refusal keeps them
    area->Executar(TComando::DFSFT);
    EXPECT_EQ(janela.Eventos("check"), Textos{"check: DFS não validado."});
    EXPECT_EQ(Resultados(*area), "0011");

    janela.arquivos.push_back(Path("laco.fts"));
    area->Executar(TComando::SalvarFT);
    const TDialogoArquivo& f = janela.dialogos.back();
    EXPECT_EQ(std::to_string(f.IndiceFiltro) + " " + f.ExtensaoPadrao + " " + f.NomeArquivo, "4 fts DFS1FT");

    apoio::JanelaFalsa outra; // another run opens the file: the function without any analysis
    TAreaTrabalho depois(CatalogoCompleto(), opcoes, outra);
    depois.Iniciar(dir_.string());
    outra.arquivos.push_back(Path("laco.fts"));
    depois.Executar(TComando::Abrir);
    EXPECT_EQ(Resultados(depois), "0001");
    EXPECT_EQ(outra.Eventos("resultado"), Textos{"resultado: 3"});
    EXPECT_EQ(depois.Resultados().FT.Conteudo().FTSDen, "1 + G.H ");
    EXPECT_TRUE(depois.Documentos().Empty());
}

TEST_F(AreaTeste, ARefusedCancelledOrMisdirectedAnalysisChangesNoResult) {
    area->NovoDocumento(kDocKindDFS); // empty: both problems in the check window
    area->Executar(TComando::DFSFT);
    ASSERT_EQ(janela.verificacoes.size(), 1u);
    EXPECT_EQ(janela.verificacoes[0].NaoValidados,
              (Textos{"Nenhuma variável adicionada no DFS", "Nenhuma transmitância adicionada no DFS"}));
    EXPECT_TRUE(area->Resultados().Verificacao.has_value());
    DesenharLaco(*area->Ativo());
    janela.pedidos = {std::nullopt}; // the choice dialog cancelled
    area->Executar(TComando::DFSFT);
    janela.eventos.clear();
    for (TComando c : {TComando::SistemaGrafo, TComando::SistemaFT, TComando::GrafoDFS, TComando::GrafoFT})
        area->Executar(c); // not a system nor a graph: nothing at all
    EXPECT_TRUE(janela.eventos.empty());
    EXPECT_EQ(Resultados(*area), "0000");
}

TEST_F(AreaTeste, GraphToDFSOpensANewActiveDocumentAndGraphToFTOffersTheEffortBetweenVertices) {
    // A source E from Vertice1 to Vertice3 across R (1 -> 2) and the capacitor 1 / (C.S) (2 -> 3).
    Desenhar(area->NovoDocumento(kDocKindGrafo), "TVOGrfVertice", "TVOGrfImpedancia", "TVOGrfImpedancia",
             "TVOGrfFonteEsforco", "R", "C^-1.S^-1", "E");
    area->Executar(TComando::Girar);
    area->Executar(TComando::GrafoDFS);
    EXPECT_EQ(area->ItensJanelas(), (Textos{"Grafo1", "Grafo1DFS"}));
    EXPECT_EQ(area->Ativo()->DocKind(), kDocKindDFS);
    EXPECT_EQ(area->Ativo()->Mode() + area->Documentos().Get(0).Mode(), 2 * kModeSelecionar);
    EXPECT_EQ(Resultados(*area), "0100");
    EXPECT_EQ(area->NovoDocumento(kDocKindDFS).FileName(), "DFS1"); // a conversion is not counted

    area->MostrarDocumento(0);
    janela.pedidos = {PedidoEscolhaGrafo({"E(FonteEsforco1)", false, "", "2 - Vertice2", "3 - Vertice3"})};
    area->Executar(TComando::GrafoFT);
    EXPECT_EQ(janela.Eventos("escolha"), Textos{"escolha grafo"});
    EXPECT_EQ(janela.candidatos[0].Vertices, (Textos{"1 - Vertice1", "2 - Vertice2", "3 - Vertice3"}));
    EXPECT_EQ(area->Resultados().FT.Saida(), "E(2, 3)");
    EXPECT_EQ(area->Resultados().FT.Conteudo().FTSDen, "C.R.S + 1 ");
    EXPECT_EQ(Resultados(*area), "0101"); // only a drawn diagram has a Mason view
}

TEST_F(AreaTeste, SystemToGraphOpensTheGraphAndKeepsTheSystemResult) {
    brelix::testing::Desenho sistema;
    sistema.C(kTipoEleFonteTensao, {"A", "G"});
    sistema.C(kTipoEleResistor, {"A", "B"});
    sistema.C(kTipoEleCapacitor, {"B", "G"});
    sistema.doc->SaveDocument(Path("Motor.sis"));
    Abrir(Path("Motor.sis"));
    area->Executar(TComando::SistemaGrafo);
    EXPECT_EQ(area->Ativo()->FileName(), "MotorGrafo");
    EXPECT_EQ(area->Ativo()->DocKind(), kDocKindGrafo);
    EXPECT_EQ(Resultados(*area), "1000");
    EXPECT_EQ(area->Resultados().SistemaGrafo->Ramos.size(), 3u);

    area->MostrarDocumento(0);
    janela.pedidos = {std::nullopt};
    area->Executar(TComando::SistemaFT); // the signal-flow dialog, without the vertex list
    EXPECT_EQ(janela.Eventos("escolha"), Textos{"escolha dfs"});
    EXPECT_TRUE(janela.candidatos[0].Vertices.empty());
    EXPECT_FALSE(janela.candidatos[0].Entradas.empty());
}
