#include "symbolic/UnitSymNome.h"

#include "common/UnitComTexto.h"

#include <cassert>
#include <deque>
#include <unordered_map>

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
    tabela.ids.emplace(std::string(name), id);
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

} // namespace brelix
