#include "ApoioCli.h"
#include "support/SolucaoLinear.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>

// Every example through the executable against its function derived by hand (mobility analogy:
// efforts across, flows through), at random symbol values and points of S, in the numeric form
// printed for values with the decimal comma and the symbolic one; then what else the commands write:
// converted documents, the saved function, the Varnel file, the JSON form, the candidate lists.

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

// A polynomial as printed ("- C1.L1^-1.S^2 + 1,25.S + 1", or a negative gain alone).
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
            const bool numero = !std::isalpha(static_cast<unsigned char>(f[0]));
            termo *= numero ? C(std::stod(f)) : std::pow(f == "S" ? s : C(valores(f)), potencia);
        }
        soma += termo;
    }
    return soma;
}

// The texts after "Numerador:", "Denominador:" and "Ganho:" that ft prints, in their order.
std::vector<std::string> Ft(const std::string& arquivo, const std::string& opcoes, const TValores& valores) {
    std::vector<std::string> args = Separar("ft " + arquivo + " " + opcoes), r;
    args.insert(args.end(), valores.Args.begin(), valores.Args.end());
    const TExecucao e = Brelix(args);
    EXPECT_EQ(e.Status, 0) << e.Erros;
    EXPECT_EQ(e.Erros, "");
    std::istringstream in(e.Saida);
    for (std::string l; std::getline(in, l);)
        if (l.starts_with("  ") && l.find(':') != std::string::npos)
            r.push_back(l.substr(l.find_first_not_of(' ', l.find(':') + 1)));
    return r;
}

using V = const TValores&;

// The low-pass's capacitor voltage, amplified by K, divided by R2 and R3.
C FonteControlada(V v, C s) {
    return v("K") * v("R3") / ((v("R2") + v("R3")) * (v("R1") * v("C1") * s + 1.0));
}

struct TCaso {
    std::string Arquivo, Escolha, Simbolos; // the choice and the symbols separated by blanks
    std::function<C(V, C)> Formula;
};

// V(Cn) / V(source) of an n-section ladder (series Rk + Lk.s, then Ck across), walking back from the
// unloaded output at 1: each capacitor adds its current, each series branch its drop.
TCaso Escada(const std::string& arquivo, int secoes) {
    std::string nomes;
    for (int k = 1; k <= secoes; ++k)
        nomes += " C" + std::to_string(k) + " L" + std::to_string(k) + " R" + std::to_string(k);
    return {arquivo, "--input E(Vs) --output E(C" + std::to_string(secoes) + ")", nomes, [secoes](V v, C s) {
                C tensao = 1.0, corrente = 0.0;
                for (int k = secoes; k >= 1; --k) {
                    const std::string n = std::to_string(k);
                    corrente += v("C" + n) * s * tensao;
                    tensao += (v("R" + n) + v("L" + n) * s) * corrente;
                }
                return 1.0 / tensao;
            }};
}

const std::vector<TCaso> Casos = {
    // The capacitor's share of the source voltage: (1/(C.s)) / (R + L.s + 1/(C.s)).
    {"serie-rlc.sis", "--input E(Vs) --output E(C1)", "C1 L1 R1",
     [](V v, C s) { return 1.0 / (v("L1") * v("C1") * s * s + v("R1") * v("C1") * s + 1.0); }},
    {"passa-baixas-rc.sis", "--input E(Vs) --output E(C)", "C R",
     [](V v, C s) { return 1.0 / (v("R") * v("C") * s + 1.0); }},
    Escada("escada-rlc-4.sis", 4),
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
    // The gyrator makes Z = L1.s G^2/Z, the transformer N^2.G^2/Z; i = Vs / (R1 + that), V(L1) = G.N.i.
    {"transformador-girador.grf", "--input E(Vs) --output E(L1)", "G L1 N R1",
     [](V v, C s) {
         const C z = v("L1") * s;
         return v("G") * v("N") * z / (v("R1") * z + v("G") * v("G") * v("N") * v("N"));
     }},
    // R3 lies from D (4) to Terra (5); the other way round its effort changes sign.
    {"fonte-controlada.grf", "--input E(Vs) --output E(R3)", "C1 K R1 R2 R3", FonteControlada},
    {"fonte-controlada.grf", "--input E(Vs) --between 4,5", "C1 K R1 R2 R3", FonteControlada},
    {"fonte-controlada.grf", "--input E(Vs) --between D,Terra", "C1 K R1 R2 R3", FonteControlada},
    {"fonte-controlada.grf", "--input E(Vs) --between 5,4", "C1 K R1 R2 R3",
     [](V v, C s) { return -FonteControlada(v, s); }},
    // x3 = G1.G2.x1 / (1 + G2.H1 + G3.H2), x4 = G3.x3, x6 = G4.G5.x4 / (1 + G5.H3).
    {"lacos-dfs.dfs", "--input X1 --output X6", "G1 G2 G3 G4 G5 H1 H2 H3",
     [](V v, C) {
         return v("G1") * v("G2") * v("G3") * v("G4") * v("G5") /
                ((1.0 + v("G2") * v("H1") + v("G3") * v("H2")) * (1.0 + v("G5") * v("H3")));
     }},
};

