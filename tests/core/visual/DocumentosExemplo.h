#pragma once

#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"
#include "visual/UnitVisualDocumento.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace brelix::testing {

// A small signal-flow document as Brelix writes it: two variables joined by a transmittance.
constexpr const char* kMalha = "Object 0: TDFS\n"
                               "Desc=Malha\n"
                               "Left=230\n"
                               "Top=130\n"
                               "Width=200\n"
                               "Height=300\n"
                               "end\n"
                               "Object 1: TVODFSVariavel\n"
                               "Num=1\n"
                               "Desc=R\n"
                               "Left=50\n"
                               "Top=25\n"
                               "Lbl=R\n"
                               "LblX=0\n"
                               "LblY=-20\n"
                               "end\n"
                               "Object 2: TVODFSVariavel\n"
                               "Num=2\n"
                               "Desc=Saída\n"
                               "Left=125\n"
                               "Top=25\n"
                               "Lbl=Saída\n"
                               "LblX=0\n"
                               "LblY=-20\n"
                               "end\n"
                               "Object 3: TVODFSTransmitancia\n"
                               "Num=1\n"
                               "Desc=Transmitancia1\n"
                               "Left=0\n"
                               "Top=0\n"
                               "Lbl=2,5.G.S^-1\n"
                               "LblX=0\n"
                               "LblY=-20\n"
                               "Gain=2,5.G.S^-1\n"
                               "Move=0\n"
                               "end\n"
                               "Object 4: TVODFSConexao\n"
                               "Num=1\n"
                               "Desc=Conexao1\n"
                               "Left=0\n"
                               "Top=0\n"
                               "Lbl=*\n"
                               "LblX=0\n"
                               "LblY=0\n"
                               "ObjID1=1\n"
                               "ObjID2=3\n"
                               "CntID1=1\n"
                               "CntID2=1\n"
                               "end\n"
                               "Object 5: TVODFSConexao\n"
                               "Num=2\n"
                               "Desc=Conexao2\n"
                               "Left=0\n"
                               "Top=0\n"
                               "Lbl=*\n"
                               "LblX=0\n"
                               "LblY=0\n"
                               "ObjID1=3\n"
                               "ObjID2=2\n"
                               "CntID1=2\n"
                               "CntID2=1\n"
                               "end\n";

// A linear graph: a flow source feeding an impedance, and a controlled effort source driven by the
// impedance's effort. The source (object 4) names the impedance (object 6) further down the file.
constexpr const char* kCircuito = "Object 0: TGrafo\n"
                                  "Desc=Circuito\n"
                                  "Left=10\n"
                                  "Top=20\n"
                                  "Width=550\n"
                                  "Height=300\n"
                                  "end\n"
                                  "Object 1: TVOGrfVertice\n"
                                  "Num=1\n"
                                  "Desc=Vertice1\n"
                                  "Left=50\n"
                                  "Top=50\n"
                                  "Lbl=*\n"
                                  "LblX=0\n"
                                  "LblY=0\n"
                                  "end\n"
                                  "Object 2: TVOGrfVertice\n"
                                  "Num=2\n"
                                  "Desc=Vertice2\n"
                                  "Left=150\n"
                                  "Top=50\n"
                                  "Lbl=*\n"
                                  "LblX=0\n"
                                  "LblY=0\n"
                                  "end\n"
                                  "Object 3: TVOGrfFonteFluxo\n"
                                  "Num=1\n"
                                  "Desc=FonteFluxo1\n"
                                  "Left=100\n"
                                  "Top=50\n"
                                  "Lbl=F1\n"
                                  "LblX=0\n"
                                  "LblY=-20\n"
                                  "Gain=F1\n"
                                  "Move=0\n"
                                  "end\n"
                                  "Object 4: TVOGrfFonteEsforcoCtrl\n"
                                  "Num=1\n"
                                  "Desc=FonteEsforcoCtrl1\n"
                                  "Left=100\n"
                                  "Top=150\n"
                                  "Lbl=Ec1\n"
                                  "LblX=0\n"
                                  "LblY=-20\n"
                                  "Gain=Ec1\n"
                                  "Move=1\n"
                                  "VarCtrl=E\n"
                                  "VarID=6\n"
                                  "VarPort=1\n"
                                  "end\n"
                                  "Object 5: TVOGrfConexao\n"
                                  "Num=1\n"
                                  "Desc=Conexao1\n"
                                  "Left=0\n"
                                  "Top=0\n"
                                  "Lbl=*\n"
                                  "LblX=0\n"
                                  "LblY=0\n"
                                  "ObjID1=1\n"
                                  "ObjID2=3\n"
                                  "CntID1=1\n"
                                  "CntID2=1\n"
                                  "end\n"
                                  "Object 6: TVOGrfImpedancia\n"
                                  "Num=1\n"
                                  "Desc=Impedancia1\n"
                                  "Left=100\n"
                                  "Top=100\n"
                                  "Lbl=R\n"
                                  "LblX=0\n"
                                  "LblY=-20\n"
                                  "Gain=R\n"
                                  "Move=0\n"
                                  "end\n";

inline std::vector<std::string> TextLines(const std::string& text) {
    return SplitLines(text);
}

inline std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos) throw std::logic_error("no " + from);
    return text.replace(at, from.size(), to);
}

// Loads the text and returns the error it raised; fails the test when it loads without one.
inline EFileError LoadError(TVisualDocumento& doc, const std::string& text,
                            const std::string& name = "doc.grf") {
    try {
        doc.LoadDocument(name, TextLines(text));
    } catch (const EFileError& e) {
        return e;
    }
    ADD_FAILURE() << "expected a file error";
    return EFileError(name, "");
}

inline bool Mentions(const std::exception& e, const std::string& text) {
    return std::string(e.what()).find(text) != std::string::npos;
}

} // namespace brelix::testing
