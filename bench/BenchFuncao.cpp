#include "graph/UnitGrfLacoOS.h"
#include "graph/UnitGrfMasonFT.h"
#include "symbolic/UnitFTFuncao.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

using namespace brelix;

namespace {

// The loop sets of a chain of n + 1 variables: the feedback loop i (gain -A_i.B_i.S^-1) between
// variables i and i + 1 touches only its neighbours, so the sets are the subsets of non-adjacent loops
// (a Fibonacci number of them: 1,346,269 for 29 loops), plus the closing loop through the forward path
// A_0 ... A_(n-1), which touches every loop.
class TCadeia {
public:
    explicit TCadeia(int loops) {
        for (int i = 0; i < loops; ++i) {
            TLaco laco;
            laco.K = -1.0;
            laco.ExpS = -1;
            laco.Simbolos.AddSimbolo("A" + std::to_string(i), 1);
            laco.Simbolos.AddSimbolo("B" + std::to_string(i), 1);
            lacos_.push_back(std::move(laco));
        }
        TLaco closing;
        closing.K = -1.0;
        closing.Simbolos.AddSimbolo("DFS", 1);
        for (int i = 0; i < loops; ++i)
            closing.Simbolos.AddSimbolo("A" + std::to_string(i), 1);
        lacos_.push_back(std::move(closing));

        std::vector<int> chosen;
        Estender(chosen, 0, loops);
        sets_[0].emplace_back();
        sets_[0].back().InsertLaco(loops, lacos_.back());
    }

    const TListListLacoOS& Sets() const { return sets_; }
    std::int64_t Count() const {
        std::int64_t n = 0;
        for (const TListLacoOS& order : sets_)
            n += static_cast<std::int64_t>(order.size());
        return n;
    }

private:
    // Every set of non-adjacent loops whose smallest index is at least `from`, depth first, so that
    // each order lists its sets in lexicographic order of their indices.
    void Estender(std::vector<int>& chosen, int from, int loops) {
        for (int i = from; i < loops; ++i) {
            chosen.push_back(i);
            const std::size_t order = chosen.size() - 1;
            if (sets_.size() <= order) sets_.resize(order + 1);
            TLacoOS set;
            for (auto it = chosen.rbegin(); it != chosen.rend(); ++it)
                set.InsertLaco(*it, lacos_[static_cast<std::size_t>(*it)]);
            sets_[order].push_back(std::move(set));
            Estender(chosen, i + 2, loops);
            chosen.pop_back();
        }
    }

    TListLaco lacos_;
    TListListLacoOS sets_;
};

const TCadeia& Cadeia(int loops) {
    static std::map<int, std::unique_ptr<TCadeia>> made;
    auto& chain = made[loops];
    if (!chain) chain = std::make_unique<TCadeia>(loops);
    return *chain;
}

void BM_FromMasonCadeia(benchmark::State& state) {
    const TCadeia& chain = Cadeia(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TFuncao f;
        FromMason(f, chain.Sets());
        benchmark::DoNotOptimize(f.Den.Count());
    }
    state.SetItemsProcessed(state.iterations() * chain.Count());
    state.counters["sets"] = static_cast<double>(chain.Count());
}

} // namespace

BENCHMARK(BM_FromMasonCadeia)->Arg(20)->Arg(29)->Unit(benchmark::kMillisecond)->MinTime(2.0);
