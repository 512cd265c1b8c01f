#include "system/UnitSisSistema.h"

#include "symbolic/UnitFTProgresso.h"
#include "symbolic/UnitPropGanho.h"
#include "system/UnitSisRamos.h"
#include "system/UnitSisTipo.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

// The conversion of a system into a linear graph, by the mobility analogy: across variables
// (voltage, velocity, angular velocity, pressure) are efforts and through variables (current, force,
// torque, volume flow) are flows. It runs in four stages, always in this order: wired vertices merge,
// wires between two components get a vertex of their own, vertices are numbered domain by domain, and
// the graph is built.

namespace brelix {

namespace {

// A mechanical or hydraulic domain: every one has a single reference vertex, and its mass-like
// components (masses, inertias, reservoirs) are branches from their own vertex to that reference.
struct TDominioRef {
    std::int32_t Dominio;
    std::int32_t Vertice;
    std::int32_t Massa1;
    std::int32_t Massa2;
    std::int32_t Referencia;
    std::string_view NomeReferencia; // of the reference vertex added when none is drawn
};

constexpr TDominioRef kDominiosRef[] = {
    {kDominioTranslacional, kTipoMctVertice, kTipoMctMassa, kTipoMctMassaAtrito, kTipoMctReferencia,
     "RefMct"},
    {kDominioRotacional, kTipoMcrVertice, kTipoMcrInercia, kTipoMcrInerciaAtrito, kTipoMcrReferencia,
     "RefMcr"},
    {kDominioHidraulico, kTipoHidVertice, kTipoHidReservatorio1Cnt, kTipoHidReservatorio2Cnt,
     kTipoHidReferencia, "RefHid"},
};

bool EhMassa(const TDominioRef& d, const TElemento& e) {
    return e.Tipo == d.Massa1 || e.Tipo == d.Massa2;
}

// Halfway between two positions, rounded towards zero to the 5-pixel grid.
std::int32_t Meio(std::int32_t p1, std::int32_t p2) {
    return static_cast<std::int32_t>((std::int64_t{p1} + p2) / 10 * 5);
}

// The check before the conversion refuses the gains that have no transformed text.
std::string GanhoDoRamo(const TElemento& e, const TRamoDoTipo& r) {
    std::string texto = e.GainPart(r.Parte);
    if (r.Transf == TTransfGanho::Nenhuma) return texto;
    return GanhoTransformado(std::move(texto), r.Transf).Texto();
}

} // namespace

TConversaoSistema TSistema::Converter(std::vector<std::string>* adicionados,
                                      std::vector<std::string>* removidos, TProgresso* progresso) {
    IniciarEtapa(progresso, TEtapaAnalise::SistemaParaGrafo);
    TConversaoSistema resultado;
    resultado.Problemas = Verificar();
    if (!resultado.Problemas.empty()) return resultado;
    convertido_ = true;
    // A wire merged or split, or a component's branches built, costs a walk over the wires.
    TVigia vigia(progresso, 16);
    UnirVertices(removidos, vigia);
    DividirConexoes(adicionados, vigia);
    NumerarVertices();
    return ConstruirGrafo(vigia);
}

// Vertices wired to each other are one node: the first end of each such wire takes over the wires
// of the second, which disappears. A chain or a ring of wired vertices collapses into its first vertex; a
// wire that a ring has turned into a loop on one vertex just goes.
//
// The wires are walked once, in order. Each element's wires are kept in a table, so that moving the
// wires of the removed vertex touches those wires only, not every wire of the system; a wire taken
// out of the walk leaves the table, and the lists are compacted at the end.
void TSistema::UnirVertices(std::vector<std::string>* removidos, TVigia& vigia) {
    const int n = conexoes_.Count();
    std::unordered_map<const TConexao*, int> posicao;
    std::unordered_map<const TElemento*, std::vector<TConexao*>> fios;
    for (int i = 0; i < n; ++i) {
        TConexao& c = conexoes_.At(i);
        posicao.emplace(&c, i);
        for (const TElemento* e : {c.Elemento1(), c.Elemento2()})
            if (e != nullptr) fios[e].push_back(&c);
    }
    std::unordered_set<const TConexao*> retirados;
    std::unordered_set<const TElemento*> eliminados;
    // The live wires that hold the element at an end, in list order, each once.
    const auto fiosDe = [&](const TElemento* e) {
        std::vector<TConexao*>& lista = fios[e];
        std::erase_if(lista, [&](const TConexao* c) {
            return retirados.contains(c) || (c->Elemento1() != e && c->Elemento2() != e);
        });
        std::sort(lista.begin(), lista.end(),
                  [&](const TConexao* a, const TConexao* b) { return posicao.at(a) < posicao.at(b); });
        lista.erase(std::unique(lista.begin(), lista.end()), lista.end());
        return lista;
    };
    for (int i = 0; i < n; ++i) {
        vigia.Passo();
        TConexao& c = conexoes_.At(i);
        if (c.Elemento1() == nullptr || c.Elemento2() == nullptr || c.Elemento1()->Componente ||
            c.Elemento2()->Componente)
            continue;
        TElemento* mantido = c.Elemento1();
        const TElemento* removido = c.Elemento2();
        if (mantido != removido) {
            if (removidos != nullptr) removidos->push_back(removido->Nome);
            // Every wire of a vertex ends on its terminal 1, so all of the removed vertex's wires move.
            const std::int32_t antigo = c.Terminal2;
            const std::int32_t novo = c.Terminal1;
            std::vector<TElemento*> vizinhos;
            for (TConexao* w : fiosDe(removido)) {
                for (TElemento* e : {w->Elemento1(), w->Elemento2()})
                    if (e != nullptr && e != removido) vizinhos.push_back(e);
                w->Redirect(antigo, novo, mantido, removido);
                fios[mantido].push_back(w);
            }
            // What still holds the removed vertex lets it go; it is freed with the others at the end.
            for (TConexao* w : fiosDe(removido))
                w->ForgetElemento(removido);
            for (TElemento* e : vizinhos)
                e->ForgetNeighbour(removido);
            eliminados.insert(removido);
            fios.erase(removido);
        }
        retirados.insert(&c);
    }
    conexoes_.RemoveAll(retirados);
    elementos_.RemoveAll(eliminados);
}

// A wire straight from one component to another gets a vertex of its domain halfway between them;
// the two new wires go to the end of the list, after the wires that are kept, in the order made.
void TSistema::DividirConexoes(std::vector<std::string>* adicionados, TVigia& vigia) {
    std::vector<TConexao*> diretas;
    for (TConexao& c : conexoes_)
        if (c.Elemento1() != nullptr && c.Elemento2() != nullptr && c.Elemento1()->Componente &&
            c.Elemento2()->Componente)
            diretas.push_back(&c);
    std::unordered_set<const TConexao*> retiradas;
    for (TConexao* c : diretas) {
        vigia.Passo();
        TElemento* e1 = c->Elemento1();
        TElemento* e2 = c->Elemento2();
        const std::int32_t t1 = c->Terminal1;
        const std::int32_t t2 = c->Terminal2;
        const std::int32_t dominio = c->Dominio;

        const std::int32_t id = NovoId();
        ++contVertices_;
        std::string nome = "_Vertice" + std::to_string(contVertices_);
        if (adicionados != nullptr) adicionados->push_back(nome);
        TElemento& vertice =
            NovoElemento(id, dominio, false, {}, {}, 0, Meio(e1->Top, e2->Top), Meio(e1->Left, e2->Left),
                         std::move(nome), TipoVerticeDoDominio(dominio));
        retiradas.insert(c);
        conexoes_.Add(NovoId(), dominio, e1, t1, &vertice, 1);
        conexoes_.Add(NovoId(), dominio, e2, t2, &vertice, 1);
    }
    conexoes_.RemoveAll(retiradas);
}

void TSistema::NumerarVertices() {
    if (Contagem(kDominioEletrico) > 0) {
        std::int32_t n = 0;
        for (TElemento& e : elementos_)
            if (e.Tipo == kTipoEleVertice) e.Numero = ++n;
        numeros_[IndiceDominio(kDominioEletrico)] = n;
    }
    // Vertex numbers are never shared between domains: each domain starts after the ones before it.
    std::int32_t base = numeros_[IndiceDominio(kDominioEletrico)];
    for (const TDominioRef& d : kDominiosRef) {
        if (Contagem(d.Dominio) == 0) continue;
        NumerarDominio(d.Dominio, base);
        base += numeros_[IndiceDominio(d.Dominio)];
    }
}

void TSistema::NumerarDominio(std::int32_t dominio, std::int32_t base) {
    const TDominioRef& d = *std::find_if(std::begin(kDominiosRef), std::end(kDominiosRef),
                                         [&](const TDominioRef& x) { return x.Dominio == dominio; });
    // The reference takes the domain's first number.
    const std::int32_t ref = base + 1;
    std::int32_t usados = 1;
    referencias_[IndiceDominio(dominio)] = ref;

    // Every drawn reference grounds the vertex on its terminal, and together they are one vertex.
    bool referenciaDesenhada = false;
    for (TElemento& e : elementos_) {
        if (e.Tipo != d.Referencia || !e.Componente) continue;
        e.Numero = ref;
        if (TElemento* v = e.Neighbour(1)) v->Numero = ref;
        referenciaDesenhada = true;
    }
    if (!referenciaDesenhada) {
        TElemento& r = NovoElemento(NovoId(), dominio, false, {}, {}, 0, 260, 260,
                                    std::string(d.NomeReferencia), d.Referencia);
        r.Numero = ref;
    }

    // A mass-like component and the vertices on its two sides are one graph vertex (the mass's
    // velocity, measured against the reference); a side on the reference stays the reference. A
    // one-connection reservoir's second side is the reference itself.
    const auto livreOuRef = [ref](std::int32_t x) { return x == 0 || x == ref; };
    for (TElemento& e : elementos_) {
        if (!EhMassa(d, e)) continue;
        const bool umLado = e.Tipo == kTipoHidReservatorio1Cnt;
        TElemento* lado1 = e.Neighbour(1);
        TElemento* lado2 = umLado ? nullptr : e.Neighbour(2);
        const std::int32_t a = lado1 != nullptr ? lado1->Numero : 0;
        const std::int32_t b = umLado ? ref : (lado2 != nullptr ? lado2->Numero : 0);
        std::int32_t numero = 0;
        if ((a == 0 && livreOuRef(b)) || (b == 0 && a == ref)) {
            numero = base + ++usados;
        } else if (livreOuRef(a) && b != ref) {
            numero = b;
        } else if (livreOuRef(b) && a != ref) {
            numero = a;
        } else if (a == b) {
            numero = a;
        } else {
            // Two numbered sides join: the larger number gives way to the smaller everywhere.
            numero = std::min(a, b);
            const std::int32_t maior = std::max(a, b);
            for (TElemento& x : elementos_)
                if (x.Numero == maior) x.Numero = numero;
        }
        e.Numero = numero;
        if (lado1 != nullptr && lado1->Numero == 0) lado1->Numero = numero;
        if (lado2 != nullptr && lado2->Numero == 0) lado2->Numero = numero;
    }

    for (TElemento& e : elementos_) {
        if (e.Tipo != d.Vertice || e.Numero != 0) continue;
        e.Numero = base + ++usados;
        e.VerticeProprio = true;
    }
    numeros_[IndiceDominio(dominio)] = usados;
}

TConversaoSistema TSistema::ConstruirGrafo(TVigia& vigia) const {
    TConversaoSistema resultado;
    auto grafo = std::make_unique<TGrafo>(true);

    // A graph vertex per number: each is added once, under the name of the first element that
    // stands for it.
    std::unordered_set<std::int32_t> numerosAdicionados;
    const auto adicionar = [&](const TElemento& e) {
        if (numerosAdicionados.insert(e.Numero).second) grafo->AddVertice(e.Numero, e.Nome, e.Left, e.Top);
    };
    if (Contagem(kDominioEletrico) > 0)
        for (const TElemento& e : elementos_)
            if (e.Tipo == kTipoEleVertice) adicionar(e);
    for (const TDominioRef& d : kDominiosRef) {
        if (Contagem(d.Dominio) == 0) continue;
        const std::int32_t ref = Referencia(d.Dominio);
        for (const TElemento& e : elementos_) {
            // A mass on the reference at both sides is no vertex of its own: the reference keeps its name.
            const bool entra = (e.Tipo == d.Vertice && e.VerticeProprio) ||
                               (EhMassa(d, e) && e.Numero != ref) || e.Tipo == d.Referencia;
            if (entra) adicionar(e);
        }
    }

    // The vertex number at a branch end: the vertex on a terminal, the element's own vertex, or the
    // reference of the domain the other end lies in.
    const auto ponto = [&](const TElemento& e, std::int32_t p, std::int32_t outro) -> std::int32_t {
        if (p == kPontoProprio) return e.Numero;
        if (p == kPontoReferencia)
            return Referencia(outro >= 1 ? DominioDoTerminal(e.Tipo, outro) : DominioDoTipo(e.Tipo));
        const TElemento* v = e.Neighbour(p);
        return v != nullptr ? v->Numero : 0;
    };

    // Controlled sources come last, so that every branch a control variable may name exists first.
    std::int32_t n = 0;
    for (const bool controladas : {false, true}) {
        for (const TElemento& e : elementos_) {
            vigia.Passo();
            if (!e.Componente || TipoEhFonteCtrl(e.Tipo) != controladas) continue;
            const auto ramos = RamosDoTipo(e.Tipo);
            for (std::size_t k = 0; k < ramos.size(); ++k) {
                const TRamoDoTipo& r = ramos[k];
                ++n;
                std::int32_t par = 0;
                if (RamoEhPorta1(r.TipoRamo))
                    par = n + 1;
                else if (k > 0 && RamoEhPorta1(ramos[k - 1].TipoRamo))
                    par = n - 1;
                const TRamo* ramo =
                    grafo->AddRamo(n, r.TipoRamo, e.Nome + std::string(r.Sufixo), GanhoDoRamo(e, r),
                                   ponto(e, r.Origem, r.Destino), ponto(e, r.Destino, r.Origem), e.Left,
                                   e.Top, par, controladas ? e.VarControle : std::string());
                if (ramo == nullptr) {
                    resultado.Problemas.push_back("O elemento " + e.Nome + " não pôde ser ligado ao grafo.");
                    return resultado;
                }
            }
        }
    }
    resultado.Grafo = std::move(grafo);
    return resultado;
}

} // namespace brelix
