#include "system/UnitSisRamos.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfRamo.h"
#include "symbolic/UnitGrfGanho.h"
#include "system/UnitSisTipo.h"

#include <cmath>
#include <cstdlib>

namespace brelix {

namespace {

using T = TTransfGanho;
constexpr std::int32_t kRef = kPontoReferencia;
constexpr std::int32_t kOwn = kPontoProprio;

// Every field written, so that no entry of the table leaves one to a default by accident.
constexpr TRamoDoTipo B(std::int32_t tipoRamo, std::int32_t origem, std::int32_t destino,
                        TTransfGanho transf = TTransfGanho::Nenhuma, std::int32_t parte = 0,
                        std::string_view sufixo = {}) {
    TRamoDoTipo r;
    r.TipoRamo = tipoRamo;
    r.Origem = origem;
    r.Destino = destino;
    r.Transf = transf;
    r.Parte = parte;
    r.Sufixo = sufixo;
    return r;
}

// Sources between two terminals: an effort source from terminal 1 to 2, a flow source from 2 to 1.
constexpr TRamoDoTipo kFonteEsforco[] = {B(kRamoFonteEsforco, 1, 2)};
constexpr TRamoDoTipo kFonteEsforcoCtrl[] = {B(kRamoFonteEsforcoCtrl, 1, 2)};
constexpr TRamoDoTipo kFonteFluxo[] = {B(kRamoFonteFluxo, 2, 1)};
constexpr TRamoDoTipo kFonteFluxoCtrl[] = {B(kRamoFonteFluxoCtrl, 2, 1)};
// Sources between one terminal and the reference.
constexpr TRamoDoTipo kFonteEsforcoRef[] = {B(kRamoFonteEsforco, 1, kRef)};
constexpr TRamoDoTipo kFonteEsforcoCtrlRef[] = {B(kRamoFonteEsforcoCtrl, 1, kRef)};
constexpr TRamoDoTipo kFonteFluxoRef[] = {B(kRamoFonteFluxo, kRef, 1)};
constexpr TRamoDoTipo kFonteFluxoCtrlRef[] = {B(kRamoFonteFluxoCtrl, kRef, 1)};

constexpr TRamoDoTipo kImpedancia[] = {B(kRamoImpedancia, 1, 2, T::Nenhuma)};
constexpr TRamoDoTipo kIndutancia[] = {B(kRamoImpedancia, 1, 2, T::MaisS)};
constexpr TRamoDoTipo kCapacitancia[] = {B(kRamoImpedancia, 1, 2, T::InversaMenosS)};
constexpr TRamoDoTipo kAmortecedor[] = {B(kRamoImpedancia, 1, 2, T::Inversa)};
constexpr TRamoDoTipo kMola[] = {B(kRamoImpedancia, 1, 2, T::InversaMaisS)};
constexpr TRamoDoTipo kMassa[] = {B(kRamoImpedancia, kOwn, kRef, T::InversaMenosS)};
constexpr TRamoDoTipo kMassaAtrito[] = {B(kRamoImpedancia, kOwn, kRef, T::InversaMenosS, 1, "_M"),
                                        B(kRamoImpedancia, kOwn, kRef, T::Inversa, 2, "_B")};
constexpr TRamoDoTipo kInerciaAtrito[] = {B(kRamoImpedancia, kOwn, kRef, T::InversaMenosS, 1, "_J"),
                                          B(kRamoImpedancia, kOwn, kRef, T::Inversa, 2, "_B")};

constexpr TRamoDoTipo kTransformadorEle[] = {B(kRamoTransformador1, 1, 2, T::Nenhuma, 0, "_P1"),
                                             B(kRamoTransformador2, 3, 4, T::Nenhuma, 0, "_P2")};
constexpr TRamoDoTipo kTransformadorRef[] = {B(kRamoTransformador1, 1, kRef, T::Nenhuma, 0, "_P1"),
                                             B(kRamoTransformador2, 2, kRef, T::Nenhuma, 0, "_P2")};
constexpr TRamoDoTipo kAcopladorEle[] = {B(kRamoQuadripolo1, 1, 2, T::Nenhuma, 0, "_P1"),
                                         B(kRamoQuadripolo2, 3, kRef, T::Nenhuma, 0, "_P2")};
constexpr TRamoDoTipo kAcopladorRef[] = {B(kRamoQuadripolo1, 1, kRef, T::Nenhuma, 0, "_P1"),
                                         B(kRamoQuadripolo2, 2, kRef, T::Nenhuma, 0, "_P2")};

} // namespace

std::span<const TRamoDoTipo> RamosDoTipo(std::int32_t tipo) {
    switch (tipo) {
    case kTipoEleFonteTensao:
        return kFonteEsforco;
    case kTipoEleFonteTensaoCtrl:
        return kFonteEsforcoCtrl;
    case kTipoEleFonteCorrente:
        return kFonteFluxo;
    case kTipoEleFonteCorrenteCtrl:
        return kFonteFluxoCtrl;
    case kTipoEleResistor:
    case kTipoHidTuboResistor:
        return kImpedancia;
    case kTipoEleIndutor:
    case kTipoHidTuboIndutor:
        return kIndutancia;
    case kTipoEleCapacitor:
        return kCapacitancia;
    case kTipoEleTransformador:
        return kTransformadorEle;
    case kTipoMctFonteVelocidade:
    case kTipoMcrFonteVelocidade:
    case kTipoHidFontePressao:
        return kFonteEsforcoRef;
    case kTipoMctFonteVelocidadeCtrl:
    case kTipoMcrFonteVelocidadeCtrl:
    case kTipoHidFontePressaoCtrl:
        return kFonteEsforcoCtrlRef;
    case kTipoMctFonteForca:
    case kTipoMcrFonteTorque:
    case kTipoHidFonteVazao:
        return kFonteFluxoRef;
    case kTipoMctFonteForcaCtrl:
    case kTipoMcrFonteTorqueCtrl:
    case kTipoHidFonteVazaoCtrl:
        return kFonteFluxoCtrlRef;
    case kTipoMctAmortecedor:
    case kTipoMcrAmortecedor:
        return kAmortecedor;
    case kTipoMctMola:
    case kTipoMcrMola:
        return kMola;
    case kTipoMctMassa:
    case kTipoMcrInercia:
    case kTipoHidReservatorio1Cnt:
    case kTipoHidReservatorio2Cnt:
        return kMassa;
    case kTipoMctMassaAtrito:
        return kMassaAtrito;
    case kTipoMcrInerciaAtrito:
        return kInerciaAtrito;
    case kTipoMctTransformador:
    case kTipoMcrTransformador:
    case kTipoHidTransformador:
        return kTransformadorRef;
    case kTipoAcpEleMct:
    case kTipoAcpEleMcr:
    case kTipoAcpEleHid:
        return kAcopladorEle;
    case kTipoAcpMctMcr:
    case kTipoAcpMctHid:
    case kTipoAcpMcrHid:
        return kAcopladorRef;
    default:
        return {};
    }
}

bool RamoEhPorta1(std::int32_t tipoRamo) {
    return tipoRamo == kRamoTransformador1 || tipoRamo == kRamoGirador1 || tipoRamo == kRamoQuadripolo1;
}

TPropGanho GanhoTransformado(std::string texto, TTransfGanho transf) {
    TPropGanho p;
    p.Text = std::move(texto);
    p.Validar(true); // only the values are wanted
    switch (transf) {
    case TTransfGanho::MaisS:
        p.AddExpS(1);
        break;
    case TTransfGanho::Inversa:
        p.Inverter();
        break;
    case TTransfGanho::InversaMaisS:
        p.Inverter();
        p.AddExpS(1);
        break;
    case TTransfGanho::InversaMenosS:
        p.Inverter();
        p.AddExpS(-1);
        break;
    case TTransfGanho::Nenhuma:
        break;
    }
    return p;
}

std::string FaltaGanhoTransformado(const TPropGanho& ganho) {
    if (!std::isfinite(ganho.K)) return "o inverso do seu coeficiente passa do limite dos números reais";
    if (std::abs(ganho.ExpS) > kMaxExpSGanho) return "a potência de S passa de S^" + IntToStr(kMaxExpSGanho);
    return {};
}

} // namespace brelix
