#include "ApoioCli.h"

#include <cstring>

// What the commands write besides the text of a transfer function: the saved transfer-function file
// read back, the Varnel file, the JSON form of a function and the candidate lists.

using namespace apoiocli;

class CliSaidas : public apoio::PastaTemp {};

TEST_F(CliSaidas, SavedFunctionShowsTheSameAndKeepsItsValues) {
    const std::string aviso = "\nFunção de transferência salva em rlc.fts\n";
    const TExecucao s = Brelix(Separar("ft " + Exemplo("serie-rlc.sis") +
                                       " --input E(Vs) --output E(C1) --set R1=2 --set C1=0,5 -o rlc.fts"),
                               dir_);
    ASSERT_TRUE(s.Saida.ends_with(aviso)) << s.Saida << s.Erros;
    EXPECT_EQ(apoio::Slurp(Path("rlc.fts")),
              "E(Vs)\r\nE(C1)\r\nSym\r\nC1=0,5\r\nL1=1\r\nR1=2\r\nend\r\nNum\r\n1;0;;\r\n"
              "end\r\nDen\r\n1;2;C1.L1;\r\n1;1;C1.R1;\r\n1;0;;\r\nend\r\n");
    // Read back, it shows everything the analysis showed; values given to show replace the saved
    // ones: 1 / (0,5.4.S^2 + 0,5.2.S + 1) = 0,5 / (S^2 + 0,5.S + 0,5).
    const std::string mostrado = s.Saida.substr(0, s.Saida.size() - aviso.size());
    Conferir({{"show rlc.fts", 0, mostrado},
              {"show rlc.fts --set L1=4", 0,
               mostrado.substr(0, mostrado.find("L1 = 1")) +
                   "L1 = 4\n  R1 = 2\n\nFT Numérica\n  Ganho:       0,5\n"
                   "  Numerador:   1\n  Denominador: S^2 + 0,5.S + 0,5\n"}},
             dir_);
}

TEST_F(CliSaidas, VarnelFileCarriesTheEvaluatedFunctionUpToOrderEight) {
    // The 4-section ladder is of order 8, the highest the file takes.
    Conferir(
        {{"ft motor-cc.sis --input E(Va) --output E(J_J) --set J=0,02 --set B=0,1 --set La=0,5 --set Ra=2 "
          "--set Kb=0,1 --set Kt=0,1 --varnel " +
              Path("motor.vrn"),
          0, "Variável de Entrada: E(Va)\n..."},
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

TEST_F(CliSaidas, JsonFormOfAFunctionAndTheCandidateLists) {
    // Numbers in full precision beside their decimal-comma text; a two-port gives a branch per side,
    // each with its effort and flow; a graph lists its vertices.
    Conferir(
        {{"ft serie-rlc.sis --input E(Vs) --output E(C1) --set R1=2 --set C1=0,5 --json", 0,
          R"j({"nome": "serie-rlcFT", "entrada": "E(Vs)", "saida": "E(C1)", "simbolos": [{"nome": "C1", )j"
          R"j("valor": 0.5, "valorTexto": "0,5"}, {"nome": "L1", "valor": 1, "valorTexto": "1"}, {"nome": )j"
          R"j("R1", "valor": 2, "valorTexto": "2"}], "numerador": "1", "denominador": "C1.L1.S^2 + C1.R1.S )j"
          R"j(+ 1", "termosNumerador": [{"k": 1, "expS": 0, "simbolos": ""}], "termosDenominador": [{"k": )j"
          R"j(1, "expS": 2, "simbolos": "C1.L1"}, {"k": 1, "expS": 1, "simbolos": "C1.R1"}, {"k": 1, )j"
          R"j("expS": 0, "simbolos": ""}], "numerica": {"avaliada": true, "ganho": 2, "ganhoTexto": "2", )j"
          R"j("numerador": "1", "denominador": "S^2 + 2.S + 2", "coeficientesNumerador": [1], )j"
          R"j("coeficientesDenominador": [2, 2, 1]}})j"
          "\n"},
         {"variables lacos-dfs.dfs --json", 0,
          R"j({"arquivo": "lacos-dfs.dfs", "documento": "DFS", "entradas": ["X1"], "saidas": ["X2", "X3", )j"
          R"j("X4", "X5", "X6"]})j"
          "\n"},
         {"variables transformador-girador.grf --json", 0,
          R"j({"arquivo": "transformador-girador.grf", "documento": "Grafo", "entradas": ["E(Vs)"], )j"
          R"j("saidas": ["F(Vs)", "E(R1)", "F(R1)", "E(T1_P1)", "F(T1_P1)", "E(T1_P2)", "F(T1_P2)", )j"
          R"j("E(G1_P1)", "F(G1_P1)", "E(G1_P2)", "F(G1_P2)", "E(L1)", "F(L1)"], "vertices": ["1 - A", )j"
          R"j("2 - B", "3 - C", "4 - D", "5 - Terra"]})j"
          "\n"},
         {"variables passa-baixas-rc.sis", 0,
          "Variável de Entrada\n  E(Vs)\nVariável de Saída\n  F(Vs)\n  E(R)\n  F(R)\n  E(C)\n  F(C)\n"}},
        PastaExemplos);
}
