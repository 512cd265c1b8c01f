#include "ApoioCli.h"

#include <algorithm>
#include <functional>

// Every way a command ends without its result: refusals of the analysis (status 1, the system's own
// message), damaged or missing files and command lines that cannot be followed (status 2, a message
// naming the file or the fault). The broken documents are the examples edited as text.

using namespace apoiocli;

class CliRecusas : public apoio::PastaTemp {};

namespace {

using TLinhas = std::vector<std::string>;

bool Tem(const TLinhas& o, const std::string& linha) {
    return std::find(o.begin(), o.end(), linha) != o.end();
}

void Trocar(TLinhas& o, const std::string& de, const std::string& para) {
    if (!Tem(o, de)) throw std::runtime_error("no line " + de);
    *std::find(o.begin(), o.end(), de) = para;
}

// A document as its objects, each the lines from "Object N: Class" to "end" without their CR LF.
struct TDoc {
    std::vector<TLinhas> Objetos;

    TLinhas& Objeto(const std::string& desc) {
        for (TLinhas& o : Objetos)
            if (Tem(o, "Desc=" + desc)) return o;
        throw std::runtime_error("no object " + desc);
    }
    std::string Id(const std::string& desc) {
        const std::string& cabecalho = Objeto(desc).front();
        return cabecalho.substr(7, cabecalho.find(':') - 7);
    }
    // The connection at port `porta` of the element.
    TLinhas& Conexao(const std::string& elemento, const std::string& porta) {
        for (TLinhas& o : Objetos)
            for (const std::string lado : {"1", "2"})
                if (Tem(o, "ObjID" + lado + "=" + Id(elemento)) && Tem(o, "CntID" + lado + "=" + porta))
                    return o;
        throw std::runtime_error("no connection at " + elemento);
    }
    // Moves the end at the vertex `de` of the connection at a port to the vertex `para`.
    void Religar(const std::string& elemento, const std::string& porta, const std::string& de,
                 const std::string& para) {
        TLinhas& c = Conexao(elemento, porta);
        const std::string chave = Tem(c, "ObjID1=" + Id(de)) ? "ObjID1=" : "ObjID2=";
        Trocar(c, chave + Id(de), chave + Id(para));
    }
    void Remover(const TLinhas& o) { Objetos.erase(Objetos.begin() + (&o - Objetos.data())); }
};

} // namespace

