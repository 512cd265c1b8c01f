#include "analysis/UnitGeradorDocumento.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfGrafo.h"
#include "visual/UnitVOComp.h"
#include "visual/UnitVisualDocumento.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brelix {

namespace {

constexpr std::int32_t kTopoGerado = 130;
constexpr std::int32_t kEsquerdaGerada = 230;

// The eight lines every object block starts with.
struct TBlocoComum {
    std::int64_t ID = 0;
    std::string Classe;
    std::int64_t Num = 0;
    std::string Desc;
    std::int64_t Left = 0;
    std::int64_t Top = 0;
    std::string Lbl;
    std::int64_t LblX = 0;
    std::int64_t LblY = 0;
};

void AddBloco(std::vector<std::string>& linhas, const TBlocoComum& b,
              const std::vector<std::string>& chaves) {
    linhas.push_back("Object " + IntToStr(b.ID) + ": " + b.Classe);
    linhas.push_back("Num=" + IntToStr(b.Num));
    linhas.push_back("Desc=" + b.Desc);
    linhas.push_back("Left=" + IntToStr(b.Left));
    linhas.push_back("Top=" + IntToStr(b.Top));
    linhas.push_back("Lbl=" + b.Lbl);
    linhas.push_back("LblX=" + IntToStr(b.LblX));
    linhas.push_back("LblY=" + IntToStr(b.LblY));
    linhas.insert(linhas.end(), chaves.begin(), chaves.end());
    linhas.emplace_back("end");
}

// A connection block, unlabelled, at 0, 0 (its place comes from its ends).
TBlocoComum Conexao(const std::string& classe, std::int64_t id, std::int64_t num) {
    return {id, classe, num, "Conexao" + IntToStr(num), 0, 0, "*", 0, 0};
}

// A component block labelled with its gain 20 pixels above its centre.
TBlocoComum Componente(const std::string& classe, std::int64_t id, std::int64_t num, std::string desc,
                       std::int64_t left, std::int64_t top, const std::string& ganho) {
    return {id, classe, num, std::move(desc), left, top, ganho, 0, -20};
}

std::int64_t MaiorIdVertice(const TGrafo& grafo) {
    std::int64_t m = 0;
    for (const auto& v : grafo.Vertices())
        m = std::max<std::int64_t>(m, v->Id);
    return m;
}

void Iniciar(TVisualDocumento& doc, const std::string& nome, const std::string& classeCabecalho,
             std::int64_t altura, std::int64_t largura) {
    const auto limitar = [](std::int64_t v) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, kMaxCoord));
    };
    doc.NewDocument(nome, classeCabecalho, limitar(altura), limitar(largura), kTopoGerado, kEsquerdaGerada);
}

void Concluir(TVisualDocumento& doc) {
    doc.DeselectAll();
    doc.SetModified(true);
}

// ---- Signal-flow document ----

void BlocosVariaveis(const TGrafo& dfs, std::vector<std::string>& linhas) {
    const int n = dfs.VerticeCount();
    const int h = n / 2;
    for (int i = 0; i < n; ++i) {
        const TVertice& v = dfs.Vertice(i);
        std::int64_t left = 50 + 75 * static_cast<std::int64_t>(i);
        std::int64_t top = 25;
        if (i >= h) {
            left = 50 + 75 * static_cast<std::int64_t>(i - h);
            top = (n % 2 == 1 && i == n - 1) ? 135 : 250;
        }
        AddBloco(linhas, {v.Id, "TVODFSVariavel", v.Id, v.Nome, left, top, v.Nome, 0, -20}, {});
    }
}

void BlocosTransmitancias(const TGrafo& dfs, std::vector<std::string>& linhas) {
    std::int64_t m = MaiorIdVertice(dfs);
    std::int64_t k = 0;
    for (int i = 0; i < dfs.RamoCount(); ++i) {
        const TRamo& r = dfs.Ramo(i);
        const std::int64_t j = i + 1;
        const std::string g = r.Ganho ? r.Ganho->Texto() : r.TextoGanho;
        // A transmittance takes its place between its variables ("Move=0"), so it stands at 0, 0.
        AddBloco(linhas, Componente("TVODFSTransmitancia", m + 1, j, "Transmitancia" + IntToStr(j), 0, 0, g),
                 {"Gain=" + g, "Move=0"});
        AddBloco(linhas, Conexao("TVODFSConexao", m + 2, k + 1),
                 {"ObjID1=" + IntToStr(r.Origem), "ObjID2=" + IntToStr(m + 1), "CntID1=1", "CntID2=1"});
        AddBloco(linhas, Conexao("TVODFSConexao", m + 3, k + 2),
                 {"ObjID1=" + IntToStr(m + 1), "ObjID2=" + IntToStr(r.Destino), "CntID1=2", "CntID2=1"});
        m += 3;
        k += 2;
    }
}

