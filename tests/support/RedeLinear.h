#pragma once

// A linear network solved directly, apart from the conversion's own equations: node potentials and
// branch flows, one reference vertex per connected component, and the element laws written out
// here. A branch's effort is the potential of its origin minus that of its destination; its flow
// leaves the origin.

#include "support/SolucaoLinear.h"

#include "graph/UnitGrfGrafo.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

namespace rede {

using apoio::Complexo;
using apoio::ValoresSimbolos;

// A gain kept as numbers, so that the network is evaluated without the gain parser. A null gain is
// written as an empty text (a missing part of a two-port's gains).
struct Ganho {
    double k = 1.0;
    std::string kTexto = "1";
    std::string sym; // empty: none
    int expSym = 1;
    int expS = 0;
    bool nulo = false;

    std::string Texto() const {
        if (nulo) return {};
        std::string t = kTexto != "1" || (sym.empty() && expS == 0) ? kTexto : "";
        const auto juntar = [&](const std::string& p) { t += (t.empty() ? "" : ".") + p; };
        if (!sym.empty()) juntar(expSym == 1 ? sym : sym + "^" + std::to_string(expSym));
        if (expS != 0) juntar(expS == 1 ? std::string("S") : "S^" + std::to_string(expS));
        return t;
    }

    Complexo Valor(const ValoresSimbolos& valores, Complexo s) const {
        if (nulo) return 0.0;
        Complexo v = k * std::pow(s, expS);
        if (!sym.empty()) v *= std::pow(valores.at(sym), expSym);
        return v;
    }
};

inline Ganho G(double k, std::string kTexto, std::string sym = {}, int expSym = 1, int expS = 0) {
    return Ganho{k, std::move(kTexto), std::move(sym), expSym, expS, false};
}

inline const Ganho kNulo{0, "0", {}, 1, 0, true};

struct Elemento {
    int tipo = brelix::kRamoImpedancia;
    std::string nome;
    int origem = 0;
    int destino = 0;
    std::vector<Ganho> ganhos; // one; four for a generic two-port (Kee, Kef, Kfe, Kff)
    std::string controle;      // E(name) or F(name) for a controlled source
    int par = -1;              // a two-port port: the position of the other port's element
};

struct Rede {
    std::vector<std::pair<int, std::string>> vertices; // identifier, name
    std::vector<Elemento> elementos;                   // in branch order; identifiers 1, 2, ...

    std::string TextoGanho(const Elemento& e) const {
        if (e.tipo != brelix::kRamoQuadripolo1 && e.tipo != brelix::kRamoQuadripolo2)
            return e.ganhos.front().Texto();
        const Elemento& p1 =
            e.tipo == brelix::kRamoQuadripolo1 ? e : elementos[static_cast<std::size_t>(e.par)];
        std::string t;
        for (std::size_t i = 0; i < p1.ganhos.size(); ++i)
            t += (i == 0 ? "" : ";") + p1.ganhos[i].Texto();
        while (!t.empty() && t.back() == ';') // null parts at the end are left out
            t.pop_back();
        return t;
    }

    // The graph a document builder would make: vertices first, then branches 1, 2, ... with the two
    // ports of a two-port naming each other.
    brelix::TGrafo Grafo() const {
        brelix::TGrafo g(true);
        for (const auto& [id, nome] : vertices)
            g.AddVertice(id, nome);
        for (std::size_t i = 0; i < elementos.size(); ++i) {
            const Elemento& e = elementos[i];
            g.AddRamo(static_cast<int>(i) + 1, e.tipo, e.nome, TextoGanho(e), e.origem, e.destino, 0, 0,
                      e.par < 0 ? 0 : e.par + 1, e.controle);
        }
        return g;
    }

