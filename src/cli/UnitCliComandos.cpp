#include "UnitCliComandos.h"

#include "UnitCliJson.h"
#include "UnitCliRelatorio.h"
#include "UnitCliTexto.h"

#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitResultadoFT.h"
#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"
#include "common/UnitComTexto.h"
#include "shell/UnitCatalogo.h"
#include "visual/UnitVODocKind.h"

#include <filesystem>
#include <memory>
#include <new>
#include <utility>

namespace brelix::cli {

namespace {

bool gGuardarAteOFim = false;

// A result the command is done with: freed now, or kept until the process ends.
void Descartar(std::unique_ptr<TResultadoFT> ft) {
    static std::vector<std::unique_ptr<TResultadoFT>> guardados;
    if (gGuardarAteOFim) guardados.push_back(std::move(ft));
}

std::string Juntar(const std::vector<std::string>& itens) {
    std::string texto;
    for (const std::string& item : itens)
        texto += (texto.empty() ? "" : ", ") + item;
    return texto.empty() ? "(nenhuma)" : texto;
}

std::string NomeTipo(std::int32_t docKind) {
    switch (docKind) {
    case kDocKindDFS:
        return "DFS";
    case kDocKindGrafo:
        return "Grafo";
    default:
        return "Sistema";
    }
}

// A refusal of the analysis: the system's message (or check view) on the error stream and, for
// scripts, the same as JSON; exit status 1.
int Recusar(const TArgumentos& a, const TRecusa& recusa, std::ostream& out, std::ostream& err,
            const std::vector<std::string>& notas = {}, const TCandidatosFT* candidatos = nullptr) {
    EscreverRecusa(err, recusa);
    for (const std::string& nota : notas)
        err << nota << '\n';
    if (a.Json) {
        TJson j;
        j.AbrirObjeto().Chave("recusa");
        JsonRecusa(j, recusa);
        if (candidatos != nullptr) {
            j.Chave("entradas").Textos(candidatos->Entradas);
            j.Chave("saidas").Textos(candidatos->Saidas);
            if (!candidatos->Vertices.empty()) j.Chave("vertices").Textos(candidatos->Vertices);
        }
        out << j.FecharObjeto().Resultado();
    }
    return kSaidaRecusado;
}

// The files the command writes, each after the option that names it ("-o saida.fts").
std::vector<std::string> Saidas(const TArgumentos& a) {
    std::vector<std::string> saidas;
    if (!a.ArquivoSaida.empty()) saidas.push_back("-o " + a.ArquivoSaida);
    if (!a.Varnel.empty()) saidas.push_back("--varnel " + a.Varnel);
    return saidas;
}

std::string ArquivoDe(const std::string& saida) {
    return saida.substr(saida.find(' ') + 1);
}

// Before anything is read or written: no output may be the document the command reads, nor the file
// of another output (one would replace the other), whatever names lead to it (links, "..", another
// hard link); and every output must be a file the writer can replace. So a command either writes
// every file or none, but for a failure of the disk itself.
void ConferirSaidas(const TArgumentos& a) {
    const std::vector<std::string> saidas = Saidas(a);
    for (std::size_t i = 0; i < saidas.size(); ++i) {
        const std::string arquivo = ArquivoDe(saidas[i]);
        if (MesmoArquivo(arquivo, a.Arquivo))
            throw EUso(saidas[i] + " é o próprio arquivo de entrada " + a.Arquivo +
                       ", que seria substituído; escolha outro nome");
        for (std::size_t j = 0; j < i; ++j)
            if (MesmoArquivo(arquivo, ArquivoDe(saidas[j])))
                throw EUso(saidas[j] + " e " + saidas[i] +
                           " são o mesmo arquivo: um substituiria o outro; escolha outro nome");
    }
    for (const std::string& saida : saidas)
        ConferirGravacao(ArquivoDe(saida));
}

int Check(const TCatalogo& catalogo, const TArgumentos& a, std::ostream& out) {
    const std::unique_ptr<TVisualDocumento> doc = AbrirDocumento(catalogo.Documentos(), a.Arquivo);
    const TRecusa recusa = catalogo.Comando(*doc).Verificar(*doc);
    if (a.Json) {
        TJson j;
        j.AbrirObjeto();
        j.Chave("arquivo").Texto(a.Arquivo);
        j.Chave("documento").Texto(NomeTipo(doc->DocKind()));
        j.Chave("valido").Logico(!recusa.Houve());
        if (recusa.Houve()) {
            j.Chave("recusa");
            JsonRecusa(j, recusa);
        }
        out << j.FecharObjeto().Resultado();
    } else if (recusa.Houve()) {
        EscreverRecusa(out, recusa);
    } else {
        out << TituloValido(doc->DocKind()) << '\n';
    }
    return recusa.Houve() ? kSaidaRecusado : kSaidaFeito;
}

int Variables(const TCatalogo& catalogo, const TArgumentos& a, std::ostream& out, std::ostream& err) {
    const std::unique_ptr<TVisualDocumento> doc = AbrirDocumento(catalogo.Documentos(), a.Arquivo);
    const TCandidatosFT c = catalogo.Comando(*doc).Candidatos(*doc);
    if (c.Recusa.Houve()) return Recusar(a, c.Recusa, out, err);
    if (a.Json) {
        TJson j;
        j.AbrirObjeto();
        j.Chave("arquivo").Texto(a.Arquivo);
        j.Chave("documento").Texto(NomeTipo(doc->DocKind()));
        j.Chave("entradas").Textos(c.Entradas);
        j.Chave("saidas").Textos(c.Saidas);
        if (doc->DocKind() == kDocKindGrafo) j.Chave("vertices").Textos(c.Vertices);
        out << j.FecharObjeto().Resultado();
        return kSaidaFeito;
    }
    EscreverVariaveis(out, {doc->DocKind(), c.Entradas, c.Saidas, c.Vertices});
    return kSaidaFeito;
}

bool MesmaExtensao(const std::string& arquivo, const std::string& extensao) {
    const std::string e = std::filesystem::path(arquivo).extension().string();
    return !e.empty() && SameTextAscii(e.substr(1), extensao);
}

int Convert(const TCatalogo& catalogo, const TArgumentos& a, std::ostream& out, std::ostream& err) {
    const std::unique_ptr<TVisualDocumento> doc = AbrirDocumento(catalogo.Documentos(), a.Arquivo);
    if (doc->DocKind() == kDocKindDFS)
        throw EUso("um DFS não tem conversão: ele vai direto à função de transferência (use ft)");
    const bool sistema = doc->DocKind() == kDocKindSistema;
    const std::string nome = sistema ? "Sistema -> Grafo" : "Grafo -> DFS";
    const std::string extensao = catalogo.Documentos().Find(sistema ? kDocKindGrafo : kDocKindDFS)->Extension;
    if (!MesmaExtensao(a.ArquivoSaida, extensao))
        throw EUso(nome + " escreve um documento ." + extensao + ": " + a.ArquivoSaida);
    TConversaoDocumento c = catalogo.Comando(*doc).Converter(*doc, {});
    if (c.Recusa.Houve()) return Recusar(a, c.Recusa, out, err);
    c.Documento->SaveDocument(a.ArquivoSaida);
    if (a.Json) {
        TJson j;
        j.AbrirObjeto();
        j.Chave("conversao").Texto(nome);
        j.Chave("arquivo").Texto(a.ArquivoSaida);
        out << j.FecharObjeto().Resultado();
    } else {
        out << nome << ": " << a.ArquivoSaida << '\n';
    }
    return kSaidaFeito;
}

// What the user may choose, when a name given was not among the candidates.
std::vector<std::string> NotasEscolha(const TArgumentos& a, const TFTDocumento& ft) {
    const TCandidatosFT& c = ft.Candidatos;
    std::vector<std::string> notas;
    if (TextoEscolhido(c.Entradas, a.Entrada).empty())
        notas.push_back("A entrada \"" + a.Entrada +
                        "\" não está entre as oferecidas: " + Juntar(c.Entradas));
    if (a.Saida && TextoEscolhido(c.Saidas, *a.Saida).empty())
        notas.push_back("A saída \"" + *a.Saida + "\" não está entre as oferecidas: " + Juntar(c.Saidas));
    return notas;
}

// The steps ft and show share once the transfer function is in the result: the values given, the
// sensitivity, the files asked for, then the report.
int Concluir(const TArgumentos& a, TResultadoFT& ft, TRelatorioFT relatorio, std::ostream& out,
             std::ostream& err) {
    for (const TValorDado& v : a.Valores) {
        if (!ft.DefinirValor(v.Nome, v.Valor)) {
            std::vector<std::string> nomes;
            for (const TSimboloVal& s : ft.Simbolos())
                nomes.push_back(s.Nome);
            throw EUso("o símbolo " + v.Nome +
                       " não está na função de transferência; símbolos: " + Juntar(nomes));
        }
    }
    // Values whose products pass the range of the real numbers give no numeric function: refused
    // before any file is written, naming the coefficient.
    if (ft.Conteudo().ForaDoLimite)
        return Recusar(a, TRecusa::ComMensagem(TMotivoRecusa::ForaDoLimite, ft.Conteudo().FTNG), out, err);
    if (a.Sensibilidade) {
        std::string erro;
        if (!ft.CalcularSensibilidade(*a.Sensibilidade, erro))
            return Recusar(a, TRecusa::ComMensagem(TMotivoRecusa::ParametroInvalido, erro), out, err);
        relatorio.Sensibilidade = true;
        relatorio.SimboloSensibilidade = *a.Sensibilidade;
    }
    if (!a.Varnel.empty()) {
        std::string erro;
        if (!ft.PodeExportarVarnel(erro))
            return Recusar(a, TRecusa::ComMensagem(TMotivoRecusa::ExportacaoRecusada, erro), out, err);
    }
    if (!a.ArquivoSaida.empty()) {
        ft.SaveFT(a.ArquivoSaida);
        relatorio.ArquivoFT = a.ArquivoSaida;
    }
    if (!a.Varnel.empty()) {
        std::string erro;
        if (!ft.ExportVarnel(a.Varnel, erro)) {
            err << "brelix-cli: " << erro << '\n'; // the reason names the file
            // The files written before the failure stay: the user must know which.
            if (!relatorio.ArquivoFT.empty())
                err << "brelix-cli: a função de transferência foi salva em " << relatorio.ArquivoFT
                    << "; o arquivo do Varnel não foi salvo.\n";
            return kSaidaUso;
        }
        relatorio.ArquivoVarnel = a.Varnel;
    }
    relatorio.Resultado = &ft;
    if (a.Json) {
        TJson j;
        JsonFT(j, relatorio);
        out << j.Resultado();
    } else {
        EscreverFT(out, relatorio);
    }
    return kSaidaFeito;
}

int Ft(const TCatalogo& catalogo, const TArgumentos& a, std::ostream& out, std::ostream& err) {
    const std::unique_ptr<TVisualDocumento> doc = AbrirDocumento(catalogo.Documentos(), a.Arquivo);
    if (a.Mason && doc->DocKind() != kDocKindDFS)
        throw EUso("--mason vale para um DFS (.dfs): os laços são os do diagrama desenhado");
    if (a.Entre && doc->DocKind() != kDocKindGrafo) throw EUso(kMsgEsforcoEntreSoGrafo);
    TPedidoFT pedido;
    pedido.Entrada = a.Entrada;
    pedido.Saida = a.Saida.value_or("");
    if (a.Entre) {
        pedido.EntreVertices = true;
        pedido.Positivo = a.Entre->first;
        pedido.Negativo = a.Entre->second;
    }
    TContextoAnalise contexto;
    contexto.VisaoMason = a.Mason;
    TFTDocumento r = catalogo.Comando(*doc).CalcularFT(*doc, pedido, contexto);
    if (!r.Calculado()) {
        const bool escolha = r.Recusa.EscolhaRecusada() && !a.Entre;
        return Recusar(a, r.Recusa, out, err, escolha ? NotasEscolha(a, r) : std::vector<std::string>{},
                       escolha ? &r.Candidatos : nullptr);
    }
    auto ft = std::make_unique<TResultadoFT>();
    ft->ShowFT(r.Nome, r.Entrada, std::move(r.Funcao), r.Simbolos, r.Saida);
    TRelatorioFT relatorio;
    if (a.Mason) relatorio.Mason = std::move(r.Mason);
    const int status = Concluir(a, *ft, std::move(relatorio), out, err);
    Descartar(std::move(ft));
    return status;
}

int Show(const TArgumentos& a, std::ostream& out, std::ostream& err) {
    auto ft = std::make_unique<TResultadoFT>();
    ft->LoadFT(a.Arquivo);
    const int status = Concluir(a, *ft, {}, out, err);
    Descartar(std::move(ft));
    return status;
}

void Uso(std::ostream& err, const std::string& mensagem) {
    err << "brelix-cli: " << mensagem << '\n' << "Use brelix-cli --help para ver o uso.\n";
}

} // namespace

int Executar(const TCatalogo& catalogo, const TArgumentos& a, std::ostream& out, std::ostream& err) {
    ConferirSaidas(a);
    switch (a.Comando) {
    case TComando::Ajuda:
        out << TextoAjuda();
        return kSaidaFeito;
    case TComando::Versao:
        out << TextoVersao();
        return kSaidaFeito;
    case TComando::Check:
        return Check(catalogo, a, out);
    case TComando::Variables:
        return Variables(catalogo, a, out, err);
    case TComando::Convert:
        return Convert(catalogo, a, out, err);
    case TComando::Ft:
        return Ft(catalogo, a, out, err);
    case TComando::Show:
        return Show(a, out, err);
    }
    return kSaidaUso;
}

int Principal(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const std::unique_ptr<TCatalogo> catalogo = CriarCatalogo();
        return Executar(*catalogo, LerArgumentos(args), out, err);
    } catch (const EUso& e) {
        Uso(err, e.what());
    } catch (const EFileError& e) {
        err << "brelix-cli: " << e.what() << '\n';
    } catch (const std::bad_alloc&) {
        err << "brelix-cli: memória insuficiente para esta análise\n";
    } catch (const std::exception& e) {
        err << "brelix-cli: erro: " << e.what() << '\n';
    }
    return kSaidaUso;
}

void GuardarResultadosAteOFim() {
    gGuardarAteOFim = true;
}

} // namespace brelix::cli
