#pragma once

#include "visual/UnitVOClass.h"
#include "visual/UnitVOElemento.h"

namespace brelix {

struct TDocKindInfo;

// The classes of linear-graph documents (domain 1) and signal-flow documents (domain 0). Every kind
// is a row of a table; the C++ classes are TVOGrfVertice, TVOGrfComp and TVOGrfConexao.
//
//   kind  class                    base           symbol  ports  gains
//   1     TVOGrfVertice            TVOVertice     Num     1      -
//   2     TVOGrfImpedancia         TVOGrf1P       Z       2      Z
//   3     TVOGrfFonteEsforco       TVOGrf1P       E       2      E
//   4     TVOGrfFonteEsforcoCtrl   TVOGrf1PCtrl   Ec      2      Ec
//   5     TVOGrfFonteFluxo         TVOGrf1P       F       2      F
//   6     TVOGrfFonteFluxoCtrl     TVOGrf1PCtrl   Fc      2      Fc
//   7     TVOGrfTransformador      TVOGrf2P       T       4      N
//   8     TVOGrfGirador            TVOGrf2P       G       4      G
//   9     TVOGrfDuasPortas         TVOGrf2P       2       4      Kee, Kef, Kfe, Kff
//   10    TVOGrfConexao            TVOConexao     arrow
//   signal flow: 1 TVODFSVariavel (a TVOGrfVertice), 2 TVODFSTransmitancia (a TVOGrf1P, gain K),
//   3 TVODFSConexao (a TVOGrfConexao).

// Port positions in the 30 x 30 box: one-ports (3, 15), (26, 15); two-ports (3, 7), (3, 22) on the
// first side and (26, 7), (26, 22) on the second.
const TPortTable& OnePortTable();
const TPortTable& TwoPortTable();

// The classes other code asks "is a" questions of.
const TVOClass& ClassGrfVertice();
const TVOClass& ClassGrfComp();
const TVOClass& ClassGrf1P();
const TVOClass& ClassGrf2P();
const TVOClass& ClassGrf1PCtrl();
const TVOClass& ClassGrfConexao();
const TVOClass& ClassDFSVariavel();
const TVOClass& ClassDFSTransmitancia();
const TVOClass& ClassDFSConexao();

// The two document kinds with their class registries, for the catalogue of document kinds.
TDocKindInfo GrafoDocKindInfo();
TDocKindInfo DFSDocKindInfo();

} // namespace brelix
