#include "shell/UnitComandosDocumento.h"

#include "core/analysis/ApoioDocumento.h"
#include "core/system/SisDocTestUtil.h"
#include "support/PastaTemp.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitAnaliseGrafo.h"
#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitMensagensConversao.h"
#include "common/UnitComErro.h"
#include "system/UnitSisTipo.h"
#include "system/UnitVFSistemaFT.h"

#include <gtest/gtest.h>

#include <filesystem>

// The commands of the "Algoritmos" menu reached through the document's kind: each kind's check,
// candidates, conversion and transfer function, with the refusals each kind gives.

using namespace brelix;
using namespace brelix::testing;

namespace {

// A voltage source across an RC divider: E(C) / E(Vs) = 1 / (C.R.S + 1).
std::unique_ptr<TVisualDocumento> GrafoRC() {
    apoio::Desenho d(kDocKindGrafo, "RC");
    auto& v1 = d.Vertice("V1");
    auto& v2 = d.Vertice("V2");
    auto& terra = d.Vertice("Terra");
    d.UmaPorta("TVOGrfFonteEsforco", "Vs", "Vs", v1, terra);
    d.UmaPorta("TVOGrfImpedancia", "R", "R", v1, v2);
    d.UmaPorta("TVOGrfImpedancia", "C", "C^-1.S^-1", v2, terra);
    return d.Entregar();
}

// The same circuit drawn as a system.
std::unique_ptr<TVFSistema> SistemaRC() {
    auto doc = NewSistema("RCSis");
    auto& n1 = PlaceKind(*doc, kTipoEleVertice, {40, 40});
    auto& n2 = PlaceKind(*doc, kTipoEleVertice, {200, 40});
    auto& n0 = PlaceKind(*doc, kTipoEleVertice, {120, 200});
    auto& vs = PlaceComp(*doc, kTipoEleFonteTensao, {40, 120});
    auto& r = PlaceComp(*doc, kTipoEleResistor, {120, 40});
    auto& c = PlaceComp(*doc, kTipoEleCapacitor, {200, 120});
    EXPECT_TRUE(doc->Objects().Rename(vs.Desc(), "Vs"));
    EXPECT_TRUE(doc->Objects().Rename(r.Desc(), "R"));
    EXPECT_TRUE(doc->Objects().Rename(c.Desc(), "C"));
    EXPECT_TRUE(r.SetGain(0, "R"));
    EXPECT_TRUE(c.SetGain(0, "C"));
    Connect(*doc, vs, 1, n1, 1);
    Connect(*doc, vs, 2, n0, 1);
    Connect(*doc, r, 1, n1, 1);
    Connect(*doc, r, 2, n2, 1);
    Connect(*doc, c, 1, n2, 1);
    Connect(*doc, c, 2, n0, 1);
    return doc;
}

// A loop X1 -> X2 -> X1 fed from X0.
std::unique_ptr<TVisualDocumento> DFSLaco() {
    apoio::Desenho d(kDocKindDFS, "Laco");
    auto& x0 = d.Vertice("X0");
    auto& x1 = d.Vertice("X1");
    auto& x2 = d.Vertice("X2");
    d.Transmitancia(x0, x1, "1");
    d.Transmitancia(x1, x2, "G");
    d.Transmitancia(x2, x1, "-1.H");
    return d.Entregar();
}

std::string Texto(TListFator p) {
    return p.TextoSimbolico();
}

} // namespace

class ComandosDocumento : public apoio::PastaTemp {};

TEST_F(ComandosDocumento, OpenChoosesTheKindByExtension) {
    namespace fs = std::filesystem;
    const fs::path& dir = dir_;
    auto grafo = GrafoRC();
    grafo->SaveDocument((dir / "rc.grf").string());
    SistemaRC()->SaveDocument((dir / "rc.sis").string());
    fs::copy_file(dir / "rc.grf", dir / "RC2.GRF");
    fs::copy_file(dir / "rc.grf", dir / "rc.txt");

    EXPECT_EQ(AbrirDocumento((dir / "rc.grf").string())->DocKind(), kDocKindGrafo);
    EXPECT_EQ(AbrirDocumento((dir / "RC2.GRF").string())->DocKind(), kDocKindGrafo);
    EXPECT_EQ(AbrirDocumento((dir / "rc.sis").string())->DocKind(), kDocKindSistema);
    for (const char* nome : {"rc.txt", "semextensao"}) {
        try {
            AbrirDocumento((dir / nome).string());
            ADD_FAILURE() << nome << " opened";
        } catch (const EFileError& e) {
            EXPECT_EQ(e.FileName(), (dir / nome).string());
            EXPECT_NE(std::string(e.what()).find("sis, grf ou dfs"), std::string::npos);
        }
    }
    // A system file under a graph's extension is read as a graph and refused as one.
    fs::copy_file(dir / "rc.sis", dir / "trocado.grf");
    EXPECT_THROW(AbrirDocumento((dir / "trocado.grf").string()), EFileError);
}

