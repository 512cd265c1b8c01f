#include "ApoioCli.h"
#include "support/SolucaoLinear.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>

// Every example document through the executable, against the transfer function derived by hand from
// the physics of the drawing (mobility analogy: across variables are efforts, through variables
// flows), compared at random symbol values and random points of the complex plane. Both forms the
// program prints are checked: the numeric one (gain x monic polynomials for the values given with the
// decimal comma) and the symbolic one evaluated here.

using namespace apoiocli;
using C = apoio::Complexo;

class CliExemplos : public apoio::PastaTemp {};

namespace {

struct TValores : std::map<std::string, double> {
    std::vector<std::string> Args; // "--set", "R=1,25", ...
    double operator()(const std::string& nome) const { return at(nome); }
};

// Values with two decimals from 0,5 to 3, passed in the program's decimal comma.
TValores Sortear(const std::string& nomes, std::mt19937& rng) {
    std::uniform_int_distribution<int> centesimos(50, 300);
    TValores v;
    for (const std::string& nome : Separar(nomes)) {
        const int c = centesimos(rng);
        v[nome] = c / 100.0;
        v.Args.insert(v.Args.end(), {"--set", nome + "=" + std::to_string(c / 100) + "," +
                                                  std::to_string(100 + c % 100).substr(1)});
    }
    return v;
}

// A polynomial as the program prints it ("- C1.L1^-1.S^2 + 1,25.S + 1"): signed terms, each a
// product of numbers (the gain may be negative), symbols and S, these with an optional power.
C Avaliar(const std::string& texto, const TValores& valores, C s) {
    C soma = 0.0;
    double sinal = 1.0;
    for (const std::string& palavra : Separar(texto)) {
        if (palavra == "+" || palavra == "-") {
            sinal = palavra == "-" ? -1.0 : 1.0;
            continue;
        }
        C termo = sinal;
        std::istringstream fatores(palavra);
        for (std::string f; std::getline(fatores, f, '.');) {
            const std::size_t c = std::min(f.find('^'), f.size());
            const int potencia = c < f.size() ? std::stoi(f.substr(c + 1)) : 1;
            f.resize(c);
            std::replace(f.begin(), f.end(), ',', '.');
            termo *= std::isalpha(static_cast<unsigned char>(f[0]))
                         ? std::pow(f == "S" ? s : C(valores(f)), potencia)
                         : C(std::stod(f));
        }
        soma += termo;
    }
    return soma;
}

// ft on the document with the values: the texts after "Numerador:", "Denominador:" and "Ganho:" in
// the order printed.
std::vector<std::string> Ft(const std::string& arquivo, const std::string& opcoes, const TValores& valores) {
    std::vector<std::string> args = Separar("ft " + arquivo + " " + opcoes), r;
    args.insert(args.end(), valores.Args.begin(), valores.Args.end());
    const TExecucao e = Brelix(args);
    EXPECT_EQ(e.Status, 0) << e.Erros;
    EXPECT_EQ(e.Erros, "");
    std::istringstream in(e.Saida);
    for (std::string l; std::getline(in, l);)
        for (const char* rotulo : {"  Numerador:", "  Denominador:", "  Ganho:"})
            if (l.starts_with(rotulo)) r.push_back(l.substr(l.find_first_not_of(' ', std::strlen(rotulo))));
    return r;
}

using V = const TValores&;

// V(Cn) / V(source) of an n-section ladder (series Rk + Lk.s, then Ck across), walking back from the
// unloaded output at 1: each capacitor adds its current, each series branch its drop.
C Escada(int secoes, V v, C s) {
    C tensao = 1.0, corrente = 0.0;
    for (int k = secoes; k >= 1; --k) {
        const std::string n = std::to_string(k);
        corrente += v("C" + n) * s * tensao;
        tensao += (v("R" + n) + v("L" + n) * s) * corrente;
    }
    return 1.0 / tensao;
}

std::string SimbolosEscada(int secoes) {
    std::string nomes;
    for (int k = 1; k <= secoes; ++k)
        nomes += " C" + std::to_string(k) + " L" + std::to_string(k) + " R" + std::to_string(k);
    return nomes;
}

// The low-pass's capacitor voltage, amplified by K, divided by R2 and R3.
C FonteControlada(V v, C s) {
    return v("K") * v("R3") / ((v("R2") + v("R3")) * (v("R1") * v("C1") * s + 1.0));
}

struct TCaso {
    std::string Arquivo, Escolha, Simbolos; // the choice and the symbols separated by blanks
    std::function<C(V, C)> Formula;
};

const std::vector<TCaso> Casos = {
    // The capacitor's share of the source voltage: (1/(C.s)) / (R + L.s + 1/(C.s)).
    {"serie-rlc.sis", "--input E(Vs) --output E(C1)", "C1 L1 R1",
     [](V v, C s) { return 1.0 / (v("L1") * v("C1") * s * s + v("R1") * v("C1") * s + 1.0); }},
    {"passa-baixas-rc.sis", "--input E(Vs) --output E(C)", "C R",
     [](V v, C s) { return 1.0 / (v("R") * v("C") * s + 1.0); }},
    {"escada-rlc-4.sis", "--input E(Vs) --output E(C4)", SimbolosEscada(4),
     [](V v, C s) { return Escada(4, v, s); }},
    // Mass, spring and damper share the velocity v and split the force: F = (M.s + B + K/s).v.
    {"massa-mola-amortecedor.sis", "--input F(F) --output E(M)", "B K M",
     [](V v, C s) { return s / (v("M") * s * s + v("B") * s + v("K")); }},
    // Velocities v1, v2; spring force K/s.(v1 - v2). Second mass: (M2.s + B).v2 = K/s.(v1 - v2);
    // first mass: F = M1.s.v1 + K/s.(v1 - v2). Solving for v2 / F.
    {"duas-massas-mola.sis", "--input F(F) --output E(M2)", "B K M1 M2",
     [](V v, C s) {
         const C mola = v("K") / s, v1PorV2 = (v("M2") * s + v("B") + mola) / mola;
         return 1.0 / (v("M1") * s * v1PorV2 + mola * (v1PorV2 - 1.0));
     }},
    {"inercia-atrito.sis", "--input F(T) --output E(J_J)", "B J",
     [](V v, C s) { return 1.0 / (v("J") * s + v("B")); }},
    // The inflow fills the tank (Cf.s.P) and leaves through the pipe (P / Rf).
    {"reservatorio-tubo.sis", "--input F(Q) --output E(Tanque)", "Cf Rf",
     [](V v, C s) { return 1.0 / (v("Cf") * s + 1.0 / v("Rf")); }},
    // Armature: Va = (Ra + La.s).i + Kb.W; load: Kt.i = (J.s + B).W.
    {"motor-cc.sis", "--input E(Va) --output E(J_J)", "B J Kb Kt La Ra",
     [](V v, C s) {
         return v("Kt") / ((v("Ra") + v("La") * s) * (v("J") * s + v("B")) + v("Kb") * v("Kt"));
     }},
    // The gyrator turns the load Z = L1.s into G^2/Z, the transformer scales it by N^2; the resistor
    // current i = Vs / (R1 + N^2.G^2/Z) gives the load voltage G.N.i.
    {"transformador-girador.grf", "--input E(Vs) --output E(L1)", "G L1 N R1",
     [](V v, C s) {
         const C z = v("L1") * s;
         return v("G") * v("N") * z / (v("R1") * z + v("G") * v("G") * v("N") * v("N"));
     }},
    // The load R3 sits between the vertices D (4) and Terra (5); the other way round its effort
    // changes sign.
    {"fonte-controlada.grf", "--input E(Vs) --output E(R3)", "C1 K R1 R2 R3", FonteControlada},
    {"fonte-controlada.grf", "--input E(Vs) --between 4,5", "C1 K R1 R2 R3", FonteControlada},
    {"fonte-controlada.grf", "--input E(Vs) --between D,Terra", "C1 K R1 R2 R3", FonteControlada},
    {"fonte-controlada.grf", "--input E(Vs) --between 5,4", "C1 K R1 R2 R3",
     [](V v, C s) { return -FonteControlada(v, s); }},
    // Solved by substitution: x3 = G1.G2.x1 / (1 + G2.H1 + G3.H2), x4 = G3.x3,
    // x6 = G4.G5.x4 / (1 + G5.H3).
    {"lacos-dfs.dfs", "--input X1 --output X6", "G1 G2 G3 G4 G5 H1 H2 H3",
     [](V v, C) {
         return v("G1") * v("G2") * v("G3") * v("G4") * v("G5") /
                ((1.0 + v("G2") * v("H1") + v("G3") * v("H2")) * (1.0 + v("G5") * v("H3")));
     }},
};

// Runs ft on the document for two random sets of values, each checked in both forms at three random
// points; with `x`, also the sensitivity to x against x/T . dT/dx by a central difference of the
// hand formula.
void Conferir(const std::string& arquivo, const TCaso& c, std::mt19937& rng, const std::string& x = "") {
    SCOPED_TRACE(c.Arquivo + " " + c.Escolha + " " + x);
    for (int rodada = 0; rodada < 2; ++rodada) {
        const TValores v = Sortear(c.Simbolos, rng);
        const std::vector<std::string> p =
            Ft(arquivo, c.Escolha + (x.empty() ? "" : " --sensitivity " + x), v);
        ASSERT_EQ(p.size(), x.empty() ? 5u : 7u);
        for (int ponto = 0; ponto < 3; ++ponto) {
            const C s = apoio::PontoAleatorio(rng, {}).s, t = c.Formula(v, s);
            const auto a = [&](std::size_t i) { return Avaliar(p[i], v, s); };
            for (const C obtido : {a(0) / a(1), a(2) * a(3) / a(4)}) // symbolic, numeric
                EXPECT_TRUE(apoio::Perto(t, obtido, 1e-9)) << t << " " << obtido << " em " << s;
            if (x.empty()) continue;
            TValores mais = v, menos = v;
            const double h = 1e-6 * v(x);
            mais[x] += h;
            menos[x] -= h;
            const C esperado = v(x) / t * (c.Formula(mais, s) - c.Formula(menos, s)) / (2.0 * h);
            EXPECT_TRUE(apoio::Perto(esperado, a(5) / a(6), 1e-6)) << esperado << " " << a(5) / a(6);
        }
    }
}

} // namespace

