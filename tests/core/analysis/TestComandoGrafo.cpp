// The commands "Grafo -> DFS", "Grafo -> Função de Transferência..." and "DFS -> Função de
// Transferência..." run without a display through their document kind's command, end to end from
// drawn documents: every refusal with its reason and the message or check view it shows, and transfer
// functions of drawn networks checked against a direct solve (support/RedeLinear.h) and against the
// generated DFS document saved, read back and analysed.

#include "core/analysis/ApoioDocumento.h"
#include "support/RedeLinear.h"

#include "analysis/UnitComandoDocumento.h"
#include "analysis/UnitEscolhaFT.h"
#include "support/CatalogoTeste.h"

using namespace brelix;
using apoio::Complexo;
using apoio::Desenho;

namespace {

const TComandoDocumento& Comando(const TVisualDocumento& doc) {
    return CatalogoCompleto().Comando(doc);
}

TFTDocumento FT(const TVisualDocumento& doc, const TPedidoFT& pedido) {
    return Comando(doc).CalcularFT(doc, pedido, {});
}

// A refusal as one text: the message, or the check view's caption and the lists of its shown tabs,
// the one that opens marked with "*".
std::string Recusa(const TRecusa& r) {
    if (r.Tipo != TRecusa::TTipo::Verificacao) return r.Houve() ? r.Mensagem : "(calculado)";
    const TConteudoVerificacao& v = r.Verificacao;
    std::string t = v.Mensagem;
    const auto aba = [&](bool visivel, TAbaVerificacao a, const std::vector<std::string>& lista) {
        if (!visivel) return;
        t += a == v.AbaAtiva ? " *[" : " [";
        for (std::size_t i = 0; i < lista.size(); ++i)
            t += (i == 0 ? "" : "; ") + lista[i];
        t += "]";
    };
    aba(v.NaoValidadosVisivel, TAbaVerificacao::NaoValidados, v.NaoValidados);
    aba(v.EmCurtoVisivel, TAbaVerificacao::EmCurto, v.EmCurto);
    aba(v.NaoConectadosVisivel, TAbaVerificacao::NaoConectados, v.NaoConectados);
    return t;
}

// A network drawn element by element, with the same network kept beside it for the direct solve.
struct Circuito {
    Desenho d;
    rede::Rede r;

    explicit Circuito(const std::string& nome) : d(kDocKindGrafo, nome) {}

    TVOGrfVertice& V(const std::string& nome) {
        TVOGrfVertice& v = d.Vertice(nome);
        r.vertices.emplace_back(v.Num(), nome);
        return v;
    }
    void Um(const char* classe, int tipo, const std::string& nome, const rede::Ganho& g, TVOGrfVertice& de,
            TVOGrfVertice& para, const std::string& controle = {}) {
        r.elementos.push_back({tipo, nome, de.Num(), para.Num(), {g}, controle, -1});
        TVOGrfComp& c = d.Elemento(classe, nome, g.Texto(), {&de, &para});
        if (!controle.empty()) d.Doc().SetObjectControlVariable(c, controle);
    }
    void Dois(const char* classe, int tipo, const std::string& nome, const std::vector<rede::Ganho>& g,
              TVOGrfVertice& v1, TVOGrfVertice& v2, TVOGrfVertice& v3, TVOGrfVertice& v4) {
        const int p1 = static_cast<int>(r.elementos.size());
        r.elementos.push_back({tipo, nome + "_P1", v1.Num(), v2.Num(), g, {}, p1 + 1});
        r.elementos.push_back({tipo + 1, nome + "_P2", v3.Num(), v4.Num(), g, {}, p1});
        d.Elemento(classe, nome, r.TextoGanho(r.elementos[static_cast<std::size_t>(p1)]),
                   {&v1, &v2, &v3, &v4});
    }

