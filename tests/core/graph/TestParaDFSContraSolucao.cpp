// Independent cross-check of the conversion of a linear graph into a signal-flow diagram: for random
// valid networks of every element kind, the transfer function obtained through the diagram, the
// closing branch, Mason's loop sets and the assembly must equal, at random numeric points, the ratio
// obtained by solving the network directly (RedeLinear.h), for every source as input and for efforts
// and flows of branches and efforts between two vertices as outputs.

#include "RedeLinear.h"
#include "graph/UnitGrfEstrutura.h"
#include "graph/UnitGrfMason.h"
#include "graph/UnitGrfParaDFS.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

using namespace brelix;
using rede::Complex;
using rede::G;
using rede::Ganho;
using rede::Lei;
using rede::Rede;
using rede::Saida;

namespace {

const char* const kSimbolos[] = {"R1", "R2", "L1", "L2", "C1",  "C2",  "K1",  "K2",
                                 "N1", "N2", "G1", "G2", "Kee", "Kef", "Kfe", "Kff"};

template <class T> const T& Sortear(std::mt19937& rng, const std::vector<T>& v) {
    return v[rng() % v.size()];
}

Ganho GanhoImpedancia(std::mt19937& rng) {
    static const std::vector<Ganho> g = {G(1, "1", "R1"),
                                         G(1, "1", "R2"),
                                         G(1, "1", "L1", 1, 1),
                                         G(2, "2", "L2", 1, 1),
                                         G(1, "1", "C1", -1, -1),
                                         G(0.5, "0,5", "C2", -1, -1),
                                         G(3, "3"),
                                         G(0.5, "0,5"),
                                         G(2, "2", "", 1, 1),
                                         G(1, "1", "R1", -1)};
    return Sortear(rng, g);
}

Ganho GanhoControle(std::mt19937& rng) {
    static const std::vector<Ganho> g = {G(2, "2"),           G(-1, "-1"),           G(1, "1", "K1"),
                                         G(0.5, "0,5", "K2"), G(1, "1", "K1", 1, 1), G(1, "1", "R1", -1)};
    return Sortear(rng, g);
}

Ganho GanhoTransformador(std::mt19937& rng) {
    static const std::vector<Ganho> g = {G(1, "1", "N1"), G(2, "2"), G(1, "1", "N2", -1), G(-3, "-3")};
    return Sortear(rng, g);
}

Ganho GanhoGirador(std::mt19937& rng) {
    static const std::vector<Ganho> g = {G(1, "1", "G1"), G(3, "3"), G(0.5, "0,5", "G2", 1, 1)};
    return Sortear(rng, g);
}

// A generic two-port's four gains: mostly their own symbols, sometimes numbers, the symbol of an
// impedance or nothing (a null part).
std::vector<Ganho> GanhosQuadripolo(std::mt19937& rng) {
    static const char* const nomes[] = {"Kee", "Kef", "Kfe", "Kff"};
    std::vector<Ganho> g;
    for (const char* nome : nomes) {
        switch (rng() % 8) {
        case 0:
            g.push_back(G(2, "2"));
            break;
        case 1:
            g.push_back(G(1, "1", "R1", -1));
            break;
        case 2:
            g.push_back(G(1, "1", "R1"));
            break;
        case 3:
            g.push_back(Ganho{0, "0", {}, 1, 0, true});
            break;
        default:
            g.push_back(G(1, "1", nome));
        }
    }
    return g;
}

struct Aresta {
    int a = 0;
    int b = 0;
};

// Up to two components, each a ring of 2 to 4 vertices with up to two extra branches, so that every
// branch lies in a circuit; the elements are laid on the branches at random, a two-port taking two
// branches anywhere (possibly one in each component).
Rede RedeAleatoria(std::mt19937& rng) {
    Rede r;
    std::vector<int> ids(40);
    for (int i = 0; i < 40; ++i)
        ids[static_cast<std::size_t>(i)] = 3 * i + 2;
    std::shuffle(ids.begin(), ids.end(), rng);
    std::size_t proximo = 0;
    std::vector<Aresta> arestas;
    const int componentes = rng() % 5 == 0 ? 2 : 1;
    for (int c = 0; c < componentes; ++c) {
        const int k = 2 + static_cast<int>(rng() % 3);
        std::vector<int> vs(ids.begin() + static_cast<long>(proximo),
                            ids.begin() + static_cast<long>(proximo) + k);
        proximo += static_cast<std::size_t>(k);
        for (int v : vs)
            r.vertices.emplace_back(v, "v" + std::to_string(v));
        for (int i = 0; i < k; ++i)
            arestas.push_back({vs[static_cast<std::size_t>(i)], vs[static_cast<std::size_t>((i + 1) % k)]});
        const int extras = static_cast<int>(rng() % 3);
        for (int i = 0; i < extras; ++i) {
            const int a = vs[rng() % vs.size()];
            int b = vs[rng() % vs.size()];
            while (b == a)
                b = vs[rng() % vs.size()];
            arestas.push_back({a, b});
        }
    }
    std::shuffle(r.vertices.begin(), r.vertices.end(), rng);
    std::shuffle(arestas.begin(), arestas.end(), rng);
    for (Aresta& e : arestas)
        if (rng() % 2) std::swap(e.a, e.b);

    // Elements as units (a two-port is one unit of two ports), then laid out in a random order.
    std::vector<std::vector<rede::Elemento>> unidades;
    std::size_t i = 0;
    int numero = 0;
    while (i < arestas.size()) {
        // Impedances 9 in 24, each kind of independent source 3, each controlled source 1, transformers
        // and gyrators 2 each, generic two-ports 3.
        const auto sorte = rng() % 24;
        const bool dois = i + 1 < arestas.size();
        ++numero;
        const std::string n = std::to_string(numero);
        const Aresta e = arestas[i];
        if (dois && sorte >= 17) {
            const Aresta f = arestas[i + 1];
            i += 2;
            rede::Elemento p1, p2;
            const bool tr = sorte < 19, gy = !tr && sorte < 21;
            const std::string base = tr ? "Tr" : gy ? "Gy" : "Q";
            p1.tipo = tr ? kRamoTransformador1 : gy ? kRamoGirador1 : kRamoQuadripolo1;
            p2.tipo = p1.tipo + 1;
            p1.nome = base + n + "_P1";
            p2.nome = base + n + "_P2";
            p1.origem = e.a, p1.destino = e.b, p2.origem = f.a, p2.destino = f.b;
            p1.ganhos = tr   ? std::vector<Ganho>{GanhoTransformador(rng)}
                        : gy ? std::vector<Ganho>{GanhoGirador(rng)}
                             : GanhosQuadripolo(rng);
            p2.ganhos = p1.ganhos;
            unidades.push_back({p1, p2});
            continue;
        }
        ++i;
        rede::Elemento el;
        el.origem = e.a, el.destino = e.b;
        if (sorte < 9) {
            el.tipo = kRamoImpedancia, el.nome = "Z" + n, el.ganhos = {GanhoImpedancia(rng)};
        } else if (sorte < 12) {
            el.tipo = kRamoFonteEsforco, el.nome = "V" + n, el.ganhos = {G(1, "1")};
        } else if (sorte < 15) {
            el.tipo = kRamoFonteFluxo, el.nome = "J" + n, el.ganhos = {G(1, "1")};
        } else {
            el.tipo = sorte % 2 == 1 ? kRamoFonteEsforcoCtrl : kRamoFonteFluxoCtrl;
            el.nome = (sorte % 2 == 1 ? "CE" : "CF") + n;
            el.ganhos = {GanhoControle(rng)};
        }
        unidades.push_back({el});
    }
    // At least one independent source, so that there is an input.
    bool temFonte = false;
    for (const auto& u : unidades)
        temFonte |= u[0].tipo == kRamoFonteEsforco || u[0].tipo == kRamoFonteFluxo;
    if (!temFonte) {
        rede::Elemento& el = unidades[0][0];
        el.tipo = rng() % 2 ? kRamoFonteEsforco : kRamoFonteFluxo;
        el.nome = (el.tipo == kRamoFonteEsforco ? "V" : "J") + el.nome;
        el.ganhos = {G(1, "1")};
        if (unidades[0].size() == 2) { // the other port becomes an impedance of its own
            rede::Elemento outro = unidades[0][1];
            outro.tipo = kRamoImpedancia;
            outro.ganhos = {GanhoImpedancia(rng)};
            unidades[0].pop_back();
            unidades.push_back({outro});
        }
    }
    std::shuffle(unidades.begin(), unidades.end(), rng);
    for (const auto& u : unidades) {
        const int base = static_cast<int>(r.elementos.size());
        for (rede::Elemento el : u) {
            if (u.size() == 2) el.par = base + (el.tipo % 10 == 1 ? 1 : 0);
            r.elementos.push_back(el);
        }
    }
    // Controls point at the effort or flow of another branch.
    for (std::size_t k = 0; k < r.elementos.size(); ++k) {
        rede::Elemento& el = r.elementos[k];
        if (el.tipo != kRamoFonteEsforcoCtrl && el.tipo != kRamoFonteFluxoCtrl) continue;
        std::size_t alvo = rng() % r.elementos.size();
        if (alvo == k) alvo = (alvo + 1) % r.elementos.size();
        el.controle = (rng() % 2 ? "E(" : "F(") + r.elementos[alvo].nome + ")";
    }
    return r;
}

struct Ponto {
    rede::Valores valores;
    Complex s;
};

Ponto PontoAleatorio(std::mt19937& rng) {
    std::uniform_real_distribution<double> valor(0.5, 2.0);
    std::uniform_real_distribution<double> parte(0.2, 1.5);
    Ponto p;
    for (const char* nome : kSimbolos)
        p.valores[nome] = valor(rng);
    p.s = Complex(parte(rng), parte(rng));
    return p;
}

TListSimboloVal Lista(const rede::Valores& valores) {
    TListSimboloVal l;
    for (const auto& [nome, valor] : valores)
        l.AddSimbolo(nome, valor);
    return l;
}

bool Perto(Complex a, Complex b) {
    return std::abs(a - b) <= 1e-7 * std::max(1.0, std::max(std::abs(a), std::abs(b)));
}

struct Contagem {
    int grafos = 0;
    int semAtribuicao = 0;
    int funcoes = 0;
    int comparados = 0;
    int singulares = 0;
    int diferentes = 0;
    int intermediarias = 0; // diagrams with a gain carried through an intermediate variable
    std::string primeira;
};

// A diagram with its output variable and how the direct solution reads that output.
struct Alvo {
    const TGrafo* dfs = nullptr;
    std::string nome;
    Saida saida;
};

std::string Descrever(const Rede& r) {
    std::ostringstream os;
    for (const auto& e : r.elementos)
        os << e.nome << "(" << e.tipo << ") " << e.origem << "->" << e.destino << " [" << r.TextoGanho(e)
           << "]" << (e.controle.empty() ? "" : " ctrl " + e.controle) << "; ";
    return os.str();
}

void Comparar(const Rede& r, const Alvo& alvo, int fonte, std::mt19937& rng, Lei invertida, Contagem& c) {
    const rede::Elemento& f = r.elementos[static_cast<std::size_t>(fonte)];
    const std::string entrada = (f.tipo == kRamoFonteEsforco ? "E(" : "F(") + f.nome + ")";
    TGrafo g(*alvo.dfs);
    ASSERT_NE(AddRamoDFS(g, entrada, alvo.nome), nullptr) << entrada << " -> " << alvo.nome;
    TFuncao ft;
    ft.FromMason(MasonOS(g));
    ++c.funcoes;
    for (int k = 0; k < 2; ++k) {
        const Ponto p = PontoAleatorio(rng);
        rede::Solucao sol;
        if (!sol.Resolver(r, fonte, p.valores, p.s, invertida)) {
            ++c.singulares;
            continue;
        }
        const Complex esperado = sol.Ler(alvo.saida);
        const Complex obtido = ft.ValorEm(Lista(p.valores), p.s);
        ++c.comparados;
        if (Perto(esperado, obtido)) continue;
        if (++c.diferentes == 1) {
            std::ostringstream os;
            os << entrada << " -> " << alvo.nome << ": direct " << esperado << ", diagram " << obtido
               << " in " << Descrever(r);
            c.primeira = os.str();
        }
    }
}

// The element kind whose law the turned sign belongs to.
bool TemLei(const Rede& r, Lei lei) {
    int tipo = 0;
    switch (lei) {
    case Lei::Nenhuma:
        return true;
    case Lei::Impedancia:
        tipo = kRamoImpedancia;
        break;
    case Lei::Controlada:
        tipo = -1;
        break;
    case Lei::TransfEsforco:
    case Lei::TransfFluxo:
        tipo = kRamoTransformador1;
        break;
    case Lei::Girador1:
    case Lei::Girador2:
        tipo = kRamoGirador1;
        break;
    case Lei::Quadripolo1:
    case Lei::Quadripolo2:
        tipo = kRamoQuadripolo1;
        break;
    }
    for (const rede::Elemento& e : r.elementos) {
        if (e.tipo == tipo) return true;
        if (tipo < 0 && (e.tipo == kRamoFonteEsforcoCtrl || e.tipo == kRamoFonteFluxoCtrl)) return true;
    }
    return false;
}

// Converts a network and compares every source as input with several outputs: up to three
// variables of branches and the effort between two vertices of one component.
void CompararRede(const Rede& r, std::mt19937& rng, Lei invertida, Contagem& c) {
    const TGrafo grafo = r.Grafo();
    std::vector<std::string> curtos, soltos;
    ASSERT_TRUE(CheckEstrutura(grafo, curtos, soltos)) << Descrever(r);
    ++c.grafos;
    const TConversaoDFS conv = ConverterGrafoDFSVariavel(grafo);
    std::vector<int> fontes;
    for (std::size_t k = 0; k < r.elementos.size(); ++k)
        if (r.elementos[k].tipo == kRamoFonteEsforco || r.elementos[k].tipo == kRamoFonteFluxo)
            fontes.push_back(static_cast<int>(k));
    if (conv.Falha == TFalhaDFS::SemAtribuicao) {
        // No causal assignment means that the equations are structurally singular.
        ++c.semAtribuicao;
        rede::Solucao sol;
        const Ponto p = PontoAleatorio(rng);
        EXPECT_FALSE(sol.Resolver(r, fontes[0], p.valores, p.s)) << Descrever(r);
        return;
    }
    ASSERT_EQ(conv.Falha, TFalhaDFS::Nenhuma) << Descrever(r);
    ASSERT_TRUE(conv.Dfs.has_value());
    if (conv.Dfs->VerticeCount() > 2 * static_cast<int>(r.elementos.size())) ++c.intermediarias;

    std::vector<Alvo> alvos;
    for (int k = 0; k < 3; ++k) {
        const int e = static_cast<int>(rng() % r.elementos.size());
        const rede::Elemento& el = r.elementos[static_cast<std::size_t>(e)];
        const bool esforco = rng() % 2 == 0;
        // A source's own variable is an input, not an output.
        if ((esforco && el.tipo == kRamoFonteEsforco) || (!esforco && el.tipo == kRamoFonteFluxo)) continue;
        alvos.push_back({&*conv.Dfs, (esforco ? "E(" : "F(") + el.nome + ")",
                         Saida{esforco ? Saida::Esforco : Saida::Fluxo, e, 0, 0}});
    }
    // Two vertices of one branch's component: its ends, or an end and a vertex two steps away.
    const rede::Elemento& el = r.elementos[rng() % r.elementos.size()];
    int p = el.origem, n = el.destino;
    for (const rede::Elemento& o : r.elementos)
        if (rng() % 3 == 0 && o.origem == n && o.destino != p) n = o.destino;
    const TConversaoDFS entre = FindComponente(grafo, p, n);
    ASSERT_TRUE(entre.Encontrado());
    ASSERT_TRUE(entre.Dfs.has_value());
    alvos.push_back({&*entre.Dfs, NomeEsforcoEntre(p, n), Saida{Saida::Entre, 0, p, n}});

    for (int fonte : fontes)
        for (const Alvo& alvo : alvos)
            Comparar(r, alvo, fonte, rng, invertida, c);
}

} // namespace

