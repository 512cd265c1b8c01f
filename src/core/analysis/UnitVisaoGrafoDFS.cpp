#include "analysis/UnitVisaoGrafoDFS.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfParaDFS.h"

#include <algorithm>
#include <string>

namespace brelix {

namespace {

constexpr std::int32_t kAlturaMatriz = 18;
constexpr std::int32_t kLarguraMatriz = 40;

TGradeMatriz GradeMatriz(const TMatrizStr& m, std::int32_t alturaLinha, std::int32_t larguraColuna) {
    return {m, alturaLinha, larguraColuna};
}

// "E(R1)" names the element R1: the variable without its letter, "(" and final ")".
std::string ElementoDaVariavel(const std::string& variavel) {
    return variavel.size() < 3 ? std::string() : variavel.substr(2, variavel.size() - 3);
}

} // namespace

std::int64_t TGradeMatriz::RowCount() const {
    return std::max<std::int64_t>(std::int64_t{Matriz.Linhas()} + 1, 2);
}

std::string TGradeMatriz::Celula(std::int64_t row, int col) const {
    if (row < 0 || row > Matriz.Linhas() || col < 0 || col >= ColCount()) return {};
    if (row == 0) return col == 0 ? std::string() : IntToStr(col);
    if (col == 0) return IntToStr(row);
    return Matriz.Get(static_cast<std::int32_t>(row - 1), col - 1);
}

TConteudoGrafoDFS ConteudoGrafoDFSVazio() {
    TConteudoGrafoDFS c;
    c.Variaveis = NovaGrade({"Tipo", "Elemento", "Variável"}, {120, 120, 120});
    for (TGradeMatriz* m : {&c.A1, &c.A2, &c.A3, &c.A4, &c.A5, &c.A})
        *m = {TMatrizStr(), kAlturaMatriz, kLarguraMatriz};
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

    c.A1 = GradeMatriz(eq.A1, alturaLinha, larguraColuna);
    c.A2 = GradeMatriz(eq.A2, alturaLinha, larguraColuna);
    c.A3 = GradeMatriz(eq.A3, alturaLinha, larguraColuna);
    c.A4 = GradeMatriz(eq.A4, alturaLinha, larguraColuna);
    c.A5 = GradeMatriz(eq.A5, alturaLinha, larguraColuna);
    c.A = GradeMatriz(eq.A, alturaLinha, larguraColuna);

    c.Busca = ItensArvore(conversao.Busca, [](const TNo& no) { return no.Texto; });
    for (std::size_t i = 0; i < conversao.Resolvidas.size(); ++i)
        c.Solucao.Linhas.push_back(
            {"A[" + IntToStr(static_cast<std::int64_t>(i) + 1) + "]", conversao.Resolvidas[i]});
    return c;
}

} // namespace brelix
