#pragma once

#include "shell/UnitCatalogo.h"

// The program's catalogue of document kinds, made once for a whole test executable.
inline const brelix::TCatalogoDocumentos& CatalogoTeste() {
    static const std::unique_ptr<brelix::TCatalogoDocumentos> catalogo = brelix::CriarCatalogo();
    return *catalogo;
}
