#pragma once

#include "visual/UnitVODominio.h"

#include <cstdint>

namespace brelix {

// Kind codes of system objects, the position of each class in a system document's registry.
inline constexpr std::int32_t kTipoEleVertice = 1;
inline constexpr std::int32_t kTipoEleFonteTensao = 2;
inline constexpr std::int32_t kTipoEleFonteTensaoCtrl = 3;
inline constexpr std::int32_t kTipoEleFonteCorrente = 4;
inline constexpr std::int32_t kTipoEleFonteCorrenteCtrl = 5;
inline constexpr std::int32_t kTipoEleResistor = 6;
inline constexpr std::int32_t kTipoEleIndutor = 7;
inline constexpr std::int32_t kTipoEleCapacitor = 8;
inline constexpr std::int32_t kTipoEleTransformador = 9;
inline constexpr std::int32_t kTipoMctVertice = 10;
inline constexpr std::int32_t kTipoMctFonteVelocidade = 11;
inline constexpr std::int32_t kTipoMctFonteVelocidadeCtrl = 12;
inline constexpr std::int32_t kTipoMctFonteForca = 13;
inline constexpr std::int32_t kTipoMctFonteForcaCtrl = 14;
inline constexpr std::int32_t kTipoMctAmortecedor = 15;
inline constexpr std::int32_t kTipoMctMola = 16;
inline constexpr std::int32_t kTipoMctMassa = 17;
inline constexpr std::int32_t kTipoMctMassaAtrito = 18;
inline constexpr std::int32_t kTipoMctTransformador = 19;
inline constexpr std::int32_t kTipoMctReferencia = 20;
inline constexpr std::int32_t kTipoMcrVertice = 21;
inline constexpr std::int32_t kTipoMcrFonteVelocidade = 22;
inline constexpr std::int32_t kTipoMcrFonteVelocidadeCtrl = 23;
inline constexpr std::int32_t kTipoMcrFonteTorque = 24;
inline constexpr std::int32_t kTipoMcrFonteTorqueCtrl = 25;
inline constexpr std::int32_t kTipoMcrAmortecedor = 26;
inline constexpr std::int32_t kTipoMcrMola = 27;
inline constexpr std::int32_t kTipoMcrInercia = 28;
inline constexpr std::int32_t kTipoMcrInerciaAtrito = 29;
inline constexpr std::int32_t kTipoMcrTransformador = 30;
inline constexpr std::int32_t kTipoMcrReferencia = 31;
inline constexpr std::int32_t kTipoHidVertice = 32;
inline constexpr std::int32_t kTipoHidFontePressao = 33;
inline constexpr std::int32_t kTipoHidFontePressaoCtrl = 34;
inline constexpr std::int32_t kTipoHidFonteVazao = 35;
inline constexpr std::int32_t kTipoHidFonteVazaoCtrl = 36;
inline constexpr std::int32_t kTipoHidTuboResistor = 37;
inline constexpr std::int32_t kTipoHidTuboIndutor = 38;
inline constexpr std::int32_t kTipoHidReservatorio1Cnt = 39;
inline constexpr std::int32_t kTipoHidReservatorio2Cnt = 40;
inline constexpr std::int32_t kTipoHidTransformador = 41;
inline constexpr std::int32_t kTipoHidReferencia = 42;
inline constexpr std::int32_t kTipoAcpEleMct = 43;
inline constexpr std::int32_t kTipoAcpEleMcr = 44;
inline constexpr std::int32_t kTipoAcpEleHid = 45;
inline constexpr std::int32_t kTipoAcpMctMcr = 46;
inline constexpr std::int32_t kTipoAcpMctHid = 47;
inline constexpr std::int32_t kTipoAcpMcrHid = 48;
inline constexpr std::int32_t kTipoEleConexao = 49;
inline constexpr std::int32_t kTipoMctConexao = 50;
inline constexpr std::int32_t kTipoMcrConexao = 51;
inline constexpr std::int32_t kTipoHidConexao = 52;

// The two domains a domain code belongs to: a plain domain (2 to 5) gives itself twice, a coupler
// its first and second domain; any other code gives 0 and 0.
struct TParDominios {
    std::int32_t Primeiro = 0;
    std::int32_t Segundo = 0;
};
TParDominios DominiosDoCodigo(std::int32_t dominio);

// The domain code of an element kind (1 to 48); 0 for any other kind, wires included.
std::int32_t DominioDoTipo(std::int32_t tipo);
// The wire-joined vertices of the four domains.
bool TipoEhVertice(std::int32_t tipo);
// The vertex kind of a plain domain (2 to 5); 0 for any other code.
std::int32_t TipoVerticeDoDominio(std::int32_t dominio);
// How many terminals a component of the kind has (0 for vertices and unknown kinds).
std::int32_t TerminaisDoTipo(std::int32_t tipo);
// The domain of terminal t of an element of the kind, which decides the wires that may end there: a
// vertex's single terminal and a one-domain component's terminals are of its domain; an electrical
// coupler has two electrical terminals and a third on its other domain; the other couplers have one
// terminal on each of their domains. 0 when the kind has no such terminal.
std::int32_t DominioDoTerminal(std::int32_t tipo, std::int32_t terminal);

// The kinds that the conversion turns into two graph branches from one vertex to the reference.
bool TipoEhMassaAtrito(std::int32_t tipo);
// Controlled sources: their branch follows a variable of another branch.
bool TipoEhFonteCtrl(std::int32_t tipo);

} // namespace brelix