// ---- Graph document ----

// Classes of the graph registry by element kind: a one-port's element kind is its branch kind, a
// two-port's is the kind of its branches divided by ten.
const char* ClasseElemento(std::int32_t kind) {
    switch (kind) {
    case kRamoImpedancia:
        return "TVOGrfImpedancia";
    case kRamoFonteEsforco:
        return "TVOGrfFonteEsforco";
    case kRamoFonteEsforcoCtrl:
        return "TVOGrfFonteEsforcoCtrl";
    case kRamoFonteFluxo:
        return "TVOGrfFonteFluxo";
    case kRamoFonteFluxoCtrl:
        return "TVOGrfFonteFluxoCtrl";
    case kRamoTransformador1 / 10:
        return "TVOGrfTransformador";
    case kRamoGirador1 / 10:
        return "TVOGrfGirador";
    case kRamoQuadripolo1 / 10:
        return "TVOGrfDuasPortas";
    default:
        return "";
    }
}

// Running ID and connection number, and the description -> ID of every element placed so far, which
// the control keys of controlled sources look up.
struct TGeracaoGrafo {
    std::int64_t M = 0;
    std::int64_t K = 0;
    std::unordered_map<std::string, std::int64_t> Elementos;

    std::int64_t IdDe(std::string_view desc) const {
        const auto it = Elementos.find(std::string(desc));
        return it == Elementos.end() ? 0 : it->second;
    }
};

// An element wired from its origin into port `entrada` and from port `entrada` + 1 to its destination.
void BlocosLigacao(TGeracaoGrafo& g, const TRamo& r, std::int64_t elemento, std::int64_t portaEntrada,
                   std::vector<std::string>& linhas) {
    const std::string e = IntToStr(elemento);
    AddBloco(linhas, Conexao("TVOGrfConexao", ++g.M, ++g.K),
             {"ObjID1=" + IntToStr(r.Origem), "CntID1=1", "ObjID2=" + e, "CntID2=" + IntToStr(portaEntrada)});
    AddBloco(
        linhas, Conexao("TVOGrfConexao", ++g.M, ++g.K),
        {"ObjID1=" + e, "CntID1=" + IntToStr(portaEntrada + 1), "ObjID2=" + IntToStr(r.Destino), "CntID2=1"});
}

std::int64_t BlocoUmaPorta(TGeracaoGrafo& g, const TRamo& r, const std::vector<std::string>& controle,
                           std::vector<std::string>& linhas) {
    const std::int64_t id = ++g.M;
    std::vector<std::string> chaves = {"Gain=" + r.TextoGanho, "Move=0"};
    chaves.insert(chaves.end(), controle.begin(), controle.end());
    AddBloco(linhas, Componente(ClasseElemento(r.Tipo), id, r.Id, r.Nome, r.X, r.Y, r.TextoGanho), chaves);
    BlocosLigacao(g, r, id, 1, linhas);
    return id;
}

// A two-port's halves as one element: the first half at ports 1 -> 2, the second at 3 -> 4.
void BlocoDuasPortas(TGeracaoGrafo& g, const TGrafo& grafo, const TRamo& r,
                     std::vector<std::string>& linhas) {
    const std::int64_t id = ++g.M;
    // The description drops the first half's "_P1".
    const std::string desc = r.Nome.size() > 3 ? r.Nome.substr(0, r.Nome.size() - 3) : r.Nome;
    AddBloco(linhas, Componente(ClasseElemento(r.Tipo / 10), id, r.Id, desc, r.X, r.Y, r.TextoGanho),
             {"Gain=" + r.TextoGanho, "Move=0"});
    g.Elementos.emplace(desc, id);
    BlocosLigacao(g, r, id, 1, linhas);
    if (const TRamo* segunda = grafo.FindRamo(r.Par)) BlocosLigacao(g, *segunda, id, 3, linhas);
}

