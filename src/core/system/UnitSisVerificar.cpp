#include "system/UnitSisSistema.h"

#include "common/UnitComTexto.h"
#include "system/UnitSisRamos.h"
#include "system/UnitSisTipo.h"

#include <cstdint>
#include <limits>
#include <string_view>
#include <unordered_map>

// The faults that would make the conversion of a system crash, loop or give a graph other than the
// drawn system. A system document's own validation lets through models that hold some of them (a
// damaged file, a source whose controlling component was deleted), so the conversion checks them
// itself and refuses with a line per fault.

namespace brelix {

namespace {

// The wires on each terminal of each component (index 0 is terminal 1).
using TFiosPorTerminal = std::unordered_map<const TElemento*, std::vector<int>>;

TFiosPorTerminal ContarFios(const TListConexao& conexoes) {
    TFiosPorTerminal fios;
    const auto contar = [&](const TElemento* e, std::int32_t terminal) {
        if (e == nullptr || !e->Componente || terminal < 1 || terminal > e->NumTerminais) return;
        auto& lista = fios[e];
        lista.resize(static_cast<std::size_t>(e->NumTerminais));
        ++lista[static_cast<std::size_t>(terminal - 1)];
    };
    for (const TConexao& c : conexoes) {
        contar(c.Elemento1(), c.Terminal1);
        contar(c.Elemento2(), c.Terminal2);
    }
    return fios;
}

// The kind, domain and terminal count say what the element is; an element that contradicts itself
// is reported once and looked at no further.
bool VerificarTipo(const TElemento& e, std::vector<std::string>& faltas) {
    const std::int32_t dominio = DominioDoTipo(e.Tipo);
    if (dominio == 0) {
        faltas.push_back(e.Nome + ": tipo de elemento " + IntToStr(e.Tipo) + " desconhecido.");
        return false;
    }
    if (e.Dominio != dominio) {
        faltas.push_back(e.Nome + ": o domínio " + IntToStr(e.Dominio) + " não é o do seu tipo (" +
                         IntToStr(dominio) + ").");
        return false;
    }
    // Only the conversion adds reference vertices that are not components.
    if (e.Componente == TipoEhVertice(e.Tipo)) {
        faltas.push_back(e.Nome + (e.Componente ? ": um vértice marcado como componente."
                                                : ": um componente marcado como vértice."));
        return false;
    }
    if (e.Componente && e.NumTerminais != TerminaisDoTipo(e.Tipo)) {
        faltas.push_back(e.Nome + " tem " + IntToStr(e.NumTerminais) + " terminais, e seu tipo tem " +
                         IntToStr(TerminaisDoTipo(e.Tipo)) + ".");
        return false;
    }
    return true;
}

void VerificarTerminais(const TElemento& e, const TFiosPorTerminal& fios, std::vector<std::string>& faltas) {
    const auto it = fios.find(&e);
    for (std::int32_t t = 1; t <= e.NumTerminais; ++t) {
        const int n = it == fios.end() ? 0 : it->second[static_cast<std::size_t>(t - 1)];
        const std::string terminal = "O terminal " + IntToStr(t) + " de " + e.Nome;
        // Two wires on one terminal leave one of them out of the slot the conversion reads.
        if (n > 1)
            faltas.push_back(terminal + " tem mais de uma conexão.");
        else if (n == 0 || e.Neighbour(t) == nullptr)
            faltas.push_back(terminal + " não está conectado.");
    }
}

// The graph variables E(...) and F(...) are named after the branches the components become.
bool NomeDeRamo(const TListElemento& elementos, std::string_view nome) {
    for (const TElemento& e : elementos) {
        if (!e.Componente) continue;
        for (const TRamoDoTipo& r : RamosDoTipo(e.Tipo))
            if (SameTextAscii(nome, e.Nome + std::string(r.Sufixo))) return true;
    }
    return false;
}

void VerificarControle(const TElemento& e, const TListElemento& elementos, std::vector<std::string>& faltas) {
    if (e.VarControle.empty()) {
        faltas.push_back("A fonte controlada " + e.Nome + " não tem variável de controle.");
        return;
    }
    const std::string_view v = e.VarControle;
    const bool forma = v.size() > 3 && (v[0] == 'E' || v[0] == 'F') && v[1] == '(' && v.back() == ')';
    if (forma && NomeDeRamo(elementos, v.substr(2, v.size() - 3))) return;
    faltas.push_back("A variável de controle " + e.VarControle + " de " + e.Nome +
                     " não é variável de nenhum elemento do sistema.");
}

// A gain the conversion inverts or multiplies by S must still be a gain: the reciprocal of 1E-310
// is no real number, and a text holding it would be read as something else.
void VerificarGanhos(const TElemento& e, std::vector<std::string>& faltas) {
    for (const TRamoDoTipo& r : RamosDoTipo(e.Tipo)) {
        if (r.Transf == TTransfGanho::Nenhuma) continue;
        const std::string parte = e.GainPart(r.Parte);
        const std::string falta = FaltaGanhoTransformado(GanhoTransformado(parte, r.Transf));
        if (!falta.empty())
            faltas.push_back("O ganho " + parte + " de " + e.Nome + " não pode ser convertido: " + falta +
                             ".");
    }
}

void VerificarConexao(const TConexao& c, std::vector<std::string>& faltas) {
    const std::string conexao = "A conexão " + IntToStr(c.Id);
    const TParDominios par = DominiosDoCodigo(c.Dominio);
    if (par.Primeiro == 0 || par.Primeiro != par.Segundo) {
        faltas.push_back(conexao + " tem o domínio " + IntToStr(c.Dominio) + ", que não é de conexão.");
        return;
    }
    for (const auto& [e, terminal] :
         {std::pair{c.Elemento1(), c.Terminal1}, std::pair{c.Elemento2(), c.Terminal2}}) {
        if (e == nullptr || DominioDoTipo(e->Tipo) == 0) continue; // reported already
        if (DominioDoTerminal(e->Tipo, terminal) == c.Dominio) continue;
        faltas.push_back(conexao + " (domínio " + IntToStr(c.Dominio) + ") não pode chegar ao terminal " +
                         IntToStr(terminal) + " de " + e->Nome + ".");
    }
}

} // namespace

std::vector<std::string> TSistema::Verificar() const {
    // A converted model holds the vertices and wires the conversion added: it is not looked at again.
    if (convertido_) return {"O sistema já foi convertido em grafo."};
    std::vector<std::string> faltas = faltasMontagem_;

    const TFiosPorTerminal fios = ContarFios(conexoes_);
    for (const TElemento& e : elementos_) {
        if (!VerificarTipo(e, faltas) || !e.Componente) continue;
        VerificarTerminais(e, fios, faltas);
        if (TipoEhMassaAtrito(e.Tipo) && e.GainPart(2).empty())
            faltas.push_back("O ganho de " + e.Nome + " deve ter duas partes separadas por \";\".");
        if (TipoEhFonteCtrl(e.Tipo)) VerificarControle(e, elementos_, faltas);
        VerificarGanhos(e, faltas);
    }
    for (const TConexao& c : conexoes_)
        VerificarConexao(c, faltas);

    // The conversion issues at most three identifiers per wire and one per domain reference.
    const std::int64_t maiorEmitido = std::int64_t{maiorId_} + 3 * std::int64_t{conexoes_.Count()} + 3;
    if (maiorEmitido > std::numeric_limits<std::int32_t>::max())
        faltas.push_back("Os identificadores dos objetos do sistema são grandes demais.");
    return faltas;
}

} // namespace brelix
