#pragma once

#include "graph/UnitGrfGrafo.h"
#include "system/UnitSisListConexao.h"
#include "system/UnitSisListElemento.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brelix {

class TProgresso;
class TVigia;

// What a conversion of a system gives: the linear graph, or none and the reasons, one line per fault,
// each naming the element or wire at fault.
struct TConversaoSistema {
    std::unique_ptr<TGrafo> Grafo;
    std::vector<std::string> Problemas;
};

// A physical system as the analysis sees it: a flat copy of a system document, one element per
// component or vertex and one wire per drawn connection, turned into a linear graph by ToGraph.
//
// The system owns every element and wire. Wires and neighbour slots point at elements without owning
// them; an element is freed only by the system, which first clears it from every wire and slot.
class TSistema {
public:
    TSistema() = default;
    TSistema(const TSistema&) = delete;
    TSistema& operator=(const TSistema&) = delete;

    // Appends an element (arguments as a system document gives them) and counts it in its domain, a
    // coupler in both of its domains.
    const TElemento& AddElemento(std::int32_t id, std::int32_t dominio, bool componente,
                                 std::string varControle, std::string ganho, std::int32_t numTerminais,
                                 std::int32_t top, std::int32_t left, std::string nome, std::int32_t tipo);
    // Appends the wire from terminal cntId1 of the first element with identifier objId1 to terminal
    // cntId2 of the first one with objId2. A wire whose element is missing, or that names a terminal
    // the element does not have (a vertex has only terminal 1), is not added: none is returned and the
    // fault is kept, so that the conversion refuses the system instead of guessing.
    const TConexao* AddConexao(std::int32_t id, std::int32_t dominio, std::int32_t objId1,
                               std::int32_t cntId1, std::int32_t objId2, std::int32_t cntId2);

    const TListElemento& Elementos() const { return elementos_; }
    const TListConexao& Conexoes() const { return conexoes_; }

    // The last number used in a "_Vertice%d" name.
    std::int32_t ContVerticesAdicionados() const { return contVertices_; }
    std::int32_t MaiorId() const { return maiorId_; }
    // Elements counted in a physical domain (2 to 5); 0 for any other code.
    std::int32_t Contagem(std::int32_t dominio) const;
    // Vertex numbers the numbering used in a physical domain (2 to 5).
    std::int32_t NumerosUsados(std::int32_t dominio) const;
    // The vertex number of the reference of a mechanical or hydraulic domain (3 to 5); 0 before the
    // numbering and for any other code.
    std::int32_t Referencia(std::int32_t dominio) const;

    // The faults that keep the system from conversion: wires refused while it was built, then faults
    // in element order and in wire order; empty when it converts. Only components of known kinds, each
    // terminal holding exactly one wire of its domain, and controlled sources whose variable belongs to a
    // branch of the system get through.
    std::vector<std::string> Verificar() const;

    // Merges wired vertices, splits wires between components, numbers the vertices and builds the
    // linear graph. The model is consumed: a second call is refused. A system that Verificar faults is
    // refused unchanged. The second form also appends the names of the vertices the conversion added
    // and removed. With a progress object the stage is reported, and a stop by the user raises
    // EAnaliseCancelada (the model is then of no further use).
    TConversaoSistema ToGraph(TProgresso* progresso = nullptr);
    TConversaoSistema ToGraph(std::vector<std::string>& adicionados, std::vector<std::string>& removidos,
                              TProgresso* progresso = nullptr);

private:
    static constexpr std::size_t IndiceDominio(std::int32_t dominio) {
        return static_cast<std::size_t>(dominio - 2);
    }

    TElemento& NovoElemento(std::int32_t id, std::int32_t dominio, bool componente, std::string varControle,
                            std::string ganho, std::int32_t numTerminais, std::int32_t top, std::int32_t left,
                            std::string nome, std::int32_t tipo);
    std::int32_t NovoId();
    void RemoveElemento(const TElemento* elemento);

    TConversaoSistema Converter(std::vector<std::string>* adicionados, std::vector<std::string>* removidos,
                                TProgresso* progresso);
    void UnirVertices(std::vector<std::string>* removidos, TVigia& vigia);
    void DividirConexoes(std::vector<std::string>* adicionados, TVigia& vigia);
    void NumerarVertices();
    void NumerarDominio(std::int32_t dominio, std::int32_t base);
    TConversaoSistema ConstruirGrafo(TVigia& vigia) const;

    TListConexao conexoes_;
    TListElemento elementos_;
    std::int32_t contVertices_ = 0;
    std::int32_t maiorId_ = 0;
    std::array<std::int32_t, 4> contagem_{};    // electrical, translational, rotational, hydraulic
    std::array<std::int32_t, 4> numeros_{};     // the same order
    std::array<std::int32_t, 4> referencias_{}; // the electrical entry stays 0
    std::vector<std::string> faltasMontagem_;   // wires refused while the model was built
    bool convertido_ = false;
};

} // namespace brelix
