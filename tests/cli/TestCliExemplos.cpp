#include "ApoioCli.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>

// Every example document through the executable, against the transfer function derived by hand from
// the physics of the drawing (mobility analogy: across variables are efforts, through variables
// flows), compared at random symbol values and random points of the complex plane. Both forms the
// program prints are checked: the numeric one (gain x monic polynomials for the values given with the
// decimal comma) and the symbolic terms evaluated here.

using namespace apoiocli;

// Each test writes into a folder of its own.
class CliExemplos : public apoio::PastaTemp {};

namespace {

using TFormula = std::function<Complexo(const TValores&, Complexo)>;

struct TCaso {
    std::string Arquivo;
    std::vector<std::string> Escolha; // --input ... --output ... (or --between)
    std::vector<std::string> Simbolos;
    TFormula Formula;
};

// V(Cn) / V(source) of an n-section ladder: the product of the sections' chain matrices
// [1 Zk; 0 1][1 0; Yk 1], with Zk = Rk + Lk.s in series and Yk = Ck.s across; the unloaded output
// gives Vout / Vin = 1 / A of the product.
Complexo Escada(int secoes, const TValores& v, Complexo s) {
    std::array<Complexo, 4> m{1.0, 0.0, 0.0, 1.0}; // A B C D
    for (int k = 1; k <= secoes; ++k) {
        const std::string n = std::to_string(k);
        const Complexo z = v("R" + n) + v("L" + n) * s;
        const Complexo y = v("C" + n) * s;
        // [A B; C D] x [1 + z.y, z; y, 1]
        m = {m[0] * (1.0 + z * y) + m[1] * y, m[0] * z + m[1], m[2] * (1.0 + z * y) + m[3] * y,
             m[2] * z + m[3]};
    }
    return 1.0 / m[0];
}

std::vector<std::string> SimbolosEscada(int secoes) {
    std::vector<std::string> nomes;
    for (const char* letra : {"C", "L", "R"})
        for (int k = 1; k <= secoes; ++k)
            nomes.push_back(letra + std::to_string(k));
    return nomes;
}

std::vector<TCaso> Casos() {
    return {
        {"serie-rlc.sis",
         {"--input", "E(Vs)", "--output", "E(C1)"},
         {"C1", "L1", "R1"},
         // The capacitor's share of the source voltage: (1/(C.s)) / (R + L.s + 1/(C.s)).
         [](const TValores& v, Complexo s) {
             return 1.0 / (v("L1") * v("C1") * s * s + v("R1") * v("C1") * s + 1.0);
         }},
        {"passa-baixas-rc.sis",
         {"--input", "E(Vs)", "--output", "E(C)"},
         {"C", "R"},
         [](const TValores& v, Complexo s) { return 1.0 / (v("R") * v("C") * s + 1.0); }},
        {"escada-rlc-4.sis",
         {"--input", "E(Vs)", "--output", "E(C4)"},
         SimbolosEscada(4),
         [](const TValores& v, Complexo s) { return Escada(4, v, s); }},
        {"massa-mola-amortecedor.sis",
         {"--input", "F(F)", "--output", "E(M)"},
         {"B", "K", "M"},
         // Mass, spring and damper share the velocity v and split the force: F = (M.s + B + K/s).v.
         [](const TValores& v, Complexo s) { return s / (v("M") * s * s + v("B") * s + v("K")); }},
        {"duas-massas-mola.sis",
         {"--input", "F(F)", "--output", "E(M2)"},
         {"B", "K", "M1", "M2"},
         // Velocities v1, v2; spring force K/s.(v1 - v2). Second mass: (M2.s + B).v2 = K/s.(v1 - v2);
         // first mass: F = M1.s.v1 + K/s.(v1 - v2). Solving for v2 / F.
         [](const TValores& v, Complexo s) {
             const Complexo mola = v("K") / s;
             const Complexo v1PorV2 = (v("M2") * s + v("B") + mola) / mola;
             return 1.0 / (v("M1") * s * v1PorV2 + mola * (v1PorV2 - 1.0));
         }},
        {"inercia-atrito.sis",
         {"--input", "F(T)", "--output", "E(J_J)"},
         {"B", "J"},
         [](const TValores& v, Complexo s) { return 1.0 / (v("J") * s + v("B")); }},
        {"reservatorio-tubo.sis",
         {"--input", "F(Q)", "--output", "E(Tanque)"},
         {"Cf", "Rf"},
         // The inflow fills the tank (Cf.s.P) and leaves through the pipe (P / Rf).
         [](const TValores& v, Complexo s) { return 1.0 / (v("Cf") * s + 1.0 / v("Rf")); }},
        {"motor-cc.sis",
         {"--input", "E(Va)", "--output", "E(J_J)"},
         {"B", "J", "Kb", "Kt", "La", "Ra"},
         // Armature: Va = (Ra + La.s).i + Kb.W; load: Kt.i = (J.s + B).W.
         [](const TValores& v, Complexo s) {
             return v("Kt") / ((v("Ra") + v("La") * s) * (v("J") * s + v("B")) + v("Kb") * v("Kt"));
         }},
        {"transformador-girador.grf",
         {"--input", "E(Vs)", "--output", "E(L1)"},
         {"G", "L1", "N", "R1"},
         // The gyrator turns the load Z = L1.s into G^2/Z, the transformer scales it by N^2; the
         // resistor current i = Vs / (R1 + N^2.G^2/Z) gives the load voltage G.N.i.
         [](const TValores& v, Complexo s) {
             const Complexo z = v("L1") * s;
             return v("G") * v("N") * z / (v("R1") * z + v("G") * v("G") * v("N") * v("N"));
         }},
        {"fonte-controlada.grf",
         {"--input", "E(Vs)", "--output", "E(R3)"},
         {"C1", "K", "R1", "R2", "R3"},
         // The low-pass's capacitor voltage, amplified by K, divided by R2 and R3.
         [](const TValores& v, Complexo s) {
             return v("K") * v("R3") / ((v("R2") + v("R3")) * (v("R1") * v("C1") * s + 1.0));
         }},
        {"lacos-dfs.dfs",
         {"--input", "X1", "--output", "X6"},
         {"G1", "G2", "G3", "G4", "G5", "H1", "H2", "H3"},
         // Solved by substitution: x3 = G1.G2.x1 / (1 + G2.H1 + G3.H2), x4 = G3.x3,
         // x6 = G4.G5.x4 / (1 + G5.H3).
         [](const TValores& v, Complexo) {
             return v("G1") * v("G2") * v("G3") * v("G4") * v("G5") /
                    ((1.0 + v("G2") * v("H1") + v("G3") * v("H2")) * (1.0 + v("G5") * v("H3")));
         }},
    };
}

// Runs ft on the document with random values and checks both forms at random points.
void ConferirCaso(const std::string& arquivo, const std::vector<std::string>& escolha,
                  const std::vector<std::string>& simbolos, const TFormula& formula, std::mt19937& rng) {
    for (int rodada = 0; rodada < 2; ++rodada) {
        const TValores valores = Sortear(simbolos, rng);
        std::vector<std::string> args{"ft", arquivo};
        args.insert(args.end(), escolha.begin(), escolha.end());
        args.insert(args.end(), valores.Args.begin(), valores.Args.end());
        args.push_back("--json");
        const TExecucao r = Brelix(args);
        ASSERT_EQ(r.Status, 0) << r.Erros;
        EXPECT_EQ(r.Erros, "");
        const TJson ft = LerJson(r.Saida);
        std::set<std::string> nomes;
        for (const TJson& s : ft["simbolos"].Lista)
            nomes.insert(s["nome"].Texto);
        EXPECT_EQ(nomes, std::set<std::string>(simbolos.begin(), simbolos.end()));
        for (int ponto = 0; ponto < 3; ++ponto) {
            const Complexo s = apoio::PontoAleatorio(rng, {}).s;
            const Complexo esperado = formula(valores, s);
            const Complexo numerico = ValorNumerico(ft, s);
            EXPECT_TRUE(apoio::Perto(esperado, numerico, 1e-9))
                << esperado << " " << numerico << " em s = " << s;
            const Complexo simbolico = ValorTermos(ft["termosNumerador"], valores.Valor, s) /
                                       ValorTermos(ft["termosDenominador"], valores.Valor, s);
            EXPECT_TRUE(apoio::Perto(esperado, simbolico, 1e-9))
                << esperado << " " << simbolico << " em s = " << s;
        }
    }
}

} // namespace