    // The function from the source to an element's effort, through the graph command, through the
    // generated DFS document read back from its file, and as the effort between two vertices, each
    // equal to the network's direct solve at random points.
    void Conferir(const std::string& fonte, const std::string& elemento, const TVOGrfVertice& positivo,
                  const TVOGrfVertice& negativo, std::mt19937& rng) {
        const std::string entrada = "E(" + fonte + ")", saida = "E(" + elemento + ")";
        const TFTDocumento ft = FT(d.Doc(), {entrada, saida, false, {}, {}});
        // The positive vertex by identifier, the negative one by name.
        const TFTDocumento entre =
            FT(d.Doc(), {entrada, {}, true, std::to_string(positivo.Num()), negativo.Desc()});
        const TConversaoDocumento conv = Comando(d.Doc()).Converter(d.Doc(), {});
        ASSERT_TRUE(ft.Calculado() && entre.Calculado() && conv.Convertido())
            << ft.Recusa.Mensagem << entre.Recusa.Mensagem << conv.Recusa.Mensagem;
        EXPECT_EQ(entre.Saida,
                  "E(" + std::to_string(positivo.Num()) + ", " + std::to_string(negativo.Num()) + ")");
        auto lido = apoio::SalvarERecarregar(*conv.Documento, d.Doc().FileName() + "DFS");
        const TFTDocumento dfs = FT(*lido, {entrada, saida, false, {}, {}});
        ASSERT_TRUE(dfs.Calculado()) << dfs.Recusa.Mensagem;

        std::vector<std::string> simbolos;
        for (const TSimboloVal& s : ft.Simbolos)
            if (s.Nome != "DFS") simbolos.push_back(s.Nome);
        for (int ponto = 0; ponto < 6; ++ponto) {
            const apoio::Ponto p = apoio::PontoAleatorio(rng, simbolos, 0.4, 3.0, -1.1, 1.5);
            rede::Solucao sol;
            ASSERT_TRUE(sol.Resolver(r, r.Posicao(fonte), p.valores, p.s));
            const Complexo esperado = sol.Ler({rede::Saida::Esforco, r.Posicao(elemento), 0, 0});
            EXPECT_TRUE(
                apoio::Perto(sol.Ler({rede::Saida::Entre, 0, positivo.Num(), negativo.Num()}), esperado));
            const TListSimboloVal v = apoio::Valores(p.valores);
            EXPECT_TRUE(apoio::Perto(ft.Funcao.ValorEm(v, p.s), esperado))
                << ft.Funcao.ValorEm(v, p.s) << " vs " << esperado;
            EXPECT_TRUE(apoio::Perto(entre.Funcao.ValorEm(v, p.s), esperado));
            EXPECT_TRUE(apoio::Perto(dfs.Funcao.ValorEm(v, p.s), esperado));
            EXPECT_GT(std::abs(esperado), 1e-9); // the output depends on the input
        }
    }
};

} // namespace

