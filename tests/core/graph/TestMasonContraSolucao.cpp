// Independent cross-check of the whole signal-flow path: Mason's loop sets assembled into a transfer
// function must equal, at random numeric points, the ratio obtained by solving the diagram's linear
// equations directly; the symbolic sensitivity must equal a numeric derivative of that solution.

#include "support/RedeLinear.h"

#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfMason.h"
#include "symbolic/UnitFTFuncao.h"

#include <gtest/gtest.h>

using namespace brelix;
using apoio::Complexo;
using apoio::Perto;
using apoio::ValoresSimbolos;

namespace {

const std::vector<std::string> kSimbolos = {"a", "b", "R", "L", "Cx"};

rede::Ganho GanhoAleatorio(std::mt19937& rng) {
    static const std::pair<double, const char*> coefs[] = {{1.0, "1"},   {-1.0, "-1"}, {2.0, "2"},
                                                           {0.5, "0,5"}, {-3.0, "-3"}, {1.5, "1,5"}};
    static const int potencias[] = {0, 0, 1, -1, 2};
    const auto& [k, texto] = coefs[rng() % std::size(coefs)];
    rede::Ganho g = rede::G(k, texto);
    if (rng() % 3 != 0) {
        g.sym = kSimbolos[rng() % kSimbolos.size()];
        g.expSym = rng() % 3 == 0 ? -1 : 1;
    }
    g.expS = potencias[rng() % std::size(potencias)];
    return g;
}

struct Ramo {
    std::size_t de, para; // positions in the vertex list
    rede::Ganho ganho;
};

// Up to 8 variables with scattered identifiers; self-loops and parallel branches happen; the input
// (the first variable) is one that no branch enters, as the candidate lists require.
struct Diagrama {
    std::vector<int> ids;
    std::vector<Ramo> ramos;
    std::size_t saida = 0;

    explicit Diagrama(std::mt19937& rng) {
        for (int i = 0; i < 40; ++i)
            ids.push_back(i * 3 - 7);
        std::shuffle(ids.begin(), ids.end(), rng);
        ids.resize(2 + rng() % 7);
        const auto n = ids.size();
        for (auto m = 1 + rng() % (3 * n); m > 0; --m) {
            const std::size_t de = rng() % n;
            ramos.push_back({de, 1 + rng() % (n - 1), GanhoAleatorio(rng)});
        }
    }

    TGrafo Grafo() const {
        TGrafo g(true);
        for (int id : ids)
            g.AddVertice(id, "x" + std::to_string(id));
        for (std::size_t b = 0; b < ramos.size(); ++b)
            g.AddTransmitancia(static_cast<int>(b) * 3 + 1, "T", ramos[b].ganho.Texto(), ids[ramos[b].de],
                               ids[ramos[b].para]);
        return g;
    }

    // The output variable over the input, from the diagram's equations; false when (nearly) singular.
    bool Resolver(const ValoresSimbolos& valores, Complexo s, Complexo& resultado) const {
        std::vector<apoio::RamoNumerico> numericos;
        for (const Ramo& r : ramos)
            numericos.push_back({r.de, r.para, r.ganho.Valor(valores, s)});
        std::vector<Complexo> x;
        if (!apoio::ResolverDiagrama(ids.size(), numericos, 0, x, 1e-6)) return false;
        resultado = x[saida];
        return true;
    }
};

// The function's value computed here from its terms, apart from the library's evaluators.
Complexo ValorTermos(const TListFator& p, const ValoresSimbolos& valores, Complexo s) {
    Complexo soma = 0.0;
    for (const TFator& t : p) {
        Complexo termo = t.K * std::pow(s, t.ExpS);
        for (const TSimboloExp& x : t.Simbolos)
            termo *= std::pow(valores.at(x.Nome()), x.Exp);
        soma += termo;
    }
    return soma;
}

// Lets the library choose an output among its candidates and assembles the function from the loop
// sets, of Mason's full results or of MasonOS. False when the diagram offers no output.
bool FuncaoTransferencia(Diagrama& d, std::mt19937& rng, bool masonCompleto, TFuncao& ft) {
    TGrafo g = d.Grafo();
    std::vector<std::string> entradas, saidas;
    MarkEntradaSaida(g, entradas, saidas);
    const std::string entrada = "x" + std::to_string(d.ids[0]);
    EXPECT_NE(std::find(entradas.begin(), entradas.end(), entrada), entradas.end());
    if (saidas.empty()) return false;
    const std::string saida = saidas[rng() % saidas.size()];
    d.saida = static_cast<std::size_t>(std::find(d.ids.begin(), d.ids.end(), std::stoi(saida.substr(1))) -
                                       d.ids.begin());
    EXPECT_NE(AddRamoDFS(g, entrada, saida), nullptr);
    ft.FromMason(masonCompleto ? Mason(g).LacosOS : MasonOS(g));
    return true;
}

} // namespace

