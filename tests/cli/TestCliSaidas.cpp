#include "ApoioCli.h"

#include <gtest/gtest.h>

#include <cstring>

// What the commands write besides the transfer function of an example: converted documents that
// analyse to the same function, the saved transfer-function file read back, the Varnel file, the
// Mason results of a diagram and the candidate lists.

using namespace apoiocli;

// Each test writes into a folder of its own.
class CliSaidas : public apoio::PastaTemp {};

namespace {

struct TCadeia {
    std::string Arquivo;
    std::string Entrada;
    std::string Saida;
};

TJson FT(const std::string& arquivo, const TCadeia& c, const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args{"ft", arquivo, "--input", c.Entrada, "--output", c.Saida, "--json"};
    args.insert(args.end(), extra.begin(), extra.end());
    const TExecucao r = Brelix(args);
    EXPECT_EQ(r.Status, 0) << arquivo << ": " << r.Erros;
    return LerJson(r.Saida);
}

// The same function: the same input, output, symbols and symbolic polynomials.
void MesmaFuncao(const TJson& a, const TJson& b) {
    EXPECT_EQ(a["entrada"].Texto, b["entrada"].Texto);
    EXPECT_EQ(a["saida"].Texto, b["saida"].Texto);
    EXPECT_EQ(a["numerador"].Texto, b["numerador"].Texto);
    EXPECT_EQ(a["denominador"].Texto, b["denominador"].Texto);
    std::vector<std::string> sa, sb;
    for (const TJson& s : a["simbolos"].Lista)
        sa.push_back(s["nome"].Texto);
    for (const TJson& s : b["simbolos"].Lista)
        sb.push_back(s["nome"].Texto);
    EXPECT_EQ(sa, sb);
}

double DoubleEm(const std::string& bytes, std::size_t offset) {
    double v = 0.0;
    std::memcpy(&v, bytes.data() + offset, sizeof v); // little-endian host, as the file
    return v;
}

} // namespace

TEST_F(CliSaidas, ConvertThenAnalyseEqualsAnalyseDirectly) {
    const std::vector<TCadeia> sistemas = {
        {"serie-rlc", "E(Vs)", "E(C1)"},       {"escada-rlc-4", "E(Vs)", "E(C4)"},
        {"duas-massas-mola", "F(F)", "E(M2)"}, {"reservatorio-tubo", "F(Q)", "E(Tanque)"},
        {"motor-cc", "E(Va)", "E(J_J)"},
    };
    for (const TCadeia& c : sistemas) {
        SCOPED_TRACE(c.Arquivo);
        const std::string grf = Path(c.Arquivo + ".grf"), dfs = Path(c.Arquivo + ".dfs");
        const TExecucao g = Brelix({"convert", Exemplo(c.Arquivo + ".sis").string(), "-o", grf});
        ASSERT_EQ(g.Status, 0) << g.Erros;
        EXPECT_EQ(g.Saida, "Sistema -> Grafo: " + grf + "\n");
        const TExecucao d = Brelix({"convert", grf, "-o", dfs});
        ASSERT_EQ(d.Status, 0) << d.Erros;
        EXPECT_EQ(d.Saida, "Grafo -> DFS: " + dfs + "\n");
        // Written as the program writes documents: header first, CR LF line ends.
        EXPECT_EQ(apoio::Slurp(grf).rfind("Object 0: TGrafo\r\n", 0), 0u);
        EXPECT_EQ(apoio::Slurp(dfs).rfind("Object 0: TDFS\r\n", 0), 0u);
        EXPECT_EQ(Brelix({"check", grf}).Saida, "Grafo validado.\n");

        const TJson direto = FT(Exemplo(c.Arquivo + ".sis").string(), c);
        MesmaFuncao(direto, FT(grf, c));
        // The generated diagram names its variables after the graph's: the same choice applies.
        MesmaFuncao(direto, FT(dfs, c));
    }
    for (const TCadeia& c : std::vector<TCadeia>{{"transformador-girador", "E(Vs)", "E(L1)"},
                                                 {"fonte-controlada", "E(Vs)", "E(R3)"}}) {
        SCOPED_TRACE(c.Arquivo);
        const std::string dfs = Path(c.Arquivo + ".dfs");
        ASSERT_EQ(Brelix({"convert", Exemplo(c.Arquivo + ".grf").string(), "-o", dfs}).Status, 0);
        MesmaFuncao(FT(Exemplo(c.Arquivo + ".grf").string(), c), FT(dfs, c));
    }
}