    int Posicao(const std::string& nome) const {
        for (std::size_t i = 0; i < elementos.size(); ++i)
            if (elementos[i].nome == nome) return static_cast<int>(i);
        return -1;
    }
};

// The network of a linear graph, each gain text read by `ler` (a part of a two-port's text each).
inline Rede DeGrafo(const brelix::TGrafo& g, const std::function<Ganho(const std::string&)>& ler) {
    Rede r;
    for (const auto& v : g.Vertices())
        r.vertices.emplace_back(v->Id, v->Nome);
    for (const auto& b : g.Ramos()) {
        Elemento e{b->Tipo, b->Nome, b->Origem, b->Destino, {}, b->Controle, -1};
        std::string parte;
        for (const char c : b->TextoGanho + ";") {
            if (c != ';') {
                parte += c;
                continue;
            }
            e.ganhos.push_back(parte.empty() ? kNulo : ler(parte));
            parte.clear();
        }
        e.ganhos.resize(std::max<std::size_t>(e.ganhos.size(), 4), kNulo);
        for (std::size_t i = 0; i < g.Ramos().size(); ++i)
            if (b->Par != 0 && g.Ramos()[i]->Id == b->Par) e.par = static_cast<int>(i);
        r.elementos.push_back(std::move(e));
    }
    return r;
}

// Signs of the element laws, each of which can be turned over to show that a comparison notices.
enum class Lei {
    Nenhuma,
    Impedancia,
    Controlada,
    TransfEsforco,
    TransfFluxo,
    Girador1,
    Girador2,
    Quadripolo1,
    Quadripolo2
};

// What is read from a solution: the effort or flow of an element, or the effort between two vertices.
struct Saida {
    enum Tipo { Esforco, Fluxo, Entre } tipo = Esforco;
    int elemento = 0;
    int positivo = 0;
    int negativo = 0;
};

class Solucao {
public:
    // Solves the network with the source at position `fonte` set to 1 and every other source to 0.
    // False when the system is singular at this point.
    bool Resolver(const Rede& rede, int fonte, const ValoresSimbolos& valores, Complexo s,
                  Lei invertida = Lei::Nenhuma) {
        rede_ = &rede;
        Indexar();
        std::vector<std::vector<Complexo>> a;
        std::vector<Complexo> b;
        const auto linha = [&]() -> std::vector<Complexo>& {
            b.push_back(0.0);
            return a.emplace_back(incognitas_, Complexo(0.0));
        };
        const auto sinal = [&](Lei l) { return l == invertida ? -1.0 : 1.0; };
        const auto ganho = [&](std::size_t e, std::size_t i) {
            return rede.elementos[e].ganhos[i].Valor(valores, s);
        };

        // Flow continuity at every vertex but the references.
        for (std::size_t v = 0; v < rede.vertices.size(); ++v) {
            if (potencial_[v] < 0) continue;
            auto& l = linha();
            for (std::size_t e = 0; e < rede.elementos.size(); ++e) {
                if (rede.elementos[e].origem == rede.vertices[v].first) l[Fluxo(e)] += 1.0;
                if (rede.elementos[e].destino == rede.vertices[v].first) l[Fluxo(e)] -= 1.0;
            }
        }
        for (std::size_t e = 0; e < rede.elementos.size(); ++e) {
            auto& l = linha();
            const std::size_t p = Par(e);
            switch (rede.elementos[e].tipo) {
            case brelix::kRamoImpedancia: // E = Z.F
                AddEsforco(l, e, 1.0);
                l[Fluxo(e)] -= sinal(Lei::Impedancia) * ganho(e, 0);
                break;
            case brelix::kRamoFonteEsforco:
            case brelix::kRamoFonteFluxo:
                if (rede.elementos[e].tipo == brelix::kRamoFonteEsforco)
                    AddEsforco(l, e, 1.0);
                else
                    l[Fluxo(e)] = 1.0;
                b.back() = static_cast<int>(e) == fonte ? 1.0 : 0.0;
                break;
            case brelix::kRamoFonteEsforcoCtrl: // E = K.Y
            case brelix::kRamoFonteFluxoCtrl:   // F = K.Y
                if (rede.elementos[e].tipo == brelix::kRamoFonteEsforcoCtrl)
                    AddEsforco(l, e, 1.0);
                else
                    l[Fluxo(e)] += 1.0;
                AddVariavel(l, rede.elementos[e].controle, -sinal(Lei::Controlada) * ganho(e, 0));
                break;
            case brelix::kRamoTransformador1: // E1 = N.E2
                AddEsforco(l, e, 1.0);
                AddEsforco(l, p, -sinal(Lei::TransfEsforco) * ganho(e, 0));
                break;
            case brelix::kRamoTransformador2: // F2 = -N.F1
                l[Fluxo(e)] += 1.0;
                l[Fluxo(p)] += sinal(Lei::TransfFluxo) * ganho(p, 0);
                break;
            case brelix::kRamoGirador1: // E2 = G.F1
                AddEsforco(l, p, 1.0);
                l[Fluxo(e)] -= sinal(Lei::Girador1) * ganho(e, 0);
                break;
            case brelix::kRamoGirador2: // E1 = -G.F2
                AddEsforco(l, p, 1.0);
                l[Fluxo(e)] += sinal(Lei::Girador2) * ganho(p, 0);
                break;
            case brelix::kRamoQuadripolo1: // E2 = Kee.E1 + Kef.F1
                AddEsforco(l, p, 1.0);
                AddEsforco(l, e, -sinal(Lei::Quadripolo1) * ganho(e, 0));
                l[Fluxo(e)] -= ganho(e, 1);
                break;
            case brelix::kRamoQuadripolo2: // F2 = -(Kfe.E1 + Kff.F1)
                l[Fluxo(e)] += 1.0;
                AddEsforco(l, p, ganho(p, 2));
                l[Fluxo(p)] += sinal(Lei::Quadripolo2) * ganho(p, 3);
                break;
            default:
                return false;
            }
        }
        return a.size() == incognitas_ && apoio::Resolver(std::move(a), std::move(b), x_);
    }

