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
constexpr const char* kMalha = "Object 0: TDFS\nDesc=Malha\nLeft=230\nTop=130\n"
                               "Width=200\nHeight=300\nend\n"
                               "Object 1: TVODFSVariavel\nNum=1\nDesc=R\nLeft=50\nTop=25\n"
                               "Lbl=R\nLblX=0\nLblY=-20\nend\n"
                               "Object 2: TVODFSVariavel\nNum=2\nDesc=Saída\nLeft=125\nTop=25\n"
                               "Lbl=Saída\nLblX=0\nLblY=-20\nend\n"
                               "Object 3: TVODFSTransmitancia\nNum=1\nDesc=Transmitancia1\nLeft=0\nTop=0\n"
                               "Lbl=2,5.G.S^-1\nLblX=0\nLblY=-20\nGain=2,5.G.S^-1\nMove=0\nend\n"
                               "Object 4: TVODFSConexao\nNum=1\nDesc=Conexao1\nLeft=0\nTop=0\n"
                               "Lbl=*\nLblX=0\nLblY=0\nObjID1=1\nObjID2=3\nCntID1=1\nCntID2=1\nend\n"
                               "Object 5: TVODFSConexao\nNum=2\nDesc=Conexao2\nLeft=0\nTop=0\n"
                               "Lbl=*\nLblX=0\nLblY=0\nObjID1=3\nObjID2=2\nCntID1=2\nCntID2=1\nend\n";

// A linear graph: a flow source feeding an impedance, and a controlled effort source driven by the
// impedance's effort. The source (object 4) names the impedance (object 6) further down the file.
constexpr const char* kCircuito =
    "Object 0: TGrafo\nDesc=Circuito\nLeft=10\nTop=20\n"
    "Width=550\nHeight=300\nend\n"
    "Object 1: TVOGrfVertice\nNum=1\nDesc=Vertice1\nLeft=50\nTop=50\n"
    "Lbl=*\nLblX=0\nLblY=0\nend\n"
    "Object 2: TVOGrfVertice\nNum=2\nDesc=Vertice2\nLeft=150\nTop=50\n"
    "Lbl=*\nLblX=0\nLblY=0\nend\n"
    "Object 3: TVOGrfFonteFluxo\nNum=1\nDesc=FonteFluxo1\nLeft=100\nTop=50\n"
    "Lbl=F1\nLblX=0\nLblY=-20\nGain=F1\nMove=0\nend\n"
    "Object 4: TVOGrfFonteEsforcoCtrl\nNum=1\nDesc=FonteEsforcoCtrl1\nLeft=100\nTop=150\n"
    "Lbl=Ec1\nLblX=0\nLblY=-20\nGain=Ec1\nMove=1\nVarCtrl=E\nVarID=6\nVarPort=1\nend\n"
    "Object 5: TVOGrfConexao\nNum=1\nDesc=Conexao1\nLeft=0\nTop=0\n"
    "Lbl=*\nLblX=0\nLblY=0\nObjID1=1\nObjID2=3\nCntID1=1\nCntID2=1\nend\n"
    "Object 6: TVOGrfImpedancia\nNum=1\nDesc=Impedancia1\nLeft=100\nTop=100\n"
    "Lbl=R\nLblX=0\nLblY=-20\nGain=R\nMove=0\nend\n";

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