TEST_F(CliSaidas, SavedFunctionShowsTheSameAndKeepsItsValues) {
    const std::string fts = Path("rlc.fts");
    const std::vector<std::string> ft{"ft",       Exemplo("serie-rlc.sis").string(),
                                      "--input",  "E(Vs)",
                                      "--output", "E(C1)",
                                      "--set",    "R1=2",
                                      "--set",    "C1=0,5"};
    std::vector<std::string> salvar = ft;
    salvar.insert(salvar.end(), {"-o", fts});
    const TExecucao s = Brelix(salvar);
    ASSERT_EQ(s.Status, 0) << s.Erros;
    const std::string aviso = "\nFunção de transferência salva em " + fts + "\n";
    ASSERT_GE(s.Saida.size(), aviso.size());
    EXPECT_EQ(s.Saida.substr(s.Saida.size() - aviso.size()), aviso);
    EXPECT_EQ(apoio::Slurp(fts),
              "E(Vs)\r\nE(C1)\r\nSym\r\nC1=0,5\r\nL1=1\r\nR1=2\r\nend\r\nNum\r\n1;0;;\r\nend\r\n"
              "Den\r\n1;2;C1.L1;\r\n1;1;C1.R1;\r\n1;0;;\r\nend\r\n");

    // Read back, it shows everything the analysis showed.
    const TExecucao m = Brelix({"show", fts});
    ASSERT_EQ(m.Status, 0) << m.Erros;
    EXPECT_EQ(m.Saida, s.Saida.substr(0, s.Saida.size() - aviso.size()));

    // Values given to show replace the saved ones: 1 / (0,5.4.S^2 + 0,5.2.S + 1) = 0,5 / (S^2 + 0,5.S + 0,5).
    const TExecucao n = Brelix({"show", fts, "--set", "L1=4", "--json"});
    ASSERT_EQ(n.Status, 0) << n.Erros;
    const TJson j = LerJson(n.Saida)["numerica"];
    EXPECT_EQ(j["ganhoTexto"].Texto, "0,5");
    EXPECT_EQ(j["denominador"].Texto, "S^2 + 0,5.S + 0,5");
}

TEST_F(CliSaidas, VarnelFileCarriesTheEvaluatedFunction) {
    const std::string vrn = Path("motor.vrn");
    const TCadeia motor{"motor-cc", "E(Va)", "E(J_J)"};
    const TJson ft = FT(Exemplo("motor-cc.sis").string(), motor,
                        {"--set", "J=0,02", "--set", "B=0,1", "--set", "La=0,5", "--set", "Ra=2", "--set",
                         "Kb=0,1", "--set", "Kt=0,1", "--varnel", vrn});
    EXPECT_EQ(ft["arquivoVarnel"].Texto, vrn);
    const std::string bytes = apoio::Slurp(vrn);
    ASSERT_EQ(bytes.size(), 4722u);
    EXPECT_EQ(bytes.substr(0, 29), "Arquivo do Varnel for Windows");
    // Kt / ((Ra + La.s)(J.s + B) + Kb.Kt) = 0,1 / (0,01.S^2 + 0,09.S + 0,21): gain 10, monic
    // denominator S^2 + 9.S + 21, numerator 1.
    const std::size_t bloco = 46;
    EXPECT_NEAR(DoubleEm(bytes, bloco), 10.0, 1e-12);
    EXPECT_NEAR(DoubleEm(bytes, bloco + 1424), 1.0, 1e-12);
    EXPECT_NEAR(DoubleEm(bytes, bloco + 1528), 21.0, 1e-12);
    EXPECT_NEAR(DoubleEm(bytes, bloco + 1528 + 8), 9.0, 1e-12);
    EXPECT_NEAR(DoubleEm(bytes, bloco + 1528 + 16), 1.0, 1e-12);
    EXPECT_EQ(DoubleEm(bytes, bloco + 1528 + 24), 0.0);
    EXPECT_NEAR(ft["numerica"]["ganho"].Numero, 10.0, 1e-12);
}