TEST(MasonCrossCheck, TransferFunctionEqualsTheDirectSolveOfTheDiagram) {
    std::mt19937 rng(20261206);
    int comparados = 0, zeros = 0;
    for (int caso = 0; caso < 400; ++caso) {
        Diagrama d(rng);
        TFuncao ft;
        if (!FuncaoTransferencia(d, rng, caso % 2 == 0, ft)) continue;
        for (int k = 0; k < 3; ++k) {
            const apoio::Ponto p = apoio::PontoAleatorio(rng, kSimbolos);
            Complexo direto;
            if (!d.Resolver(p.valores, p.s, direto)) continue;
            const Complexo den = ValorTermos(ft.Den, p.valores, p.s);
            ASSERT_GT(std::abs(den), 1e-12) << "case " << caso;
            const Complexo mason = ValorTermos(ft.Num, p.valores, p.s) / den;
            ASSERT_TRUE(Perto(mason, direto, 1e-8))
                << "case " << caso << ": Mason " << mason << ", direct " << direto
                << "\nN = " << ft.Num.TextoSimbolico() << "\nD = " << ft.Den.TextoSimbolico();
            // The library's own evaluator agrees with the terms.
            ASSERT_TRUE(Perto(ft.ValorEm(apoio::Valores(p.valores), p.s), direto, 1e-8)) << "case " << caso;
            ++comparados;
            if (std::abs(direto) == 0.0) ++zeros;
        }
    }
    // Enough cases were compared, and some of them had an output the input does not reach.
    EXPECT_GT(comparados, 900);
    EXPECT_GT(zeros, 10);
}

TEST(MasonCrossCheck, SensitivityEqualsTheNumericDerivativeOfTheDirectSolve) {
    std::mt19937 rng(777);
    int comparados = 0;
    for (int caso = 0; caso < 300; ++caso) {
        Diagrama d(rng);
        TFuncao ft;
        if (!FuncaoTransferencia(d, rng, false, ft)) continue;
        const std::string x = kSimbolos[rng() % kSimbolos.size()];
        const TFuncao sens = ft.Sensibilidade(x);
        const apoio::Ponto p = apoio::PontoAleatorio(rng, kSimbolos);
        const double h = 1e-6 * p.valores.at(x);
        ValoresSimbolos acima = p.valores, abaixo = p.valores;
        acima[x] += h;
        abaixo[x] -= h;
        Complexo t, up, down;
        if (!d.Resolver(p.valores, p.s, t) || !d.Resolver(acima, p.s, up) || !d.Resolver(abaixo, p.s, down) ||
            std::abs(t) < 1e-6)
            continue;
        const Complexo numerico = p.valores.at(x) / t * (up - down) / (2 * h);
        const Complexo simbolico =
            ValorTermos(sens.Num, p.valores, p.s) / ValorTermos(sens.Den, p.valores, p.s);
        ASSERT_TRUE(Perto(simbolico, numerico, 1e-5))
            << "case " << caso << " symbol " << x << ": symbolic " << simbolico << ", numeric " << numerico;
        ++comparados;
    }
    EXPECT_GT(comparados, 150);
}
