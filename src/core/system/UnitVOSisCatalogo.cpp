#include "system/UnitVOSisCatalogo.h"

#include "system/UnitSisTipo.h"

namespace brelix {

namespace {

using F = TSisFamilia;
using L = TSisLayout;
using W = TPropWindow;

TSisKindRow Vertice(std::int32_t kind, std::string cls, std::int32_t domain, std::string button) {
    TSisKindRow r;
    r.Kind = kind;
    r.ClassName = std::move(cls);
    r.Domain = domain;
    r.Familia = F::Vertice;
    r.Button = std::move(button);
    r.Hint = "Vértice";
    r.Dialog = W::Vrt;
    return r;
}

TSisKindRow Conexao(std::int32_t kind, std::string cls, std::int32_t domain) {
    TSisKindRow r;
    r.Kind = kind;
    r.ClassName = std::move(cls);
    r.Domain = domain;
    r.Familia = F::Conexao;
    r.Dialog = W::Cnx;
    return r;
}

struct TCompArgs {
    std::int32_t Kind;
    const char* ClassName;
    std::int32_t Domain;
    F Familia;
    const char* Button;
    const char* Hint;
    std::vector<std::string> Symbols;
    std::vector<std::string> Labels;
    std::int32_t Terminals;
    L Layout;
    std::int32_t Sides;
    std::int32_t Orientations;
    std::int32_t InitRot;
    std::int32_t ControlNames;
};

TSisKindRow Comp(TCompArgs a) {
    TSisKindRow r;
    r.Kind = a.Kind;
    r.ClassName = a.ClassName;
    r.Domain = a.Domain;
    r.Familia = a.Familia;
    r.Button = a.Button;
    r.Hint = a.Hint;
    r.Symbols = std::move(a.Symbols);
    r.Labels = std::move(a.Labels);
    r.Terminals = a.Terminals;
    r.Layout = a.Layout;
    r.Sides = a.Sides;
    r.Orientations = a.Orientations;
    r.InitRot = a.InitRot;
    r.ControlNames = a.ControlNames;
    switch (r.Symbols.size()) {
    case 2:
        r.Dialog = W::SisComp2;
        break;
    case 4:
        r.Dialog = W::SisComp4;
        break;
    default:
        r.Dialog = a.Familia == F::CompCtrl ? W::SisCompCtrl : W::SisComp;
    }
    return r;
}

TSisKindRow Reservoir(TCompArgs a) {
    TSisKindRow r = Comp(std::move(a));
    r.LabelFixed = true;
    return r;
}

std::vector<TSisKindRow> BuildRows() {
    const F C = F::Comp;
    const F K = F::CompCtrl;
    const F R = F::Referencia;
    const F A = F::Acoplador;
    const L D2 = L::DoisTerminais;
    std::vector<TSisKindRow> rows;
    rows.push_back(Vertice(1, "TVOEleVertice", 2, "BtnEleVrt"));
    rows.push_back(Comp(
        {2, "TVOEleFonteTensao", 2, C, "BtnEleFE", "Fonte de Tensão", {"v"}, {"Tensão"}, 2, D2, 1, 4, 2, 1}));
    rows.push_back(Comp({3,
                         "TVOEleFonteTensaoCtrl",
                         2,
                         K,
                         "BtnEleFEC",
                         "Fonte de Tensão Controlada",
                         {"Kv"},
                         {"Ganho"},
                         2,
                         D2,
                         1,
                         4,
                         2,
                         0}));
    rows.push_back(Comp({4,
                         "TVOEleFonteCorrente",
                         2,
                         C,
                         "BtnEleFF",
                         "Fonte de Corrente",
                         {"i"},
                         {"Corrente"},
                         2,
                         D2,
                         1,
                         4,
                         2,
                         1}));
    rows.push_back(Comp({5,
                         "TVOEleFonteCorrenteCtrl",
                         2,
                         K,
                         "BtnEleFFC",
                         "Fonte de Corrente Controlada",
                         {"Ki"},
                         {"Ganho"},
                         2,
                         D2,
                         1,
                         4,
                         2,
                         0}));
    rows.push_back(Comp(
        {6, "TVOEleResistor", 2, C, "BtnEleRes", "Resistor", {"R"}, {"Resistência"}, 2, D2, 1, 4, 1, 1}));
    rows.push_back(
        Comp({7, "TVOEleIndutor", 2, C, "BtnEleInd", "Indutor", {"L"}, {"Indutância"}, 2, D2, 1, 4, 1, 1}));
    rows.push_back(Comp(
        {8, "TVOEleCapacitor", 2, C, "BtnEleCap", "Capacitor", {"C"}, {"Capacitância"}, 2, D2, 1, 4, 1, 1}));
    rows.push_back(Comp({9,
                         "TVOEleTransformador",
                         2,
                         C,
                         "BtnEleTrf",
                         "Transformador",
                         {"N"},
                         {"i2 = N.i1"},
                         4,
                         L::TrfEle,
                         2,
                         2,
                         1,
                         2}));
    rows.push_back(Vertice(10, "TVOMctVertice", 3, "BtnMctVrt"));
    rows.push_back(Comp({11,
                         "TVOMctFonteVelocidade",
                         3,
                         C,
                         "BtnMctFE",
                         "Fonte de Velocidade",
                         {"V"},
                         {"Vel. Linear"},
                         1,
                         D2,
                         1,
                         4,
                         3,
                         1}));
    rows.push_back(Comp({12,
                         "TVOMctFonteVelocidadeCtrl",
                         3,
                         K,
                         "BtnMctFEC",
                         "Fonte de Velocidade Controlada",
                         {"Kv"},
                         {"Ganho"},
                         1,
                         D2,
                         1,
                         4,
                         3,
                         0}));
    rows.push_back(Comp(
        {13, "TVOMctFonteForca", 3, C, "BtnMctFF", "Fonte de Força", {"F"}, {"Força"}, 1, D2, 1, 4, 3, 1}));
    rows.push_back(Comp({14,
                         "TVOMctFonteForcaCtrl",
                         3,
                         K,
                         "BtnMctFFC",
                         "Fonte de Força Controlada",
                         {"Kf"},
                         {"Ganho"},
                         1,
                         D2,
                         1,
                         4,
                         3,
                         0}));
    rows.push_back(Comp({15,
                         "TVOMctAmortecedor",
                         3,
                         C,
                         "BtnMctRes",
                         "Amortecedor",
                         {"B"},
                         {"Amortecimento"},
                         2,
                         D2,
                         1,
                         4,
                         1,
                         1}));
    rows.push_back(
        Comp({16, "TVOMctMola", 3, C, "BtnMctInd", "Mola", {"K"}, {"Elasticidade"}, 2, D2, 1, 4, 1, 1}));
    rows.push_back(
        Comp({17, "TVOMctMassa", 3, C, "BtnMctCap", "Massa", {"M"}, {"Massa"}, 2, D2, 1, 4, 1, 1}));
    rows.push_back(Comp({18,
                         "TVOMctMassaAtrito",
                         3,
                         C,
                         "BtnMctCapRes",
                         "Massa + Atrito",
                         {"M", "B"},
                         {"Massa", "Amortecimento"},
                         2,
                         D2,
                         1,
                         4,
                         1,
                         2}));
    rows.push_back(Comp({19,
                         "TVOMctTransformador",
                         3,
                         C,
                         "BtnMctTrf",
                         "Transformador",
                         {"N"},
                         {"F2 = N.F1"},
                         2,
                         L::TrfMct,
                         2,
                         2,
                         1,
                         2}));
    rows.push_back(Comp({20,
                         "TVOMctReferencia",
                         3,
                         R,
                         "BtnMctRef",
                         "Referência",
                         {"Ref"},
                         {"Referência"},
                         1,
                         D2,
                         1,
                         4,
                         1,
                         0}));
    rows.push_back(Vertice(21, "TVOMcrVertice", 4, "BtnMcrVrt"));
    rows.push_back(Comp({22,
                         "TVOMcrFonteVelocidade",
                         4,
                         C,
                         "BtnMcrFE",
                         "Fonte de Velocidade Angular",
                         {"W"},
                         {"Vel. Angular"},
                         1,
                         D2,
                         1,
                         4,
                         3,
                         1}));
    rows.push_back(Comp({23,
                         "TVOMcrFonteVelocidadeCtrl",
                         4,
                         K,
                         "BtnMcrFEC",
                         "Fonte de Velocidade Angular Controlada",
                         {"Kw"},
                         {"Ganho"},
                         1,
                         D2,
                         1,
                         4,
                         3,
                         0}));
    rows.push_back(Comp({24,
                         "TVOMcrFonteTorque",
                         4,
                         C,
                         "BtnMcrFF",
                         "Fonte de Torque",
                         {"T"},
                         {"Torque"},
                         1,
                         D2,
                         1,
                         4,
                         3,
                         1}));
    rows.push_back(Comp({25,
                         "TVOMcrFonteTorqueCtrl",
                         4,
                         K,
                         "BtnMcrFFC",
                         "Fonte de Toque Controlada",
                         {"Kt"},
                         {"Ganho"},
                         1,
                         D2,
                         1,
                         4,
                         3,
                         0}));
    rows.push_back(Comp({26,
                         "TVOMcrAmortecedor",
                         4,
                         C,
                         "BtnMcrRes",
                         "Amortecedor",
                         {"B"},
                         {"Amortecimento"},
                         2,
                         D2,
                         1,
                         4,
                         1,
                         1}));
    rows.push_back(
        Comp({27, "TVOMcrMola", 4, C, "BtnMcrInd", "Mola", {"K"}, {"Elasticidade"}, 2, D2, 1, 4, 1, 1}));
    rows.push_back(
        Comp({28, "TVOMcrInercia", 4, C, "BtnMcrCap", "Inércia", {"J"}, {"Inércia"}, 2, D2, 1, 4, 1, 1}));
    rows.push_back(Comp({29,
                         "TVOMcrInerciaAtrito",
                         4,
                         C,
                         "BtnMcrCapRes",
                         "Inércia + Atrito",
                         {"J", "B"},
                         {"Inércia", "Amortecimento"},
                         2,
                         D2,
                         1,
                         4,
                         1,
                         2}));
    rows.push_back(Comp({30,
                         "TVOMcrTransformador",
                         4,
                         C,
                         "BtnMcrTrf",
                         "Transformador",
                         {"N"},
                         {"T2 = N.T1"},
                         2,
                         L::TrfMcr,
                         2,
                         2,
                         1,
                         2}));
    rows.push_back(Comp({31,
                         "TVOMcrReferencia",
                         4,
                         R,
                         "BtnMcrRef",
                         "Referência",
                         {"Ref"},
                         {"Referência"},
                         1,
                         D2,
                         1,
                         4,
                         1,
                         0}));
    rows.push_back(Vertice(32, "TVOHidVertice", 5, "BtnHidVrt"));
    rows.push_back(Comp({33,
                         "TVOHidFontePressao",
                         5,
                         C,
                         "BtnHidFE",
                         "Fonte de Pressão",
                         {"P"},
                         {"Pressão"},
                         1,
                         D2,
                         1,
                         4,
                         2,
                         1}));
    rows.push_back(Comp({34,
                         "TVOHidFontePressaoCtrl",
                         5,
                         K,
                         "BtnHidFEC",
                         "Fonte de Pressão Controlada",
                         {"Kp"},
                         {"Ganho"},
                         1,
                         D2,
                         1,
                         4,
                         2,
                         0}));
    rows.push_back(Comp(
        {35, "TVOHidFonteVazao", 5, C, "BtnHidFF", "Fonte de Vazão", {"Q"}, {"Vazão"}, 1, D2, 1, 4, 2, 1}));
    rows.push_back(Comp({36,
                         "TVOHidFonteVazaoCtrl",
                         5,
                         K,
                         "BtnHidFFC",
                         "Fonte de Vazão Controlada",
                         {"Kq"},
                         {"Ganho"},
                         1,
                         D2,
                         1,
                         4,
                         2,
                         0}));
    rows.push_back(Comp({37,
                         "TVOHidTuboResistor",
                         5,
                         C,
                         "BtnHidRes",
                         "Tubo com Resistência Fluída",
                         {"Rf"},
                         {"Resistência"},
                         2,
                         D2,
                         1,
                         4,
                         1,
                         1}));
    rows.push_back(Comp({38,
                         "TVOHidTuboIndutor",
                         5,
                         C,
                         "BtnHidInd",
                         "Tubo com Indutância Fluída",
                         {"Lf"},
                         {"Indutância"},
                         2,
                         D2,
                         1,
                         4,
                         1,
                         1}));
    rows.push_back(Reservoir({39,
                              "TVOHidReservatorio1Cnt",
                              5,
                              C,
                              "BtnHidCap1",
                              "Reservatório",
                              {"Cf"},
                              {"Capacitância"},
                              1,
                              L::Reservatorio,
                              1,
                              2,
                              1,
                              1}));
    rows.push_back(Reservoir({40,
                              "TVOHidReservatorio2Cnt",
                              5,
                              C,
                              "BtnHidCap2",
                              "Reservatório",
                              {"Cf"},
                              {"Capacitância"},
                              2,
                              L::Reservatorio,
                              1,
                              2,
                              1,
                              1}));
    rows.push_back(Comp({41,
                         "TVOHidTransformador",
                         5,
                         C,
                         "BtnHidTrf",
                         "Transformador",
                         {"N"},
                         {"Q2 = N.Q1"},
                         2,
                         L::TrfHid,
                         2,
                         2,
                         1,
                         2}));
    rows.push_back(Comp({42,
                         "TVOHidReferencia",
                         5,
                         R,
                         "BtnHidRef",
                         "Referência",
                         {"Ref"},
                         {"Referência"},
                         1,
                         D2,
                         1,
                         4,
                         1,
                         0}));
    const L AE = L::AcopladorEletrico;
    rows.push_back(Comp({43,
                         "TVOAcpAcopladorEleMct",
                         6,
                         A,
                         "BtnAcpEleMct",
                         "Acoplador Elétrico - Mecânico Translacional",
                         {"Kvv", "Kvi", "Kfv", "Kfi"},
                         {"V2 = Kvv.v1", "V2 = Kvi.i1", "F2 = Kfv.v1", "F2 = Kfi.i1"},
                         3,
                         AE,
                         2,
                         4,
                         1,
                         0}));
    rows.push_back(Comp({44,
                         "TVOAcpAcopladorEleMcr",
                         7,
                         A,
                         "BtnAcpEleMcr",
                         "Acoplador Elétrico - Mecânico Rotacional",
                         {"Kwv", "Kwi", "Ktv", "Kti"},
                         {"W2 = Kwv.v1", "W2 = Kwi.i1", "T2 = Ktv.v1", "T2 = Kti.i1"},
                         3,
                         AE,
                         2,
                         4,
                         1,
                         0}));
    rows.push_back(Comp({45,
                         "TVOAcpAcopladorEleHid",
                         8,
                         A,
                         "BtnAcpEleHid",
                         "Acoplador Elétrico - Hidráulico",
                         {"Kpv", "Kpi", "Kqv", "Kqi"},
                         {"P2 = Kpv.v1", "P2 = Kpi.i1", "Q2 = Kqv.v1", "Q2 = Kqi.i1"},
                         3,
                         AE,
                         2,
                         4,
                         1,
                         0}));
    rows.push_back(Comp({46,
                         "TVOAcpAcopladorMctMcr",
                         9,
                         A,
                         "BtnAcpMctMcr",
                         "Acoplador Mecânico Translacional - Mecânico Rotacional",
                         {"Kwv", "Kwf", "Ktv", "Ktf"},
                         {"W2 = Kwv.v1", "W2 = Kwf.f1", "T2 = Ktv.v1", "T2 = Ktf.f1"},
                         2,
                         D2,
                         2,
                         4,
                         1,
                         0}));
    rows.push_back(Comp({47,
                         "TVOAcpAcopladorMctHid",
                         10,
                         A,
                         "BtnAcpMctHid",
                         "Acoplador Mecânico Translacional - Hidráulico",
                         {"Kpv", "Kpf", "Kqv", "Kqf"},
                         {"P2 = Kpv.v1", "P2 = Kpf.f1", "Q2 = Kqv.v1", "Q2 = Kqf.f1"},
                         2,
                         D2,
                         2,
                         4,
                         1,
                         0}));
    rows.push_back(Comp({48,
                         "TVOAcpAcopladorMcrHid",
                         11,
                         A,
                         "BtnAcpMcrHid",
                         "Acoplador Mecânico Rotacional - Hidráulico",
                         {"Kpw", "Kpt", "Kqw", "Kqt"},
                         {"P2 = Kpw.W1", "P2 = Kpt.T1", "Q2 = Kqw.W1", "Q2 = Kqt.T1"},
                         2,
                         D2,
                         2,
                         4,
                         1,
                         0}));
    rows.push_back(Conexao(49, "TVOEleConexao", 2));
    rows.push_back(Conexao(50, "TVOMctConexao", 3));
    rows.push_back(Conexao(51, "TVOMcrConexao", 4));
    rows.push_back(Conexao(52, "TVOHidConexao", 5));
    return rows;
}

// One terminal: (x, y) and outward step per orientation; a layout with two orientations gives two.
struct TTerminal {
    struct Place {
        std::int32_t X, Y, DX, DY;
    };
    std::vector<Place> Rot;
};

constexpr TTerminal::Place Left(std::int32_t x, std::int32_t y) {
    return {x, y, -1, 0};
}
constexpr TTerminal::Place Right(std::int32_t x, std::int32_t y) {
    return {x, y, 1, 0};
}
constexpr TTerminal::Place Up(std::int32_t x, std::int32_t y) {
    return {x, y, 0, -1};
}
constexpr TTerminal::Place Down(std::int32_t x, std::int32_t y) {
    return {x, y, 0, 1};
}

std::vector<TTerminal> LayoutTerminals(TSisLayout layout) {
    switch (layout) {
    case L::DoisTerminais:
        return {{{Left(5, 15), Up(15, 5), Right(25, 15), Down(15, 25)}},
                {{Right(25, 15), Down(15, 25), Left(5, 15), Up(15, 5)}}};
    case L::TrfEle:
        return {{{Left(5, 5), Up(25, 5)}},
                {{Left(5, 25), Up(5, 5)}},
                {{Right(25, 5), Down(25, 25)}},
                {{Right(25, 25), Down(5, 25)}}};
    case L::TrfMct:
        return {{{Left(5, 5), Up(25, 5)}}, {{Right(25, 15), Down(15, 25)}}};
    case L::TrfMcr:
        return {{{Left(5, 5), Up(25, 5)}}, {{Right(25, 25), Down(5, 25)}}};
    case L::TrfHid:
        return {{{Left(5, 15), Up(15, 5)}}, {{Right(25, 15), Down(15, 25)}}};
    case L::Reservatorio:
        // The second orientation mirrors the first: the terminal that moves to the left side leaves
        // it towards the left.
        return {{{Left(5, 20), Right(25, 20)}}, {{Right(25, 20), Left(5, 20)}}};
    case L::AcopladorEletrico:
        return {{{Left(5, 5), Up(25, 5), Right(25, 5), Down(25, 25)}},
                {{Left(5, 25), Up(5, 5), Right(25, 25), Down(5, 25)}},
                {{Right(25, 15), Down(15, 25), Left(5, 15), Up(15, 5)}}};
    case L::Nenhum:
        break;
    }
    return {};
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

TPortTable SisPortTable(const TSisKindRow& row) {
    const std::vector<TTerminal> layout = LayoutTerminals(row.Layout);
    TPortTable table;
    for (std::int32_t t = 1; t <= row.Terminals && t <= static_cast<std::int32_t>(layout.size()); ++t) {
        const TTerminal& terminal = layout[static_cast<std::size_t>(t - 1)];
        TPortGeom g;
        for (std::size_t r = 0; r < 4; ++r) {
            const TTerminal::Place& p = terminal.Rot[r % terminal.Rot.size()];
            g.X[r] = p.X;
            g.Y[r] = p.Y;
            g.DX[r] = p.DX;
            g.DY[r] = p.DY;
        }
        g.Type = SisTerminalDomain(row, t);
        g.Color = DomainColour(g.Type);
        table.push_back(g);
    }
    return table;
}

std::int32_t DomainColour(std::int32_t domain) {
    switch (domain) {
    case 3:
        return 0xFF00FF;
    case 4:
        return 0xFF0000;
    case 5:
        return 0x008000;
    default:
        return 0;
    }
}

std::string ToolbarPage(std::int32_t domain) {
    switch (domain) {
    case 1:
        return "Grafo";
    case 2:
        return "Elétrico";
    case 3:
        return "Mec. Translacional";
    case 4:
        return "Mec. Rotacional";
    case 5:
        return "Hidráulico";
    default:
        return domain >= 6 && domain <= 11 ? "Acopladores" : "";
    }
}

std::int32_t PictureNumber(std::int32_t rot, std::int32_t count) {
    return rot > count ? rot / 2 : rot;
}

std::string PictureListName(const TSisKindRow& row) {
    return "Image" + row.ClassName.substr(3);
}

} // namespace brelix