TEST_F(CliRecusas, EveryRefusalGivesItsMessageAndStatus) {
    // The examples, the 5-section ladder and the broken documents side by side in the test's folder.
    ASSERT_EQ(Rodar(Gerador, {dir_.string()}).Status, 0);
    ASSERT_EQ(Rodar(Gerador, {"--ladder", "5", Path("escada5.sis")}).Status, 0);
    const auto editar = [this](const std::string& exemplo, const std::string& nome,
                               const std::function<void(TDoc&)>& edicao) {
        TDoc d;
        std::istringstream in(apoio::Slurp(Path(exemplo)));
        for (std::string l; std::getline(in, l);) {
            if (l.starts_with("Object ")) d.Objetos.emplace_back();
            d.Objetos.back().push_back(l.substr(0, l.size() - 1)); // without the CR
        }
        edicao(d);
        std::string bytes;
        for (const TLinhas& o : d.Objetos)
            for (const std::string& l : o)
                bytes += l + "\r\n";
        apoio::Spit(Path(nome), bytes);
    };
    // Without the wire from C1 to N0, C1 has a free terminal and N0 keeps a single wire.
    editar("serie-rlc.sis", "inc.sis", [](TDoc& d) { d.Remover(d.Conexao("C1", "2")); });
    editar("serie-rlc.sis", "vazio.sis", [](TDoc& d) { d.Objetos.resize(1); });
    // The spring turned upright while the mass lies horizontally.
    editar("massa-mola-amortecedor.sis", "eixos.sis",
           [](TDoc& d) { Trocar(d.Objeto("K"), "Rot=1", "Rot=2"); });
    // Both terminals of the damper on the mass's vertex: its branch runs from a vertex to itself.
    editar("massa-mola-amortecedor.sis", "curto.sis", [](TDoc& d) { d.Religar("B", "2", "Vr", "Vb"); });
    editar("fonte-controlada.grf", "livre.grf", [](TDoc& d) { d.Remover(d.Conexao("R3", "2")); });
    // R3 from D to D is short-circuited; C then lies on no closed circuit: Ec and R2 are unconnected.
    editar("fonte-controlada.grf", "curto.grf", [](TDoc& d) { d.Religar("R3", "2", "Terra", "D"); });
    editar("lacos-dfs.dfs", "solta.dfs", [](TDoc& d) { d.Remover(d.Conexao("H3", "1")); });
    editar("lacos-dfs.dfs", "vazio.dfs", [](TDoc& d) { d.Objetos.resize(1); });
    // Only the header and the variables: no transmittance, and no variable connected.
    editar("lacos-dfs.dfs", "sem.dfs", [](TDoc& d) {
        std::erase_if(d.Objetos, [](const TLinhas& o) {
            return !o[0].ends_with("Variavel") && !o[0].ends_with(": TDFS");
        });
    });
    // Past the transformer a ground of its own: two parts coupled only through the transformer.
    editar("transformador-girador.grf", "partes.grf", [](TDoc& d) {
        d.Objetos.insert(d.Objetos.begin() + 1, {"Object 99: TVOGrfVertice", "Num=6", "Desc=Terra2",
                                                 "Left=400", "Top=220", "Lbl=*", "LblX=0", "LblY=0", "end"});
        for (const auto& [elemento, porta] : {std::pair{"T1", "4"}, {"G1", "2"}, {"G1", "4"}, {"L1", "2"}})
            d.Religar(elemento, porta, "Terra", "Terra2");
    });
    // Two flow sources in series at B: its flow balance holds sources only, solvable for none of them.
    editar("fonte-controlada.grf", "causal.grf", [](TDoc& d) {
        for (const char* e : {"R1", "C1"})
            d.Objeto(e).front() = "Object " + d.Id(e) + ": TVOGrfFonteFluxo";
    });
    // Damaged: a bad number, a wire to no component, wrong extensions, cut short, no numerator.
    editar("serie-rlc.sis", "numero.sis", [](TDoc& d) { Trocar(d.Objeto("R1"), "Num=1", "Num=um"); });
    editar("serie-rlc.sis", "orfao.sis", [](TDoc& d) { d.Remover(d.Objeto("L1")); });
    const std::string sis = apoio::Slurp(Path("serie-rlc.sis"));
    apoio::Spit(Path("c.txt"), sis);
    apoio::Spit(Path("trocado.grf"), sis);
    apoio::Spit(Path("cortado.sis"), sis.substr(0, sis.size() / 2));
    apoio::Spit(Path("q.fts"), "E(V1)\r\nF(L1)\r\nSym\r\nR=2\r\nend\r\nDen\r\n1;0;R;\r\nend\r\n");

    const auto uso = [](const std::string& falta) {
        return "brelix-cli: " + falta + "\nUse brelix-cli --help para ver o uso.\n";
    };
    const std::string ft = "ft serie-rlc.sis --input E(Vs) ", fc = "ft fonte-controlada.grf --input E(Vs) ";
    const std::string set = ft + "--output E(C1) --set ", valor = "o valor de R1 não é um número: ";
    const std::string inc = "Sistema não validado.\nC1\nN0\n", solta = "DFS não validado.\nH3\n";
    const std::string eixos = "Sistema mecânico multi-direcional não suportado.\n";
    const std::string curtoB = "Grafo do sistema não validado.\nElementos em curto\n  B\n";
    const std::string curto =
        "Grafo não validado.\nElementos em curto\n  R3\nElementos não conectados\n  Ec\n  R2\n";
    const std::string causal = "O algoritmo de cálculo do DFS não obteve êxito.\n";
    const std::vector<TComando> casos = {
        {"check motor-cc.sis", 0, "Sistema validado.\n"},
        {"check transformador-girador.grf", 0, "Grafo validado.\n"},
        {"check lacos-dfs.dfs", 0, "DFS validado.\n"},
        {"check inc.sis", 1, inc},
        {"ft inc.sis --input E(Vs) --output E(C1)", 1, inc},
        {"variables inc.sis", 1, inc},
        {"convert inc.sis -o d.grf", 1, inc},
        {"check vazio.sis", 1, "Sistema não validado.\nNenhum elemento adicionado no sistema\n"},
        {"check eixos.sis", 1, eixos},
        {"ft eixos.sis --input F(F) --output E(M)", 1, eixos},
        {"check curto.sis", 1, curtoB},
        {"ft curto.sis --input F(F) --output E(M)", 1, curtoB},
        {"check curto.sis --json", 1,
         R"j({"arquivo": "curto.sis", "documento": "Sistema", "valido": false, "recusa": {"titulo": )j"
         "\"Grafo do sistema não validado.\", \"emCurto\": [\"B\"], \"naoConectados\": []}}\n"},
        {"check livre.grf", 1, "Grafo não validado.\nR3\n"},
        {"check curto.grf", 1, curto},
        {"ft curto.grf --input E(Vs) --output E(R3)", 1, curto},
        {"convert curto.grf -o d.dfs", 1, curto},
        {"check solta.dfs", 1, solta},
        {"ft solta.dfs --input X1 --output X6", 1, solta},
        {"check sem.dfs", 1,
         "DFS não validado.\nNenhuma transmitância adicionada no DFS\nX1\nX2\nX3\nX4\nX5\nX6\n"},
        {"check vazio.dfs", 1,
         "DFS não validado.\nNenhuma variável adicionada no DFS\nNenhuma transmitância..."},
        // Choices not offered (X2 is entered by a transmittance, X1 by none); letter case is free.
        {"ft lacos-dfs.dfs --input X2 --output X6", 1,
         "Variável de entrada não informada\nA entrada \"X2\" não está entre as oferecidas: X1\n"},
        {"ft lacos-dfs.dfs --input X1 --output X1", 1,
         "Variável de saída não informada\nA saída \"X1\" não está entre as oferecidas: X2, X3, X4, X5, "
         "X6\n"},
        {"ft lacos-dfs.dfs --input x1 --output x6", 0, "Variável de Entrada: X1\n..."},
        {"ft fonte-controlada.grf --input E(R1) --output E(R3)", 1, "Variável de entrada não informada\n..."},
        {fc + "--between 4,4", 1, "Vértices positivo e negativo inválidos\n"},
        {fc + "--between 4,9", 1, "Vértice inexistente: 9\n"},
        {fc + "--between D,terra", 1, "Vértice inexistente: terra\n"},
        // A system's choice is the signal-flow document's dialog, with its messages.
        {ft + "--output E(C9)", 1,
         "Variável de saída não informada\nA saída \"E(C9)\" não está entre as oferecidas: F(Vs), E(R1), "
         "F(R1), E(L1), F(L1), E(C1), F(C1)\n"},
        // Within the second part the effort between two vertices is found.
        {"ft partes.grf --input E(Vs) --between 1,4", 1, "Os vértices da saída devem pertencer a mesma..."},
        {"ft partes.grf --input E(Vs) --between 4,6", 0, "Variável de Entrada: E(Vs)\n..."},
        {"ft causal.grf --input E(Vs) --output E(R3)", 1, causal},
        {"convert causal.grf -o d.dfs", 1, causal},
        // The source's own gain is no symbol of the function either.
        {"ft passa-baixas-rc.sis --input E(Vs) --output E(C) --sensitivity L", 1, "Parâmetro inválido\n"},
        {"ft passa-baixas-rc.sis --input E(Vs) --output E(C) --sensitivity Vs", 1, "Parâmetro inválido\n"},
        // Order 10: refused before anything is written.
        {"ft escada5.sis --input E(Vs) --output E(C5) --varnel e.vrn -o e.fts", 1, "Ordem do sistema não..."},
        {"check nada.sis", 2, "brelix-cli: \"nada.sis\": não foi possível abrir o arquivo..."},
        {"show nada.fts", 2, "brelix-cli: \"nada.fts\": não foi possível abrir o arquivo..."},
        {"check numero.sis", 2, "brelix-cli: \"numero.sis\", linha 56: esperava-se em Num um número..."},
        {"check orfao.sis", 2, "brelix-cli: \"orfao.sis\", linha 137: ObjID1=7 não é um vértice..."},
        {"check c.txt", 2, "brelix-cli: \"c.txt\": não é um documento do Brelix (esperava-se a extensão..."},
        {"check trocado.grf", 2, "brelix-cli: \"trocado.grf\", linha 1: esperava-se \"Object 0: TGrafo\"..."},
        {"ft cortado.sis --input E(Vs) --output E(C1)", 2, "brelix-cli: \"cortado.sis\", linha 96: o..."},
        {"show q.fts", 2, "brelix-cli: \"q.fts\": não é um arquivo de função de transferência: falta..."},
        {set + "R1=2 -o nao-existe/x.fts", 2, "brelix-cli: \"nao-existe/x.fts\": não foi possível gravar..."},
        {"convert serie-rlc.sis -o nao-existe/x.grf", 2,
         "brelix-cli: \"nao-existe/x.grf\": não foi possível..."},
        {"", 2, uso("falta o comando")},
        {"analisar serie-rlc.sis", 2, uso("comando desconhecido: analisar")},
        {"check", 2, uso("o comando check pede um arquivo")},
        {"check serie-rlc.sis lacos-dfs.dfs", 2,
         uso("um só arquivo por comando: serie-rlc.sis e lacos-dfs.dfs")},
        {"check serie-rlc.sis --mason", 2, uso("o comando check não aceita a opção --mason")},
        {"ft serie-rlc.sis --output E(C1)", 2, uso("ft pede a variável de entrada: --input NOME")},
        {ft + "--output E(C1) --between 1,2", 2,
         uso("ft pede uma saída: --output NOME ou --between P,N (uma delas)")},
        {ft + "--input E(Vs) --output E(C1)", 2, uso("a opção --input foi dada mais de uma vez")},
        {"ft serie-rlc.sis --input", 2, uso("falta o valor da opção --input")},
        {ft + "--between 3", 2,
         uso("--between pede dois vértices separados por vírgula, como em --between 3,1")},
        {ft + "--output E(C1) --mason", 2, "brelix-cli: --mason vale para um DFS (.dfs)..."},
        {ft + "--between 1,2", 2, "brelix-cli: O esforço entre dois vértices só pode ser escolhido como..."},
        {"convert serie-rlc.sis", 2, uso("convert pede o arquivo a escrever: -o ARQUIVO")},
        {"convert lacos-dfs.dfs -o x.grf", 2, "brelix-cli: um DFS não tem conversão..."},
        {"convert serie-rlc.sis -o x.dfs", 2, uso("Sistema -> Grafo escreve um documento .grf: x.dfs")},
        // Values take the decimal comma: a period is refused, never read as 1.
        {set + "R1=2.5", 2, uso(valor + "\"2.5\" (o separador decimal é a vírgula, como em 2,5)")},
        {set + "R1=1,5x", 2, uso(valor + "\"1,5x\"")},
        {set + "=2", 2, uso("--set pede NOME=VALOR, como em --set R=2,5; recebeu \"=2\"")},
        {set + "R1", 2, uso("--set pede NOME=VALOR, como em --set R=2,5; recebeu \"R1\"")},
        {set + "X=2", 2, uso("o símbolo X não está na função de transferência; símbolos: C1, L1, R1")},
    };
    Conferir(casos, dir_);
    // No refused command wrote its output.
    for (const char* nome : {"d.grf", "d.dfs", "e.vrn", "e.fts", "x.grf", "x.dfs", "nao-existe"})
        EXPECT_FALSE(std::filesystem::exists(Path(nome))) << nome;
}