TEST_F(CliExemplos, EveryExampleGivesItsHandDerivedTransferFunction) {
    std::mt19937 rng(20240611);
    for (const TCaso& c : Casos)
        Conferir(Exemplo(c.Arquivo), c, rng);
}

TEST_F(CliExemplos, ConvertThenAnalyseEqualsAnalyseDirectly) {
    // A system becomes a graph, a graph a diagram that names its variables after the graph's: the
    // same choice applies all along (an effort between vertices only to a graph). Both are written as
    // the program writes documents: header first, CR LF line ends.
    for (const TCaso& c : Casos) {
        if (c.Arquivo.ends_with(".dfs") || c.Escolha.find("between") != std::string::npos) continue;
        std::string de = Exemplo(c.Arquivo);
        const std::string direto = Brelix(Separar("ft " + de + " " + c.Escolha)).Saida;
        for (const std::string& para : {Path("c.grf"), Path("c.dfs")}) {
            const bool grafo = para.ends_with(".grf");
            if (grafo && !de.ends_with(".sis")) continue;
            Conferir({{"convert " + de + " -o " + para, 0,
                       (grafo ? "Sistema -> Grafo: " : "Grafo -> DFS: ") + para + "\n"},
                      {"ft " + para + " " + c.Escolha, 0, direto}},
                     dir_);
            EXPECT_TRUE(
                apoio::Slurp(para).starts_with(grafo ? "Object 0: TGrafo\r\n" : "Object 0: TDFS\r\n"));
            de = para;
        }
    }
}

TEST_F(CliExemplos, LaddersOfOneToFiveSectionsWalkedBackFromTheOutput) {
    std::mt19937 rng(42);
    for (int n = 1; n <= 5; ++n) {
        const std::string k = std::to_string(n), arquivo = Path("escada" + k + ".sis");
        ASSERT_EQ(Rodar(Gerador, {"--ladder", k, arquivo}).Status, 0);
        Conferir(arquivo,
                 {arquivo, "--input E(Vs) --output E(C" + k + ")", SimbolosEscada(n),
                  [n](V v, C s) { return Escada(n, v, s); }},
                 rng);
    }
}

TEST_F(CliExemplos, SensitivityToEverySymbolOfTwoExamples) {
    std::mt19937 rng(99);
    for (const TCaso& c : {Casos[0], Casos[7]})
        for (const std::string& x : Separar(c.Simbolos))
            Conferir(Exemplo(c.Arquivo), c, rng, x);
}
