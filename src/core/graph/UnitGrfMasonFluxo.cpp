#include "graph/UnitGrfBuscaLacos.h"
#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfLacosDisjuntos.h"
#include "graph/UnitGrfMasonFT.h"
#include "symbolic/UnitFTProgresso.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// The loop sets streamed into the function. The walk of the sets visits them in the pre-order of the
// forest of sets, orders mixed; the sums of the coefficients must be taken order by order, as FromMason
// takes them, for the function to be the same to the last bit (a term met at two orders sums in another
// order otherwise) and for its terms to come in the same order (by their first set, order by order).
// So each visit keeps only the set's signed coefficient and its term's index, in the list of its order,
// and the terms are summed from these lists once the walk is over.

namespace brelix {

namespace {

// A term of the numerator carries this bit in its index.
constexpr std::uint32_t kNumerador = std::uint32_t{1} << 31;

// The sets of one order: their terms and signed coefficients, in lexicographic order of the sets.
struct TParcelas {
    std::vector<std::uint32_t> termos;
    std::vector<double> k;
};

// The distinct terms of one polynomial in the order the walk met them, with the order of the set
// whose product each one holds.
struct TTermos {
    TListFator lista;
    std::vector<std::int32_t> ordem; // -1: the polynomial's starting term
    // The product of an earlier set in FromMason's order, where it differs from the one first met
    // (alike terms write the same text, yet a symbol of exponent 0 is kept in a product and not
    // written).
    std::unordered_map<std::uint32_t, TListSimboloExp> trocas;
};

class TFluxo {
public:
    explicit TFluxo(TIdSimbolo dfs) : dfs_(dfs) {
        num_.lista.AddFator(0, 0.0);
        num_.ordem.push_back(-1);
        den_.lista.AddFator(0, 1.0);
        den_.ordem.push_back(-1);
    }

    // The sets are taken a few at a time: each one's key is taken and its place in the index asked
    // for as it comes, and the sets are added, in the order they came, once the batch is full. The
    // index of a large function is far larger than the caches, and its probes would each wait on
    // memory.
    void Visitar(std::size_t ordem, const TLacoOS& set) {
        TPendente& p = lote_[pendentes_++];
        p.produto = set.Simbolos;
        const int at = p.produto.IndexOfSimbolo(dfs_);
        if (at >= 0) p.produto.DeleteSimbolo(at);
        p.numerador = at >= 0;
        p.ordem = ordem;
        // A set of k loops enters with the sign (-1)^k.
        p.k = ordem % 2 == 0 ? -set.K : set.K;
        p.chave = TListFator::Chave(set.ExpS, p.produto);
        (p.numerador ? num_ : den_).lista.Antecipar(p.chave);
        if (pendentes_ == kLote) Esvaziar();
    }

    void Esvaziar() {
        for (std::size_t i = 0; i < pendentes_; ++i)
            Somar(lote_[i]);
        pendentes_ = 0;
    }

    // The sums, order by order, into the function.
    void Montar(TFuncao& funcao, TProgresso* progress) {
        Esvaziar();
        IniciarEtapa(progress, TEtapaAnalise::FuncaoTransferencia);
        TVigia vigia(progress, 256);
        TProgresso silent;
        TProgresso& report = progress != nullptr ? *progress : silent;
        std::vector<std::string> lines;
        lines.reserve(parcelas_.size());
        for (std::size_t k = 0; k < parcelas_.size(); ++k) {
            char line[32];
            std::snprintf(line, sizeof line, "%.2d - %d", static_cast<int>(k) + 1,
                          static_cast<int>(parcelas_[k].k.size()));
            lines.emplace_back(line);
        }
        report.IniciarProgresso(lines);

        TSoma num(num_), den(den_);
        num.Somar(0, num.inicial);
        den.Somar(0, den.inicial);
        for (std::size_t ordem = 0; ordem < parcelas_.size(); ++ordem) {
            TParcelas& p = parcelas_[ordem];
            report.IniciarOrdem(static_cast<int>(ordem) + 1, static_cast<int>(p.k.size()));
            for (std::size_t i = 0; i < p.k.size(); ++i) {
                const std::uint32_t t = p.termos[i];
                if (t & kNumerador)
                    num.Somar(t & ~kNumerador, p.k[i]);
                else
                    den.Somar(t, p.k[i]);
                report.PassoProgresso(static_cast<int>(i) + 1);
                vigia.Passo();
            }
            p = TParcelas();
        }
        funcao.Num.Assumir(num.Termos());
        funcao.Den.Assumir(den.Termos());
    }

private:
    // A set seen and not yet added: its product without the closing branch's symbol, and its key.
    struct TPendente {
        TListSimboloExp produto;
        TListFator::TChave chave;
        std::size_t ordem = 0;
        double k = 0.0;
        bool numerador = false;
    };
    static constexpr std::size_t kLote = 16;

