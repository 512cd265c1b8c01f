#include "analysis/UnitVisaoGrade.h"

#include "common/UnitComTexto.h"
#include "graph/UnitArvArvore.h"

#include <algorithm>
#include <utility>

namespace brelix {

int TGradeTexto::RowCount() const {
    return std::max(static_cast<int>(Linhas.size()) + 1, 2);
}

const std::string& TGradeTexto::Celula(int row, int col) const {
    static const std::string vazio;
    if (col < 0) return vazio;
    const auto c = static_cast<std::size_t>(col);
    if (row == 0) return c < Cabecalhos.size() ? Cabecalhos[c] : vazio;
    if (row < 0 || row > static_cast<int>(Linhas.size())) return vazio;
    const std::vector<std::string>& linha = Linhas[static_cast<std::size_t>(row - 1)];
    return c < linha.size() ? linha[c] : vazio;
}

TGradeTexto NovaGrade(std::vector<std::string> cabecalhos, std::vector<std::int32_t> larguras) {
    TGradeTexto grade;
    grade.Cabecalhos = std::move(cabecalhos);
    grade.Larguras = std::move(larguras);
    return grade;
}

std::vector<TItemArvore> ItensArvore(const TArvore& arvore,
                                     const std::function<std::string(const TNo&)>& texto) {
    std::vector<TItemArvore> itens;
    itens.reserve(static_cast<std::size_t>(arvore.Count()));
    // Pending nodes with the item index of their parent; children are pushed in reverse so that
    // they come off the stack in their order.
    std::vector<std::pair<const TNo*, int>> pendentes;
    for (auto it = arvore.Raizes().rbegin(); it != arvore.Raizes().rend(); ++it)
        pendentes.emplace_back(it->get(), -1);
    while (!pendentes.empty()) {
        const auto [no, pai] = pendentes.back();
        pendentes.pop_back();
        const int indice = static_cast<int>(itens.size());
        itens.push_back({pai, texto(*no)});
        for (auto it = no->Filhos.rbegin(); it != no->Filhos.rend(); ++it)
            pendentes.emplace_back(it->get(), indice);
    }
    return itens;
}

std::string ListaNumeros(const std::vector<std::int32_t>& numeros, std::int32_t soma) {
    std::string texto;
    for (std::int32_t n : numeros) {
        if (!texto.empty()) texto += ", ";
        texto += IntToStr(std::int64_t{n} + soma);
    }
    return texto;
}

} // namespace brelix
