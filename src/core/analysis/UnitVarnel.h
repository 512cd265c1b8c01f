#pragma once

#include "common/UnitComArquivo.h"
#include "symbolic/UnitFTFuncao.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace brelix {

// The project file of the external simulation program Varnel: a fixed binary layout of 4722 bytes
// that carries gain x N(s) / D(s) with monic N and D of order 8 at most. Every other field holds
// the fixed values Varnel expects of a new project.

inline constexpr std::size_t kTamanhoVarnel = 4722;
// Varnel takes the coefficients of S^0 .. S^8 only.
inline constexpr std::int32_t kMaxExpSVarnel = 8;

inline constexpr const char* kMsgOrdemVarnel = "Ordem do sistema não suportada pelo Varnel.";

// The bytes of the file: 16-bit integers and IEEE-754 doubles, both little-endian whatever the
// host's byte order, unlisted bytes zero.
std::string BytesVarnel(const TValoresVarnel& valores);

// Writes the file, replacing any old one atomically (a failure leaves the old file as it was). On
// failure the result is false and `erro` says why, naming the file.
bool ExportarVarnel(const std::string& fileName, const TValoresVarnel& valores, std::string& erro,
                    const TOpcoesGravacao& opcoes = {});

// True when neither polynomial has a power of S above what the file can hold.
bool VarnelSuportaOrdem(const TFuncao& funcao);

// Exports the function as evaluated by its last Avaliar. A function of too high an order is refused
// with kMsgOrdemVarnel, without writing anything.
bool ExportVarnel(const TFuncao& funcao, const std::string& fileName, std::string& erro,
                  const TOpcoesGravacao& opcoes = {});

} // namespace brelix