    void Somar(TPendente& p) {
        TTermos& termos = p.numerador ? num_ : den_;
        const auto antes = static_cast<std::uint32_t>(termos.lista.Count());
        const TFator& termo = termos.lista.AddFator(p.chave, std::move(p.produto), 0.0);
        const auto pos = static_cast<std::uint32_t>(&termo - &std::as_const(termos.lista)[0]);
        const auto o = static_cast<std::int32_t>(p.ordem);
        if (pos == antes) {
            termos.ordem.push_back(o);
        } else if (o < termos.ordem[pos]) {
            // The product was not taken: it is that of the term's first set in FromMason's order.
            termos.trocas[pos] = p.produto;
            termos.ordem[pos] = o;
        }
        if (parcelas_.size() <= p.ordem) parcelas_.resize(p.ordem + 1);
        TParcelas& parcelas = parcelas_[p.ordem];
        parcelas.termos.push_back(p.numerador ? pos | kNumerador : pos);
        parcelas.k.push_back(p.k);
    }

    // The terms of one polynomial taken in the order of their first set, their coefficients summed.
    struct TSoma {
        explicit TSoma(TTermos& origem)
            : inicial(std::as_const(origem.lista)[0].K), termos(origem.lista.Extrair()),
              posicao(termos.size(), kNenhuma), k(termos.size(), 0.0) {
            for (auto& [pos, produto] : origem.trocas)
                termos[pos].Simbolos = std::move(produto);
            origem.trocas.clear();
        }
        void Somar(std::uint32_t termo, double parcela) {
            std::uint32_t& p = posicao[termo];
            if (p == kNenhuma) {
                p = tomados++;
                k[termo] = parcela;
                return;
            }
            k[termo] += parcela;
        }
        // The terms moved to the places of their first sets: read in order and each written to its
        // place, which never waits on memory as following the permutation's cycles in place does.
        std::vector<TFator> Termos() {
            std::vector<TFator> ordenados(termos.size());
            for (std::size_t i = 0; i < termos.size(); ++i) {
                termos[i].K = k[i];
                ordenados[posicao[i]] = std::move(termos[i]);
            }
            termos = {};
            return ordenados;
        }

        static constexpr std::uint32_t kNenhuma = std::numeric_limits<std::uint32_t>::max();
        double inicial;
        std::vector<TFator> termos;         // the distinct terms, in the order the walk met them
        std::vector<std::uint32_t> posicao; // by term: its place among the terms by first set
        std::vector<double> k;              // by term: the sum so far
        std::uint32_t tomados = 0;
    };

    TIdSimbolo dfs_;
    TTermos num_;
    TTermos den_;
    std::vector<TParcelas> parcelas_;
    std::array<TPendente, kLote> lote_;
    std::size_t pendentes_ = 0;
};

} // namespace

void MasonFT(TGrafo& grafo, TFuncao& funcao, TProgresso* progress) {
    grafo.CollectSimbolos();
    IniciarEtapa(progress, TEtapaAnalise::BuscaLacos);
    const TListLaco lacos = BuscaLacos(grafo, nullptr, progress);
    IniciarEtapa(progress, TEtapaAnalise::LacosDisjuntos);
    TFluxo fluxo(IdSimbolo(kSimboloDFS));
    PercorrerLacosOS(
        TabelaDisjuntos(lacos, progress), lacos,
        [&](std::size_t ordem, const TLacoOS& set) { fluxo.Visitar(ordem, set); }, progress);
    funcao.Num.Clear();
    funcao.Den.Clear();
    fluxo.Montar(funcao, progress);
    funcao.Simplificar();
}

} // namespace brelix
