#pragma once

#include "visual/UnitVOClass.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

// The fields of the property windows, in their order from the top, and the keys each accepts. The
// windows lay them out as they like; the order and the labels are these.

inline constexpr const char* kCaptionPropriedades = "Propriedades";

inline constexpr const char* kMsgNumeroInvalido = "Número inválido";
inline constexpr const char* kMsgNumeroObjetoInvalido = "Número do objeto é inválido";
inline constexpr const char* kMsgDescricaoInvalida = "Descrição inválida";
inline constexpr const char* kMsgDescricaoNaoUnica = "Descrição do objeto não é única";
// A label with a character the document file cannot hold (a line break, a character outside
// Windows-1252).
inline constexpr const char* kMsgLegendaInvalida = "Legenda inválida";

// What a field lets through when typed; backspace always passes.
enum class TFiltroTecla {
    Digitos,   // Número, Posição X, Posição Y, Altura, Largura
    Descricao, // ASCII letters, digits and "_": a description is part of variable names as E(Desc)
    Inteiro,   // Legenda X, Legenda Y: digits and "-"
    Qualquer,  // Legenda
};
bool AceitaTecla(TFiltroTecla filtro, char32_t key);
// Every character of the text passes the filter (a pasted text bypasses the key filter).
bool AceitaTexto(TFiltroTecla filtro, std::string_view text);

enum class TTipoCampo {
    Edit,
    EditSomenteLeitura,
    Combo, // Componentes (every description of the document) and Var. Controle
    Ganho, // a gain row: its label is the gain's description, then a read-only edit and a button
};

struct TCampoProp {
    std::string Nome;   // the widget's name: "EdtNum", "CBComp", "Ganho2", ...
    std::string Rotulo; // empty for a gain row
    TTipoCampo Tipo = TTipoCampo::Edit;
    TFiltroTecla Filtro = TFiltroTecla::Qualquer;
    bool operator==(const TCampoProp&) const = default;
};

// The fields of each property window family: the document's own window (Componentes, Descrição
// read-only, Altura, Largura), then for objects Componentes and the common fields (connections
// without Posição X and Posição Y), the gain rows of the family and, for controlled sources,
// Var. Controle.
std::vector<TCampoProp> CamposDaJanela(TPropWindow janela);
// How many gain rows the family shows.
std::int32_t LinhasDeGanho(TPropWindow janela);

// The message of a number field whose text is not an integer within [min, max].
std::string MensagemInteiro(std::string_view texto, std::int32_t min, std::int32_t max);

} // namespace brelix
