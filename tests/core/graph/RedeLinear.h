#pragma once

// A linear network solved directly, for the cross-checks of the conversion to a signal-flow diagram:
// node potentials and branch flows, one reference vertex per connected component, and the element
// laws written out here, apart from the conversion's own equations. A branch's effort is the
// potential of its origin minus that of its destination.

#include "graph/UnitGrfGrafo.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <map>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace rede {

using Complex = std::complex<double>;
using Valores = std::map<std::string, double>;

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
        std::vector<std::string> partes;
        if (kTexto != "1" || (sym.empty() && expS == 0)) partes.push_back(kTexto);
        if (!sym.empty()) partes.push_back(expSym == 1 ? sym : sym + "^" + std::to_string(expSym));
        if (expS != 0) partes.push_back(expS == 1 ? std::string("S") : "S^" + std::to_string(expS));
        std::string t;
        for (const auto& p : partes)
            t += (t.empty() ? "" : ".") + p;
        return t;
    }

    Complex Valor(const Valores& valores, Complex s) const {
        if (nulo) return 0.0;
        Complex v = k * std::pow(s, expS);
        if (!sym.empty()) v *= std::pow(valores.at(sym), expSym);
        return v;
    }
};

inline Ganho G(double k, std::string kTexto, std::string sym = {}, int expSym = 1, int expS = 0) {
    return Ganho{k, std::move(kTexto), std::move(sym), expSym, expS, false};
}

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
        // Null parts at the end are left out: a text of fewer than four parts.
        while (!t.empty() && t.back() == ';')
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
            const int id = static_cast<int>(i) + 1;
            const int par = e.par < 0 ? 0 : e.par + 1;
            g.AddRamo(id, e.tipo, e.nome, TextoGanho(e), e.origem, e.destino, 0, 0, par, e.controle);
        }
        return g;
    }
};