    Complexo Ler(const Saida& saida) const {
        switch (saida.tipo) {
        case Saida::Esforco: {
            const Elemento& e = rede_->elementos[static_cast<std::size_t>(saida.elemento)];
            return Potencial(e.origem) - Potencial(e.destino);
        }
        case Saida::Fluxo:
            return x_[Fluxo(static_cast<std::size_t>(saida.elemento))];
        case Saida::Entre:
            return Potencial(saida.positivo) - Potencial(saida.negativo);
        }
        return 0.0;
    }

private:
    // Unknowns: the potentials of the vertices that are not references, then one flow per branch.
    void Indexar() {
        const auto& vs = rede_->vertices;
        std::vector<std::size_t> raiz(vs.size());
        std::iota(raiz.begin(), raiz.end(), 0);
        const auto achar = [&](std::size_t i) {
            while (raiz[i] != i)
                i = raiz[i] = raiz[raiz[i]];
            return i;
        };
        for (const Elemento& e : rede_->elementos) {
            const std::size_t a = achar(Posicao(e.origem)), b = achar(Posicao(e.destino));
            if (a != b) raiz[std::max(a, b)] = std::min(a, b);
        }
        potencial_.assign(vs.size(), -1);
        int n = 0;
        for (std::size_t i = 0; i < vs.size(); ++i)
            if (achar(i) != i) potencial_[i] = n++; // the first vertex of each component is its reference
        primeiroFluxo_ = static_cast<std::size_t>(n);
        incognitas_ = primeiroFluxo_ + rede_->elementos.size();
    }

    std::size_t Posicao(int id) const {
        const auto& vs = rede_->vertices;
        return static_cast<std::size_t>(
            std::find_if(vs.begin(), vs.end(), [&](const auto& v) { return v.first == id; }) - vs.begin());
    }
    std::size_t Fluxo(std::size_t e) const { return primeiroFluxo_ + e; }
    std::size_t Par(std::size_t e) const { return static_cast<std::size_t>(rede_->elementos[e].par); }

    void AddPotencial(std::vector<Complexo>& l, int id, Complexo c) const {
        const int p = potencial_[Posicao(id)];
        if (p >= 0) l[static_cast<std::size_t>(p)] += c;
    }
    void AddEsforco(std::vector<Complexo>& l, std::size_t e, Complexo c) const {
        AddPotencial(l, rede_->elementos[e].origem, c);
        AddPotencial(l, rede_->elementos[e].destino, -c);
    }
    void AddVariavel(std::vector<Complexo>& l, const std::string& nome, Complexo c) const {
        for (std::size_t e = 0; e < rede_->elementos.size(); ++e) {
            const std::string& n = rede_->elementos[e].nome;
            if (nome == "E(" + n + ")") AddEsforco(l, e, c);
            if (nome == "F(" + n + ")") l[Fluxo(e)] += c;
        }
    }

    Complexo Potencial(int id) const {
        const int p = potencial_[Posicao(id)];
        return p < 0 ? Complexo(0.0) : x_[static_cast<std::size_t>(p)];
    }

    const Rede* rede_ = nullptr;
    std::vector<int> potencial_;
    std::size_t primeiroFluxo_ = 0;
    std::size_t incognitas_ = 0;
    std::vector<Complexo> x_;
};

} // namespace rede
