// The transfer function of a large diagram without the Mason view: the loop sets streamed into the
// function give, on an RLC ladder of eight sections converted into a signal-flow document, exactly the
// function of the stored sets that the Mason view needs (every term, its coefficient to the bit, its
// product and the texts), and no Mason view; and the same on one thread as on several.

#include "core/system/SisDocTestUtil.h"

#include "analysis/UnitArquivoFT.h"
#include "analysis/UnitComandoDocumento.h"
#include "common/UnitComArquivo.h"
#include "common/UnitComParalelo.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace brelix;

namespace {

std::vector<std::string> TermosExatos(TFuncao f) {
    std::vector<std::string> out;
    for (TListFator* p : {&f.Num, &f.Den}) {
        for (const TFator& t : *p) {
            std::ostringstream linha;
            linha << std::hexfloat << t.K << " S^" << t.ExpS;
            for (const TSimboloExp& x : t.Simbolos)
                linha << ' ' << x.Nome() << '^' << x.Exp;
            out.push_back(linha.str());
        }
        out.push_back(p->TextoSimbolico());
    }
    return out;
}

} // namespace

TEST(FluxoEscada, TheLadderWithoutMasonViewHasTheFunctionOfTheStoredSets) {
    using brelix::testing::Desenho;
    using brelix::testing::EscadaRLC;
    constexpr int kSecoes = 8;
    const Desenho sistema = EscadaRLC(kSecoes);
    const TCatalogo& catalogo = CatalogoCompleto();
    TConversaoDocumento grafo = catalogo.Comando(*sistema.doc).Converter(*sistema.doc, {});
    ASSERT_TRUE(grafo.Convertido());
    TConversaoDocumento dfs = catalogo.Comando(*grafo.Documento).Converter(*grafo.Documento, {});
    ASSERT_TRUE(dfs.Convertido());
    const TPedidoFT pedido{"E(FonteTensao1)", "E(Capacitor" + std::to_string(kSecoes) + ")", false, {}, {}};

    const TComandoDocumento& comando = catalogo.Comando(*dfs.Documento);
    const TFTDocumento armazenado = comando.CalcularFT(*dfs.Documento, pedido, {});
    TContextoAnalise semVisao;
    semVisao.VisaoMason = false;
    const TFTDocumento fluxo = comando.CalcularFT(*dfs.Documento, pedido, semVisao);
    ASSERT_TRUE(armazenado.Calculado() && fluxo.Calculado());
    EXPECT_TRUE(armazenado.Mason.has_value());
    EXPECT_FALSE(fluxo.Mason.has_value());
    // The ladder's denominator: every term of the determinant, some thousands of them.
    EXPECT_GT(armazenado.Funcao.Den.Count(), 1000);
    EXPECT_EQ(TermosExatos(fluxo.Funcao), TermosExatos(armazenado.Funcao));
    EXPECT_EQ(fluxo.Simbolos.Count(), armazenado.Simbolos.Count());
}

TEST(FluxoEscada, TheLadderOnManyThreadsIsTheLadderOnOne) {
    // The eight-section ladder's denominator is large enough that its powers are sorted, its products
    // multiplied and its texts and file lines written over the threads: on one thread and on four,
    // the function, its texts and the file must be the same to the byte.
    using brelix::testing::Desenho;
    using brelix::testing::EscadaRLC;
    constexpr int kSecoes = 8;
    const Desenho sistema = EscadaRLC(kSecoes);
    const TCatalogo& catalogo = CatalogoCompleto();
    const TPedidoFT pedido{"E(FonteTensao1)", "E(Capacitor" + std::to_string(kSecoes) + ")", false, {}, {}};
    TContextoAnalise semVisao;
    semVisao.VisaoMason = false;
    const auto calcular = [&](unsigned linhas, const std::string& arquivo) {
        DefinirLinhasDeTrabalho(linhas);
        TFTDocumento r = catalogo.Comando(*sistema.doc).CalcularFT(*sistema.doc, pedido, semVisao);
        EXPECT_TRUE(r.Calculado());
        GravarArquivoFT(arquivo, r.Entrada, r.Saida, r.Simbolos, r.Funcao);
        return std::pair{TermosExatos(r.Funcao), ReadFileBytes(arquivo)};
    };
    const std::string pasta = ::testing::TempDir();
    const auto [termosUma, arquivoUma] = calcular(1, pasta + "escada-uma.fts");
    const auto [termosQuatro, arquivoQuatro] = calcular(4, pasta + "escada-quatro.fts");
    DefinirLinhasDeTrabalho(0);
    EXPECT_GT(termosUma.size(), 20000U);
    EXPECT_EQ(termosQuatro, termosUma);
    EXPECT_EQ(arquivoQuatro, arquivoUma);
    EXPECT_GT(arquivoUma.size(), 500000U);
}
