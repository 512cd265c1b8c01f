#include "visual/UnitVOGrfClasses.h"

#include "visual/UnitVODocKind.h"
#include "visual/UnitVOGrfCnx.h"
#include "visual/UnitVOGrfElementos.h"

namespace brelix {

namespace {

// A port with the same place for every rotation (graph kinds do not rotate).
TPortGeom FixedPort(std::int32_t x, std::int32_t y, std::int32_t dx) {
    TPortGeom g;
    g.X.fill(x);
    g.Y.fill(y);
    g.DX.fill(dx);
    g.DY.fill(0);
    g.Type = 1;
    g.Color = 0;
    return g;
}

TVOCompData CompData(std::int32_t ports, std::string symbol, std::vector<std::string> symbols,
                     std::vector<std::string> descriptions, std::int32_t controlNames, bool controlled) {
    TVOCompData d;
    d.NumPorts = ports;
    d.Ports = ports == 2 ? &OnePortTable() : &TwoPortTable();
    d.NumSides = ports == 2 ? 1 : 2;
    d.GainSymbols = std::move(symbols);
    d.GainDescriptions = std::move(descriptions);
    d.ControlNames = controlNames;
    d.Controlled = controlled;
    d.Symbol = std::move(symbol);
    return d;
}

TVOClass Descriptor(std::string name, const TVOClass& parent, std::int32_t kind, std::int32_t domain,
                    TPropWindow window, std::int32_t margin) {
    TVOClass c;
    c.Name = std::move(name);
    c.Parent = &parent;
    c.Kind = kind;
    c.Domain = domain;
    c.PropWindow = window;
    c.Margin = margin;
    return c;
}

// Every descriptor and data row, built once in place: the descriptors point at each other and the
// factories at the data rows.
struct TGrfClasses {
    TVOCompData Impedancia = CompData(2, "Z", {"Z"}, {"Impedância"}, 1, false);
    TVOCompData FonteEsforco = CompData(2, "E", {"E"}, {"Esforço"}, 1, false);
    TVOCompData FonteEsforcoCtrl = CompData(2, "Ec", {"Ec"}, {"Ganho"}, 0, true);
    TVOCompData FonteFluxo = CompData(2, "F", {"F"}, {"Fluxo"}, 1, false);
    TVOCompData FonteFluxoCtrl = CompData(2, "Fc", {"Fc"}, {"Ganho"}, 0, true);
    TVOCompData Transformador = CompData(4, "T", {"N"}, {"F2 = N.F1"}, 2, false);
    TVOCompData Girador = CompData(4, "G", {"G"}, {"E2 = G.F1"}, 2, false);
    TVOCompData DuasPortas = CompData(4, "2", {"Kee", "Kef", "Kfe", "Kff"},
                                      {"E2 = Kee.E1", "E2 = Kef.F1", "F2 = Kfe.E1", "F2 = Kff.F1"}, 2, false);
    TVOCompData Transmitancia = CompData(2, "T", {"K"}, {"Ganho"}, 0, false);

    TVOClass GrfVertice = Descriptor("TVOGrfVertice", ClassVOVertice(), 1, 1, TPropWindow::Vrt, 4);
    TVOClass GrfComp = Descriptor("TVOGrfComp", ClassVOComp(), 0, 1, TPropWindow::GrfComp, 0);
    TVOClass Grf1P = Descriptor("TVOGrf1P", GrfComp, 0, 1, TPropWindow::GrfComp, 3);
    TVOClass Grf2P = Descriptor("TVOGrf2P", GrfComp, 0, 1, TPropWindow::GrfComp, 0);
    TVOClass Grf1PCtrl = Descriptor("TVOGrf1PCtrl", Grf1P, 0, 1, TPropWindow::GrfCompCtrl, 3);
    TVOClass GrfImpedancia = Descriptor("TVOGrfImpedancia", Grf1P, 2, 1, TPropWindow::GrfComp, 3);
    TVOClass GrfFonteEsforco = Descriptor("TVOGrfFonteEsforco", Grf1P, 3, 1, TPropWindow::GrfComp, 3);
    TVOClass GrfFonteEsforcoCtrl =
        Descriptor("TVOGrfFonteEsforcoCtrl", Grf1PCtrl, 4, 1, TPropWindow::GrfCompCtrl, 3);
    TVOClass GrfFonteFluxo = Descriptor("TVOGrfFonteFluxo", Grf1P, 5, 1, TPropWindow::GrfComp, 3);
    TVOClass GrfFonteFluxoCtrl =
        Descriptor("TVOGrfFonteFluxoCtrl", Grf1PCtrl, 6, 1, TPropWindow::GrfCompCtrl, 3);
    TVOClass GrfTransformador = Descriptor("TVOGrfTransformador", Grf2P, 7, 1, TPropWindow::GrfComp, 0);
    TVOClass GrfGirador = Descriptor("TVOGrfGirador", Grf2P, 8, 1, TPropWindow::GrfComp, 0);
    TVOClass GrfDuasPortas = Descriptor("TVOGrfDuasPortas", Grf2P, 9, 1, TPropWindow::GrfComp4, 0);
    TVOClass GrfConexao = Descriptor("TVOGrfConexao", ClassVOConexao(), 10, 1, TPropWindow::Cnx, 0);
    TVOClass DFSVariavel = Descriptor("TVODFSVariavel", GrfVertice, 1, 0, TPropWindow::Vrt, 4);
    TVOClass DFSTransmitancia = Descriptor("TVODFSTransmitancia", Grf1P, 2, 0, TPropWindow::GrfComp, 3);
    TVOClass DFSConexao = Descriptor("TVODFSConexao", GrfConexao, 3, 0, TPropWindow::Cnx, 0);

