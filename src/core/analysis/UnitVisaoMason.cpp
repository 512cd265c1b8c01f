#include "analysis/UnitVisaoMason.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfMason.h"
#include "symbolic/UnitSymListSimboloVal.h"

namespace brelix {

namespace {

std::vector<std::int32_t> Numeros(const TListInt& lista) {
    return lista.Items();
}

} // namespace

TConteudoMason ConteudoMasonVazio() {
    TConteudoMason c;
    c.Simbolos = NovaGrade({"Símbolo"}, {120});
    c.Lacos = NovaGrade({"Nº Laço", "Vértices"}, {80, 200});
    c.Disjuntos = NovaGrade({"Nº Laço", "Laços Disjuntos"}, {80, 200});
    c.OrdemSuperior = NovaGrade({"Ordem", "Nº Laço", "Laços", "Ganho"}, {80, 80, 120, 200});
    return c;
}

TConteudoMason ShowMason(const TListSimboloVal& simbolos, TResultadoMason& mason) {
    TConteudoMason c = ConteudoMasonVazio();
    for (const TSimboloVal& s : simbolos)
        c.Simbolos.Linhas.push_back({s.Nome});

    // A search node stands for a vertex, a forest node for a loop (numbered from 1).
    c.Busca = ItensArvore(mason.Busca, [](const TNo& no) { return IntToStr(no.Id); });
    c.Floresta = ItensArvore(mason.Floresta, [](const TNo& no) { return IntToStr(std::int64_t{no.Id} + 1); });

    // The start vertex of a loop stands at both ends of its vertex list.
    for (std::size_t i = 0; i < mason.Lacos.size(); ++i)
        c.Lacos.Linhas.push_back(
            {IntToStr(static_cast<std::int64_t>(i) + 1), ListaNumeros(Numeros(mason.Lacos[i].Vertices))});

    // Row i lists only the loops after i that touch it nowhere, so the last row is always empty.
    for (int i = 0; i < mason.Disjuntos.Count(); ++i)
        c.Disjuntos.Linhas.push_back({IntToStr(i + 1), ListaNumeros(Numeros(mason.Disjuntos[i]), 1)});

    for (std::size_t k = 0; k < mason.LacosOS.size(); ++k) {
        TListLacoOS& ordem = mason.LacosOS[k];
        for (std::size_t p = 0; p < ordem.size(); ++p)
            c.OrdemSuperior.Linhas.push_back(
                {IntToStr(static_cast<std::int64_t>(k) + 1), IntToStr(static_cast<std::int64_t>(p) + 1),
                 ListaNumeros(Numeros(ordem[p].Lacos), 1), ordem[p].TextoGanho()});
    }
    return c;
}

} // namespace brelix
