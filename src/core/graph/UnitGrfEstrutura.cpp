#include "graph/UnitGrfEstrutura.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfCaminhos.h"

#include <algorithm>
#include <unordered_set>

namespace brelix {

namespace {

bool Contem(const std::vector<std::string>& lista, const std::string& nome) {
    return std::any_of(lista.begin(), lista.end(),
                       [&](const std::string& s) { return SameTextAscii(s, nome); });
}

void AddUnico(std::vector<std::string>& lista, const std::string& nome) {
    if (!Contem(lista, nome)) lista.push_back(nome);
}

bool TemCircuito(const TGrafo& grafo, std::int32_t vertice) {
    TListListInt ramos, vertices;
    FindCaminhos(grafo, vertice, vertice, true, ramos, vertices);
    return ramos.Count() > 0;
}

void CopiarRamo(TGrafo& destino, const TRamo& r) {
    destino.AddRamo(r.Id, r.Tipo, r.Nome, r.TextoGanho, r.Origem, r.Destino, r.X, r.Y, r.Par, r.Controle);
}

} // namespace

TGrafo CopyEstrutura(const TGrafo& grafo) {
    TGrafo copia(false);
    for (const auto& v : grafo.Vertices())
        copia.AddVertice(v->Id, v->Nome, v->X, v->Y);
    for (const auto& r : grafo.Ramos())
        copia.AddRamo(r->Id, r->Tipo, r->Nome, "0", r->Origem, r->Destino, r->X, r->Y, 0, {});
    return copia;
}

bool CheckEstrutura(const TGrafo& grafo, std::vector<std::string>& curtos,
                    std::vector<std::string>& desconectados) {
    curtos.clear();
    desconectados.clear();
    const TGrafo copia = CopyEstrutura(grafo);
    std::unordered_set<std::int32_t> foraDeCircuito;
    for (const auto& v : copia.Vertices())
        if (!TemCircuito(copia, v->Id)) foraDeCircuito.insert(v->Id);

    for (const auto& r : copia.Ramos()) {
        if (r->Origem == r->Destino) AddUnico(curtos, r->Nome);
        if (foraDeCircuito.contains(r->Origem)) AddUnico(desconectados, r->Nome);
        if (foraDeCircuito.contains(r->Destino)) AddUnico(desconectados, r->Nome);
    }
    return curtos.empty() && desconectados.empty();
}

TComponentes SplitComponentes(const TGrafo& grafo) {
    TComponentes resultado;
    resultado.Estrutura = CopyEstrutura(grafo);
    const TGrafo& estrutura = resultado.Estrutura;

    TGrafo trabalho(estrutura);
    trabalho.DeleteRamosCurto();
    std::vector<std::vector<std::int32_t>> componentes;
    while (trabalho.VerticeCount() > 0) {
        const std::int32_t v = trabalho.Vertice(0).Id;
        std::vector<std::int32_t>& componente = componentes.emplace_back();
        for (;;) {
            const TVertice* vv = trabalho.FindVertice(v);
            if (vv->Adjacentes.empty()) break;
            const std::int32_t n = vv->Adjacentes.front().Vizinho;
            trabalho.DeleteRamosEntre(v, n);
            trabalho.MergeVertices(n, v);
            trabalho.DeleteVertice(n);
            componente.push_back(n);
        }
        componente.push_back(v);
        trabalho.DeleteVertice(v);
    }
    resultado.Count = static_cast<int>(componentes.size());

    for (const auto& componente : componentes) {
        TGrafo& g = resultado.Lista.emplace_back(false);
        const std::unordered_set<std::int32_t> membros(componente.begin(), componente.end());
        for (std::int32_t id : componente)
            if (const TVertice* v = estrutura.FindVertice(id)) g.AddVertice(v->Id, v->Nome, v->X, v->Y);
        for (const auto& r : estrutura.Ramos())
            if (membros.contains(r->Origem)) CopiarRamo(g, *r);
    }
    return resultado;
}

TFloresta FindFloresta(const TGrafo& grafo) {
    TFloresta resultado;
    resultado.Arvores = grafo;
    TGrafo& floresta = resultado.Arvores;
    for (int i = 0; i < floresta.VerticeCount() - 1;) {
        TListListInt ramos, vertices;
        FindCaminhos(floresta, floresta.Vertice(i).Id, floresta.Vertice(i).Id, true, ramos, vertices);
        if (ramos.Count() == 0) {
            ++i;
            continue;
        }
        const std::int32_t corda = ramos[0][0];
        floresta.DeleteRamo(corda);
        resultado.Cordas.Add(corda);
    }
    return resultado;
}

} // namespace brelix