TEST_F(ComandosDocumento, CheckOfEachKind) {
    EXPECT_FALSE(VerificarDocumento(*GrafoRC()).Houve());
    EXPECT_FALSE(VerificarDocumento(*SistemaRC()).Houve());
    EXPECT_FALSE(VerificarDocumento(*DFSLaco()).Houve());

    const TRecusa dfs = VerificarDocumento(*NewDFS());
    ASSERT_EQ(dfs.Tipo, TRecusa::TTipo::Verificacao);
    EXPECT_EQ(dfs.Verificacao.Mensagem, kMsgDFSNaoValidado);
    EXPECT_EQ(dfs.Verificacao.NaoValidados,
              (std::vector<std::string>{kMsgNenhumaVariavel, kMsgNenhumaTransmitancia}));

    const TRecusa sis = VerificarDocumento(*NewSistema());
    ASSERT_EQ(sis.Tipo, TRecusa::TTipo::Verificacao);
    EXPECT_EQ(sis.Verificacao.Mensagem, kTituloSistemaNaoValidado);
    EXPECT_EQ(sis.Verificacao.NaoValidados, std::vector<std::string>{kMsgNenhumElemento});

    // A complete drawing whose element runs from a vertex to itself: the linear-graph validation runs
    // too and gives its two lists.
    apoio::Desenho d(kDocKindGrafo, "Curto");
    auto& a = d.Vertice("A");
    auto& b = d.Vertice("B");
    d.UmaPorta("TVOGrfFonteEsforco", "Vs", "Vs", a, b);
    d.UmaPorta("TVOGrfImpedancia", "R", "R", a, b);
    d.UmaPorta("TVOGrfImpedancia", "Rc", "Rc", b, b);
    const TRecusa curto = VerificarDocumento(d.Doc());
    ASSERT_EQ(curto.Tipo, TRecusa::TTipo::Verificacao);
    EXPECT_EQ(curto.Verificacao.Mensagem, kMsgGrafoNaoValidado);
    EXPECT_TRUE(curto.Verificacao.EmCurtoVisivel);
    EXPECT_EQ(curto.Verificacao.EmCurto, std::vector<std::string>{"Rc"});
    EXPECT_TRUE(curto.Verificacao.NaoConectados.empty());
}

TEST_F(ComandosDocumento, CandidatesOfEachKind) {
    const TCandidatosFT g = CandidatosFT(*GrafoRC());
    EXPECT_EQ(g.Entradas, std::vector<std::string>{"E(Vs)"});
    EXPECT_EQ(g.Saidas, (std::vector<std::string>{"F(Vs)", "E(R)", "F(R)", "E(C)", "F(C)"}));
    EXPECT_EQ(g.Vertices.size(), 3u);
    EXPECT_EQ(CandidatosFT(*SistemaRC()).Saidas, g.Saidas);
    EXPECT_TRUE(CandidatosFT(*SistemaRC()).Vertices.empty());
    const TCandidatosFT f = CandidatosFT(*DFSLaco());
    EXPECT_EQ(f.Entradas, std::vector<std::string>{"X0"});
    EXPECT_EQ(f.Saidas, (std::vector<std::string>{"X1", "X2"}));
    EXPECT_TRUE(CandidatosFT(*NewSistema()).Recusa.Houve());
}

