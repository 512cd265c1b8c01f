#include "graph/UnitGrfLacosDisjuntos.h"

#include "symbolic/UnitFTProgresso.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <unordered_map>

namespace brelix {

TListListInt TabelaDisjuntos(const TListLaco& lacos, TProgresso* progresso) {
    // A row costs a test per later loop: a few rows make a step.
    TVigia vigia(progresso, 16);
    // Each loop's vertices as a bit set over the distinct vertex identifiers, so that a pair is
    // tested a word at a time.
    std::unordered_map<std::int32_t, int> bit;
    for (const TLaco& l : lacos)
        for (std::int32_t v : l.Vertices)
            bit.emplace(v, static_cast<int>(bit.size()));
    const std::size_t palavras = (bit.size() + 63) / 64;
    std::vector<std::uint64_t> conjuntos(lacos.size() * palavras, 0);
    for (std::size_t i = 0; i < lacos.size(); ++i)
        for (std::int32_t v : lacos[i].Vertices) {
            const auto b = static_cast<std::size_t>(bit.at(v));
            conjuntos[i * palavras + b / 64] |= std::uint64_t{1} << (b % 64);
        }

    const auto disjuntos = [&](std::size_t i, std::size_t j) {
        for (std::size_t w = 0; w < palavras; ++w)
            if (conjuntos[i * palavras + w] & conjuntos[j * palavras + w]) return false;
        return true;
    };
    TListListInt tabela;
    for (std::size_t i = 0; i < lacos.size(); ++i) {
        vigia.Passo();
        TListInt& linha = tabela.AddList();
        for (std::size_t j = i + 1; j < lacos.size(); ++j)
            if (disjuntos(i, j)) linha.Add(static_cast<std::int32_t>(j));
    }
    return tabela;
}

namespace {

std::int32_t SomaExp(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

// Builds the set made of a parent set and one more loop x that follows all of its loops.
class TMontador {
public:
    explicit TMontador(const TListLaco& lacos) : lacos_(lacos) {
        TIdSimbolo maior = -1;
        for (const TLaco& l : lacos)
            for (const TSimboloExp& s : l.Simbolos)
                maior = std::max(maior, s.Id);
        posicao_.assign(static_cast<std::size_t>(maior + 1), kLivre);
    }

    // caminho holds the parent's loops, ascending. The set is built into os, whose lists keep their
    // room, so that a walk that reuses one set per level allocates nothing once it is deep enough.
    void Montar(const TLacoOS& pai, const std::vector<std::int32_t>& caminho, std::int32_t x, TLacoOS& os) {
        const TLaco& lx = lacos_[static_cast<std::size_t>(x)];
        // Inserting from the last loop to the first fixes the order of the rounded products.
        double k = 1.0;
        k *= lx.K;
        for (auto it = caminho.rbegin(); it != caminho.rend(); ++it)
            k *= lacos_[static_cast<std::size_t>(*it)].K;
        os.K = k;
        os.ExpS = pai.ExpS + lx.ExpS;

        os.Lacos.Clear();
        os.Lacos.Reserve(pai.Lacos.Count() + 1);
        for (std::int32_t i : pai.Lacos)
            os.Lacos.Add(i);
        os.Lacos.Add(x);

        os.Simbolos.Clear();
        MultiplicarSimbolos(lx.Simbolos, pai.Simbolos, os.Simbolos);
    }

private:
    static constexpr int kLivre = -1;
    static constexpr int kUsado = -2;

    // Multiplying the new loop first and then the parent's loops from the last to the first lists
    // the new loop's symbols in their order, then the parent's remaining symbols in the parent's
    // order: the parent's product already lists them by first occurrence over that same sequence.
    void MultiplicarSimbolos(const TListSimboloExp& novo, const TListSimboloExp& pai,
                             TListSimboloExp& produto) {
        for (int a = 0; a < pai.Count(); ++a)
            posicao_[static_cast<std::size_t>(pai[a].Id)] = a;
        produto.Reserve(novo.Count() + pai.Count());
        for (const TSimboloExp& s : novo) {
            int& p = posicao_[static_cast<std::size_t>(s.Id)];
            if (p >= 0) {
                produto.AppendNovo(s.Id, SomaExp(s.Exp, pai[p].Exp));
                p = kUsado;
            } else {
                produto.AppendNovo(s.Id, s.Exp);
            }
        }
        for (const TSimboloExp& s : pai) {
            int& p = posicao_[static_cast<std::size_t>(s.Id)];
            if (p != kUsado) produto.AppendNovo(s.Id, s.Exp);
            p = kLivre;
        }
    }

    const TListLaco& lacos_;
    std::vector<int> posicao_; // by symbol: its position in the parent's product, or a state above
};

// One level of the walk: the loops that may still follow the set of this level, and the next to try.
struct TNivel {
    std::vector<std::int32_t> candidatos;
    std::size_t proximo = 0;
    std::size_t conjunto = 0; // the set of this level, in its order's list
};

// The loops of row x that are also among the remaining candidates; both lists ascend.
void Intersectar(const TListInt& linha, const std::vector<std::int32_t>& candidatos, std::size_t desde,
                 std::vector<std::int32_t>& saida) {
    saida.clear();
    auto a = linha.begin();
    std::size_t b = desde;
    while (a != linha.end() && b < candidatos.size()) {
        if (*a < candidatos[b])
            ++a;
        else if (candidatos[b] < *a)
            ++b;
        else {
            saida.push_back(*a);
            ++a;
            ++b;
        }
    }
}

// Walks the sets of two or more loops in the pre-order of the forest of sets: the sets that begin
// with loop 0, then those that begin with loop 1, and so on, each set followed by the sets that
// extend it. For each set it calls novo(order index, index of the set without its last loop in its
// own order's list, the loops of that smaller set, last loop) and takes back the index of the new
// set in its order's list. Single loops are the sets of order index 0, numbered by loop.
template <class FNovo> void PercorrerConjuntos(const TListListInt& tabela, TVigia& vigia, FNovo&& novo) {
    std::vector<TNivel> niveis;
    std::vector<std::int32_t> caminho;
    for (int i = 0; i < tabela.Count(); ++i) {
        if (tabela[i].Empty()) continue;
        if (niveis.empty()) niveis.emplace_back();
        niveis[0].candidatos.assign(tabela[i].begin(), tabela[i].end());
        niveis[0].proximo = 0;
        niveis[0].conjunto = static_cast<std::size_t>(i);
        caminho.assign(1, i);

        std::size_t nivel = 0;
        for (;;) {
            vigia.Passo();
            if (niveis[nivel].proximo == niveis[nivel].candidatos.size()) {
                caminho.pop_back();
                if (nivel == 0) break;
                --nivel;
                continue;
            }
            if (niveis.size() < nivel + 2) niveis.emplace_back();
            TNivel& atual = niveis[nivel];
            const std::int32_t x = atual.candidatos[atual.proximo++];
            const std::size_t conjunto = novo(nivel + 1, atual.conjunto, caminho, x);

            TNivel& proximo = niveis[nivel + 1];
            Intersectar(tabela[x], atual.candidatos, atual.proximo, proximo.candidatos);
            if (proximo.candidatos.empty()) continue;
            proximo.proximo = 0;
            proximo.conjunto = conjunto;
            caminho.push_back(x);
            ++nivel;
        }
    }
}

} // namespace

TListListLacoOS ConjuntosDisjuntos(const TListListInt& tabela, const TListLaco& lacos,
                                   TProgresso* progresso) {
    TListListLacoOS ordens;
    if (lacos.empty()) return ordens;
    TVigia vigia(progresso, 4096);

    // A first walk only counts, so that every order's list is allocated once at its final size:
    // the lists of a large diagram hold hundreds of thousands of sets.
    std::vector<std::size_t> contagem{lacos.size()};
    PercorrerConjuntos(tabela, vigia,
                       [&](std::size_t ordem, std::size_t, const std::vector<std::int32_t>&, std::int32_t) {
                           if (contagem.size() <= ordem) contagem.push_back(0);
                           return contagem[ordem]++;
                       });
    ordens.resize(contagem.size());
    for (std::size_t k = 0; k < contagem.size(); ++k)
        ordens[k].reserve(contagem[k]);

    for (std::size_t i = 0; i < lacos.size(); ++i)
        ordens[0].emplace_back().InsertLaco(static_cast<std::int32_t>(i), lacos[i]);
    TMontador montador(lacos);
    PercorrerConjuntos(
        tabela, vigia,
        [&](std::size_t ordem, std::size_t pai, const std::vector<std::int32_t>& caminho, std::int32_t x) {
            TListLacoOS& lista = ordens[ordem];
            montador.Montar(ordens[ordem - 1][pai], caminho, x, lista.emplace_back());
            return lista.size() - 1;
        });
    return ordens;
}

void PercorrerLacosOS(const TListListInt& tabela, const TListLaco& lacos,
                      const std::function<void(std::size_t, const TLacoOS&)>& visita, TProgresso* progresso) {
    if (lacos.empty()) return;
    TVigia vigia(progresso, 4096);
    TMontador montador(lacos);
    // The set of each level of the walk: a level's set is the parent of every set built on the next.
    std::vector<TLacoOS> niveis(1);
    // Each loop alone opens its part of the walk: the sets that begin with it follow it.
    std::int32_t proximaRaiz = 0;
    const auto raizesAte = [&](std::int32_t ultima) {
        for (; proximaRaiz <= ultima; ++proximaRaiz) {
            TLacoOS& os = niveis[0];
            os.K = 1.0;
            os.ExpS = 0;
            os.Simbolos.Clear();
            os.Lacos.Clear();
            os.InsertLaco(proximaRaiz, lacos[static_cast<std::size_t>(proximaRaiz)]);
            visita(0, os);
        }
    };
    PercorrerConjuntos(
        tabela, vigia,
        [&](std::size_t ordem, std::size_t, const std::vector<std::int32_t>& caminho, std::int32_t x) {
            raizesAte(caminho.front());
            if (niveis.size() <= ordem) niveis.resize(ordem + 1);
            montador.Montar(niveis[ordem - 1], caminho, x, niveis[ordem]);
            visita(ordem, niveis[ordem]);
            return std::size_t{0};
        });
    raizesAte(static_cast<std::int32_t>(lacos.size()) - 1);
}

} // namespace brelix
