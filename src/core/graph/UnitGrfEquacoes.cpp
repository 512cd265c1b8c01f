#include "graph/UnitGrfEquacoes.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfCaminhos.h"
#include "symbolic/UnitFTProgresso.h"
#include "symbolic/UnitGrfGanho.h"

#include <algorithm>
#include <unordered_map>

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

// The trees of a spanning forest hung from their first vertices: for every vertex its parent, the
// branch to it and its depth, so that the path between two vertices of one tree is found by
// climbing from both to where they meet, in the length of the path.
class TArvoresEnraizadas {
public:
    explicit TArvoresEnraizadas(const TGrafo& arvores) : arvores_(arvores) {
        const int nv = arvores.VerticeCount();
        no_.reserve(static_cast<std::size_t>(nv));
        for (int i = 0; i < nv; ++i)
            no_.emplace(arvores.Vertice(i).Id, TNo{});
        std::vector<std::int32_t> fila;
        int arvore = 0;
        for (int i = 0; i < nv; ++i) {
            const std::int32_t raiz = arvores.Vertice(i).Id;
            if (no_.at(raiz).Arvore >= 0) continue;
            no_.at(raiz).Arvore = arvore;
            fila.assign(1, raiz);
            for (std::size_t k = 0; k < fila.size(); ++k) {
                const TNo& pai = no_.at(fila[k]);
                for (const TAdjacente& a : arvores.FindVertice(fila[k])->Adjacentes) {
                    const auto it = no_.find(a.Vizinho);
                    if (it == no_.end() || it->second.Arvore >= 0) continue;
                    it->second = {arvore, fila[k], a.Ramo, pai.Profundidade + 1};
                    fila.push_back(a.Vizinho);
                }
            }
            ++arvore;
        }
    }

    // The circuit FindCaminhos finds from the chord's origin once the chord is put back into the
    // forest (as the last entry of its ends' lists): along the tree to the chord's destination, then
    // back by the chord. The one exception is the forest's last vertex, the only one the chords
    // leave a circuit through: a loop on it that its list holds before the tree branch towards the
    // destination is the circuit found. False when the ends are not in one tree.
    bool Circuito(const TRamo& corda, TListInt& ramos, TListInt& vertices) const {
        const auto o = no_.find(corda.Origem);
        const auto d = no_.find(corda.Destino);
        if (o == no_.end() || d == no_.end() || o->second.Arvore != d->second.Arvore) return false;
        // Climb from both ends to their meeting vertex: the origin's side in order, the destination's
        // side reversed afterwards.
        std::vector<std::int32_t> subidaV{corda.Origem}, subidaR, descidaV{corda.Destino}, descidaR;
        std::int32_t a = corda.Origem, b = corda.Destino;
        while (a != b) {
            const TNo& na = no_.at(a);
            const TNo& nb = no_.at(b);
            if (na.Profundidade >= nb.Profundidade) {
                subidaR.push_back(na.Ramo);
                a = na.Pai;
                subidaV.push_back(a);
            } else {
                descidaR.push_back(nb.Ramo);
                b = nb.Pai;
                descidaV.push_back(b);
            }
        }
        // The branch by which the tree path leaves the origin (none when the chord is a loop).
        const std::int32_t primeiro = !subidaR.empty()    ? subidaR.front()
                                      : !descidaR.empty() ? descidaR.back()
                                                          : 0;
        const bool temPrimeiro = !subidaR.empty() || !descidaR.empty();
        for (const TAdjacente& e : arvores_.FindVertice(corda.Origem)->Adjacentes) {
            if (temPrimeiro && e.Ramo == primeiro) break;
            if (e.Vizinho != corda.Origem) continue;
            vertices.Add(corda.Origem);
            vertices.Add(corda.Origem);
            ramos.Add(e.Ramo);
            return true;
        }
        for (std::int32_t v : subidaV)
            vertices.Add(v);
        for (std::size_t k = descidaV.size() - 1; k-- > 0;)
            vertices.Add(descidaV[k]);
        vertices.Add(corda.Origem);
        for (std::int32_t r : subidaR)
            ramos.Add(r);
        for (std::size_t k = descidaR.size(); k-- > 0;)
            ramos.Add(descidaR[k]);
        ramos.Add(corda.Id);
        return true;
    }

private:
    struct TNo {
        int Arvore = -1;
        std::int32_t Pai = 0;
        std::int32_t Ramo = 0;
        int Profundidade = 0;
    };
    const TGrafo& arvores_;
    std::unordered_map<std::int32_t, TNo> no_;
};

// One circuit per chord: the chord put back into the forest closes exactly one circuit.
void MontarCompatibilidade(const TGrafo& grafo, const TIndiceRamos& indice, const TComponentes& comps,
                           TEquacoes& eq, TVigia& vigia) {
    const TFloresta floresta = FindFloresta(comps.Estrutura);
    const TArvoresEnraizadas arvores(floresta.Arvores);
    eq.A4 = TMatrizStr(floresta.Cordas.Count(), 2 * eq.N);
    for (int k = 0; k < floresta.Cordas.Count(); ++k) {
        vigia.Passo();
        const TRamo* corda = comps.Estrutura.FindRamo(floresta.Cordas[k]);
        if (corda == nullptr) continue;
        TListInt ramos, vertices;
        if (arvores.Circuito(*corda, ramos, vertices))
            PutEsforcosCaminho(grafo, indice, ramos, vertices, eq.A4, k);
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
    // The rows of each vertex identifier (one, unless a graph repeats an identifier).
    std::unordered_map<std::int32_t, std::vector<int>> linhasDe;
    int base = 0;
    for (const TGrafo& c : comps.Lista) {
        for (int j = 0; j < c.VerticeCount(); ++j)
            linhasDe[c.Vertice(j).Id].push_back(base + j);
        base += c.VerticeCount();
    }
    // Branch by branch, in order: a branch from a vertex to itself ends as -1, as written last.
    for (int t = 0; t < n; ++t) {
        const TRamo& r = grafo.Ramo(t);
        for (const auto& [v, texto] : {std::pair{r.Origem, "1"}, std::pair{r.Destino, "-1"}})
            if (const auto it = linhasDe.find(v); it != linhasDe.end())
                for (const int linha : it->second)
                    eq.A5.Put(linha, n + t, texto);
    }
    base = 0;
    for (const TGrafo& c : comps.Lista) {
        int melhor = -1, maior = -1;
        for (int j = 0; j < c.VerticeCount(); ++j) {
            vigia.Passo();
            const int conta = static_cast<int>(eq.A5.Celulas(base + j).size());
            if (conta > maior) {
                maior = conta;
                melhor = base + j;
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