TEST_F(CliSaidas, MasonResultsOfTheDiagram) {
    // Loops of the closed diagram X1 -> X6 (vertex numbers = the variables' numbers): the forward path
    // closed by the branch DFS, then X2 <-> X3, X3 <-> X4 and X5 <-> X6; only the last touches neither
    // of the two before it.
    const TJson ft = FT(Exemplo("lacos-dfs.dfs").string(), {"lacos-dfs", "X1", "X6"}, {"--mason"});
    const TJson& mason = ft["mason"];
    const auto linhas = [](const TJson& grade) {
        std::vector<std::vector<std::string>> r;
        for (const TJson& l : grade["linhas"].Lista)
            r.push_back(l.Textos());
        return r;
    };
    using L = std::vector<std::vector<std::string>>;
    EXPECT_EQ(mason["lacos"]["cabecalhos"].Textos(), (std::vector<std::string>{"Nº Laço", "Vértices"}));
    EXPECT_EQ(linhas(mason["lacos"]),
              (L{{"1", "1, 2, 3, 4, 5, 6, 1"}, {"2", "2, 3, 2"}, {"3", "3, 4, 3"}, {"4", "5, 6, 5"}}));
    EXPECT_EQ(linhas(mason["lacosDisjuntos"]), (L{{"1", ""}, {"2", "4"}, {"3", "4"}, {"4", ""}}));
    EXPECT_EQ(linhas(mason["lacosOrdemSuperior"]), (L{{"1", "1", "1", "- DFS.G1.G2.G3.G4.G5"},
                                                      {"1", "2", "2", "- G2.H1"},
                                                      {"1", "3", "3", "- G3.H2"},
                                                      {"1", "4", "4", "- G5.H3"},
                                                      {"2", "1", "2, 4", "+ G2.G5.H1.H3"},
                                                      {"2", "2", "3, 4", "+ G3.G5.H2.H3"}}));

    // The text form shows the same grids under the tabs' captions.
    const TExecucao t =
        Brelix({"ft", Exemplo("lacos-dfs.dfs").string(), "--input", "X1", "--output", "X6", "--mason"});
    ASSERT_EQ(t.Status, 0);
    EXPECT_NE(t.Saida.find("\nLaços de Ordem Superior\n  Ordem  Nº Laço  Laços  Ganho\n"), std::string::npos)
        << t.Saida;
    EXPECT_NE(t.Saida.find("\n  2      1        2, 4   + G2.G5.H1.H3\n"), std::string::npos) << t.Saida;
}

TEST_F(CliSaidas, CandidateListsOfEachKind) {
    TExecucao r = Brelix({"variables", Exemplo("lacos-dfs.dfs").string(), "--json"});
    ASSERT_EQ(r.Status, 0) << r.Erros;
    TJson j = LerJson(r.Saida);
    EXPECT_EQ(j["documento"].Texto, "DFS");
    EXPECT_EQ(j["entradas"].Textos(), std::vector<std::string>{"X1"});
    EXPECT_EQ(j["saidas"].Textos(), (std::vector<std::string>{"X2", "X3", "X4", "X5", "X6"}));
    EXPECT_FALSE(j.Tem("vertices"));

    r = Brelix({"variables", Exemplo("passa-baixas-rc.sis").string()});
    ASSERT_EQ(r.Status, 0) << r.Erros;
    EXPECT_EQ(r.Saida,
              "Variável de Entrada\n  E(Vs)\nVariável de Saída\n  F(Vs)\n  E(R)\n  F(R)\n  E(C)\n  F(C)\n");

    r = Brelix({"variables", Exemplo("transformador-girador.grf").string(), "--json"});
    ASSERT_EQ(r.Status, 0) << r.Erros;
    j = LerJson(r.Saida);
    EXPECT_EQ(j["vertices"].Textos(),
              (std::vector<std::string>{"1 - A", "2 - B", "3 - C", "4 - D", "5 - Terra"}));
    // A two-port gives a branch per side, each with its effort and flow.
    const std::vector<std::string> saidas = j["saidas"].Textos();
    for (const char* v : {"E(T1_P1)", "F(T1_P1)", "E(T1_P2)", "F(T1_P2)", "E(G1_P1)", "F(G1_P2)"})
        EXPECT_NE(std::find(saidas.begin(), saidas.end(), v), saidas.end()) << v;
}

TEST_F(CliSaidas, SymbolsAndNamesKeepTheirAccentsInJson) {
    // A value the sensitivity is computed for, and a refusal whose message has accents, both as JSON.
    const TExecucao r = Brelix({"ft", Exemplo("inercia-atrito.sis").string(), "--input", "F(T)", "--output",
                                "E(J_J)", "--sensitivity", "J", "--json"});
    ASSERT_EQ(r.Status, 0) << r.Erros;
    const TJson j = LerJson(r.Saida);
    // x/T . dT/dx of 1 / (J.s + B) for x = J: - J.s / (J.s + B).
    EXPECT_EQ(j["sensibilidade"]["numerador"].Texto, "- J.S");
    const TExecucao c = Brelix({"check", Exemplo("motor-cc.sis").string(), "--json"});
    EXPECT_EQ(c.Status, 0);
    EXPECT_TRUE(LerJson(c.Saida)["valido"].Logico);
    const TExecucao m =
        Brelix({"ft", Exemplo("lacos-dfs.dfs").string(), "--input", "X2", "--output", "X6", "--json"});
    EXPECT_EQ(m.Status, 1);
    EXPECT_EQ(LerJson(m.Saida)["recusa"]["mensagem"].Texto, "Variável de entrada não informada");
}
