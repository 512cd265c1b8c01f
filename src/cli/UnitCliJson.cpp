#include "UnitCliJson.h"

#include "UnitCliRelatorio.h"

#include "analysis/UnitResultadoFT.h"
#include "common/UnitComTexto.h"

#include <cmath>
#include <cstdio>

namespace brelix::cli {

void TJson::Separar() {
    if (depoisDeChave_) {
        depoisDeChave_ = false;
        return;
    }
    if (primeiro_.empty()) return;
    if (!primeiro_.back()) texto_ += ", ";
    primeiro_.back() = false;
}

TJson& TJson::AbrirObjeto() {
    Separar();
    texto_ += '{';
    primeiro_.push_back(true);
    return *this;
}

TJson& TJson::FecharObjeto() {
    texto_ += '}';
    primeiro_.pop_back();
    return *this;
}

TJson& TJson::AbrirLista() {
    Separar();
    texto_ += '[';
    primeiro_.push_back(true);
    return *this;
}

TJson& TJson::FecharLista() {
    texto_ += ']';
    primeiro_.pop_back();
    return *this;
}

TJson& TJson::Chave(std::string_view nome) {
    Texto(nome);
    texto_ += ": ";
    depoisDeChave_ = true;
    return *this;
}

TJson& TJson::Texto(std::string_view texto) {
    Separar();
    texto_ += '"';
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        // DEL and the C1 controls (U+0080 to U+009F, C2 80 to C2 9F in UTF-8) are escaped like the C0
        // ones: no control character reaches a terminal that shows the JSON.
        const auto seguinte = i + 1 < texto.size() ? static_cast<unsigned char>(texto[i + 1]) : 0u;
        if (c == '\x7F' || (static_cast<unsigned char>(c) == 0xC2 && seguinte >= 0x80 && seguinte <= 0x9F)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c == '\x7F' ? 0x7Fu : seguinte);
            texto_ += escape;
            if (c != '\x7F') ++i;
            continue;
        }
        switch (c) {
        case '"':
            texto_ += "\\\"";
            break;
        case '\\':
            texto_ += "\\\\";
            break;
        case '\n':
            texto_ += "\\n";
            break;
        case '\r':
            texto_ += "\\r";
            break;
        case '\t':
            texto_ += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                texto_ += escape;
            } else {
                texto_ += c;
            }
        }
    }
    texto_ += '"';
    return *this;
}

TJson& TJson::Real(double valor) {
    if (!std::isfinite(valor)) return Nulo();
    Separar();
    char numero[32];
    std::snprintf(numero, sizeof numero, "%.17g", valor);
    texto_ += numero;
    return *this;
}

TJson& TJson::Inteiro(long long valor) {
    Separar();
    texto_ += std::to_string(valor);
    return *this;
}

TJson& TJson::Logico(bool valor) {
    Separar();
    texto_ += valor ? "true" : "false";
    return *this;
}

TJson& TJson::Nulo() {
    Separar();
    texto_ += "null";
    return *this;
}

TJson& TJson::Textos(const std::vector<std::string>& textos) {
    AbrirLista();
    for (const std::string& t : textos)
        Texto(t);
    return FecharLista();
}

void JsonRecusa(TJson& j, const TRecusa& recusa) {
    j.AbrirObjeto();
    if (recusa.Tipo == TRecusa::TTipo::Mensagem) {
        j.Chave("mensagem").Texto(recusa.Mensagem);
        j.FecharObjeto();
        return;
    }
    const TConteudoVerificacao& v = recusa.Verificacao;
    j.Chave("titulo").Texto(v.Mensagem);
    if (v.NaoValidadosVisivel) j.Chave("problemas").Textos(v.NaoValidados);
    if (v.EmCurtoVisivel) j.Chave("emCurto").Textos(v.EmCurto);
    if (v.NaoConectadosVisivel) j.Chave("naoConectados").Textos(v.NaoConectados);
    j.FecharObjeto();
}

void JsonGrade(TJson& j, const TGradeTexto& grade) {
    j.AbrirObjeto();
    j.Chave("cabecalhos").Textos(grade.Cabecalhos);
    j.Chave("linhas").AbrirLista();
    for (const std::vector<std::string>& linha : grade.Linhas)
        j.Textos(linha);
    j.FecharLista();
    j.FecharObjeto();
}

