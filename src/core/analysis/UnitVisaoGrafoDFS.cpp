#include "analysis/UnitVisaoGrafoDFS.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfParaDFS.h"

#include <string>

namespace brelix {

namespace {

constexpr std::int32_t kAlturaMatriz = 18;
constexpr std::int32_t kLarguraMatriz = 40;

TGradeTexto GradeMatrizVazia(std::int32_t alturaLinha, std::int32_t larguraColuna) {
    TGradeTexto g = NovaGrade({""}, {larguraColuna});
    g.ColunaFixa = true;
    g.AlturaLinha = alturaLinha;
    return g;
}

// 2n variable columns after the fixed column; one row per equation, headed by its number.
TGradeTexto GradeMatriz(const TMatrizStr& m, int colunas, std::int32_t alturaLinha,
                        std::int32_t larguraColuna) {
    TGradeTexto g = GradeMatrizVazia(alturaLinha, larguraColuna);
    for (int j = 1; j <= colunas; ++j) {
        g.Cabecalhos.push_back(IntToStr(j));
        g.Larguras.push_back(larguraColuna);
    }
    g.Linhas.reserve(static_cast<std::size_t>(m.Linhas()));
    for (std::int32_t i = 0; i < m.Linhas(); ++i) {
        std::vector<std::string> linha;
        linha.reserve(static_cast<std::size_t>(colunas) + 1);
        linha.push_back(IntToStr(std::int64_t{i} + 1));
        for (int j = 0; j < colunas; ++j)
            linha.push_back(m.Get(i, j)); // "0" for an empty cell
        g.Linhas.push_back(std::move(linha));
    }
    return g;
}

// "E(R1)" names the element R1: the variable without its letter, "(" and final ")".
std::string ElementoDaVariavel(const std::string& variavel) {
    return variavel.size() < 3 ? std::string() : variavel.substr(2, variavel.size() - 3);
}

} // namespace

TConteudoGrafoDFS ConteudoGrafoDFSVazio() {
    TConteudoGrafoDFS c;
    c.Variaveis = NovaGrade({"Tipo", "Elemento", "Variável"}, {120, 120, 120});
    for (TGradeTexto* m : {&c.A1, &c.A2, &c.A3, &c.A4, &c.A5, &c.A})
        *m = GradeMatrizVazia(kAlturaMatriz, kLarguraMatriz);
    c.Solucao = NovaGrade({"Equação", "Variável"}, {120, 120});
    return c;
}

TConteudoGrafoDFS ShowGrafoDFS(const TResultadoDFS& conversao, std::int32_t alturaLinha,
                               std::int32_t larguraColuna) {
    TConteudoGrafoDFS c = ConteudoGrafoDFSVazio();
    const TEquacoes& eq = conversao.Equacoes;
    for (const std::string& e : eq.Esforcos)
        c.Variaveis.Linhas.push_back({"Esforço", ElementoDaVariavel(e), e});
    for (const std::string& f : eq.Fluxos)
        c.Variaveis.Linhas.push_back({"Fluxo", ElementoDaVariavel(f), f});

    const int colunas = 2 * static_cast<int>(eq.Esforcos.size());
    c.A1 = GradeMatriz(eq.A1, colunas, alturaLinha, larguraColuna);
    c.A2 = GradeMatriz(eq.A2, colunas, alturaLinha, larguraColuna);
    c.A3 = GradeMatriz(eq.A3, colunas, alturaLinha, larguraColuna);
    c.A4 = GradeMatriz(eq.A4, colunas, alturaLinha, larguraColuna);
    c.A5 = GradeMatriz(eq.A5, colunas, alturaLinha, larguraColuna);
    c.A = GradeMatriz(eq.A, colunas, alturaLinha, larguraColuna);

    c.Busca = ItensArvore(conversao.Busca, [](const TNo& no) { return no.Texto; });
    for (std::size_t i = 0; i < conversao.Resolvidas.size(); ++i)
        c.Solucao.Linhas.push_back(
            {"A[" + IntToStr(static_cast<std::int64_t>(i) + 1) + "]", conversao.Resolvidas[i]});
    return c;
}

} // namespace brelix
