#include "graph/UnitGrfParaDFS.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfCaminhos.h"
#include "graph/UnitGrfCausal.h"
#include "graph/UnitGrfTransmitancia.h"
#include "symbolic/UnitFTProgresso.h"

#include <algorithm>

namespace brelix {

namespace {

std::string NomeT(std::int32_t t) {
    return "T" + IntToStr(t);
}

// A transmittance from an intermediate variable into the variable its row is solved for, added once
// every row has had its own transmittances, so that those keep their numbers.
struct TPendente {
    std::int32_t Origem = 0;
    std::int32_t Destino = 0;
    std::string Ganho;
};

// Every solved row becomes transmittances from its other variables into the solved one. Returns the
// row whose gain passes the range of the real numbers, or -1.
std::int32_t Transmitancias(const TEquacoes& eq, const std::vector<int>& resolvidas, TGrafo& dfs,
                            std::vector<std::string>& intermediarias, TProgresso* progresso) {
    TVigia vigia(progresso, 16);
    const TMatrizStr& a = eq.A;
    std::int32_t contador = 0;
    std::vector<TPendente> pendentes;
    for (std::int32_t r = 0; r < a.Linhas(); ++r) {
        vigia.Passo();
        const int d = resolvidas[static_cast<std::size_t>(r)];
        const std::string& cd = a.Get(r, d);
        for (const auto& [q, texto] : a.Celulas(r)) {
            if (q == d || CoeficienteNulo(texto)) continue;
            const TGanhoSolucao g = GanhoSolucao(cd, texto);
            if (!g.Valido) return r;
            ++contador;
            if (!g.Serie) {
                dfs.AddTransmitancia(contador, NomeT(contador), g.Texto, q + 1, d + 1);
                continue;
            }
            const std::int32_t x = dfs.VerticeCount() + 1;
            intermediarias.push_back("I(" + NomeT(contador) + ")");
            dfs.AddVertice(x, intermediarias.back());
            dfs.AddTransmitancia(contador, NomeT(contador), g.Termo, q + 1, x);
            pendentes.push_back({x, d + 1, g.Divisor});
        }
    }
    for (const TPendente& p : pendentes) {
        ++contador;
        dfs.AddTransmitancia(contador, NomeT(contador), p.Ganho, p.Origem, p.Destino);
    }
    return -1;
}

// The output "E(p, n)": the efforts along the shortest path from p to n, each with the sign of its
// direction along the path.
void SaidaEsforco(const TGrafo& grafo, const TEquacoes& eq, const TSaidaEsforco& saida, TGrafo& dfs) {
    TMatrizStr linha(1, 2 * eq.N);
    TListInt ramos, vertices;
    if (FindCaminhoMaisCurto(*saida.Componente, saida.Positivo, saida.Negativo, ramos, vertices))
        PutEsforcosCaminho(grafo, IndexarRamos(grafo), ramos, vertices, linha, 0);

    const std::int32_t x = dfs.VerticeCount() + 1;
    dfs.AddVertice(x, NomeEsforcoEntre(saida.Positivo, saida.Negativo));
    std::int32_t contador = dfs.RamoCount();
    for (const auto& [q, texto] : linha.Celulas(0)) {
        if (texto == "0") continue;
        ++contador;
        dfs.AddTransmitancia(contador, NomeT(contador), texto, q + 1, x);
    }
}

bool Contem(const TGrafo& g, std::int32_t id) {
    return g.FindVertice(id) != nullptr;
}

TConversaoDFS SoDiagrama(TResultadoDFS&& r) {
    TConversaoDFS c;
    c.Dfs = std::move(r.Dfs);
    c.Falha = r.Falha;
    c.Elemento = std::move(r.Elemento);
    return c;
}

} // namespace

TResultadoDFS BuildDFS(const TGrafo& grafo, const TComponentes& componentes, const TSaidaEsforco* saida,
                       TBuscaCausal modo, TProgresso* progresso) {
    TResultadoDFS res;
    res.Equacoes = MontarEquacoes(grafo, componentes, progresso);
    const TEquacoes& eq = res.Equacoes;
    if (!eq.ElementoInvalido.empty()) {
        res.Falha = eq.ControleDesconhecido ? TFalhaDFS::ControleDesconhecido : TFalhaDFS::PortaSemPar;
        res.Elemento = eq.ElementoInvalido;
        return res;
    }

    const TAtribuicao atribuicao =
        modo == TBuscaCausal::ComArvore
            ? AtribuirComArvore(eq.A, eq.Fonte, eq.Variaveis, eq.Fontes, res.Busca, progresso)
            : AtribuirDireto(eq.A, eq.Fonte, progresso);
    if (!atribuicao.Completa) {
        res.Falha = TFalhaDFS::SemAtribuicao;
        return res;
    }
    for (int v : atribuicao.Resolvidas)
        res.Resolvidas.push_back(eq.Variaveis[static_cast<std::size_t>(v)]);

    TGrafo& dfs = res.Dfs.emplace(true);
    for (std::size_t k = 0; k < eq.Variaveis.size(); ++k)
        dfs.AddVertice(static_cast<std::int32_t>(k) + 1, eq.Variaveis[k]);
    if (const std::int32_t r = Transmitancias(eq, atribuicao.Resolvidas, dfs, res.Intermediarias, progresso);
        r >= 0) {
        res.Dfs.reset();
        res.Falha = TFalhaDFS::GanhoForaDoLimite;
        res.Elemento = res.Resolvidas[static_cast<std::size_t>(r)];
        return res;
    }
    if (saida != nullptr && saida->Componente != nullptr) SaidaEsforco(grafo, eq, *saida, dfs);
    return res;
}

TResultadoDFS ConverterGrafoDFS(const TGrafo& grafo, TProgresso* progresso) {
    IniciarEtapa(progresso, TEtapaAnalise::GrafoParaDFS);
    const TComponentes componentes = SplitComponentes(grafo);
    return BuildDFS(grafo, componentes, nullptr, TBuscaCausal::ComArvore, progresso);
}

TConversaoDFS ConverterGrafoDFSVariavel(const TGrafo& grafo, TProgresso* progresso) {
    IniciarEtapa(progresso, TEtapaAnalise::GrafoParaDFS);
    const TComponentes componentes = SplitComponentes(grafo);
    return SoDiagrama(BuildDFS(grafo, componentes, nullptr, TBuscaCausal::Direta, progresso));
}

TConversaoDFS FindComponente(const TGrafo& grafo, std::int32_t positivo, std::int32_t negativo,
                             TProgresso* progresso) {
    IniciarEtapa(progresso, TEtapaAnalise::GrafoParaDFS);
    const TComponentes componentes = SplitComponentes(grafo);
    const auto it = std::find_if(componentes.Lista.begin(), componentes.Lista.end(),
                                 [&](const TGrafo& c) { return Contem(c, positivo) && Contem(c, negativo); });
    if (it == componentes.Lista.end()) {
        TConversaoDFS c;
        c.Falha = TFalhaDFS::SaidaForaDaComponente;
        return c;
    }
    const TSaidaEsforco saida{positivo, negativo, &*it};
    return SoDiagrama(BuildDFS(grafo, componentes, &saida, TBuscaCausal::Direta, progresso));
}

std::string NomeEsforcoEntre(std::int32_t positivo, std::int32_t negativo) {
    return "E(" + IntToStr(positivo) + ", " + IntToStr(negativo) + ")";
}

void ListVariaveis(const TGrafo& grafo, std::vector<std::string>& entradas,
                   std::vector<std::string>& saidas) {
    entradas.clear();
    saidas.clear();
    for (const auto& r : grafo.Ramos()) {
        (r->Tipo == kRamoFonteEsforco ? entradas : saidas).push_back("E(" + r->Nome + ")");
        (r->Tipo == kRamoFonteFluxo ? entradas : saidas).push_back("F(" + r->Nome + ")");
    }
}

void ListVertices(const TGrafo& grafo, std::vector<std::string>& lista) {
    lista.clear();
    for (const auto& v : grafo.Vertices())
        lista.push_back(IntToStr(v->Id) + " - " + v->Nome);
}

} // namespace brelix