// The text between the first "(" and the first ")" after it.
std::string_view EntreParenteses(std::string_view t) {
    const std::size_t a = t.find('(');
    if (a == std::string_view::npos) return {};
    const std::size_t f = t.find(')', a + 1);
    return f == std::string_view::npos ? std::string_view() : t.substr(a + 1, f - a - 1);
}

// The text between the first "(" and the last "_": a two-port's name in one of its variables.
std::string_view AntesDoUltimoSublinhado(std::string_view t) {
    const std::size_t a = t.find('(');
    const std::size_t u = t.rfind('_');
    if (a == std::string_view::npos || u == std::string_view::npos || u <= a) return {};
    return t.substr(a + 1, u - a - 1);
}

// VarCtrl, VarID and VarPort designating the controlling variable named by the control text.
std::vector<std::string> ChavesControle(const TGeracaoGrafo& g, const TVisualDocumento& doc,
                                        const std::string& t) {
    if (t.empty()) return {"VarCtrl=0", "VarID=0", "VarPort=0"};
    const char letra = t.front();
    std::int64_t id = g.IdDe(EntreParenteses(t));
    std::string porta = "1";
    if (id == 0) {
        id = g.IdDe(AntesDoUltimoSublinhado(t));
        const auto* comp =
            dynamic_cast<const TVOComp*>(doc.Objects().FindByID(static_cast<std::int32_t>(id)));
        if (id != 0 && comp != nullptr) {
            const bool esforco = letra == EffortLetter(comp->GetDomain());
            const bool fluxo = letra == FlowLetter(comp->GetDomain());
            if (esforco && comp->EffortVariable(1) == t) porta = "1";
            if (esforco && comp->EffortVariable(2) == t) porta = "2";
            if (fluxo && comp->FlowVariable(1) == t) porta = "1";
            if (fluxo && comp->FlowVariable(2) == t) porta = "2";
        }
    }
    return {"VarCtrl=" + std::string(1, letra), "VarID=" + IntToStr(id), "VarPort=" + porta};
}

} // namespace

void GerarDFS(TVisualDocumento& doc, const std::string& nome, const std::string& classeCabecalho,
              const TGrafo& dfs) {
    const std::int64_t n = dfs.VerticeCount();
    Iniciar(doc, nome, classeCabecalho, 300, (n / 2 + n % 2 - 1) * 75 + 125);
    std::vector<std::string> linhas;
    BlocosVariaveis(dfs, linhas);
    BlocosTransmitancias(dfs, linhas);
    doc.LoadObjects(linhas);
    Concluir(doc);
}

void GerarGrafo(TVisualDocumento& doc, const std::string& nome, const std::string& classeCabecalho,
                const TGrafo& grafo) {
    std::int64_t maiorX = 490;
    std::int64_t maiorY = 240;
    for (const auto& v : grafo.Vertices()) {
        maiorX = std::max<std::int64_t>(maiorX, v->X);
        maiorY = std::max<std::int64_t>(maiorY, v->Y);
    }
    Iniciar(doc, nome, classeCabecalho, maiorY + 60, maiorX + 60);

    TGeracaoGrafo g;
    g.M = MaiorIdVertice(grafo);
    std::vector<std::string> linhas;
    for (const auto& v : grafo.Vertices())
        AddBloco(linhas, {v->Id, "TVOGrfVertice", v->Id, v->Nome, v->X, v->Y, v->Nome, 0, -20}, {});
    for (const auto& r : grafo.Ramos()) {
        switch (r->Tipo) {
        case kRamoImpedancia:
        case kRamoFonteEsforco:
        case kRamoFonteFluxo:
            g.Elementos.emplace(r->Nome, BlocoUmaPorta(g, *r, {}, linhas));
            break;
        case kRamoTransformador1:
        case kRamoGirador1:
        case kRamoQuadripolo1:
            BlocoDuasPortas(g, grafo, *r, linhas);
            break;
        default:
            break; // controlled sources come last; second halves went with their first
        }
    }
    doc.LoadObjects(linhas);

    // Controlled sources name their controlling element in their keys, so it must exist already.
    linhas.clear();
    for (const auto& r : grafo.Ramos()) {
        if (r->Tipo != kRamoFonteEsforcoCtrl && r->Tipo != kRamoFonteFluxoCtrl) continue;
        BlocoUmaPorta(g, *r, ChavesControle(g, doc, r->Controle), linhas);
    }
    doc.LoadObjects(linhas);
    Concluir(doc);
}

} // namespace brelix
