#include "shell/UnitCatalogo.h"

#include "system/UnitVOSisClasses.h"
#include "visual/UnitVOGrfClasses.h"

namespace brelix {

std::unique_ptr<TCatalogoDocumentos> CriarCatalogo() {
    auto catalogo = std::make_unique<TCatalogoDocumentos>();
    catalogo->Add(SistemaDocKindInfo());
    catalogo->Add(GrafoDocKindInfo());
    catalogo->Add(DFSDocKindInfo());
    return catalogo;
}

} // namespace brelix