TEST(ParaDFSContraSolucao, TransferFunctionsEqualTheDirectSolveOfTheNetwork) {
    std::mt19937 rng(20260101);
    Contagem c;
    const int kGrafos = 400;
    for (int i = 0; i < kGrafos; ++i)
        CompararRede(RedeAleatoria(rng), rng, Lei::Nenhuma, c);
    // Tried and skipped, for the record: the networks are random, the counts fixed by the seed and
    // the standard library's shuffles (with libstdc++: 400 tried, 71 skipped for want of a causal
    // assignment, 1405 functions, 2656 values compared, 154 singular points, 63 diagrams with an
    // intermediate variable).
    std::cout << "[ cross-check ] " << c.grafos << " graphs tried, " << c.semAtribuicao
              << " skipped without a causal assignment, " << c.funcoes << " transfer functions, "
              << c.comparados << " values compared, " << c.singulares << " singular points, "
              << c.intermediarias << " diagrams with intermediate variables\n";
    EXPECT_EQ(c.grafos, kGrafos);
    EXPECT_EQ(c.diferentes, 0) << c.primeira;
    // The comparison must have had material: most graphs convert and most points are regular. A
    // singular point is one of a network that is singular whatever its values (a gyrator with both
    // ports across one flow source, a controlled source that cancels the source it follows), which
    // a causal assignment cannot tell from the structure alone.
    EXPECT_LT(c.semAtribuicao, kGrafos / 4);
    EXPECT_GT(c.comparados, 5 * kGrafos);
    EXPECT_LT(c.singulares, c.comparados / 10);
    EXPECT_GT(c.intermediarias, 10);
}

