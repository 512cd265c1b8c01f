#include "graph/UnitGrfCausal.h"

#include "graph/UnitGrfEquacoes.h"
#include "symbolic/UnitFTProgresso.h"

namespace brelix {

namespace {

// By row: the columns, ascending, of the variables the row may be solved for.
std::vector<std::vector<int>> Candidatas(const TMatrizStr& a, const std::vector<char>& fonte) {
    std::vector<std::vector<int>> c(static_cast<std::size_t>(a.Linhas()));
    for (std::int32_t r = 0; r < a.Linhas(); ++r)
        for (const auto& [q, texto] : a.Celulas(r))
            if (!CoeficienteNulo(texto) && !(q < static_cast<int>(fonte.size()) && fonte[q]))
                c[static_cast<std::size_t>(r)].push_back(q);
    return c;
}

// A trial: the row being assigned, its tree node and the next candidate to try.
struct TNivel {
    int Linha = 0;
    TNo* No = nullptr;
    std::size_t Proxima = 0;
};

// A matching of rows to distinct variables, grown by augmenting paths found breadth first.
class TEmparelhamento {
public:
    TEmparelhamento(const std::vector<std::vector<int>>& candidatas, int colunas)
        : cand_(candidatas), linhaDe_(static_cast<std::size_t>(colunas), -1),
          colunaDe_(candidatas.size(), -1), bloqueada_(static_cast<std::size_t>(colunas), 0),
          origem_(static_cast<std::size_t>(colunas), -1), vista_(static_cast<std::size_t>(colunas), 0) {}

    int ColunaDe(int linha) const { return colunaDe_[static_cast<std::size_t>(linha)]; }
    int LinhaDe(int coluna) const { return linhaDe_[static_cast<std::size_t>(coluna)]; }
    void Bloquear(int coluna, bool b) { bloqueada_[static_cast<std::size_t>(coluna)] = b ? 1 : 0; }
    void Ligar(int linha, int coluna) {
        if (linha >= 0) colunaDe_[static_cast<std::size_t>(linha)] = coluna;
        if (coluna >= 0) linhaDe_[static_cast<std::size_t>(coluna)] = linha;
    }

    // Matches the unmatched row through an alternating path over unblocked columns; false, with
    // the matching unchanged, when there is none.
    bool Aumentar(int linha0) {
        ++geracao_;
        fila_.assign(1, linha0);
        for (std::size_t k = 0; k < fila_.size(); ++k) {
            const int x = fila_[k];
            for (int w : cand_[static_cast<std::size_t>(x)]) {
                const auto iw = static_cast<std::size_t>(w);
                if (bloqueada_[iw] || vista_[iw] == geracao_) continue;
                vista_[iw] = geracao_;
                origem_[iw] = x;
                if (linhaDe_[iw] < 0) {
                    Inverter(w, linha0);
                    return true;
                }
                fila_.push_back(linhaDe_[iw]);
            }
        }
        return false;
    }

private:
    // Along the path back from the free column w: each row takes the column that reached it and
    // frees the one it held, until the row the path started from.
    void Inverter(int w, int linha0) {
        for (;;) {
            const int x = origem_[static_cast<std::size_t>(w)];
            const int anterior = colunaDe_[static_cast<std::size_t>(x)];
            Ligar(x, w);
            if (x == linha0) return;
            w = anterior;
        }
    }

    const std::vector<std::vector<int>>& cand_;
    std::vector<int> linhaDe_;
    std::vector<int> colunaDe_;
    std::vector<char> bloqueada_;
    std::vector<int> origem_;
    std::vector<int> vista_;
    int geracao_ = 0;
    std::vector<int> fila_;
};

} // namespace

TAtribuicao AtribuirComArvore(const TMatrizStr& a, const std::vector<char>& fonte,
                              const std::vector<std::string>& nomes, const std::vector<std::string>& fontes,
                              TArvore& busca, TProgresso* progresso) {
    TVigia vigia(progresso, 4096);
    TNo* atual = nullptr;
    for (std::size_t i = 0; i < fontes.size(); ++i)
        atual = i == 0 ? &busca.AddRaiz(0, fontes[i])
                       : &busca.AddFilho(*atual, static_cast<std::int32_t>(i), fontes[i]);
    // Without a source the assignment still needs a node to hang from.
    if (atual == nullptr) atual = &busca.AddRaiz(0, kRaizSemFontes);

    TAtribuicao resultado;
    const int linhas = a.Linhas();
    if (linhas == 0) {
        resultado.Completa = true;
        return resultado;
    }
    const auto candidatas = Candidatas(a, fonte);
    std::vector<char> resolvida(static_cast<std::size_t>(a.Colunas()), 0);
    std::vector<TNivel> pilha{{0, atual, 0}};
    auto& solucao = resultado.Resolvidas;
    while (!pilha.empty()) {
        vigia.Passo();
        TNivel& nivel = pilha.back();
        const auto& lista = candidatas[static_cast<std::size_t>(nivel.Linha)];
        while (nivel.Proxima < lista.size() && resolvida[static_cast<std::size_t>(lista[nivel.Proxima])])
            ++nivel.Proxima;
        if (nivel.Proxima == lista.size()) {
            // Every variable of this row failed: undo the trial of the row before.
            pilha.pop_back();
            if (!solucao.empty()) {
                resolvida[static_cast<std::size_t>(solucao.back())] = 0;
                solucao.pop_back();
            }
            continue;
        }
        const int v = lista[nivel.Proxima++];
        resolvida[static_cast<std::size_t>(v)] = 1;
        solucao.push_back(v);
        TNo& filho = busca.AddFilho(*nivel.No, nivel.Linha, nomes[static_cast<std::size_t>(v)]);
        if (static_cast<int>(solucao.size()) == linhas) {
            resultado.Completa = true;
            return resultado;
        }
        pilha.push_back({nivel.Linha + 1, &filho, 0});
    }
    return resultado;
}

TAtribuicao AtribuirDireto(const TMatrizStr& a, const std::vector<char>& fonte, TProgresso* progresso) {
    // A row costs at most a walk over the matrix.
    TVigia vigia(progresso, 16);
    TAtribuicao resultado;
    const int linhas = a.Linhas();
    const auto candidatas = Candidatas(a, fonte);
    TEmparelhamento m(candidatas, a.Colunas());
    for (int r = 0; r < linhas; ++r) {
        vigia.Passo();
        if (!m.Aumentar(r)) return resultado;
    }

    // Invariant: rows r and after are matched to distinct columns that no earlier row is solved for,
    // and those columns are blocked. A trial that keeps the invariant leads to a complete assignment,
    // one that breaks it cannot; the row's own matched column always keeps it.
    for (int r = 0; r < linhas; ++r) {
        vigia.Passo();
        for (int v : candidatas[static_cast<std::size_t>(r)]) {
            const int dona = m.LinhaDe(v);
            if (dona == r) break;
            if (dona >= 0 && dona < r) continue; // an earlier row is solved for it
            const int u = m.ColunaDe(r);
            m.Ligar(-1, u);
            m.Ligar(r, v);
            if (dona < 0) break;
            // v was held by a later row: that row must find another column, v excepted.
            m.Ligar(dona, -1);
            m.Bloquear(v, true);
            const bool ok = m.Aumentar(dona);
            m.Bloquear(v, false);
            if (ok) break;
            m.Ligar(dona, v);
            m.Ligar(r, u);
        }
        m.Bloquear(m.ColunaDe(r), true);
        resultado.Resolvidas.push_back(m.ColunaDe(r));
    }
    resultado.Completa = true;
    return resultado;
}

} // namespace brelix