TEST_F(CliExemplos, EveryExampleGivesItsHandDerivedTransferFunction) {
    std::mt19937 rng(20240611);
    for (const TCaso& c : Casos()) {
        SCOPED_TRACE(c.Arquivo);
        ConferirCaso(Exemplo(c.Arquivo).string(), c.Escolha, c.Simbolos, c.Formula, rng);
    }
}

TEST_F(CliExemplos, EffortBetweenTwoVerticesByNumberOrName) {
    // The load R3 sits between the vertices D (4) and Terra (5): its effort is the output.
    std::mt19937 rng(7);
    const TCaso caso = Casos()[9];
    ASSERT_EQ(caso.Arquivo, "fonte-controlada.grf");
    for (const std::vector<std::string>& entre :
         {std::vector<std::string>{"--between", "4,5"}, std::vector<std::string>{"--between", "D,Terra"}}) {
        std::vector<std::string> escolha{"--input", "E(Vs)"};
        escolha.insert(escolha.end(), entre.begin(), entre.end());
        ConferirCaso(Exemplo(caso.Arquivo).string(), escolha, caso.Simbolos, caso.Formula, rng);
    }
    // The other way round the effort changes sign.
    ConferirCaso(
        Exemplo(caso.Arquivo).string(), {"--input", "E(Vs)", "--between", "5,4"}, caso.Simbolos,
        [&](const TValores& v, Complexo s) { return -caso.Formula(v, s); }, rng);
}

