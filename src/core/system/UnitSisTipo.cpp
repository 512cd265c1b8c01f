#include "system/UnitSisTipo.h"

namespace brelix {

TParDominios DominiosDoCodigo(std::int32_t dominio) {
    switch (dominio) {
    case kDominioEle:
    case kDominioMct:
    case kDominioMcr:
    case kDominioHid:
        return {dominio, dominio};
    case kDominioAcpEleMct:
        return {kDominioEle, kDominioMct};
    case kDominioAcpEleMcr:
        return {kDominioEle, kDominioMcr};
    case kDominioAcpEleHid:
        return {kDominioEle, kDominioHid};
    case kDominioAcpMctMcr:
        return {kDominioMct, kDominioMcr};
    case kDominioAcpMctHid:
        return {kDominioMct, kDominioHid};
    case kDominioAcpMcrHid:
        return {kDominioMcr, kDominioHid};
    default:
        return {};
    }
}

std::int32_t DominioDoTipo(std::int32_t tipo) {
    if (tipo >= kTipoEleVertice && tipo <= kTipoEleTransformador) return kDominioEle;
    if (tipo >= kTipoMctVertice && tipo <= kTipoMctReferencia) return kDominioMct;
    if (tipo >= kTipoMcrVertice && tipo <= kTipoMcrReferencia) return kDominioMcr;
    if (tipo >= kTipoHidVertice && tipo <= kTipoHidReferencia) return kDominioHid;
    // The couplers follow their domain codes in the same order.
    if (tipo >= kTipoAcpEleMct && tipo <= kTipoAcpMcrHid) return kDominioAcpEleMct + (tipo - kTipoAcpEleMct);
    return 0;
}

bool TipoEhVertice(std::int32_t tipo) {
    return tipo == kTipoEleVertice || tipo == kTipoMctVertice || tipo == kTipoMcrVertice ||
           tipo == kTipoHidVertice;
}

std::int32_t TerminaisDoTipo(std::int32_t tipo) {
    switch (tipo) {
    case kTipoEleTransformador:
        return 4;
    case kTipoAcpEleMct:
    case kTipoAcpEleMcr:
    case kTipoAcpEleHid:
        return 3;
    // Mechanical and hydraulic sources and references act between one point and the reference.
    case kTipoMctFonteVelocidade:
    case kTipoMctFonteVelocidadeCtrl:
    case kTipoMctFonteForca:
    case kTipoMctFonteForcaCtrl:
    case kTipoMctReferencia:
    case kTipoMcrFonteVelocidade:
    case kTipoMcrFonteVelocidadeCtrl:
    case kTipoMcrFonteTorque:
    case kTipoMcrFonteTorqueCtrl:
    case kTipoMcrReferencia:
    case kTipoHidFontePressao:
    case kTipoHidFontePressaoCtrl:
    case kTipoHidFonteVazao:
    case kTipoHidFonteVazaoCtrl:
    case kTipoHidReservatorio1Cnt:
    case kTipoHidReferencia:
        return 1;
    default:
        break;
    }
    if (DominioDoTipo(tipo) == 0 || TipoEhVertice(tipo)) return 0;
    return 2;
}

std::int32_t DominioDoTerminal(std::int32_t tipo, std::int32_t terminal) {
    const std::int32_t dominio = DominioDoTipo(tipo);
    const std::int32_t n = TipoEhVertice(tipo) ? 1 : TerminaisDoTipo(tipo);
    if (dominio == 0 || terminal < 1 || terminal > n) return 0;
    const TParDominios par = DominiosDoCodigo(dominio);
    // The last terminal of a coupler is on its second domain, every other terminal on the first.
    return terminal == n ? par.Segundo : par.Primeiro;
}

bool TipoEhMassaAtrito(std::int32_t tipo) {
    return tipo == kTipoMctMassaAtrito || tipo == kTipoMcrInerciaAtrito;
}

bool TipoEhFonteCtrl(std::int32_t tipo) {
    switch (tipo) {
    case kTipoEleFonteTensaoCtrl:
    case kTipoEleFonteCorrenteCtrl:
    case kTipoMctFonteVelocidadeCtrl:
    case kTipoMctFonteForcaCtrl:
    case kTipoMcrFonteVelocidadeCtrl:
    case kTipoMcrFonteTorqueCtrl:
    case kTipoHidFontePressaoCtrl:
    case kTipoHidFonteVazaoCtrl:
        return true;
    default:
        return false;
    }
}

} // namespace brelix
