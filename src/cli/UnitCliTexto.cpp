#include "UnitCliTexto.h"

#include "UnitCliRelatorio.h"

#include "analysis/UnitResultadoFT.h"
#include "analysis/UnitVisaoMason.h"
#include "common/UnitComTexto.h"

#include <algorithm>
#include <string>
#include <vector>

namespace brelix::cli {

namespace {

// Columns are aligned by characters, not bytes: a UTF-8 continuation byte adds no width.
std::size_t Largura(const std::string& texto) {
    return static_cast<std::size_t>(std::count_if(
        texto.begin(), texto.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void Lista(std::ostream& os, const char* titulo, const std::vector<std::string>& itens) {
    os << titulo << '\n';
    for (const std::string& item : itens)
        os << "  " << item << '\n';
}

void Rotulo(std::ostream& os, const char* rotulo, const std::string& texto) {
    os << "  " << rotulo << texto << '\n';
}

} // namespace

void EscreverRecusa(std::ostream& os, const TRecusa& recusa) {
    if (recusa.Tipo == TRecusa::TTipo::Mensagem) {
        os << recusa.Mensagem << '\n';
        return;
    }
    const TConteudoVerificacao& v = recusa.Verificacao;
    os << v.Mensagem << '\n';
    if (v.NaoValidadosVisivel)
        for (const std::string& p : v.NaoValidados)
            os << p << '\n';
    if (v.EmCurtoVisivel && !v.EmCurto.empty()) Lista(os, kAbaEmCurto, v.EmCurto);
    if (v.NaoConectadosVisivel && !v.NaoConectados.empty()) Lista(os, kAbaNaoConectados, v.NaoConectados);
}

void EscreverGrade(std::ostream& os, const TGradeTexto& grade, const char* recuo) {
    const std::size_t colunas = grade.Cabecalhos.size();
    std::vector<std::size_t> larguras(colunas, 0);
    const auto medir = [&](const std::vector<std::string>& linha) {
        for (std::size_t c = 0; c < colunas && c < linha.size(); ++c)
            larguras[c] = std::max(larguras[c], Largura(linha[c]));
    };
    medir(grade.Cabecalhos);
    for (const auto& linha : grade.Linhas)
        medir(linha);
    const auto escrever = [&](const std::vector<std::string>& linha) {
        std::string texto = recuo;
        for (std::size_t c = 0; c < colunas; ++c) {
            const std::string celula = c < linha.size() ? linha[c] : std::string();
            texto += celula;
            if (c + 1 < colunas) texto += std::string(larguras[c] - Largura(celula) + 2, ' ');
        }
        while (!texto.empty() && texto.back() == ' ')
            texto.pop_back();
        os << texto << '\n';
    };
    escrever(grade.Cabecalhos);
    for (const auto& linha : grade.Linhas)
        escrever(linha);
}

void EscreverVariaveis(std::ostream& os, const TRelatorioVariaveis& r) {
    Lista(os, "Variável de Entrada", r.Entradas);
    Lista(os, "Variável de Saída", r.Saidas);
    if (!r.Vertices.empty()) Lista(os, "Vértices", r.Vertices);
}

void EscreverFT(std::ostream& os, const TRelatorioFT& r) {
    const TResultadoFT& ft = *r.Resultado;
    const TConteudoFT& c = ft.Conteudo();
    os << "Variável de Entrada: " << c.VarE << '\n';
    os << "Variável de Saída: " << c.VarS << '\n';
    os << "\nFT Simbólica\n";
    Rotulo(os, "Numerador:   ", SemBrancoFinal(c.FTSNum));
    Rotulo(os, "Denominador: ", SemBrancoFinal(c.FTSDen));
    os << "\nSímbolos\n";
    if (ft.Simbolos().Count() == 0) os << "  (nenhum)\n";
    for (const TSimboloVal& s : ft.Simbolos())
        os << "  " << s.Nome << " = " << RealToStr(s.Valor) << '\n';
    os << "\nFT Numérica\n";
    if (!c.Avaliada) {
        os << "  " << c.FTNG << '\n';
    } else {
        Rotulo(os, "Ganho:       ", c.FTNG);
        Rotulo(os, "Numerador:   ", c.FTNNum);
        Rotulo(os, "Denominador: ", c.FTNDen);
    }
    if (r.Sensibilidade) {
        os << "\nSensibilidade Paramétrica: " << r.SimboloSensibilidade << '\n';
        Rotulo(os, "Numerador:   ", SemBrancoFinal(c.SensNum));
        Rotulo(os, "Denominador: ", SemBrancoFinal(c.SensDen));
    }
    if (r.Mason) {
        os << '\n' << kAbaLacos << '\n';
        EscreverGrade(os, r.Mason->Lacos);
        os << '\n' << kAbaLacosDisjuntos << '\n';
        EscreverGrade(os, r.Mason->Disjuntos);
        os << '\n' << kAbaOrdemSuperior << '\n';
        EscreverGrade(os, r.Mason->OrdemSuperior);
    }
    if (!r.ArquivoFT.empty()) os << "\nFunção de transferência salva em " << r.ArquivoFT << '\n';
    if (!r.ArquivoVarnel.empty()) os << "\nArquivo do Varnel salvo em " << r.ArquivoVarnel << '\n';
}

} // namespace brelix::cli
