// Writes the example documents of the examples folder, drawn with the program's own document model,
// and the RLC ladders the timing script analyses.
//
//   brelix-gerar-exemplos FOLDER           every example, into FOLDER
//   brelix-gerar-exemplos --ladder N FILE  the N-section RLC ladder as a system document
//   brelix-gerar-exemplos --series N FILE  N separate series RLC circuits as one system document

#include "UnitDesenhoExemplo.h"

#include "common/UnitComErro.h"
#include "common/UnitComTexto.h"
#include "system/UnitSisTipo.h"
#include "visual/UnitVODocKind.h"

#include <filesystem>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace brelix;
using brelix::exemplos::TDesenho;

namespace {

// ---- Electrical systems ----

// A voltage source driving a resistor, an inductor and a capacitor in series.
void SerieRLC(const std::string& arquivo) {
    TDesenho d(kDocKindSistema);
    auto& n1 = d.Vertice(kTipoEleVertice, "N1", 60, 40);
    auto& n2 = d.Vertice(kTipoEleVertice, "N2", 180, 40);
    auto& n3 = d.Vertice(kTipoEleVertice, "N3", 300, 40);
    auto& n0 = d.Vertice(kTipoEleVertice, "N0", 180, 200);
    auto& vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs", 60, 120);
    auto& r1 = d.Comp(kTipoEleResistor, "R1", "R1", 120, 40);
    auto& l1 = d.Comp(kTipoEleIndutor, "L1", "L1", 240, 40);
    auto& c1 = d.Comp(kTipoEleCapacitor, "C1", "C1", 300, 120);
    d.Girar(c1); // upright, across the output
    d.Ligar(vs, {&n1, &n0});
    d.Ligar(r1, {&n1, &n2});
    d.Ligar(l1, {&n2, &n3});
    d.Ligar(c1, {&n3, &n0});
    d.Salvar(arquivo);
}

// A resistor in series and a capacitor across the output.
void PassaBaixasRC(const std::string& arquivo) {
    TDesenho d(kDocKindSistema);
    auto& n1 = d.Vertice(kTipoEleVertice, "N1", 60, 40);
    auto& n2 = d.Vertice(kTipoEleVertice, "N2", 200, 40);
    auto& n0 = d.Vertice(kTipoEleVertice, "N0", 130, 200);
    auto& vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs", 60, 120);
    auto& r = d.Comp(kTipoEleResistor, "R", "R", 130, 40);
    auto& c = d.Comp(kTipoEleCapacitor, "C", "C", 200, 120);
    d.Girar(c);
    d.Ligar(vs, {&n1, &n0});
    d.Ligar(r, {&n1, &n2});
    d.Ligar(c, {&n2, &n0});
    d.Salvar(arquivo);
}

// The n-section RLC ladder: a voltage source, then per section k a series resistor Rk and inductor
// Lk and a shunt capacitor Ck; the output is the voltage of the last capacitor.
void EscadaRLC(int secoes, const std::string& arquivo) {
    TDesenho d(kDocKindSistema);
    const std::int32_t passo = 150;
    d.Tamanho(std::max(550, 100 + secoes * passo), 300);
    auto& terra = d.Vertice(kTipoEleVertice, "N0", 40 + secoes * passo / 2, 220);
    TVOElemento* anterior = &d.Vertice(kTipoEleVertice, "A0", 40, 40);
    d.Ligar(d.Comp(kTipoEleFonteTensao, "Vs", "Vs", 40, 130), {anterior, &terra});
    for (int k = 1; k <= secoes; ++k) {
        const std::string n = IntToStr(k);
        const std::int32_t x = 40 + (k - 1) * passo;
        auto& meio = d.Vertice(kTipoEleVertice, "B" + n, x + 75, 40);
        auto& saida = d.Vertice(kTipoEleVertice, "A" + n, x + passo, 40);
        d.Ligar(d.Comp(kTipoEleResistor, "R" + n, "R" + n, x + 35, 40), {anterior, &meio});
        d.Ligar(d.Comp(kTipoEleIndutor, "L" + n, "L" + n, x + 110, 40), {&meio, &saida});
        auto& c = d.Comp(kTipoEleCapacitor, "C" + n, "C" + n, x + passo, 130);
        d.Girar(c); // the shunt capacitors stand upright between the line and the ground
        d.Ligar(c, {&saida, &terra});
        anterior = &saida;
    }
    d.Salvar(arquivo);
}

// n series RLC circuits side by side, each with its own source and ground, 16 objects apiece (four
// vertices, four components, eight wires): a large document whose analysis stays simple, for
// measuring how the readers and the conversions scale with the size of a document.
void SeriesRLC(int copias, const std::string& arquivo) {
    TDesenho d(kDocKindSistema);
    constexpr int kPorLinha = 50;
    const int linhas = (copias + kPorLinha - 1) / kPorLinha;
    d.Tamanho(std::min(copias, kPorLinha) * 300 + 100, linhas * 240 + 100);
    for (int k = 0; k < copias; ++k) {
        const std::int32_t x = 40 + (k % kPorLinha) * 300;
        const std::int32_t y = 40 + (k / kPorLinha) * 240;
        const std::string n = IntToStr(k + 1);
        auto& n1 = d.Vertice(kTipoEleVertice, "N1_" + n, x, y);
        auto& n2 = d.Vertice(kTipoEleVertice, "N2_" + n, x + 120, y);
        auto& n3 = d.Vertice(kTipoEleVertice, "N3_" + n, x + 240, y);
        auto& n0 = d.Vertice(kTipoEleVertice, "N0_" + n, x + 120, y + 160);
        auto& vs = d.Comp(kTipoEleFonteTensao, "Vs" + n, "Vs" + n, x, y + 80);
        auto& r = d.Comp(kTipoEleResistor, "R" + n, "R" + n, x + 60, y);
        auto& l = d.Comp(kTipoEleIndutor, "L" + n, "L" + n, x + 180, y);
        auto& c = d.Comp(kTipoEleCapacitor, "C" + n, "C" + n, x + 240, y + 80);
        d.Ligar(vs, {&n1, &n0});
        d.Ligar(r, {&n1, &n2});
        d.Ligar(l, {&n2, &n3});
        d.Ligar(c, {&n3, &n0});
    }
    d.Salvar(arquivo);
}

// ---- Mechanical and hydraulic systems ----

// A force on a mass held by a spring and a damper to the ground.
void MassaMolaAmortecedor(const std::string& arquivo) {
    TDesenho d(kDocKindSistema);
    auto& va = d.Vertice(kTipoMctVertice, "Va", 100, 60);
    auto& vb = d.Vertice(kTipoMctVertice, "Vb", 200, 60);
    auto& vr = d.Vertice(kTipoMctVertice, "Vr", 350, 60);
    auto& f = d.Comp(kTipoMctFonteForca, "F", "F", 40, 60);
    auto& m = d.Comp(kTipoMctMassa, "M", "M", 150, 60);
    auto& k = d.Comp(kTipoMctMola, "K", "K", 275, 20);
    auto& b = d.Comp(kTipoMctAmortecedor, "B", "B", 275, 100);
    auto& ref = d.Comp(kTipoMctReferencia, "Ref", "Ref", 410, 60);
    d.Ligar(f, {&va});
    d.Ligar(m, {&va, &vb});
    d.Ligar(k, {&vb, &vr});
    d.Ligar(b, {&vb, &vr});
    d.Ligar(ref, {&vr});
    d.Salvar(arquivo);
}

// A force on the first of two masses joined by a spring; the second rubs on the ground.
void DuasMassasMola(const std::string& arquivo) {
    TDesenho d(kDocKindSistema);
    auto& va = d.Vertice(kTipoMctVertice, "Va", 90, 60);
    auto& vb = d.Vertice(kTipoMctVertice, "Vb", 180, 60);
    auto& vc = d.Vertice(kTipoMctVertice, "Vc", 270, 60);
    auto& vd = d.Vertice(kTipoMctVertice, "Vd", 360, 60);
    auto& vr = d.Vertice(kTipoMctVertice, "Vr", 450, 60);
    auto& f = d.Comp(kTipoMctFonteForca, "F", "F", 30, 60);
    auto& m1 = d.Comp(kTipoMctMassa, "M1", "M1", 135, 60);
    auto& k = d.Comp(kTipoMctMola, "K", "K", 225, 60);
    auto& m2 = d.Comp(kTipoMctMassa, "M2", "M2", 315, 60);
    auto& b = d.Comp(kTipoMctAmortecedor, "B", "B", 405, 60);
    auto& ref = d.Comp(kTipoMctReferencia, "Ref", "Ref", 500, 60);
    d.Tamanho(600, 300);
    d.Ligar(f, {&va});
    d.Ligar(m1, {&va, &vb});
    d.Ligar(k, {&vb, &vc});
    d.Ligar(m2, {&vc, &vd});
    d.Ligar(b, {&vd, &vr});
    d.Ligar(ref, {&vr});
    d.Salvar(arquivo);
}

// A torque on an inertia with viscous friction.
void InerciaAtrito(const std::string& arquivo) {
    TDesenho d(kDocKindSistema);
    auto& w = d.Vertice(kTipoMcrVertice, "W", 120, 60);
    auto& wr = d.Vertice(kTipoMcrVertice, "Wr", 260, 60);
    auto& t = d.Comp(kTipoMcrFonteTorque, "T", "T", 50, 60);
    auto& j = d.Comp(kTipoMcrInerciaAtrito, "J", "J;B", 190, 60);
    auto& ref = d.Comp(kTipoMcrReferencia, "Ref", "Ref", 330, 60);
    d.Ligar(t, {&w});
    d.Ligar(j, {&w, &wr});
    d.Ligar(ref, {&wr});
    d.Salvar(arquivo);
}

// A tank filled by a flow source and drained by a pipe with fluid resistance.
void ReservatorioTubo(const std::string& arquivo) {
    TDesenho d(kDocKindSistema);
    auto& p = d.Vertice(kTipoHidVertice, "P", 150, 60);
    auto& pr = d.Vertice(kTipoHidVertice, "Pr", 320, 60);
    auto& q = d.Comp(kTipoHidFonteVazao, "Q", "Q", 60, 60);
    auto& tanque = d.Comp(kTipoHidReservatorio1Cnt, "Tanque", "Cf", 150, 150);
    auto& tubo = d.Comp(kTipoHidTuboResistor, "Tubo", "Rf", 235, 60);
    auto& ref = d.Comp(kTipoHidReferencia, "Ref", "Ref", 390, 60);
    d.Ligar(q, {&p});
    d.Ligar(tanque, {&p});
    d.Ligar(tubo, {&p, &pr});
    d.Ligar(ref, {&pr});
    d.Salvar(arquivo);
}

// An armature circuit (Va, Ra, La) whose coupler turns the current into torque (T = Kt.i) and the
// speed into back electromotive force (v = Kb.W, so W = Kb^-1.v), driving an inertia with friction.
void MotorCC(const std::string& arquivo) {
    TDesenho d(kDocKindSistema);
    auto& n1 = d.Vertice(kTipoEleVertice, "N1", 60, 40);
    auto& n2 = d.Vertice(kTipoEleVertice, "N2", 160, 40);
    auto& n3 = d.Vertice(kTipoEleVertice, "N3", 260, 40);
    auto& n0 = d.Vertice(kTipoEleVertice, "N0", 160, 200);
    auto& w = d.Vertice(kTipoMcrVertice, "W", 380, 120);
    auto& wr = d.Vertice(kTipoMcrVertice, "Wr", 480, 120);
    auto& va = d.Comp(kTipoEleFonteTensao, "Va", "Va", 60, 120);
    auto& ra = d.Comp(kTipoEleResistor, "Ra", "Ra", 110, 40);
    auto& la = d.Comp(kTipoEleIndutor, "La", "La", 210, 40);
    auto& motor = d.Comp(kTipoAcpEleMcr, "Motor", "Kb^-1;0;0;Kt", 300, 120);
    // The four gains make a long label: above the mechanical side, clear of the armature wires.
    d.MoverLegenda(motor, 45, -25);
    auto& j = d.Comp(kTipoMcrInerciaAtrito, "J", "J;B", 430, 120);
    auto& ref = d.Comp(kTipoMcrReferencia, "Ref", "Ref", 530, 120);
    d.Tamanho(620, 300);
    d.Ligar(va, {&n1, &n0});
    d.Ligar(ra, {&n1, &n2});
    d.Ligar(la, {&n2, &n3});
    d.Ligar(motor, {&n3, &n0, &w});
    d.Ligar(j, {&w, &wr});
    d.Ligar(ref, {&wr});
    d.Salvar(arquivo);
}

// ---- Linear graphs (kind codes of graph documents) ----

constexpr std::int32_t kGrfVertice = 1;
constexpr std::int32_t kGrfImpedancia = 2;
constexpr std::int32_t kGrfFonteEsforco = 3;
constexpr std::int32_t kGrfFonteEsforcoCtrl = 4;
constexpr std::int32_t kGrfTransformador = 7;
constexpr std::int32_t kGrfGirador = 8;

// An effort source behind a resistor feeds a transformer (E1 = N.E2), whose second side feeds a
// gyrator (E2 = G.F1, E1 = -G.F2) loaded by an inductance L.S.
void TransformadorGirador(const std::string& arquivo) {
    TDesenho d(kDocKindGrafo);
    auto& a = d.Vertice(kGrfVertice, "A", 40, 40);
    auto& b = d.Vertice(kGrfVertice, "B", 160, 40);
    auto& c = d.Vertice(kGrfVertice, "C", 280, 40);
    auto& e = d.Vertice(kGrfVertice, "D", 400, 40);
    auto& terra = d.Vertice(kGrfVertice, "Terra", 220, 220);
    auto& vs = d.Comp(kGrfFonteEsforco, "Vs", "Vs", 40, 130);
    auto& r1 = d.Comp(kGrfImpedancia, "R1", "R1", 100, 40);
    auto& t1 = d.Comp(kGrfTransformador, "T1", "N", 220, 130);
    auto& g1 = d.Comp(kGrfGirador, "G1", "G", 340, 130);
    auto& l1 = d.Comp(kGrfImpedancia, "L1", "L1.S", 460, 130);
    d.Ligar(vs, {&a, &terra});
    d.Ligar(r1, {&a, &b});
    d.Ligar(t1, {&b, &terra, &c, &terra});
    d.Ligar(g1, {&c, &terra, &e, &terra});
    d.Ligar(l1, {&e, &terra});
    d.Salvar(arquivo);
}

// An RC low-pass whose capacitor voltage drives a controlled effort source (Ec = K.E(C1)) that feeds
// a resistive divider R2, R3.
void FonteControlada(const std::string& arquivo) {
    TDesenho d(kDocKindGrafo);
    auto& a = d.Vertice(kGrfVertice, "A", 40, 40);
    auto& b = d.Vertice(kGrfVertice, "B", 160, 40);
    auto& c = d.Vertice(kGrfVertice, "C", 280, 40);
    auto& e = d.Vertice(kGrfVertice, "D", 400, 40);
    auto& terra = d.Vertice(kGrfVertice, "Terra", 220, 220);
    auto& vs = d.Comp(kGrfFonteEsforco, "Vs", "Vs", 40, 130);
    auto& r1 = d.Comp(kGrfImpedancia, "R1", "R1", 100, 40);
    auto& c1 = d.Comp(kGrfImpedancia, "C1", "C1^-1.S^-1", 160, 130);
    auto& ec = d.Comp(kGrfFonteEsforcoCtrl, "Ec", "K", 280, 130);
    auto& r2 = d.Comp(kGrfImpedancia, "R2", "R2", 340, 40);
    auto& r3 = d.Comp(kGrfImpedancia, "R3", "R3", 400, 130);
    d.Doc().SetObjectControlVariable(ec, "E(C1)");
    if (ec.ControlVariable() != "E(C1)") throw std::logic_error("control variable not taken");
    d.Ligar(vs, {&a, &terra});
    d.Ligar(r1, {&a, &b});
    d.Ligar(c1, {&b, &terra});
    d.Ligar(ec, {&c, &terra});
    d.Ligar(r2, {&c, &e});
    d.Ligar(r3, {&e, &terra});
    d.Salvar(arquivo);
}

// ---- Signal-flow diagram ----

constexpr std::int32_t kDFSVariavel = 1;
constexpr std::int32_t kDFSTransmitancia = 2;

// A chain X1 -> X6 with two loops that share X3 (X2 <-> X3 and X3 <-> X4) and a third loop
// X5 <-> X6 that touches neither.
void LacosDFS(const std::string& arquivo) {
    TDesenho d(kDocKindDFS);
    d.Tamanho(650, 300);
    std::vector<TVOElemento*> x;
    for (int k = 1; k <= 6; ++k)
        x.push_back(&d.Vertice(kDFSVariavel, "X" + IntToStr(k), 40 + (k - 1) * 110, 120));
    const auto transmitancia = [&](const std::string& nome, const std::string& ganho, int de, int para,
                                   std::int32_t y) {
        const std::int32_t xm =
            (x[static_cast<std::size_t>(de - 1)]->Left() + x[static_cast<std::size_t>(para - 1)]->Left()) / 2;
        auto& t = d.Comp(kDFSTransmitancia, nome, ganho, xm, y);
        d.Ligar(t, {x[static_cast<std::size_t>(de - 1)], x[static_cast<std::size_t>(para - 1)]});
        // A feedback transmittance is put above or below the chain, away from the forward one
        // between the same variables.
        if (y != 120) d.Mover(t, xm, y);
        // Below the chain the label goes under the transmittance, clear of its two lines.
        if (y > 120 && !d.Doc().SetObjectLabelY(t, 20)) throw std::logic_error("label of " + nome);
    };
    for (int k = 1; k <= 5; ++k)
        transmitancia("G" + IntToStr(k), "G" + IntToStr(k), k, k + 1, 120);
    transmitancia("H1", "-1.H1", 3, 2, 200);
    transmitancia("H2", "-1.H2", 4, 3, 40);
    transmitancia("H3", "-1.H3", 6, 5, 200);
    d.Salvar(arquivo);
}

struct TExemplo {
    const char* Arquivo;
    std::function<void(const std::string&)> Gerar;
};

const std::vector<TExemplo>& Exemplos() {
    static const std::vector<TExemplo> exemplos = {
        {"serie-rlc.sis", SerieRLC},
        {"passa-baixas-rc.sis", PassaBaixasRC},
        {"escada-rlc-4.sis", [](const std::string& a) { EscadaRLC(4, a); }},
        {"massa-mola-amortecedor.sis", MassaMolaAmortecedor},
        {"duas-massas-mola.sis", DuasMassasMola},
        {"inercia-atrito.sis", InerciaAtrito},
        {"reservatorio-tubo.sis", ReservatorioTubo},
        {"motor-cc.sis", MotorCC},
        {"transformador-girador.grf", TransformadorGirador},
        {"fonte-controlada.grf", FonteControlada},
        {"lacos-dfs.dfs", LacosDFS},
    };
    return exemplos;
}

int Uso() {
    std::cerr << "Uso: brelix-gerar-exemplos PASTA\n"
                 "     brelix-gerar-exemplos --ladder N ARQUIVO.sis\n"
                 "     brelix-gerar-exemplos --series N ARQUIVO.sis\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    try {
        if (args.size() == 3 && args[0] == "--series") {
            std::int32_t copias = 0;
            if (!TryStrToInt(args[1], copias) || copias < 1 || copias > 100000) return Uso();
            SeriesRLC(copias, args[2]);
            return 0;
        }
        if (args.size() == 3 && args[0] == "--ladder") {
            std::int32_t secoes = 0;
            if (!TryStrToInt(args[1], secoes) || secoes < 1 || secoes > 200) return Uso();
            EscadaRLC(secoes, args[2]);
            return 0;
        }
        if (args.size() != 1) return Uso();
        const std::filesystem::path pasta(args[0]);
        std::filesystem::create_directories(pasta);
        for (const TExemplo& e : Exemplos())
            e.Gerar((pasta / e.Arquivo).string());
        return 0;
    } catch (const EFileError& e) {
        std::cerr << "brelix-gerar-exemplos: " << e.what() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "brelix-gerar-exemplos: " << e.what() << '\n';
    }
    return 1;
}