TEST_F(ComandosDocumento, ConversionsOpenTheNextKindOfDocument) {
    auto sis = SistemaRC();
    TConversaoDocumento g = ConverterDocumento(*sis);
    ASSERT_FALSE(g.Recusa.Houve());
    ASSERT_NE(g.Documento, nullptr);
    EXPECT_EQ(g.Documento->DocKind(), kDocKindGrafo);
    EXPECT_EQ(g.Documento->Desc(), "RCSisGrafo");
    EXPECT_EQ(g.Documento->Mode(), kModeSelecionar);

    TConversaoDocumento d = ConverterDocumento(*g.Documento);
    ASSERT_NE(d.Documento, nullptr);
    EXPECT_EQ(d.Documento->DocKind(), kDocKindDFS);
    EXPECT_EQ(d.Documento->Desc(), "RCSisGrafoDFS");

    // Each stage analyses to the same function.
    TPedidoFT pedido{"E(Vs)", "E(C)", false, {}, {}};
    const TFTDocumento a = CalcularFTDocumento(*sis, pedido);
    const TFTDocumento b = CalcularFTDocumento(*g.Documento, pedido);
    const TFTDocumento c = CalcularFTDocumento(*d.Documento, pedido);
    ASSERT_TRUE(a.Calculado() && b.Calculado() && c.Calculado());
    EXPECT_EQ(Texto(a.Funcao.Den), "C.R.S + 1 ");
    EXPECT_EQ(Texto(b.Funcao.Den), Texto(a.Funcao.Den));
    EXPECT_EQ(Texto(c.Funcao.Den), Texto(a.Funcao.Den));
    EXPECT_EQ(Texto(c.Funcao.Num), Texto(a.Funcao.Num));

    // A diagram has no conversion; a refused system gives no document.
    const TConversaoDocumento nada = ConverterDocumento(*DFSLaco());
    EXPECT_FALSE(nada.Recusa.Houve());
    EXPECT_EQ(nada.Documento, nullptr);
    const TConversaoDocumento recusa = ConverterDocumento(*NewSistema());
    EXPECT_TRUE(recusa.Recusa.Houve());
    EXPECT_EQ(recusa.Documento, nullptr);
}

TEST_F(ComandosDocumento, TransferFunctionOfEachKind) {
    // Signal flow: X2 / X0 = G / (1 + G.H), with the Mason view.
    const TFTDocumento f = CalcularFTDocumento(*DFSLaco(), {"x0", "x2", false, {}, {}});
    ASSERT_TRUE(f.Calculado());
    EXPECT_EQ(f.Entrada, "X0"); // as the list spells it
    EXPECT_EQ(f.Nome, "LacoFT");
    EXPECT_EQ(Texto(f.Funcao.Num), "G ");
    EXPECT_EQ(Texto(f.Funcao.Den), "1 + G.H ");
    ASSERT_TRUE(f.Mason.has_value());
    EXPECT_EQ(f.Mason->Lacos.Linhas.size(), 2u); // the loop, and the path closed by the branch DFS
    EXPECT_GE(f.Simbolos.IndexOfSimbolo("DFS"), 0);

    // Linear graph: the effort between V2 and Terra, by number or by name, is E(C).
    auto grafo = GrafoRC();
    const TFTDocumento porNome = CalcularFTDocumento(*grafo, {"E(Vs)", "", true, "V2", "Terra"});
    ASSERT_TRUE(porNome.Calculado()) << porNome.Recusa.Mensagem;
    EXPECT_EQ(porNome.Saida, "E(2, 3)");
    EXPECT_EQ(Texto(porNome.Funcao.Den), "C.R.S + 1 ");
    EXPECT_FALSE(porNome.Mason.has_value());
    const TFTDocumento porNumero = CalcularFTDocumento(*grafo, {"E(Vs)", "", true, "2", "3"});
    EXPECT_EQ(Texto(porNumero.Funcao.Den), Texto(porNome.Funcao.Den));
    const TFTDocumento inexistente = CalcularFTDocumento(*grafo, {"E(Vs)", "", true, "V2", "V9"});
    EXPECT_EQ(inexistente.Recusa.Mensagem, std::string(kMsgVerticeInexistente) + "V9");
    EXPECT_EQ(inexistente.Candidatos.Vertices.size(), 3u);
    const TFTDocumento mesmo = CalcularFTDocumento(*grafo, {"E(Vs)", "", true, "V2", "2"});
    EXPECT_EQ(mesmo.Recusa.Mensagem, kMsgVerticesInvalidos);

    // The effort between two vertices is a choice of linear graphs only.
    EXPECT_EQ(CalcularFTDocumento(*DFSLaco(), {"X0", "", true, "1", "2"}).Recusa.Mensagem,
              kMsgEsforcoEntreSoGrafo);
    EXPECT_EQ(CalcularFTDocumento(*SistemaRC(), {"E(Vs)", "", true, "1", "2"}).Recusa.Mensagem,
              kMsgEsforcoEntreSoGrafo);

    // System: names not offered, and a refused system with its check view.
    const TFTDocumento s = CalcularFTDocumento(*SistemaRC(), {"E(Vs)", "E(X)", false, {}, {}});
    EXPECT_EQ(s.Recusa.Mensagem, kMsgEntradaSaida);
    EXPECT_EQ(s.Candidatos.Entradas, std::vector<std::string>{"E(Vs)"});
    const TFTDocumento vazio = CalcularFTDocumento(*NewSistema(), {"E(Vs)", "E(C)", false, {}, {}});
    EXPECT_EQ(vazio.Recusa.Tipo, TRecusa::TTipo::Verificacao);
    EXPECT_EQ(vazio.Recusa.Verificacao.Mensagem, kTituloSistemaNaoValidado);
}