TEST(ComandoRecusas, EachCommandRefusesWithTheMessageOrTheCheckViewItShows) {
    Desenho dfsVazio(kDocKindDFS), grafoVazio(kDocKindGrafo);
    // A free variable, a transmittance with a free port, names that only letter case tells apart
    // and the reserved symbol in any letter case.
    Desenho dfs(kDocKindDFS);
    auto &x = dfs.Vertice("x"), &xx = dfs.Vertice("X");
    dfs.Vertice("solta");
    dfs.Transmitancia(x, xx, "2.DFS");
    dfs.Elemento("TVODFSTransmitancia", "", "dfs", {&xx});
    // x1 -a-> x2 -b-> x3 with the feedback x3 -c-> x2.
    Desenho malha(kDocKindDFS);
    auto &x1 = malha.Vertice("x1"), &x2 = malha.Vertice("x2"), &x3 = malha.Vertice("x3");
    malha.Transmitancia(x1, x2, "a");
    malha.Transmitancia(x2, x3, "b");
    malha.Transmitancia(x3, x2, "c");
    // A free vertex, a free port, a controlled source without control, a two-port side without
    // gains; then names.
    Desenho grafo(kDocKindGrafo);
    auto &a = grafo.Vertice("A"), &b = grafo.Vertice("B");
    grafo.Vertice("Solto");
    grafo.Elemento("TVOGrfImpedancia", "Z", "R", {&a});
    grafo.Elemento("TVOGrfFonteEsforcoCtrl", "Ec", "2", {&b, &a});
    grafo.Elemento("TVOGrfDuasPortas", "Q", "0;0;K;K", {&a, &b, &b, &a});
    grafo.Elemento("TVOGrfImpedancia", "tr_p2", "R", {&a, &b});
    grafo.Elemento("TVOGrfTransformador", "Tr", "N", {&a, &b, &a, &b});
    grafo.Elemento("TVOGrfImpedancia", "L", "DFS.S", {&a, &b});
    // Complete drawings whose graph has an element in no circuit, or one from a vertex to itself.
    Desenho aberto(kDocKindGrafo), curto(kDocKindGrafo);
    for (Desenho* d : {&aberto, &curto}) {
        auto &p = d->Vertice("A"), &q = d->Vertice("B");
        d->Elemento("TVOGrfFonteEsforco", "E1", "E", {&p, &q});
        d->Elemento("TVOGrfImpedancia", "R1", "R", {&p, &q});
        d->Elemento("TVOGrfImpedancia", "R2", "R", {&q, d == &aberto ? &d->Vertice("C") : &q});
    }
    // E1 feeding a transformer Tr whose second side drives R.
    Desenho trafo(kDocKindGrafo);
    auto &p1 = trafo.Vertice("P1"), &p2 = trafo.Vertice("P2"), &s1 = trafo.Vertice("S1"),
         &s2 = trafo.Vertice("S2");
    trafo.Elemento("TVOGrfFonteEsforco", "E1", "E", {&p1, &p2});
    trafo.Elemento("TVOGrfTransformador", "Tr", "N", {&p1, &p2, &s1, &s2});
    trafo.Elemento("TVOGrfImpedancia", "R", "R", {&s1, &s2});

    enum Pedido { FT1, Converter, FTEntre };
    const std::string semE = "Variável de entrada não informada", semS = "Variável de saída não informada";
    using M = TMotivoRecusa;
    const struct {
        Desenho& d;
        Pedido cmd;
        std::string a, b, c, esperado;
        TMotivoRecusa motivo;
    } casos[] = {
        {dfsVazio, FT1, "x", "y", "",
         "DFS não validado. *[Nenhuma variável adicionada no DFS; Nenhuma transmitância adicionada no DFS]",
         M::Incompleto},
        {dfs, FT1, "x", "X", "",
         "DFS não validado. *[solta; Transmitancia2; Descrição repetida: X; O símbolo DFS é reservado: "
         "Transmitancia1]",
         M::Incompleto},
        // Only list entries can be chosen: an output is no input, an input no output.
        {malha, FT1, "", "x3", "", semE, M::EscolhaInvalida},
        {malha, FT1, "x2", "x3", "", semE, M::EscolhaInvalida},
        {malha, FT1, "x1", "x1", "", semS, M::EscolhaInvalida},
        {malha, FT1, "x1", "nada", "", semS, M::EscolhaInvalida},
        {malha, FTEntre, "x1", "1", "2", kMsgEsforcoEntreSoGrafo, M::EscolhaInvalida},
        {grafoVazio, Converter, "", "", "",
         "Grafo não validado. *[Nenhum vértice adicionado no grafo; Nenhum ramo adicionado no grafo]",
         M::Incompleto},
        {grafo, Converter, "", "", "",
         "Grafo não validado. *[Solto; Z; Ec; Q; Descrição repetida: Tr_P2; O símbolo DFS é reservado: L]",
         M::Incompleto},
        {aberto, Converter, "", "", "", "Grafo não validado. [] *[R2]", M::GrafoInvalido},
        {curto, FT1, "E(E1)", "E(R1)", "", "Grafo não validado. *[R2] []", M::GrafoInvalido},
        {trafo, FT1, "", "E(R)", "", semE, M::EscolhaInvalida},
        {trafo, FT1, "E(R)", "E(R)", "", semE, M::EscolhaInvalida}, // not a source
        {trafo, FT1, "E(E1)", "", "", semS, M::EscolhaInvalida},
        {trafo, FT1, "E(E1)", "E(E1)", "", semS, M::EscolhaInvalida}, // a source
        {trafo, FTEntre, "E(E1)", "P1", "", semS, M::EscolhaInvalida},
        {trafo, FTEntre, "E(E1)", "1", "P1", "Vértices positivo e negativo inválidos", M::EscolhaInvalida},
        {trafo, FTEntre, "E(E1)", "p1", "S1", "Vértice inexistente: p1", M::EscolhaInvalida},
        {trafo, FTEntre, "E(E1)", "P1", "3",
         "Os vértices da saída devem pertencer a mesma componente do grafo.", M::VerticesOutraComponente},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.esperado);
        TVisualDocumento& doc = k.d.Doc();
        const TRecusa r = k.cmd == Converter ? Comando(doc).Converter(doc, {}).Recusa
                          : k.cmd == FTEntre ? FT(doc, {k.a, {}, true, k.b, k.c}).Recusa
                                             : FT(doc, {k.a, k.b, false, {}, {}}).Recusa;
        EXPECT_EQ(Recusa(r), k.esperado);
        EXPECT_EQ(r.Motivo, k.motivo);
        EXPECT_EQ(r.EscolhaRecusada(), k.motivo == M::EscolhaInvalida);
    }
    // A refused graph gives no document; a refused choice still offers the candidates.
    const TConversaoDocumento recusada = Comando(aberto.Doc()).Converter(aberto.Doc(), {});
    EXPECT_TRUE(recusada.Documento == nullptr && !recusada.VisaoGrafoDFS);
    // A signal-flow diagram is the last kind: its command has no conversion.
    EXPECT_FALSE(Comando(malha.Doc()).Converte());
    EXPECT_FALSE(Comando(malha.Doc()).Converter(malha.Doc(), {}).Recusa.Houve());
    EXPECT_EQ(FT(malha.Doc(), {}).Candidatos.Saidas, (std::vector<std::string>{"x2", "x3"}));
}

