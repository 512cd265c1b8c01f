#include "system/UnitVOSisCatalogo.h"

#include "system/UnitSisTipo.h"
#include "visual/UnitVOComp.h"

namespace brelix {

namespace {

using F = TSisFamilia;
using L = TSisLayout;

// How a kind sits on the page: its terminals and their layout, its sides, how many orientations it
// has and the one it starts in, and whether its label stays put on rotation.
struct TForma {
    std::int32_t Terminals;
    TSisLayout Layout;
    std::int32_t Sides;
    std::int32_t Orientations;
    std::int32_t InitRot;
    bool LabelFixed;
};

constexpr TForma kSemForma{0, L::Nenhum, 1, 0, 0, false}; // vertices and wires
// Two-terminal components and the references start lying horizontally.
constexpr TForma kDoisTerminais{2, L::DoisTerminais, 1, 4, 1, false};
constexpr TForma kReferencia{1, L::DoisTerminais, 1, 4, 1, false};
// Electrical and hydraulic sources start upright, mechanical ones pointing right; the mechanical and
// hydraulic sources act between one terminal and the reference.
constexpr TForma kFonteEle{2, L::DoisTerminais, 1, 4, 2, false};
constexpr TForma kFonteMec{1, L::DoisTerminais, 1, 4, 3, false};
constexpr TForma kFonteHid{1, L::DoisTerminais, 1, 4, 2, false};
// Transformers and reservoirs have two orientations; the reservoirs never move their label.
constexpr TForma kTrfEle{4, L::TrfEle, 2, 2, 1, false};
constexpr TForma kTrfMct{2, L::TrfMct, 2, 2, 1, false};
constexpr TForma kTrfMcr{2, L::TrfMcr, 2, 2, 1, false};
constexpr TForma kTrfHid{2, L::TrfHid, 2, 2, 1, false};
constexpr TForma kReservatorio1{1, L::Reservatorio, 1, 2, 1, true};
constexpr TForma kReservatorio2{2, L::Reservatorio, 1, 2, 1, true};
// Couplers 43 to 45 have two electrical terminals and one of the other domain, 46 to 48 one of each.
constexpr TForma kAcopladorEle{3, L::AcopladorEletrico, 2, 4, 1, false};
constexpr TForma kAcoplador{2, L::DoisTerminais, 2, 4, 1, false};

// One kind of the catalogue. Its symbols and their labels are joined by ";", as a default gain is.
struct TLinha {
    std::int32_t Kind;
    const char* ClassName;
    std::int32_t Domain;
    TSisFamilia Familia;
    TForma Forma;
    std::int32_t ControlNames;
    const char* Button;
    const char* Hint;
    const char* Symbols;
    const char* Labels;
};

constexpr F V = F::Vertice;
constexpr F C = F::Comp;
constexpr F K = F::CompCtrl;
constexpr F R = F::Referencia;
constexpr F A = F::Acoplador;
constexpr F X = F::Conexao;

// Kind, class, domain, family, shape, what it offers to controlled sources (see TSisKindRow),
// tool button and its hint, symbols and their labels.
constexpr TLinha kLinhas[] = {
    {1, "TVOEleVertice", 2, V, kSemForma, 0, "BtnEleVrt", "Vértice", "", ""},
    {2, "TVOEleFonteTensao", 2, C, kFonteEle, 1, "BtnEleFE", "Fonte de Tensão", "v", "Tensão"},
    {3, "TVOEleFonteTensaoCtrl", 2, K, kFonteEle, 0, "BtnEleFEC", "Fonte de Tensão Controlada", "Kv",
     "Ganho"},
    {4, "TVOEleFonteCorrente", 2, C, kFonteEle, 1, "BtnEleFF", "Fonte de Corrente", "i", "Corrente"},
    {5, "TVOEleFonteCorrenteCtrl", 2, K, kFonteEle, 0, "BtnEleFFC", "Fonte de Corrente Controlada", "Ki",
     "Ganho"},
    {6, "TVOEleResistor", 2, C, kDoisTerminais, 1, "BtnEleRes", "Resistor", "R", "Resistência"},
    {7, "TVOEleIndutor", 2, C, kDoisTerminais, 1, "BtnEleInd", "Indutor", "L", "Indutância"},
    {8, "TVOEleCapacitor", 2, C, kDoisTerminais, 1, "BtnEleCap", "Capacitor", "C", "Capacitância"},
    {9, "TVOEleTransformador", 2, C, kTrfEle, 2, "BtnEleTrf", "Transformador", "N", "i2 = N.i1"},
    {10, "TVOMctVertice", 3, V, kSemForma, 0, "BtnMctVrt", "Vértice", "", ""},
    {11, "TVOMctFonteVelocidade", 3, C, kFonteMec, 1, "BtnMctFE", "Fonte de Velocidade", "V", "Vel. Linear"},
    {12, "TVOMctFonteVelocidadeCtrl", 3, K, kFonteMec, 0, "BtnMctFEC", "Fonte de Velocidade Controlada", "Kv",
     "Ganho"},
    {13, "TVOMctFonteForca", 3, C, kFonteMec, 1, "BtnMctFF", "Fonte de Força", "F", "Força"},
    {14, "TVOMctFonteForcaCtrl", 3, K, kFonteMec, 0, "BtnMctFFC", "Fonte de Força Controlada", "Kf", "Ganho"},
    {15, "TVOMctAmortecedor", 3, C, kDoisTerminais, 1, "BtnMctRes", "Amortecedor", "B", "Amortecimento"},
    {16, "TVOMctMola", 3, C, kDoisTerminais, 1, "BtnMctInd", "Mola", "K", "Elasticidade"},
    {17, "TVOMctMassa", 3, C, kDoisTerminais, 1, "BtnMctCap", "Massa", "M", "Massa"},
    {18, "TVOMctMassaAtrito", 3, C, kDoisTerminais, 2, "BtnMctCapRes", "Massa + Atrito", "M;B",
     "Massa;Amortecimento"},
    {19, "TVOMctTransformador", 3, C, kTrfMct, 2, "BtnMctTrf", "Transformador", "N", "F2 = N.F1"},
    {20, "TVOMctReferencia", 3, R, kReferencia, 0, "BtnMctRef", "Referência", "Ref", "Referência"},
    {21, "TVOMcrVertice", 4, V, kSemForma, 0, "BtnMcrVrt", "Vértice", "", ""},
    {22, "TVOMcrFonteVelocidade", 4, C, kFonteMec, 1, "BtnMcrFE", "Fonte de Velocidade Angular", "W",
     "Vel. Angular"},
    {23, "TVOMcrFonteVelocidadeCtrl", 4, K, kFonteMec, 0, "BtnMcrFEC",
     "Fonte de Velocidade Angular Controlada", "Kw", "Ganho"},
    {24, "TVOMcrFonteTorque", 4, C, kFonteMec, 1, "BtnMcrFF", "Fonte de Torque", "T", "Torque"},
    {25, "TVOMcrFonteTorqueCtrl", 4, K, kFonteMec, 0, "BtnMcrFFC", "Fonte de Toque Controlada", "Kt",
     "Ganho"},
    {26, "TVOMcrAmortecedor", 4, C, kDoisTerminais, 1, "BtnMcrRes", "Amortecedor", "B", "Amortecimento"},
    {27, "TVOMcrMola", 4, C, kDoisTerminais, 1, "BtnMcrInd", "Mola", "K", "Elasticidade"},
    {28, "TVOMcrInercia", 4, C, kDoisTerminais, 1, "BtnMcrCap", "Inércia", "J", "Inércia"},
    {29, "TVOMcrInerciaAtrito", 4, C, kDoisTerminais, 2, "BtnMcrCapRes", "Inércia + Atrito", "J;B",
     "Inércia;Amortecimento"},
    {30, "TVOMcrTransformador", 4, C, kTrfMcr, 2, "BtnMcrTrf", "Transformador", "N", "T2 = N.T1"},
    {31, "TVOMcrReferencia", 4, R, kReferencia, 0, "BtnMcrRef", "Referência", "Ref", "Referência"},
    {32, "TVOHidVertice", 5, V, kSemForma, 0, "BtnHidVrt", "Vértice", "", ""},
    {33, "TVOHidFontePressao", 5, C, kFonteHid, 1, "BtnHidFE", "Fonte de Pressão", "P", "Pressão"},
    {34, "TVOHidFontePressaoCtrl", 5, K, kFonteHid, 0, "BtnHidFEC", "Fonte de Pressão Controlada", "Kp",
     "Ganho"},
    {35, "TVOHidFonteVazao", 5, C, kFonteHid, 1, "BtnHidFF", "Fonte de Vazão", "Q", "Vazão"},
    {36, "TVOHidFonteVazaoCtrl", 5, K, kFonteHid, 0, "BtnHidFFC", "Fonte de Vazão Controlada", "Kq", "Ganho"},
    {37, "TVOHidTuboResistor", 5, C, kDoisTerminais, 1, "BtnHidRes", "Tubo com Resistência Fluída", "Rf",
     "Resistência"},
    {38, "TVOHidTuboIndutor", 5, C, kDoisTerminais, 1, "BtnHidInd", "Tubo com Indutância Fluída", "Lf",
     "Indutância"},
    {39, "TVOHidReservatorio1Cnt", 5, C, kReservatorio1, 1, "BtnHidCap1", "Reservatório", "Cf",
     "Capacitância"},
    {40, "TVOHidReservatorio2Cnt", 5, C, kReservatorio2, 1, "BtnHidCap2", "Reservatório", "Cf",
     "Capacitância"},
    {41, "TVOHidTransformador", 5, C, kTrfHid, 2, "BtnHidTrf", "Transformador", "N", "Q2 = N.Q1"},
    {42, "TVOHidReferencia", 5, R, kReferencia, 0, "BtnHidRef", "Referência", "Ref", "Referência"},
    {43, "TVOAcpAcopladorEleMct", 6, A, kAcopladorEle, 0, "BtnAcpEleMct",
     "Acoplador Elétrico - Mecânico Translacional", "Kvv;Kvi;Kfv;Kfi",
     "V2 = Kvv.v1;V2 = Kvi.i1;F2 = Kfv.v1;F2 = Kfi.i1"},
    {44, "TVOAcpAcopladorEleMcr", 7, A, kAcopladorEle, 0, "BtnAcpEleMcr",
     "Acoplador Elétrico - Mecânico Rotacional", "Kwv;Kwi;Ktv;Kti",
     "W2 = Kwv.v1;W2 = Kwi.i1;T2 = Ktv.v1;T2 = Kti.i1"},
    {45, "TVOAcpAcopladorEleHid", 8, A, kAcopladorEle, 0, "BtnAcpEleHid", "Acoplador Elétrico - Hidráulico",
     "Kpv;Kpi;Kqv;Kqi", "P2 = Kpv.v1;P2 = Kpi.i1;Q2 = Kqv.v1;Q2 = Kqi.i1"},
    {46, "TVOAcpAcopladorMctMcr", 9, A, kAcoplador, 0, "BtnAcpMctMcr",
     "Acoplador Mecânico Translacional - Mecânico Rotacional", "Kwv;Kwf;Ktv;Ktf",
     "W2 = Kwv.v1;W2 = Kwf.f1;T2 = Ktv.v1;T2 = Ktf.f1"},
    {47, "TVOAcpAcopladorMctHid", 10, A, kAcoplador, 0, "BtnAcpMctHid",
     "Acoplador Mecânico Translacional - Hidráulico", "Kpv;Kpf;Kqv;Kqf",
     "P2 = Kpv.v1;P2 = Kpf.f1;Q2 = Kqv.v1;Q2 = Kqf.f1"},
    {48, "TVOAcpAcopladorMcrHid", 11, A, kAcoplador, 0, "BtnAcpMcrHid",
     "Acoplador Mecânico Rotacional - Hidráulico", "Kpw;Kpt;Kqw;Kqt",
     "P2 = Kpw.W1;P2 = Kpt.T1;Q2 = Kqw.W1;Q2 = Kqt.T1"},
    {49, "TVOEleConexao", 2, X, kSemForma, 0, "", "", "", ""},
    {50, "TVOMctConexao", 3, X, kSemForma, 0, "", "", "", ""},
    {51, "TVOMcrConexao", 4, X, kSemForma, 0, "", "", "", ""},
    {52, "TVOHidConexao", 5, X, kSemForma, 0, "", "", "", ""},
};

std::vector<std::string> Lista(std::string_view joined) {
    if (joined.empty()) return {};
    return SplitGains(joined);
}

// The dialog follows from the family and the number of gains.
TPropWindow Dialogo(const TSisKindRow& r) {
    switch (r.Familia) {
    case F::Vertice:
        return TPropWindow::Vrt;
    case F::Conexao:
        return TPropWindow::Cnx;
    default:
        break;
    }
    switch (r.Symbols.size()) {
    case 2:
        return TPropWindow::SisComp2;
    case 4:
        return TPropWindow::SisComp4;
    default:
        return r.Familia == F::CompCtrl ? TPropWindow::SisCompCtrl : TPropWindow::SisComp;
    }
}

TSisKindRow Row(const TLinha& l) {
    TSisKindRow r;
    r.Kind = l.Kind;
    r.ClassName = l.ClassName;
    r.Domain = l.Domain;
    r.Familia = l.Familia;
    r.Button = l.Button;
    r.Hint = l.Hint;
    r.Symbols = Lista(l.Symbols);
    r.Labels = Lista(l.Labels);
    r.Terminals = l.Forma.Terminals;
    r.Layout = l.Forma.Layout;
    r.Sides = l.Forma.Sides;
    r.Orientations = l.Forma.Orientations;
    r.InitRot = l.Forma.InitRot;
    r.LabelFixed = l.Forma.LabelFixed;
    r.Dialog = Dialogo(r);
    r.ControlNames = l.ControlNames;
    return r;
}

std::vector<TSisKindRow> BuildRows() {
    std::vector<TSisKindRow> rows;
    for (const TLinha& l : kLinhas)
        rows.push_back(Row(l));
    return rows;
}

} // namespace

const std::vector<TSisKindRow>& SisKinds() {
    static const std::vector<TSisKindRow> rows = BuildRows();
    return rows;
}

const TSisKindRow* SisKind(std::int32_t kind) {
    const auto& rows = SisKinds();
    if (kind < 1 || kind > static_cast<std::int32_t>(rows.size())) return nullptr;
    return &rows[static_cast<std::size_t>(kind - 1)];
}

std::int32_t SisTerminalDomain(const TSisKindRow& row, std::int32_t terminal) {
    const TParDominios d = DominiosDoCodigo(row.Domain);
    if (row.Familia != TSisFamilia::Acoplador) return d.Primeiro;
    const std::int32_t firstSide = row.Layout == TSisLayout::AcopladorEletrico ? 2 : 1;
    return terminal <= firstSide ? d.Primeiro : d.Segundo;
}

std::int32_t DomainColour(std::int32_t domain) {
    switch (domain) {
    case kDominioTranslacional:
        return 0xFF00FF;
    case kDominioRotacional:
        return 0xFF0000;
    case kDominioHidraulico:
        return 0x008000;
    default:
        return 0;
    }
}

std::string ToolbarPage(std::int32_t domain) {
    switch (domain) {
    case kDominioGrafo:
        return "Grafo";
    case kDominioEletrico:
        return "Elétrico";
    case kDominioTranslacional:
        return "Mec. Translacional";
    case kDominioRotacional:
        return "Mec. Rotacional";
    case kDominioHidraulico:
        return "Hidráulico";
    default:
        return DominioAcoplador(domain) ? "Acopladores" : "";
    }
}

std::int32_t PictureNumber(std::int32_t rot, std::int32_t count) {
    return rot > count ? rot / 2 : rot;
}

std::string PictureListName(const TSisKindRow& row) {
    return "Image" + row.ClassName.substr(3);
}

} // namespace brelix
