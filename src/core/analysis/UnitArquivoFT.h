#pragma once

#include "common/UnitComArquivo.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <string>
#include <vector>

namespace brelix {

// The transfer-function file (fts): the input and output names on the first two lines, then the
// sections "Sym" (name=value lines), "Num" and "Den" (one "K;ExpS;symbols;" line per term), each
// closed by "end". Windows-1252 text with CR LF line ends.

struct TArquivoFT {
    std::string Entrada;
    std::string Saida;
    TListSimboloVal Simbolos;
    TFuncao Funcao;
};

// The lines of the file. Taking the term lines sorts the products of the terms, hence non-const.
std::vector<std::string> LinhasArquivoFT(const std::string& entrada, const std::string& saida,
                                         const TListSimboloVal& simbolos, TFuncao& funcao);

// Reads the lines of a file named fileName (used in the error messages). The terms are read as
// written, not simplified again; an unreadable coefficient or symbol value is 1, an unreadable power
// of S is 1, and a symbol of the function that the file gives no value gets 1. Raises EFileError,
// naming the file and the line, for what cannot stand for a transfer function: a missing "Num" or
// "Den" section, a section not closed by "end", a line of a section that is not "name=value" or
// "K;ExpS;symbols;", a symbol name that no gain text could hold (EhNomeSimbolo), a power of S that
// cannot be evaluated (negative, or above kMaxExpSAvaliar), or like terms whose sum passes the range
// of the real numbers. Long terms and long symbol lists are read in n log n time.
TArquivoFT LerLinhasArquivoFT(const std::vector<std::string>& lines, const std::string& fileName);

// The lines GravarArquivoFT writes: EFileError, naming the file, for what the reader would refuse (a
// coefficient or a value past the range of the real numbers, a name that is no symbol's), which is
// never written. Without the terms: the lines up to the end of the symbols.
std::vector<std::string> LinhasParaGravar(const std::string& fileName, const std::string& entrada,
                                          const std::string& saida, const TListSimboloVal& simbolos,
                                          TFuncao& funcao, bool termos = true);

// Reads and writes the file; EFileError on any failure. Writing replaces the file atomically.
TArquivoFT LerArquivoFT(const std::string& fileName);
void GravarArquivoFT(const std::string& fileName, const std::string& entrada, const std::string& saida,
                     const TListSimboloVal& simbolos, TFuncao& funcao, const TOpcoesGravacao& opcoes = {});

} // namespace brelix
