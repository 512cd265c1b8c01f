// Graph documents generated from a linear graph: the control keys of controlled sources designate
// the controlling element.

#include "core/visual/VisualTestUtil.h"

#include "analysis/UnitAnaliseGrafo.h"
#include "analysis/UnitGeradorDocumento.h"
#include "graph/UnitGrfGrafo.h"

#include <gtest/gtest.h>

using namespace brelix;
using brelix::testing::Inconsistency;

TEST(GeradorGrafo, ControlKeysDesignateTheControllingElement) {
    TGrafo g;
    g.AddVertice(1, "R1", 0, 0); // a vertex that shares an element's name, as masses give
    g.AddVertice(2, "V2", 0, 0);
    g.AddVertice(3, "V3", 0, 0);
    g.AddRamo(1, kRamoImpedancia, "R1", "R", 1, 2);
    g.AddRamo(2, kRamoGirador1, "Gi_P1", "G", 2, 3, 0, 0, 3);
    g.AddRamo(3, kRamoGirador2, "Gi_P2", "G", 3, 1, 0, 0, 2);
    g.AddRamo(4, kRamoFonteEsforcoCtrl, "Ec1", "2", 1, 3, 0, 0, 0, "E(R1)");
    g.AddRamo(5, kRamoFonteFluxoCtrl, "Fc1", "K", 3, 2, 0, 0, 0, "F(Gi_P2)");
    g.AddRamo(6, kRamoFonteFluxoCtrl, "Fc2", "K", 2, 1, 0, 0, 0, "E(Nada)");
    auto doc = CatalogoTeste().Make(kDocKindGrafo);
    GerarGrafo(*doc, "SisGrafo", "TGrafo", g);
    EXPECT_EQ(Inconsistency(*doc), "");
    // IDs: vertices 1-3, R1 4, Gi 7, then Ec1 12, Fc1 15, Fc2 18.
    const auto chaves = [&](std::int32_t id) {
        const std::vector<std::string> b = doc->Objects().FindByID(id)->Props().Lines();
        return std::vector<std::string>(b.end() - 3, b.end());
    };
    // The element R1, not the vertex that shares its name.
    EXPECT_EQ(chaves(12), brelix::testing::Lines({"VarCtrl=E", "VarID=4", "VarPort=1"}));
    EXPECT_EQ(chaves(15), brelix::testing::Lines({"VarCtrl=F", "VarID=7", "VarPort=2"}));
    EXPECT_EQ(chaves(18), brelix::testing::Lines({"VarCtrl=E", "VarID=0", "VarPort=1"}));
    EXPECT_EQ(doc->Objects().FindByID(12)->Props().Lines()[0], "Object 12: TVOGrfFonteEsforcoCtrl");
    // The source controlled by a missing element is incomplete.
    EXPECT_EQ(ValidarGrafo(*doc), (std::vector<std::string>{"Fc2"}));
}
