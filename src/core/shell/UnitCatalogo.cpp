#include "shell/UnitCatalogo.h"

#include "analysis/UnitComandoDFS.h"
#include "analysis/UnitComandoGrafo.h"
#include "analysis/UnitComandoSistema.h"
#include "system/UnitVOSisClasses.h"
#include "visual/UnitVOGrfClasses.h"

namespace brelix {

std::unique_ptr<TCatalogo> CriarCatalogo() {
    auto catalogo = std::make_unique<TCatalogo>();
    catalogo->Registrar(SistemaDocKindInfo(), std::make_unique<TComandoSistema>());
    catalogo->Registrar(GrafoDocKindInfo(), std::make_unique<TComandoGrafo>());
    catalogo->Registrar(DFSDocKindInfo(), std::make_unique<TComandoDFS>());
    return catalogo;
}

} // namespace brelix
