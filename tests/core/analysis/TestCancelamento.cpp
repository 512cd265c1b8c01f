// The long commands report their stages and can be stopped by the user at any question: an RLC ladder
// drawn as a system, the graph it converts into and the diagram that graph converts into, each
// analysed through its command. A stopped command gives the refusal "cancelled" and nothing else,
// and leaves the document exactly as it was (what it built is freed: the sanitizer build checks leaks).

#include "core/system/SisDocTestUtil.h"

#include "analysis/UnitComandoDocumento.h"
#include "symbolic/UnitFTProgresso.h"

#include <gtest/gtest.h>

using namespace brelix;

namespace {

// A progress window whose user presses its stop button when asked for the k-th time (never for 0).
struct TUsuario : TProgresso {
    explicit TUsuario(int pararNa = 0) : PararNa(pararNa) {}
    int PararNa;
    int Perguntas = 0;
    std::vector<TEtapaAnalise> Etapas;
    std::vector<std::string> Ordens;

    void IniciarEtapa(TEtapaAnalise etapa) override { Etapas.push_back(etapa); }
    void IniciarProgresso(const std::vector<std::string>& linhas) override { Ordens = linhas; }
    bool Cancelado() override { return ++Perguntas >= PararNa && PararNa > 0; }
};

// The refusal "cancelled" and nothing else.
template <class TResultado> void Cancelado(const TResultado& r) {
    EXPECT_TRUE(r.Recusa.Cancelada());
    EXPECT_EQ(r.Recusa.Tipo, TRecusa::TTipo::Mensagem);
    EXPECT_EQ(r.Recusa.Mensagem, kMsgAnaliseCancelada);
    EXPECT_FALSE(r.Recusa.EscolhaRecusada());
    if constexpr (std::is_same_v<TResultado, TFTDocumento>) {
        EXPECT_TRUE(r.Nome.empty() && r.Candidatos.Entradas.empty() && !r.Mason);
        EXPECT_EQ(r.Funcao.Num.Count() + r.Funcao.Den.Count(), 0);
    } else {
        EXPECT_TRUE(r.Documento == nullptr && !r.VisaoGrafoDFS && !r.ResultadoSis);
    }
}

} // namespace

TEST(Cancelamento, ALongAnalysisStoppedAtAnyQuestionLeavesEveryDocumentAsItWas) {
    using brelix::testing::Desenho;
    using brelix::testing::EscadaRLC;
    constexpr int kSecoes = 6;
    const Desenho sistema = EscadaRLC(kSecoes);
    const TCatalogo& catalogo = CatalogoCompleto();
    const auto converter = [&](const TVisualDocumento& doc) {
        TConversaoDocumento c = catalogo.Comando(doc).Converter(doc, {});
        EXPECT_TRUE(c.Convertido()) << c.Recusa.Mensagem;
        return std::move(c.Documento);
    };
    const std::unique_ptr<TVisualDocumento> grafo = converter(*sistema.doc);
    const std::unique_ptr<TVisualDocumento> dfs = converter(*grafo);
    ASSERT_TRUE(grafo && dfs);
    const TPedidoFT pedido{"E(FonteTensao1)", "E(Capacitor" + std::to_string(kSecoes) + ")", false, {}, {}};

    using E = TEtapaAnalise;
    const std::vector<E> mason = {E::BuscaLacos, E::LacosDisjuntos, E::FuncaoTransferencia};
    std::vector<E> sistemaFT = {E::SistemaParaGrafo, E::GrafoParaDFS};
    sistemaFT.insert(sistemaFT.end(), mason.begin(), mason.end());
    const struct {
        const TVisualDocumento& doc;
        bool conversao;
        std::vector<E> etapas;
        bool visaoMason = true; // false: the loop sets streamed into the function, no Mason view
    } casos[] = {
        {*sistema.doc, false, sistemaFT},
        {*sistema.doc, true, {E::SistemaParaGrafo}},
        {*grafo, false, {E::GrafoParaDFS, E::BuscaLacos, E::LacosDisjuntos, E::FuncaoTransferencia}},
        {*grafo, true, {E::GrafoParaDFS}},
        {*dfs, false, mason},
        {*dfs, false, mason, false},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.doc.FileName() + (k.conversao ? " convertido" : " FT") +
                     (k.visaoMason ? "" : " sem Mason"));
        const auto contexto = [&](TUsuario& usuario) {
            TContextoAnalise c;
            c.Progresso = &usuario;
            c.VisaoMason = k.visaoMason;
            return c;
        };
        const TComandoDocumento& comando = catalogo.Comando(k.doc);
        const std::vector<std::string> texto = k.doc.Text("antes");
        const bool salvar = k.doc.NeedsSave();
        const auto rodar = [&](TUsuario& usuario) {
            TRecusa recusa;
            if (k.conversao) {
                const TConversaoDocumento c = comando.Converter(k.doc, contexto(usuario));
                if (c.Recusa.Cancelada()) Cancelado(c);
                recusa = c.Recusa;
            } else {
                const TFTDocumento f = comando.CalcularFT(k.doc, pedido, contexto(usuario));
                if (f.Recusa.Cancelada()) Cancelado(f);
                recusa = f.Recusa;
            }
            EXPECT_EQ(k.doc.Text("antes"), texto);
            EXPECT_EQ(k.doc.NeedsSave(), salvar);
            return recusa;
        };

        TUsuario paciente;
        EXPECT_FALSE(rodar(paciente).Houve());
        EXPECT_EQ(paciente.Etapas, k.etapas);
        EXPECT_EQ(!paciente.Ordens.empty() && paciente.Ordens[0].starts_with("01 - "), !k.conversao);
        // Every stage asks as it begins, the long ones again and again while they run.
        const int perguntas = paciente.Perguntas;
        EXPECT_GT(perguntas, static_cast<int>(k.etapas.size()));
        for (const int parar : {1, 2, perguntas / 2, perguntas}) {
            SCOPED_TRACE(parar);
            TUsuario usuario(parar);
            EXPECT_TRUE(rodar(usuario).Cancelada());
            EXPECT_EQ(usuario.Perguntas, parar); // nothing runs on after the stop
        }
    }
}