// Signs of the element laws, each of which can be turned over to show that the comparison notices.
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
    bool Resolver(const Rede& rede, int fonte, const Valores& valores, Complex s,
                  Lei invertida = Lei::Nenhuma) {
        rede_ = &rede;
        Indexar();
        const std::size_t nu = incognitas_;
        std::vector<std::vector<Complex>> a;
        auto linha = [&]() -> std::vector<Complex>& { return a.emplace_back(nu + 1, Complex(0.0)); };
        const double sinal = -1.0;
        auto inv = [&](Lei l) { return l == invertida ? sinal : 1.0; };

        // Flow continuity at every vertex but the references.
        for (std::size_t v = 0; v < rede.vertices.size(); ++v) {
            if (potencial_[v] < 0) continue;
            auto& l = linha();
            for (std::size_t b = 0; b < rede.elementos.size(); ++b) {
                if (rede.elementos[b].origem == rede.vertices[v].first) l[Fluxo(b)] += 1.0;
                if (rede.elementos[b].destino == rede.vertices[v].first) l[Fluxo(b)] -= 1.0;
            }
        }
        for (std::size_t b = 0; b < rede.elementos.size(); ++b) {
            const Elemento& e = rede.elementos[b];
            auto& l = linha();
            const Complex g = e.ganhos.front().Valor(valores, s);
            switch (e.tipo) {
            case brelix::kRamoImpedancia: // E = Z.F
                AddEsforco(l, b, 1.0);
                l[Fluxo(b)] -= inv(Lei::Impedancia) * g;
                break;
            case brelix::kRamoFonteEsforco:
                AddEsforco(l, b, 1.0);
                l[nu] = static_cast<int>(b) == fonte ? 1.0 : 0.0;
                break;
            case brelix::kRamoFonteFluxo:
                l[Fluxo(b)] = 1.0;
                l[nu] = static_cast<int>(b) == fonte ? 1.0 : 0.0;
                break;
            case brelix::kRamoFonteEsforcoCtrl: // E = K.Y
            case brelix::kRamoFonteFluxoCtrl: { // F = K.Y
                if (e.tipo == brelix::kRamoFonteEsforcoCtrl)
                    AddEsforco(l, b, 1.0);
                else
                    l[Fluxo(b)] += 1.0;
                AddVariavel(l, e.controle, -inv(Lei::Controlada) * g);
                break;
            }
            case brelix::kRamoTransformador1: // E1 = N.E2
                AddEsforco(l, b, 1.0);
                AddEsforco(l, Par(b), -inv(Lei::TransfEsforco) * g);
                break;
            case brelix::kRamoTransformador2: { // F2 = -N.F1
                const Complex n = rede.elementos[Par(b)].ganhos.front().Valor(valores, s);
                l[Fluxo(b)] += 1.0;
                l[Fluxo(Par(b))] += inv(Lei::TransfFluxo) * n;
                break;
            }
            case brelix::kRamoGirador1: // E2 = G.F1
                AddEsforco(l, Par(b), 1.0);
                l[Fluxo(b)] -= inv(Lei::Girador1) * g;
                break;
            case brelix::kRamoGirador2: { // E1 = -G.F2
                const Complex gg = rede.elementos[Par(b)].ganhos.front().Valor(valores, s);
                AddEsforco(l, Par(b), 1.0);
                l[Fluxo(b)] += inv(Lei::Girador2) * gg;
                break;
            }
            case brelix::kRamoQuadripolo1: { // E2 = Kee.E1 + Kef.F1
                AddEsforco(l, Par(b), 1.0);
                AddEsforco(l, b, -inv(Lei::Quadripolo1) * e.ganhos[0].Valor(valores, s));
                l[Fluxo(b)] -= e.ganhos[1].Valor(valores, s);
                break;
            }
            case brelix::kRamoQuadripolo2: { // F2 = -(Kfe.E1 + Kff.F1)
                const Elemento& p1 = rede.elementos[Par(b)];
                l[Fluxo(b)] += 1.0;
                AddEsforco(l, Par(b), p1.ganhos[2].Valor(valores, s));
                l[Fluxo(Par(b))] += inv(Lei::Quadripolo2) * p1.ganhos[3].Valor(valores, s);
                break;
            }
            default:
                return false;
            }
        }
        return Eliminar(a);
    }

    Complex Ler(const Saida& saida) const {
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
        auto achar = [&](std::size_t i) {
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
        std::vector<char> referencia(vs.size(), 0);
        for (std::size_t i = 0; i < vs.size(); ++i) {
            const std::size_t r = achar(i);
            if (!referencia[r]) {
                referencia[r] = 1; // the first vertex of each component
                continue;
            }
            potencial_[i] = n++;
        }
        primeiroFluxo_ = static_cast<std::size_t>(n);
        incognitas_ = primeiroFluxo_ + rede_->elementos.size();
    }

    std::size_t Posicao(int id) const {
        const auto& vs = rede_->vertices;
        return static_cast<std::size_t>(
            std::find_if(vs.begin(), vs.end(), [&](const auto& v) { return v.first == id; }) - vs.begin());
    }
    std::size_t Fluxo(std::size_t b) const { return primeiroFluxo_ + b; }
    std::size_t Par(std::size_t b) const { return static_cast<std::size_t>(rede_->elementos[b].par); }

    void AddPotencial(std::vector<Complex>& l, int id, Complex c) const {
        const int p = potencial_[Posicao(id)];
        if (p >= 0) l[static_cast<std::size_t>(p)] += c;
    }
    void AddEsforco(std::vector<Complex>& l, std::size_t b, Complex c) const {
        AddPotencial(l, rede_->elementos[b].origem, c);
        AddPotencial(l, rede_->elementos[b].destino, -c);
    }
    void AddVariavel(std::vector<Complex>& l, const std::string& nome, Complex c) const {
        for (std::size_t b = 0; b < rede_->elementos.size(); ++b) {
            const std::string& n = rede_->elementos[b].nome;
            if (nome == "E(" + n + ")") AddEsforco(l, b, c);
            if (nome == "F(" + n + ")") l[Fluxo(b)] += c;
        }
    }

    Complex Potencial(int id) const {
        const int p = potencial_[Posicao(id)];
        return p < 0 ? Complex(0.0) : x_[static_cast<std::size_t>(p)];
    }

    // Gauss-Jordan elimination with partial pivoting; singular when a pivot is negligible against
    // the size of the matrix's entries.
    bool Eliminar(std::vector<std::vector<Complex>>& a) {
        const std::size_t n = incognitas_;
        if (a.size() != n) return false;
        double escala = 0.0;
        for (const auto& l : a)
            for (std::size_t c = 0; c < n; ++c)
                escala = std::max(escala, std::abs(l[c]));
        for (std::size_t c = 0; c < n; ++c) {
            std::size_t piv = c;
            for (std::size_t r = c + 1; r < n; ++r)
                if (std::abs(a[r][c]) > std::abs(a[piv][c])) piv = r;
            if (std::abs(a[piv][c]) < 1e-9 * std::max(escala, 1.0)) return false;
            std::swap(a[c], a[piv]);
            for (std::size_t r = 0; r < n; ++r) {
                if (r == c || a[r][c] == Complex(0.0)) continue;
                const Complex f = a[r][c] / a[c][c];
                for (std::size_t k = c; k <= n; ++k)
                    a[r][k] -= f * a[c][k];
            }
        }
        x_.assign(n, 0.0);
        for (std::size_t i = 0; i < n; ++i)
            x_[i] = a[i][n] / a[i][i];
        return true;
    }

    const Rede* rede_ = nullptr;
    std::vector<int> potencial_;
    std::size_t primeiroFluxo_ = 0;
    std::size_t incognitas_ = 0;
    std::vector<Complex> x_;
};

} // namespace rede