    TGrfClasses() {
        const auto vertex = [](const TVOClass& c) -> std::unique_ptr<TVisualObject> {
            return std::make_unique<TVOGrfVertice>(c);
        };
        const auto connection = [](const TVOClass& c) -> std::unique_ptr<TVisualObject> {
            return std::make_unique<TVOGrfConexao>(c);
        };
        GrfVertice.Create = vertex;
        DFSVariavel.Create = vertex;
        GrfConexao.Create = connection;
        DFSConexao.Create = connection;
        Component(GrfImpedancia, Impedancia);
        Component(GrfFonteEsforco, FonteEsforco);
        Component(GrfFonteEsforcoCtrl, FonteEsforcoCtrl);
        Component(GrfFonteFluxo, FonteFluxo);
        Component(GrfFonteFluxoCtrl, FonteFluxoCtrl);
        Component(GrfTransformador, Transformador);
        Component(GrfGirador, Girador);
        Component(GrfDuasPortas, DuasPortas);
        Component(DFSTransmitancia, Transmitancia);
    }
    TGrfClasses(const TGrfClasses&) = delete;
    TGrfClasses& operator=(const TGrfClasses&) = delete;

    static void Component(TVOClass& cls, const TVOCompData& data) {
        cls.Create = [&data](const TVOClass& c) -> std::unique_ptr<TVisualObject> {
            return std::make_unique<TVOGrfComp>(c, data);
        };
    }
};

const TGrfClasses& Classes() {
    static const TGrfClasses classes;
    return classes;
}

} // namespace

const TPortTable& OnePortTable() {
    static const TPortTable table = {FixedPort(3, 15, -1), FixedPort(26, 15, 1)};
    return table;
}

const TPortTable& TwoPortTable() {
    static const TPortTable table = {FixedPort(3, 7, -1), FixedPort(3, 22, -1), FixedPort(26, 7, 1),
                                     FixedPort(26, 22, 1)};
    return table;
}

const TVOClass& ClassGrfVertice() {
    return Classes().GrfVertice;
}
const TVOClass& ClassGrfComp() {
    return Classes().GrfComp;
}
const TVOClass& ClassGrf1P() {
    return Classes().Grf1P;
}
const TVOClass& ClassGrf2P() {
    return Classes().Grf2P;
}
const TVOClass& ClassGrf1PCtrl() {
    return Classes().Grf1PCtrl;
}
const TVOClass& ClassGrfConexao() {
    return Classes().GrfConexao;
}
const TVOClass& ClassDFSVariavel() {
    return Classes().DFSVariavel;
}
const TVOClass& ClassDFSTransmitancia() {
    return Classes().DFSTransmitancia;
}
const TVOClass& ClassDFSConexao() {
    return Classes().DFSConexao;
}

TDocKindInfo GrafoDocKindInfo() {
    const TGrfClasses& c = Classes();
    TDocKindInfo info;
    info.DocKind = kDocKindGrafo;
    info.HeaderClass = "TGrafo";
    info.Extension = "grf";
    info.CaptionPrefix = "Grafo";
    info.Classes = {&c.GrfVertice,    &c.GrfImpedancia,     &c.GrfFonteEsforco,  &c.GrfFonteEsforcoCtrl,
                    &c.GrfFonteFluxo, &c.GrfFonteFluxoCtrl, &c.GrfTransformador, &c.GrfGirador,
                    &c.GrfDuasPortas, &c.GrfConexao};
    info.VertexClass = &c.GrfVertice;
    info.ComponentClass = &c.GrfComp;
    info.ConnectionClass = &c.GrfConexao;
    return info;
}

TDocKindInfo DFSDocKindInfo() {
    const TGrfClasses& c = Classes();
    TDocKindInfo info;
    info.DocKind = kDocKindDFS;
    info.HeaderClass = "TDFS";
    info.Extension = "dfs";
    info.CaptionPrefix = "DFS";
    info.Classes = {&c.DFSVariavel, &c.DFSTransmitancia, &c.DFSConexao};
    info.VertexClass = &c.DFSVariavel;
    info.ComponentClass = &c.DFSTransmitancia;
    info.ConnectionClass = &c.DFSConexao;
    return info;
}

} // namespace brelix
