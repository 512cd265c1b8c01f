#pragma once

#include "system/UnitVOSisCatalogo.h"
#include "visual/UnitVOClass.h"
#include "visual/UnitVODocKind.h"

#include <cstdint>

namespace brelix {

// The class tree of system documents, built from the catalogue rows:
//   TVOSisComp (a TVOComp) with TVOEleComp, TVOMctComp, TVOMcrComp, TVOHidComp and TVOAcp below it;
//   each domain class holds its concrete kinds and a controlled-source class (TVOEleCompCtrl, ...)
//   whose children are the domain's two controlled sources; the references hang below their
//   domain classes and the couplers below TVOAcp;
//   TVOSisVertice (a TVOVertice) with TVOEleVertice, TVOMctVertice, TVOMcrVertice, TVOHidVertice;
//   TVOSisConexao (a TVOConexao) with TVOEleConexao, TVOMctConexao, TVOMcrConexao, TVOHidConexao.
// The C++ classes are TVOSisComp, TVOSisVertice and TVOSisConexao (UnitVOSisComp).

const TVOClass& ClassSisComp();
const TVOClass& ClassSisVertice();
const TVOClass& ClassSisConexao();
// The domain class of the components of domain 2 to 5 (TVOEleComp, ...), TVOAcp for 6 to 11.
const TVOClass& ClassSisDomainComp(std::int32_t domain);
// The controlled-source class of domain 2 to 5 (TVOEleCompCtrl, ...).
const TVOClass& ClassSisCompCtrl(std::int32_t domain);

// The class of a kind code, 1 to 52; none outside.
const TVOClass* SisClassOfKind(std::int32_t kind);
// The vertex and the wire class of a domain, 2 to 5; none for any other code.
const TVOClass* SisVertexClass(std::int32_t domain);
const TVOClass* SisWireClass(std::int32_t domain);

// The system document kind (code 2, header "TSistema", files "sis", new documents "Sistema%d") with
// its 52 classes in kind order; its documents are TVFSistema.
TDocKindInfo SistemaDocKindInfo();

} // namespace brelix