// The comparison notices a wrong law: with the sign of one term of one element law turned over in
// the direct solution, the same networks disagree with their diagrams.
TEST(ParaDFSContraSolucao, ATurnedSignInAnyElementLawIsNoticed) {
    for (Lei lei : {Lei::Impedancia, Lei::Controlada, Lei::TransfEsforco, Lei::TransfFluxo, Lei::Girador1,
                    Lei::Girador2, Lei::Quadripolo1, Lei::Quadripolo2}) {
        std::mt19937 rng(20260101);
        Contagem c;
        while (c.grafos < 40) {
            const Rede r = RedeAleatoria(rng);
            if (TemLei(r, lei)) CompararRede(r, rng, lei, c);
        }
        EXPECT_GT(c.diferentes, c.comparados / 4) << "law " << static_cast<int>(lei);
    }
}

namespace {

// The diagram's own equations x = T.x + input, solved numerically: a check of a diagram too large
// for Mason's formula.
Complex ResolverDiagrama(const TGrafo& dfs, const std::string& entrada, const std::string& saida,
                         const rede::Valores& valores, Complex s) {
    const std::size_t n = static_cast<std::size_t>(dfs.VerticeCount());
    std::map<std::int32_t, std::size_t> pos;
    for (std::size_t i = 0; i < n; ++i)
        pos[dfs.Vertice(static_cast<int>(i)).Id] = i;
    std::vector<std::vector<Complex>> a(n, std::vector<Complex>(n + 1, 0.0));
    for (std::size_t i = 0; i < n; ++i)
        a[i][i] = 1.0;
    a[pos.at(dfs.FindVerticeId(entrada))][n] = 1.0;
    for (const auto& r : dfs.Ramos()) {
        const TGanho& g = *r->Ganho;
        Complex v = g.K() * std::pow(s, g.ExpS());
        if (g.HasSym()) v *= std::pow(valores.at(g.Sym()), g.ExpSym());
        a[pos.at(r->Destino)][pos.at(r->Origem)] -= v;
    }
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t piv = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::abs(a[r][c]) > std::abs(a[piv][c])) piv = r;
        std::swap(a[c], a[piv]);
        for (std::size_t r = c + 1; r < n; ++r) {
            if (a[r][c] == Complex(0.0)) continue;
            const Complex f = a[r][c] / a[c][c];
            for (std::size_t k = c; k <= n; ++k)
                a[r][k] -= f * a[c][k];
        }
    }
    std::vector<Complex> x(n);
    for (std::size_t i = n; i-- > 0;) {
        Complex soma = a[i][n];
        for (std::size_t k = i + 1; k < n; ++k)
            soma -= a[i][k] * x[k];
        x[i] = soma / a[i][i];
    }
    return x[pos.at(dfs.FindVerticeId(saida))];
}

} // namespace

