#include "graph/UnitGrfEquacoes.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfCaminhos.h"
#include "symbolic/UnitFTProgresso.h"
#include "symbolic/UnitGrfGanho.h"

#include <algorithm>

namespace brelix {

namespace {

bool EhImpedancia(const TRamo& r) {
    return r.Tipo == kRamoImpedancia;
}
bool EhControlada(const TRamo& r) {
    return r.Tipo == kRamoFonteEsforcoCtrl || r.Tipo == kRamoFonteFluxoCtrl;
}
bool EhPorta1(const TRamo& r) {
    return r.Tipo == kRamoTransformador1 || r.Tipo == kRamoGirador1 || r.Tipo == kRamoQuadripolo1;
}

std::string Orientada(char letra, const TRamo& r) {
    std::string s(1, letra);
    s += '(';
    s += r.Nome;
    s += ", ";
    s += IntToStr(r.Origem);
    s += ", ";
    s += IntToStr(r.Destino);
    s += ')';
    return s;
}

std::string Variavel(char letra, const std::string& nome) {
    std::string s(1, letra);
    s += '(';
    s += nome;
    s += ')';
    return s;
}

void ListarVariaveis(const TGrafo& grafo, TEquacoes& eq) {
    const int n = eq.N;
    eq.Fonte.assign(static_cast<std::size_t>(2 * n), 0);
    // The efforts of the branches in order, then their flows; a source's own variable is a source.
    const auto listar = [&](char letra, std::int32_t tipoFonte, std::vector<std::string>& lista, int coluna) {
        for (int i = 0; i < n; ++i, ++coluna) {
            const TRamo& r = grafo.Ramo(i);
            eq.Variaveis.push_back(Variavel(letra, r.Nome));
            eq.Orientadas.push_back(Orientada(letra, r));
            lista.push_back(eq.Variaveis.back());
            const bool fonte = r.Tipo == tipoFonte;
            (fonte ? eq.Fontes : eq.Dependentes).push_back(eq.Variaveis.back());
            eq.Fonte[static_cast<std::size_t>(coluna)] = fonte ? 1 : 0;
        }
    };
    listar('E', kRamoFonteEsforco, eq.Esforcos, 0);
    listar('F', kRamoFonteFluxo, eq.Fluxos, n);
}

void Invalido(TEquacoes& eq, const TRamo& r, bool controle) {
    if (!eq.ElementoInvalido.empty()) return;
    eq.ElementoInvalido = r.Nome;
    eq.ControleDesconhecido = controle;
}

// A generic two-port keeps its gains Kee, Kef, Kfe and Kff in one text separated by ";"; missing
// parts are empty, which reads as zero.
std::vector<std::string> PartesQuadripolo(const std::string& texto) {
    std::vector<std::string> partes(4);
    std::size_t inicio = 0;
    for (std::string& parte : partes) {
        if (inicio > texto.size()) break;
        const std::size_t fim = std::min(texto.find(';', inicio), texto.size());
        parte = texto.substr(inicio, fim - inicio);
        inicio = fim + 1;
    }
    return partes;
}

void MontarElementos(const TGrafo& grafo, const TIndiceRamos& indice, TEquacoes& eq, int impedancias,
                     int controladas, int quadripolos) {
    const int n = eq.N;
    eq.A1 = TMatrizStr(impedancias, 2 * n);
    eq.A2 = TMatrizStr(controladas, 2 * n);
    eq.A3 = TMatrizStr(2 * quadripolos, 2 * n);
    int l1 = 0, l2 = 0, k3 = 0;
    for (int i = 0; i < n; ++i) {
        const TRamo& r = grafo.Ramo(i);
        if (EhImpedancia(r)) {
            eq.A1.Put(l1, i, "-1");
            eq.A1.Put(l1, n + i, r.TextoGanho);
            ++l1;
        } else if (EhControlada(r)) {
            const int x = r.Tipo == kRamoFonteEsforcoCtrl ? i : n + i;
            eq.A2.Put(l2, x, "-1");
            const int y = ColunaDe(eq, r.Controle);
            if (y < 0)
                Invalido(eq, r, true);
            else
                eq.A2.Put(l2, y, r.TextoGanho);
            ++l2;
        } else if (EhPorta1(r)) {
            const auto par = indice.find(r.Par);
            const int l = 2 * k3++;
            if (par == indice.end()) {
                Invalido(eq, r, false);
                continue;
            }
            const int e1 = i, f1 = n + i, e2 = par->second, f2 = n + par->second;
            const std::string& g = r.TextoGanho;
            if (r.Tipo == kRamoTransformador1) { // E1 = N.E2, F2 = -N.F1
                eq.A3.Put(l, e1, "-1");
                eq.A3.Put(l, e2, g);
                eq.A3.Put(l + 1, f1, g);
                eq.A3.Put(l + 1, f2, "1");
            } else if (r.Tipo == kRamoGirador1) { // E2 = G.F1, E1 = -G.F2
                eq.A3.Put(l, e2, "-1");
                eq.A3.Put(l, f1, g);
                eq.A3.Put(l + 1, e1, "1");
                eq.A3.Put(l + 1, f2, g);
            } else { // E2 = Kee.E1 + Kef.F1, F2 = -(Kfe.E1 + Kff.F1)
                const std::vector<std::string> p = PartesQuadripolo(g);
                eq.A3.Put(l, e1, p[0]);
                eq.A3.Put(l, e2, "-1");
                eq.A3.Put(l, f1, p[1]);
                eq.A3.Put(l, f2, "");
                eq.A3.Put(l + 1, e1, p[2]);
                eq.A3.Put(l + 1, e2, "");
                eq.A3.Put(l + 1, f1, p[3]);
                eq.A3.Put(l + 1, f2, "1");
            }
        }
    }
}

// One circuit per chord: the chord put back into the forest closes exactly one circuit, which the
// search finds leaving the chord's origin by a tree branch (the chord entered the lists last).
void MontarCompatibilidade(const TGrafo& grafo, const TIndiceRamos& indice, const TComponentes& comps,
                           TEquacoes& eq, TVigia& vigia) {
    const TFloresta floresta = FindFloresta(comps.Estrutura);
    eq.A4 = TMatrizStr(floresta.Cordas.Count(), 2 * eq.N);
    for (int k = 0; k < floresta.Cordas.Count(); ++k) {
        vigia.Passo();
        const TRamo* corda = comps.Estrutura.FindRamo(floresta.Cordas[k]);
        if (corda == nullptr) continue;
        TGrafo circuito(floresta.Arvores);
        circuito.AddRamo(corda->Id, corda->Tipo, corda->Nome, "0", corda->Origem, corda->Destino);
        TListListInt ramos, vertices;
        FindCaminhos(circuito, corda->Origem, corda->Origem, true, ramos, vertices);
        if (ramos.Count() > 0) PutEsforcosCaminho(grafo, indice, ramos[0], vertices[0], eq.A4, k);
    }
}

// One row per vertex, component by component: the flows leaving it count 1, those entering it -1.
// In each component the row of the vertex with the most incident branches (the first on ties) is
// flagged: the others imply it.
void MontarContinuidade(const TGrafo& grafo, const TComponentes& comps, TEquacoes& eq, TVigia& vigia) {
    const int n = eq.N;
    int linhas = 0;
    for (const TGrafo& c : comps.Lista)
        linhas += c.VerticeCount();
    eq.A5 = TMatrizStr(linhas, 2 * n);
    int base = 0;
    for (const TGrafo& c : comps.Lista) {
        int melhor = -1, maior = -1;
        for (int j = 0; j < c.VerticeCount(); ++j) {
            vigia.Passo();
            const std::int32_t v = c.Vertice(j).Id;
            const int linha = base + j;
            for (int t = 0; t < n; ++t) {
                if (grafo.Ramo(t).Origem == v) eq.A5.Put(linha, n + t, "1");
                if (grafo.Ramo(t).Destino == v) eq.A5.Put(linha, n + t, "-1");
            }
            int conta = 0;
            for (int t = 0; t < n; ++t)
                if (eq.A5.Get(linha, n + t) != "0") ++conta;
            if (conta > maior) {
                maior = conta;
                melhor = linha;
            }
        }
        if (melhor >= 0) eq.A5.SetFlag(melhor, 1);
        base += c.VerticeCount();
    }
}

} // namespace

bool CoeficienteNulo(const std::string& celula) {
    if (celula.empty() || celula == "0") return true;
    return ParseGanhoLeniente(celula).K == 0.0;
}

int ColunaDe(const TEquacoes& eq, std::string_view nome) {
    for (std::size_t i = 0; i < eq.Variaveis.size(); ++i)
        if (SameTextAscii(eq.Variaveis[i], nome)) return static_cast<int>(i);
    return -1;
}

TIndiceRamos IndexarRamos(const TGrafo& grafo) {
    TIndiceRamos indice;
    for (int i = 0; i < grafo.RamoCount(); ++i)
        indice.emplace(grafo.Ramo(i).Id, i);
    return indice;
}

void PutEsforcosCaminho(const TGrafo& grafo, const TIndiceRamos& indice, const TListInt& ramos,
                        const TListInt& vertices, TMatrizStr& matriz, std::int32_t linha) {
    for (int k = 0; k < ramos.Count() && k + 1 < vertices.Count(); ++k) {
        const auto it = indice.find(ramos[k]);
        if (it == indice.end()) continue;
        const TRamo& r = grafo.Ramo(it->second);
        if (r.Origem == vertices[k] && r.Destino == vertices[k + 1])
            matriz.Put(linha, it->second, "1");
        else if (r.Origem == vertices[k + 1] && r.Destino == vertices[k])
            matriz.Put(linha, it->second, "-1");
    }
}

TEquacoes MontarEquacoes(const TGrafo& grafo, const TComponentes& componentes, TProgresso* progresso) {
    // A circuit or a vertex row costs a walk over the branches.
    TVigia vigia(progresso, 16);
    TEquacoes eq;
    eq.N = grafo.RamoCount();
    ListarVariaveis(grafo, eq);
    int impedancias = 0, controladas = 0, quadripolos = 0;
    for (const auto& r : grafo.Ramos()) {
        if (EhImpedancia(*r)) ++impedancias;
        if (EhControlada(*r)) ++controladas;
        if (EhPorta1(*r)) ++quadripolos;
    }
    const TIndiceRamos indice = IndexarRamos(grafo);
    MontarElementos(grafo, indice, eq, impedancias, controladas, quadripolos);
    MontarCompatibilidade(grafo, indice, componentes, eq, vigia);
    MontarContinuidade(grafo, componentes, eq, vigia);

    eq.A = TMatrizStr(eq.N + impedancias + controladas + 2 * quadripolos, 2 * eq.N);
    std::int32_t linha = 0;
    for (const TMatrizStr* m : {&eq.A4, &eq.A1, &eq.A2, &eq.A3, &eq.A5})
        linha = eq.A.AppendRows(*m, linha);
    return eq;
}

} // namespace brelix
