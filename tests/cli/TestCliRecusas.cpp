#include "ApoioCli.h"

#include <gtest/gtest.h>

// Every way a command can end without its result: refusals of the analysis (status 1, the system's
// own message), damaged or missing files and command lines that cannot be followed (status 2, a
// message naming the file or the fault). The broken documents are the examples edited as text.

using namespace apoiocli;

// Each test writes into a folder of its own.
class CliRecusas : public apoio::PastaTemp {};

namespace {

bool Contem(const std::string& texto, const std::string& parte) {
    return texto.find(parte) != std::string::npos;
}

// An example edited by `editar`, written into the folder under its own name.
std::string Editado(const std::string& arquivo, const std::string& exemplo,
                    const std::function<void(TDocumentoTexto&)>& editar) {
    TDocumentoTexto doc(apoio::Slurp(Exemplo(exemplo)));
    editar(doc);
    apoio::Spit(arquivo, doc.Bytes());
    return arquivo;
}

struct TRecusaEsperada {
    int Status;
    std::string Saida;
    std::string Erros;
};

void Esperar(const std::vector<std::string>& args, const TRecusaEsperada& e) {
    const TExecucao r = Brelix(args);
    EXPECT_EQ(r.Status, e.Status) << r.Erros;
    EXPECT_EQ(r.Saida, e.Saida);
    EXPECT_EQ(r.Erros, e.Erros);
}

} // namespace

TEST_F(CliRecusas, CheckSaysAValidDocumentOfEachKindIsValid) {
    Esperar({"check", Exemplo("motor-cc.sis").string()}, {0, "Sistema validado.\n", ""});
    Esperar({"check", Exemplo("transformador-girador.grf").string()}, {0, "Grafo validado.\n", ""});
    Esperar({"check", Exemplo("lacos-dfs.dfs").string()}, {0, "DFS validado.\n", ""});
}

TEST_F(CliRecusas, IncompleteSystemListsItsUnwiredComponentAndVertex) {
    // Without the wire from C1 to N0, C1 has a free terminal and N0 keeps a single wire.
    const std::string arquivo = Editado(Path("serie-rlc.sis"), "serie-rlc.sis",
                                        [](TDocumentoTexto& d) { d.Remover(d.Conexao(d.Id("C1"), 2)); });
    Esperar({"check", arquivo}, {1, "Sistema não validado.\nC1\nN0\n", ""});
    Esperar({"ft", arquivo, "--input", "E(Vs)", "--output", "E(C1)"},
            {1, "", "Sistema não validado.\nC1\nN0\n"});
    Esperar({"variables", arquivo}, {1, "", "Sistema não validado.\nC1\nN0\n"});
    Esperar({"convert", arquivo, "-o", Path("g.grf")}, {1, "", "Sistema não validado.\nC1\nN0\n"});
    EXPECT_FALSE(std::filesystem::exists(Path("g.grf")));
}

TEST_F(CliRecusas, EmptySystem) {
    const std::string bytes = apoio::Slurp(Exemplo("serie-rlc.sis"));
    const std::string arquivo = Path("vazio.sis");
    apoio::Spit(arquivo, bytes.substr(0, bytes.find("end\r\n") + 5));
    Esperar({"check", arquivo}, {1, "Sistema não validado.\nNenhum elemento adicionado no sistema\n", ""});
}

TEST_F(CliRecusas, MechanicalSystemDrawnAlongTwoAxes) {
    // The spring turned upright while the mass lies horizontally.
    const std::string arquivo = Editado(Path("massa-mola-amortecedor.sis"), "massa-mola-amortecedor.sis",
                                        [](TDocumentoTexto& d) { d.Definir(d.Id("K"), "Rot", "2"); });
    const std::string msg = "Sistema mecânico multi-direcional não suportado.\n";
    Esperar({"check", arquivo}, {1, msg, ""});
    Esperar({"ft", arquivo, "--input", "F(F)", "--output", "E(M)"}, {1, "", msg});
}