// A ladder of 70 RLC sections (211 branches) converts without a deep stack or a search that
// backtracks, and its diagram solves to the network's own solution.
TEST(ParaDFSContraSolucao, LargeLadderConvertsToTheRightDiagram) {
    const int secoes = 70;
    Rede r;
    r.vertices.emplace_back(1, "Terra");
    r.vertices.emplace_back(2, "N0");
    for (int k = 1; k <= secoes; ++k) {
        r.vertices.emplace_back(2 * k + 1, "M" + std::to_string(k));
        r.vertices.emplace_back(2 * k + 2, "N" + std::to_string(k));
    }
    r.elementos.push_back({kRamoFonteEsforco, "Vs", 2, 1, {G(1, "1")}, {}, -1});
    for (int k = 1; k <= secoes; ++k) {
        r.elementos.push_back(
            {kRamoImpedancia, "R" + std::to_string(k), 2 * k, 2 * k + 1, {G(1, "1", "R1")}, {}, -1});
        r.elementos.push_back({kRamoImpedancia,
                               "L" + std::to_string(k),
                               2 * k + 1,
                               2 * k + 2,
                               {G(1, "1", "L1", 1, 1)},
                               {},
                               -1});
        r.elementos.push_back(
            {kRamoImpedancia, "C" + std::to_string(k), 2 * k + 2, 1, {G(1, "1", "C1", -1, -1)}, {}, -1});
    }
    const TGrafo grafo = r.Grafo();
    const TConversaoDFS c = ConverterGrafoDFSVariavel(grafo);
    ASSERT_EQ(c.Falha, TFalhaDFS::Nenhuma);
    ASSERT_TRUE(c.Dfs.has_value());
    EXPECT_EQ(c.Dfs->VerticeCount(), 2 * static_cast<int>(r.elementos.size()));

    std::mt19937 rng(5);
    const Ponto p = PontoAleatorio(rng);
    rede::Solucao sol;
    ASSERT_TRUE(sol.Resolver(r, 0, p.valores, p.s));
    for (int k : {1, secoes / 2, secoes}) {
        const int capacitor = 3 * k; // Vs, then R, L, C per section
        const Complex esperado = sol.Ler(Saida{Saida::Esforco, capacitor, 0, 0});
        const Complex obtido =
            ResolverDiagrama(*c.Dfs, "E(Vs)", "E(C" + std::to_string(k) + ")", p.valores, p.s);
        EXPECT_TRUE(Perto(esperado, obtido)) << k << ": " << esperado << " vs " << obtido;
    }
}