// Two random sets of values, each at three random points; with `x`, also the sensitivity to x
// against x/T . dT/dx by a central difference of the hand formula.
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
            mais[x] *= 1.0 + 1e-6;
            menos[x] *= 1.0 - 1e-6;
            const C esperado = (c.Formula(mais, s) - c.Formula(menos, s)) / (2e-6 * t);
            EXPECT_TRUE(apoio::Perto(esperado, a(5) / a(6), 1e-6)) << esperado << " " << a(5) / a(6);
        }
    }
}

} // namespace

TEST_F(CliExemplos, EveryExampleAndGeneratedLadderGivesItsHandDerivedFunctionAndSensitivities) {
    std::mt19937 rng(20240611);
    for (const TCaso& c : Casos)
        Conferir(Exemplo(c.Arquivo), c, rng);
    for (int n = 1; n <= 5; ++n) {
        const std::string k = std::to_string(n), arquivo = Path("escada" + k + ".sis");
        ASSERT_EQ(Rodar(Gerador, {"--ladder", k, arquivo}).Status, 0);
        Conferir(arquivo, Escada(arquivo, n), rng);
    }
    // The sensitivity to every symbol of two examples.
    for (const TCaso& c : {Casos[0], Casos[7]})
        for (const std::string& x : Separar(c.Simbolos))
            Conferir(Exemplo(c.Arquivo), c, rng, x);
}

TEST_F(CliExemplos, ConvertThenAnalyseEqualsAnalyseDirectly) {
    // The diagram names its variables after the graph's: one choice serves all along (but an effort
    // between vertices only a graph). Documents are written header first, with CR LF line ends.
    for (const TCaso& c : Casos) {
        if (c.Arquivo.ends_with(".dfs") || c.Escolha.find("between") != std::string::npos) continue;
        std::string de = Exemplo(c.Arquivo);
        const std::string direto = Brelix(Separar("ft " + de + " " + c.Escolha)).Saida;
        for (const std::string doc : {"c.grf", "c.dfs"}) {
            const bool grafo = doc == "c.grf";
            if (grafo && !de.ends_with(".sis")) continue;
            const std::string aviso = (grafo ? "Sistema -> Grafo: " : "Grafo -> DFS: ") + doc + "\n";
            Conferir({{"convert " + de + " -o " + doc, 0, aviso}, {"ft " + doc + " " + c.Escolha, 0, direto}},
                     dir_);
            EXPECT_TRUE(
                apoio::Slurp(Path(doc)).starts_with(grafo ? "Object 0: TGrafo\r\n" : "Object 0: TDFS\r\n"));
            de = doc;
        }
    }
}

TEST_F(CliExemplos, SavedFunctionShowsTheSameAndKeepsItsValues) {
    const std::string aviso = "\nFunção de transferência salva em rlc.fts\n";
    const TExecucao s = Brelix(Separar("ft " + Exemplo("serie-rlc.sis") +
                                       " --input E(Vs) --output E(C1) --set R1=2 --set C1=0,5 -o rlc.fts"),
                               dir_);
    ASSERT_TRUE(s.Saida.ends_with(aviso)) << s.Saida << s.Erros;
    EXPECT_EQ(apoio::Slurp(Path("rlc.fts")),
              "E(Vs)\r\nE(C1)\r\nSym\r\nC1=0,5\r\nL1=1\r\nR1=2\r\nend\r\nNum\r\n1;0;;\r\n"
              "end\r\nDen\r\n1;2;C1.L1;\r\n1;1;C1.R1;\r\n1;0;;\r\nend\r\n");
    // Read back as analysed; L1 = 4 replaces the saved 1: 1 / (2.S^2 + S + 1) = 0,5 / (S^2 + 0,5.S + 0,5).
    Conferir({{"show rlc.fts", 0, s.Saida.substr(0, s.Saida.size() - aviso.size())}}, dir_);
    EXPECT_TRUE(
        Brelix(Separar("show rlc.fts --set L1=4"), dir_)
            .Saida.ends_with("Ganho:       0,5\n  Numerador:   1\n  Denominador: S^2 + 0,5.S + 0,5\n"));
}