TEST_F(CliRecusas, SystemWhoseGraphShortCircuitsAnElement) {
    // Both terminals of the damper on the mass's vertex: its branch runs from a vertex to itself.
    const std::string arquivo =
        Editado(Path("massa-mola-amortecedor.sis"), "massa-mola-amortecedor.sis",
                [](TDocumentoTexto& d) { d.Religar(d.Conexao(d.Id("B"), 2), d.Id("Vr"), d.Id("Vb")); });
    const std::string msg = "Grafo do sistema não validado.\nElementos em curto\n  B\n";
    Esperar({"check", arquivo}, {1, msg, ""});
    Esperar({"ft", arquivo, "--input", "F(F)", "--output", "E(M)"}, {1, "", msg});
    const TExecucao j = Brelix({"check", arquivo, "--json"});
    EXPECT_EQ(j.Status, 1);
    const TJson v = LerJson(j.Saida);
    EXPECT_FALSE(v["valido"].Logico);
    EXPECT_EQ(v["recusa"]["titulo"].Texto, "Grafo do sistema não validado.");
    EXPECT_EQ(v["recusa"]["emCurto"].Textos(), std::vector<std::string>{"B"});
    EXPECT_TRUE(v["recusa"]["naoConectados"].Textos().empty());
}

TEST_F(CliRecusas, GraphWithAFreePortAndGraphWithAShortAndADeadEnd) {
    const std::string livre = Editado(Path("livre.grf"), "fonte-controlada.grf",
                                      [](TDocumentoTexto& d) { d.Remover(d.Conexao(d.Id("R3"), 2)); });
    Esperar({"check", livre}, {1, "Grafo não validado.\nR3\n", ""});

    // R3 from D to D: short-circuited; then C lies on no closed circuit, so the elements at C are
    // reported as unconnected.
    const std::string curto = Editado(Path("curto.grf"), "fonte-controlada.grf", [](TDocumentoTexto& d) {
        d.Religar(d.Conexao(d.Id("R3"), 2), d.Id("Terra"), d.Id("D"));
    });
    const std::string msg =
        "Grafo não validado.\nElementos em curto\n  R3\nElementos não conectados\n  Ec\n  R2\n";
    Esperar({"check", curto}, {1, msg, ""});
    Esperar({"ft", curto, "--input", "E(Vs)", "--output", "E(R3)"}, {1, "", msg});
    Esperar({"convert", curto, "-o", Path("d.dfs")}, {1, "", msg});
}

TEST_F(CliRecusas, IncompleteAndEmptySignalFlowDiagrams) {
    const std::string solta = Editado(Path("solta.dfs"), "lacos-dfs.dfs",
                                      [](TDocumentoTexto& d) { d.Remover(d.Conexao(d.Id("H3"), 1)); });
    Esperar({"check", solta}, {1, "DFS não validado.\nH3\n", ""});
    Esperar({"ft", solta, "--input", "X1", "--output", "X6"}, {1, "", "DFS não validado.\nH3\n"});

    // Only the variables: no transmittance, and no variable connected.
    const std::string sem = Editado(Path("sem.dfs"), "lacos-dfs.dfs", [](TDocumentoTexto& d) {
        for (const char* t : {"G1", "G2", "G3", "G4", "G5", "H1", "H2", "H3"}) {
            d.Remover(d.Conexao(d.Id(t), 1));
            d.Remover(d.Conexao(d.Id(t), 2));
            d.Remover(d.Id(t));
        }
    });
    Esperar({"check", sem},
            {1, "DFS não validado.\nNenhuma transmitância adicionada no DFS\nX1\nX2\nX3\nX4\nX5\nX6\n", ""});

    const std::string vazio = Path("vazio.dfs");
    const std::string bytes = apoio::Slurp(Exemplo("lacos-dfs.dfs"));
    apoio::Spit(vazio, bytes.substr(0, bytes.find("end\r\n") + 5));
    Esperar(
        {"check", vazio},
        {1,
         "DFS não validado.\nNenhuma variável adicionada no DFS\nNenhuma transmitância adicionada no DFS\n",
         ""});
}

