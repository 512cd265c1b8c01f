#include "symbolic/UnitSymNome.h"

#include "common/UnitComTexto.h"

#include <algorithm>
#include <cassert>
#include <deque>
#include <unordered_map>
#include <vector>

namespace brelix {

namespace {

struct TNomeInterno {
    std::string nome;
    std::string maiusculo;
};

struct THashTexto {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

struct TTabela {
    std::deque<TNomeInterno> nomes; // a deque keeps references to its items valid as it grows
    std::unordered_map<std::string, TIdSimbolo, THashTexto, std::equal_to<>> ids;
    // The names end to end, plain and upper-cased (of equal lengths), with where each begins, and
    // kFolgaNomes zero bytes after the last one.
    std::string planos = std::string(kFolgaNomes, '\0');
    std::string maiusculos = std::string(kFolgaNomes, '\0');
    std::vector<std::uint32_t> inicios;
    std::vector<std::uint32_t> tamanhos;
    std::vector<std::uint32_t> ranks; // valid when its size is the number of names
    std::size_t pedidos = 0;          // requests for the ranks since they went out of date
};

TTabela& Tabela() {
    static TTabela tabela;
    return tabela;
}

} // namespace

TIdSimbolo IdSimbolo(std::string_view name) {
    TTabela& tabela = Tabela();
    const auto found = tabela.ids.find(name);
    if (found != tabela.ids.end()) return found->second;
    const auto id = static_cast<TIdSimbolo>(tabela.nomes.size());
    tabela.nomes.push_back({std::string(name), UpperAscii(name)});
    const std::size_t end = tabela.planos.size() - kFolgaNomes;
    tabela.inicios.push_back(static_cast<std::uint32_t>(end));
    tabela.tamanhos.push_back(static_cast<std::uint32_t>(name.size()));
    tabela.planos.insert(end, name);
    tabela.maiusculos.insert(end, tabela.nomes.back().maiusculo);
    tabela.ids.emplace(std::string(name), id);
    tabela.ranks.clear();
    tabela.pedidos = 0;
    return id;
}

const std::string& NomeSimbolo(TIdSimbolo id) {
    assert(id >= 0 && static_cast<std::size_t>(id) < Tabela().nomes.size() && "unknown symbol id");
    return Tabela().nomes[static_cast<std::size_t>(id)].nome;
}

const std::string& NomeMaiusculo(TIdSimbolo id) {
    assert(id >= 0 && static_cast<std::size_t>(id) < Tabela().nomes.size() && "unknown symbol id");
    return Tabela().nomes[static_cast<std::size_t>(id)].maiusculo;
}

TNomesPlanos NomesPlanos(bool upperCased) {
    const TTabela& tabela = Tabela();
    return {upperCased ? tabela.maiusculos.data() : tabela.planos.data(), tabela.inicios.data(),
            tabela.tamanhos.data()};
}

std::size_t ContagemSimbolos() {
    return Tabela().nomes.size();
}

namespace {

void FazerRanks(TTabela& tabela) {
    const std::size_t n = tabela.nomes.size();
    std::vector<TIdSimbolo> byName(n);
    for (std::size_t i = 0; i < n; ++i)
        byName[i] = static_cast<TIdSimbolo>(i);
    const auto upper = [&](TIdSimbolo id) -> const std::string& {
        return tabela.nomes[static_cast<std::size_t>(id)].maiusculo;
    };
    std::sort(byName.begin(), byName.end(), [&](TIdSimbolo a, TIdSimbolo b) { return upper(a) < upper(b); });
    tabela.ranks.assign(n, 0);
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && upper(byName[i - 1]) < upper(byName[i])) ++rank;
        tabela.ranks[static_cast<std::size_t>(byName[i])] = rank;
    }
}

} // namespace

const std::uint32_t* RanksMaiusculos() {
    TTabela& tabela = Tabela();
    const std::size_t n = tabela.nomes.size();
    if (tabela.ranks.size() == n && n > 0) return tabela.ranks.data();
    // Making the table costs about n log n comparisons; it pays once about n sorts have asked for it
    // with no new name in between. A file that brings a new name with every term never gets there.
    if (++tabela.pedidos < n) return nullptr;
    FazerRanks(tabela);
    return tabela.ranks.data();
}

void PrepararRanksMaiusculos() {
    TTabela& tabela = Tabela();
    if (tabela.ranks.size() != tabela.nomes.size()) FazerRanks(tabela);
}

} // namespace brelix
