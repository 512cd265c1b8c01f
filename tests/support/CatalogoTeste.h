#pragma once

#include "shell/UnitCatalogo.h"

// The program's catalogue of document kinds and their commands, made once for a whole test executable.
inline const brelix::TCatalogo& CatalogoCompleto() {
    static const std::unique_ptr<brelix::TCatalogo> catalogo = brelix::CriarCatalogo();
    return *catalogo;
}

// Its document kinds.
inline const brelix::TCatalogoDocumentos& CatalogoTeste() {
    return CatalogoCompleto().Documentos();
}