TEST_F(CliExemplos, LaddersOfOneToFiveSectionsAgainstTheirChainMatrices) {
    std::mt19937 rng(42);
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        const std::string arquivo = Path("escada-" + std::to_string(n) + ".sis");
        const TExecucao g = Rodar(Gerador(), {"--ladder", std::to_string(n), arquivo});
        ASSERT_EQ(g.Status, 0) << g.Erros;
        ConferirCaso(
            arquivo, {"--input", "E(Vs)", "--output", "E(C" + std::to_string(n) + ")"}, SimbolosEscada(n),
            [n](const TValores& v, Complexo s) { return Escada(n, v, s); }, rng);
    }
}

TEST_F(CliExemplos, SensitivityAgainstADerivativeOfTheHandFormula) {
    // x/T . dT/dx by a central difference of the hand-derived formula, for every symbol of two
    // examples, against the symbolic sensitivity the program derives.
    std::mt19937 rng(99);
    for (const std::size_t i : {std::size_t{0}, std::size_t{7}}) {
        const TCaso caso = Casos()[i];
        SCOPED_TRACE(caso.Arquivo);
        const TValores valores = Sortear(caso.Simbolos, rng);
        for (const std::string& x : caso.Simbolos) {
            std::vector<std::string> args{"ft", Exemplo(caso.Arquivo).string()};
            args.insert(args.end(), caso.Escolha.begin(), caso.Escolha.end());
            args.insert(args.end(), valores.Args.begin(), valores.Args.end());
            args.insert(args.end(), {"--sensitivity", x, "--json"});
            const TExecucao r = Brelix(args);
            ASSERT_EQ(r.Status, 0) << r.Erros;
            const TJson sens = LerJson(r.Saida)["sensibilidade"];
            EXPECT_EQ(sens["simbolo"].Texto, x);
            for (int ponto = 0; ponto < 2; ++ponto) {
                const Complexo s = apoio::PontoAleatorio(rng, {}).s;
                const double h = 1e-6 * valores(x);
                TValores mais = valores, menos = valores;
                mais.Valor[x] += h;
                menos.Valor[x] -= h;
                const Complexo t = caso.Formula(valores, s);
                const Complexo derivada = (caso.Formula(mais, s) - caso.Formula(menos, s)) / (2.0 * h);
                const Complexo esperado = valores(x) / t * derivada;
                const Complexo obtido = ValorTermos(sens["termosNumerador"], valores.Valor, s) /
                                        ValorTermos(sens["termosDenominador"], valores.Valor, s);
                EXPECT_TRUE(apoio::Perto(esperado, obtido, 1e-6)) << x << ": " << esperado << " " << obtido;
            }
        }
    }
}