// RC/RL ladders of one to three sections fed by E1 from N0 to the ground G.
TEST(ComandoGrafoCruzado, LaddersAgreeWithTheDirectSolveAndWithTheirGeneratedDFSDocument) {
    std::mt19937 rng(7);
    for (int caso = 0; caso < 6; ++caso) {
        SCOPED_TRACE(caso);
        Circuito c("Escada" + std::to_string(caso));
        auto& g = c.V("G");
        std::vector<TVOGrfVertice*> nos = {&c.V("N0")};
        c.Um("TVOGrfFonteEsforco", kRamoFonteEsforco, "E1", rede::G(1, "1", "E"), *nos[0], g);
        const auto impedancia = [&](const std::string& sufixo) {
            const auto tipo = rng() % 3;
            return tipo == 0   ? rede::G(1, "1", "R" + sufixo)
                   : tipo == 1 ? rede::G(1, "1", "L" + sufixo, 1, 1)
                               : rede::G(1, "1", "C" + sufixo, -1, -1);
        };
        const int secoes = 1 + caso % 3;
        for (int i = 0; i < secoes; ++i) {
            const std::string n = std::to_string(i);
            nos.push_back(&c.V("N" + std::to_string(i + 1)));
            c.Um("TVOGrfImpedancia", kRamoImpedancia, "Zs" + n, impedancia("s" + n), *nos[nos.size() - 2],
                 *nos.back());
            c.Um("TVOGrfImpedancia", kRamoImpedancia, "Zp" + n, impedancia("p" + n), *nos.back(), g);
        }
        c.Conferir("E1", "Zp" + std::to_string(secoes - 1), *nos.back(), g, rng);
    }
}

// A controlled flow source, a gyrator, a transformer and a generic two-port of four symbolic gains
// in one network: E1 drives R1; Fc (gain g, controlled by E(R1)) feeds R2 and the gyrator, whose
// second side drives R3 and the transformer, whose second side drives the two-port loaded by R4.
TEST(ComandoGrafoCruzado, ControlledSourcesAndTwoPortsAgreeWithTheDirectSolve) {
    Circuito c("Misto");
    auto &a = c.V("A"), &b = c.V("B"), &cc = c.V("C"), &x = c.V("X"), &y = c.V("Y"), &p = c.V("P"),
         &m = c.V("M");
    c.Um("TVOGrfFonteEsforco", kRamoFonteEsforco, "E1", rede::G(1, "1", "E"), a, b);
    c.Um("TVOGrfImpedancia", kRamoImpedancia, "R1", rede::G(1, "1", "R1"), a, b);
    c.Um("TVOGrfImpedancia", kRamoImpedancia, "R2", rede::G(1, "1", "R2"), cc, b);
    c.Dois("TVOGrfGirador", kRamoGirador1, "G1", {rede::G(1, "1", "G")}, cc, b, x, y);
    c.Um("TVOGrfImpedancia", kRamoImpedancia, "R3", rede::G(1, "1", "R3"), x, y);
    c.Um("TVOGrfFonteFluxoCtrl", kRamoFonteFluxoCtrl, "Fc", rede::G(1, "1", "g"), b, cc, "E(R1)");
    c.Dois("TVOGrfTransformador", kRamoTransformador1, "Tr", {rede::G(1, "1", "N")}, x, y, p, y);
    c.Dois("TVOGrfDuasPortas", kRamoQuadripolo1, "Q",
           {rede::G(1, "1", "Kee"), rede::G(1, "1", "Kef"), rede::G(1, "1", "Kfe"), rede::G(1, "1", "Kff")},
           p, y, m, y);
    c.Um("TVOGrfImpedancia", kRamoImpedancia, "R4", rede::G(1, "1", "R4"), m, y);
    std::mt19937 rng(11);
    c.Conferir("E1", "R4", m, y, rng);
}