TEST_F(CliRecusas, ChoicesTheDialogWouldNotOffer) {
    const std::string dfs = Exemplo("lacos-dfs.dfs").string();
    // X2 is entered by a transmittance: not an input; X1 is entered by none: not an output.
    Esperar(
        {"ft", dfs, "--input", "X2", "--output", "X6"},
        {1, "", "Variável de entrada não informada\nA entrada \"X2\" não está entre as oferecidas: X1\n"});
    Esperar({"ft", dfs, "--input", "X1", "--output", "X1"},
            {1, "",
             "Variável de saída não informada\nA saída \"X1\" não está entre as oferecidas: X2, X3, X4, X5, "
             "X6\n"});
    // Letter case does not matter in the choice lists.
    EXPECT_EQ(Brelix({"ft", dfs, "--input", "x1", "--output", "x6"}).Status, 0);

    const std::string grf = Exemplo("fonte-controlada.grf").string();
    const TExecucao e = Brelix({"ft", grf, "--input", "E(R1)", "--output", "E(R3)"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_TRUE(Contem(e.Erros, "Variável de entrada não informada\n")) << e.Erros;
    Esperar({"ft", grf, "--input", "E(Vs)", "--between", "4,4"},
            {1, "", "Vértices positivo e negativo inválidos\n"});
    Esperar({"ft", grf, "--input", "E(Vs)", "--between", "4,9"}, {1, "", "Vértice inexistente: 9\n"});
    Esperar({"ft", grf, "--input", "E(Vs)", "--between", "D,terra"}, {1, "", "Vértice inexistente: terra\n"});

    const std::string sis = Exemplo("serie-rlc.sis").string();
    const TExecucao s = Brelix({"ft", sis, "--input", "E(Vs)", "--output", "E(C9)", "--json"});
    EXPECT_EQ(s.Status, 1);
    EXPECT_TRUE(Contem(s.Erros, "Escolha uma entrada e uma saída entre as variáveis oferecidas.\n"))
        << s.Erros;
    const TJson j = LerJson(s.Saida);
    EXPECT_EQ(j["recusa"]["mensagem"].Texto,
              "Escolha uma entrada e uma saída entre as variáveis oferecidas.");
    EXPECT_EQ(j["entradas"].Textos(), std::vector<std::string>{"E(Vs)"});
    EXPECT_EQ(j["saidas"].Textos().size(), 7u);
}

TEST_F(CliRecusas, OutputVerticesInTwoSeparateParts) {
    // The transformer's second side and everything after it get a ground of their own: two parts
    // coupled only through the transformer.
    const std::string arquivo =
        Editado(Path("transformador-girador.grf"), "transformador-girador.grf", [](TDocumentoTexto& d) {
            const std::int32_t terra = d.Id("Terra");
            d.Inserir({"Object 99: TVOGrfVertice", "Num=6", "Desc=Terra2", "Left=400", "Top=220", "Lbl=*",
                       "LblX=0", "LblY=0", "end"});
            d.Religar(d.Conexao(d.Id("T1"), 4), terra, 99);
            d.Religar(d.Conexao(d.Id("G1"), 2), terra, 99);
            d.Religar(d.Conexao(d.Id("G1"), 4), terra, 99);
            d.Religar(d.Conexao(d.Id("L1"), 2), terra, 99);
        });
    Esperar({"ft", arquivo, "--input", "E(Vs)", "--between", "1,4"},
            {1, "", "Os vértices da saída devem pertencer a mesma componente do grafo.\n"});
    // Within the second part the effort between two vertices is found.
    EXPECT_EQ(Brelix({"ft", arquivo, "--input", "E(Vs)", "--between", "4,6"}).Status, 0);
}

TEST_F(CliRecusas, NoCausalAssignment) {
    // Two flow sources in series at B: the flow balance of B holds sources only, so no equation can
    // be solved for it.
    const std::string arquivo =
        Editado(Path("fonte-controlada.grf"), "fonte-controlada.grf", [](TDocumentoTexto& d) {
            d.Classe(d.Id("R1"), "TVOGrfFonteFluxo");
            d.Classe(d.Id("C1"), "TVOGrfFonteFluxo");
        });
    const std::string msg = "O algoritmo de cálculo do DFS não obteve êxito.\n";
    Esperar({"ft", arquivo, "--input", "E(Vs)", "--output", "E(R3)"}, {1, "", msg});
    Esperar({"convert", arquivo, "-o", Path("d.dfs")}, {1, "", msg});
}

TEST_F(CliRecusas, SensitivityOfASymbolTheFunctionDoesNotHave) {
    const std::string sis = Exemplo("passa-baixas-rc.sis").string();
    Esperar({"ft", sis, "--input", "E(Vs)", "--output", "E(C)", "--sensitivity", "L"},
            {1, "", "Parâmetro inválido\n"});
    // The source's own gain is no symbol of the function either.
    Esperar({"ft", sis, "--input", "E(Vs)", "--output", "E(C)", "--sensitivity", "Vs"},
            {1, "", "Parâmetro inválido\n"});
}

TEST_F(CliRecusas, VarnelTakesOrdersUpToEight) {
    // The 4-section ladder is of order 8 (accepted); the 5-section one of order 10.
    const std::string ok = Path("ok.vrn");
    EXPECT_EQ(Brelix({"ft", Exemplo("escada-rlc-4.sis").string(), "--input", "E(Vs)", "--output", "E(C4)",
                      "--varnel", ok})
                  .Status,
              0);
    EXPECT_EQ(std::filesystem::file_size(ok), 4722u);

    const std::string escada = Path("escada5.sis");
    ASSERT_EQ(Rodar(Gerador(), {"--ladder", "5", escada}).Status, 0);
    const std::string vrn = Path("escada5.vrn");
    Esperar({"ft", escada, "--input", "E(Vs)", "--output", "E(C5)", "--varnel", vrn, "-o", Path("e.fts")},
            {1, "", "Ordem do sistema não suportada pelo Varnel.\n"});
    EXPECT_FALSE(std::filesystem::exists(vrn));
    // Refused before anything is written.
    EXPECT_FALSE(std::filesystem::exists(Path("e.fts")));
}

TEST_F(CliRecusas, DamagedAndMissingFilesNameTheFile) {
    const std::string original = apoio::Slurp(Exemplo("serie-rlc.sis"));
    const auto esperarFalha = [](const std::vector<std::string>& args, const std::string& arquivo,
                                 const std::string& tambem = {}) {
        const TExecucao r = Brelix(args);
        EXPECT_EQ(r.Status, 2) << r.Erros;
        EXPECT_EQ(r.Saida, "");
        EXPECT_TRUE(Contem(r.Erros, "\"" + arquivo + "\"")) << r.Erros;
        if (!tambem.empty()) {
            EXPECT_TRUE(Contem(r.Erros, tambem)) << r.Erros;
        }
    };

    esperarFalha({"check", Path("nada.sis")}, Path("nada.sis"));
    esperarFalha({"show", Path("nada.fts")}, Path("nada.fts"));

    const std::string txt = Path("circuito.txt");
    apoio::Spit(txt, original);
    esperarFalha({"check", txt}, txt, "extensão");

    // Cut in the middle of an object: the block is never closed.
    const std::string cortado = Path("cortado.sis");
    apoio::Spit(cortado, original.substr(0, original.size() / 2));
    esperarFalha({"ft", cortado, "--input", "E(Vs)", "--output", "E(C1)"}, cortado, "linha");

    // A number that is not one, reported with its line.
    TDocumentoTexto doc(original);
    doc.Definir(doc.Id("R1"), "Num", "um");
    const std::string numero = Path("numero.sis");
    apoio::Spit(numero, doc.Bytes());
    esperarFalha({"check", numero}, numero, "linha");

    // A wire whose component is gone.
    TDocumentoTexto semComp(original);
    semComp.Remover(semComp.Id("L1"));
    const std::string orfao = Path("orfao.sis");
    apoio::Spit(orfao, semComp.Bytes());
    esperarFalha({"check", orfao}, orfao, "linha");

    // A system document under a graph's extension.
    const std::string trocado = Path("trocado.grf");
    apoio::Spit(trocado, original);
    esperarFalha({"check", trocado}, trocado);

    // A transfer-function file without its numerator.
    const std::string fts = Path("quebrado.fts");
    apoio::Spit(fts, "E(V1)\r\nF(L1)\r\nSym\r\nR=2\r\nend\r\nDen\r\n1;0;R;\r\nend\r\n");
    esperarFalha({"show", fts}, fts);

    // Files that cannot be written: the folder does not exist.
    const std::string semPasta = (dir_ / "nao-existe" / "x.fts").string();
    esperarFalha(
        {"ft", Exemplo("serie-rlc.sis").string(), "--input", "E(Vs)", "--output", "E(C1)", "-o", semPasta},
        semPasta);
    const std::string semPastaGrf = (dir_ / "nao-existe" / "x.grf").string();
    esperarFalha({"convert", Exemplo("serie-rlc.sis").string(), "-o", semPastaGrf}, semPastaGrf);
}

TEST_F(CliRecusas, CommandLinesThatCannotBeFollowed) {
    const std::string sis = Exemplo("serie-rlc.sis").string();
    const std::string dfs = Exemplo("lacos-dfs.dfs").string();
    const auto uso = [](const std::vector<std::string>& args, const std::string& parte) {
        const TExecucao r = Brelix(args);
        EXPECT_EQ(r.Status, 2) << r.Erros;
        EXPECT_EQ(r.Saida, "");
        EXPECT_TRUE(Contem(r.Erros, parte)) << r.Erros;
        EXPECT_TRUE(Contem(r.Erros, "--help")) << r.Erros;
    };
    uso({}, "falta o comando");
    uso({"analisar", sis}, "comando desconhecido: analisar");
    uso({"check"}, "pede um arquivo");
    uso({"check", sis, dfs}, "um só arquivo");
    uso({"check", sis, "--mason"}, "não aceita a opção --mason");
    uso({"ft", sis, "--output", "E(C1)"}, "--input");
    uso({"ft", sis, "--input", "E(Vs)"}, "--output NOME ou --between");
    uso({"ft", sis, "--input", "E(Vs)", "--output", "E(C1)", "--between", "1,2"}, "uma delas");
    uso({"ft", sis, "--input", "E(Vs)", "--input", "E(Vs)", "--output", "E(C1)"}, "mais de uma vez");
    uso({"ft", sis, "--input"}, "falta o valor da opção --input");
    uso({"ft", sis, "--input", "E(Vs)", "--between", "3"}, "dois vértices");
    uso({"ft", sis, "--input", "E(Vs)", "--output", "E(C1)", "--mason"}, "--mason");
    uso({"ft", sis, "--input", "E(Vs)", "--between", "1,2"}, "grafo linear");
    uso({"convert", sis}, "-o");
    uso({"convert", dfs, "-o", "x.grf"}, "não tem conversão");
    uso({"convert", sis, "-o", "x.dfs"}, ".grf");
    uso({"show", sis, "--mason"}, "não aceita");
}

TEST_F(CliRecusas, ValuesMustBeNumbersWithTheDecimalComma) {
    const std::string sis = Exemplo("serie-rlc.sis").string();
    const std::vector<std::string> base{"ft", sis, "--input", "E(Vs)", "--output", "E(C1)"};
    const auto com = [&](std::vector<std::string> extra) {
        std::vector<std::string> a = base;
        a.insert(a.end(), extra.begin(), extra.end());
        return Brelix(a);
    };
    // A period is not the decimal separator: refused, never read as 1.
    TExecucao r = com({"--set", "R1=2.5"});
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(Contem(r.Erros, "\"2.5\"")) << r.Erros;
    EXPECT_TRUE(Contem(r.Erros, "vírgula")) << r.Erros;
    for (const char* ruim : {"R1=", "R1=abc", "R1=1,5x", "=2", "R1"}) {
        r = com({"--set", ruim});
        EXPECT_EQ(r.Status, 2) << ruim;
        EXPECT_EQ(r.Saida, "") << ruim;
    }
    r = com({"--set", "X=2"});
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(Contem(r.Erros, "o símbolo X não está na função de transferência; símbolos: C1, L1, R1"))
        << r.Erros;
    // The comma form is read: 1 / (0,5 . 2 . S^2 + 2,5 . 0,5 . S + 1), monic after dividing by 1.
    r = com({"--set", "R1=2,5", "--set", "C1=0,5", "--set", "L1=2", "--json"});
    ASSERT_EQ(r.Status, 0) << r.Erros;
    const TJson n = LerJson(r.Saida)["numerica"];
    EXPECT_EQ(n["ganhoTexto"].Texto, "1");
    EXPECT_EQ(n["denominador"].Texto, "S^2 + 1,25.S + 1");
}