TEST_F(CliExemplos, VarnelFileCarriesTheEvaluatedFunctionUpToOrderEight) {
    // The 4-section ladder is of order 8, the highest the file takes.
    const std::string motor =
        "ft motor-cc.sis --input E(Va) --output E(J_J) --set J=0,02 --set B=0,1 --set La=0,5";
    Conferir(
        {{motor + " --set Ra=2 --set Kb=0,1 --set Kt=0,1 --varnel " + Path("motor.vrn"), 0, "Variável..."},
         {"ft escada-rlc-4.sis --input E(Vs) --output E(C4) --varnel " + Path("escada.vrn"), 0,
          "Variável..."}},
        PastaExemplos);
    EXPECT_EQ(std::filesystem::file_size(Path("escada.vrn")), 4722u);
    const std::string bytes = apoio::Slurp(Path("motor.vrn"));
    ASSERT_EQ(bytes.size(), 4722u);
    EXPECT_TRUE(bytes.starts_with("Arquivo do Varnel for Windows"));
    // Kt / ((Ra + La.s)(J.s + B) + Kb.Kt) = 0,1 / (0,01.S^2 + 0,09.S + 0,21): gain 10, numerator 1,
    // monic denominator 21 + 9.S + S^2 from S^0 up, then zero (little-endian doubles).
    const std::vector<std::pair<std::size_t, double>> valores = {{46, 10.0},  {1470, 1.0}, {1574, 21.0},
                                                                 {1582, 9.0}, {1590, 1.0}, {1598, 0.0}};
    for (const auto& [posicao, valor] : valores) {
        double v = -1.0;
        std::memcpy(&v, bytes.data() + posicao, sizeof v);
        EXPECT_NEAR(v, valor, 1e-12) << posicao;
    }
}

TEST_F(CliExemplos, JsonFormOfAFunctionAndTheCandidateLists) {
    // Numbers beside their decimal-comma text; a two-port's branch per side; a graph's vertices.
    Conferir(
        {{"ft passa-baixas-rc.sis --input E(Vs) --output E(C) --set R=0,5 --json", 0,
          R"j({"nome": "passa-baixas-rcFT", "entrada": "E(Vs)", "saida": "E(C)", )j"
          R"j("simbolos": [{"nome": "C", "valor": 1, "valorTexto": "1"}, {"nome": "R", "valor": 0.5, )j"
          R"j("valorTexto": "0,5"}], "numerador": "1", "denominador": "C.R.S + 1", )j"
          R"j("termosNumerador": [{"k": 1, "expS": 0, "simbolos": ""}], "termosDenominador": [{"k": 1, )j"
          R"j("expS": 1, "simbolos": "C.R"}, {"k": 1, "expS": 0, "simbolos": ""}], )j"
          R"j("numerica": {"avaliada": true, "ganho": 2, "ganhoTexto": "2", "numerador": "1", )j"
          "\"denominador\": \"S + 2\", \"coeficientesNumerador\": [1], \"coeficientesDenominador\": [2, "
          "1]}}\n"},
         {"variables lacos-dfs.dfs --json", 0,
          R"j({"arquivo": "lacos-dfs.dfs", "documento": "DFS", "entradas": ["X1"], "saidas": ["X2", "X3", )j"
          "\"X4\", \"X5\", \"X6\"]}\n"},
         {"variables transformador-girador.grf --json", 0,
          R"j({"arquivo": "transformador-girador.grf", "documento": "Grafo", "entradas": ["E(Vs)"], )j"
          R"j("saidas": ["F(Vs)", "E(R1)", "F(R1)", "E(T1_P1)", "F(T1_P1)", "E(T1_P2)", "F(T1_P2)", )j"
          R"j("E(G1_P1)", "F(G1_P1)", "E(G1_P2)", "F(G1_P2)", "E(L1)", "F(L1)"], "vertices": ["1 - A", )j"
          "\"2 - B\", \"3 - C\", \"4 - D\", \"5 - Terra\"]}\n"},
         {"variables passa-baixas-rc.sis", 0,
          "Variável de Entrada\n  E(Vs)\nVariável de Saída\n  F(Vs)\n  E(R)\n  F(R)\n  E(C)\n  F(C)\n"}},
        PastaExemplos);
}