namespace {

void JsonTermos(TJson& j, const TListFator& polinomio) {
    j.AbrirLista();
    for (const TFator& termo : polinomio) {
        TFator copia = termo; // taking the symbol text sorts the product
        j.AbrirObjeto();
        j.Chave("k").Real(copia.K);
        j.Chave("expS").Inteiro(copia.ExpS);
        j.Chave("simbolos").Texto(copia.TextoSimbolos());
        j.FecharObjeto();
    }
    j.FecharLista();
}

// The coefficients of S^0, S^1, ... of a polynomial made monic by the last evaluation.
void JsonCoeficientes(TJson& j, const TListFator& polinomio) {
    j.AbrirLista();
    for (const double c : polinomio.Coefs())
        j.Real(c);
    j.FecharLista();
}

void JsonNumerica(TJson& j, const TResultadoFT& ft) {
    const TConteudoFT& c = ft.Conteudo();
    j.AbrirObjeto();
    j.Chave("avaliada").Logico(c.Avaliada);
    if (!c.Avaliada) {
        j.Chave("motivo").Texto(c.FTNG);
        j.FecharObjeto();
        return;
    }
    const double denLead = ft.Funcao().Den.Lead();
    j.Chave("ganho");
    if (denLead == 0.0)
        j.Nulo();
    else
        j.Real(ft.Funcao().Num.Lead() / denLead);
    j.Chave("ganhoTexto").Texto(c.FTNG);
    j.Chave("numerador").Texto(c.FTNNum);
    j.Chave("denominador").Texto(c.FTNDen);
    j.Chave("coeficientesNumerador");
    JsonCoeficientes(j, ft.Funcao().Num);
    j.Chave("coeficientesDenominador");
    JsonCoeficientes(j, ft.Funcao().Den);
    j.FecharObjeto();
}

void JsonMason(TJson& j, const TConteudoMason& m) {
    j.AbrirObjeto();
    j.Chave("simbolos");
    JsonGrade(j, m.Simbolos);
    j.Chave("lacos");
    JsonGrade(j, m.Lacos);
    j.Chave("lacosDisjuntos");
    JsonGrade(j, m.Disjuntos);
    j.Chave("lacosOrdemSuperior");
    JsonGrade(j, m.OrdemSuperior);
    j.FecharObjeto();
}

} // namespace

void JsonFT(TJson& j, const TRelatorioFT& r) {
    const TResultadoFT& ft = *r.Resultado;
    const TConteudoFT& c = ft.Conteudo();
    j.AbrirObjeto();
    j.Chave("nome").Texto(ft.NomeArquivo());
    j.Chave("entrada").Texto(c.VarE);
    j.Chave("saida").Texto(c.VarS);
    j.Chave("simbolos").AbrirLista();
    for (const TSimboloVal& s : ft.Simbolos()) {
        j.AbrirObjeto();
        j.Chave("nome").Texto(s.Nome);
        j.Chave("valor").Real(s.Valor);
        j.Chave("valorTexto").Texto(RealToStr(s.Valor));
        j.FecharObjeto();
    }
    j.FecharLista();
    j.Chave("numerador").Texto(SemBrancoFinal(c.FTSNum));
    j.Chave("denominador").Texto(SemBrancoFinal(c.FTSDen));
    j.Chave("termosNumerador");
    JsonTermos(j, ft.Funcao().Num);
    j.Chave("termosDenominador");
    JsonTermos(j, ft.Funcao().Den);
    j.Chave("numerica");
    JsonNumerica(j, ft);
    if (r.Sensibilidade) {
        j.Chave("sensibilidade").AbrirObjeto();
        j.Chave("simbolo").Texto(r.SimboloSensibilidade);
        j.Chave("numerador").Texto(SemBrancoFinal(c.SensNum));
        j.Chave("denominador").Texto(SemBrancoFinal(c.SensDen));
        j.Chave("termosNumerador");
        JsonTermos(j, ft.Sensibilidade()->Num);
        j.Chave("termosDenominador");
        JsonTermos(j, ft.Sensibilidade()->Den);
        j.FecharObjeto();
    }
    if (r.Mason) {
        j.Chave("mason");
        JsonMason(j, *r.Mason);
    }
    if (!r.ArquivoFT.empty()) j.Chave("arquivoFT").Texto(r.ArquivoFT);
    if (!r.ArquivoVarnel.empty()) j.Chave("arquivoVarnel").Texto(r.ArquivoVarnel);
    j.FecharObjeto();
}

} // namespace brelix::cli
