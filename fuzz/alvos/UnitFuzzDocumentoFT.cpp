// The whole path from a document to its transfer function, on any bytes read as a document of each
// kind: the check, the conversion and the converted document read back, then the function for the
// first input and output the choice offers, with its texts and its file.

#include "UnitFuzzComum.h"

#include "analysis/UnitArquivoFT.h"
#include "analysis/UnitResultadoFT.h"
#include "common/UnitComErro.h"
#include "shell/UnitCatalogo.h"
#include "visual/UnitVODocKind.h"

#include <algorithm>

namespace brelix::fuzz {

namespace {

constexpr std::string_view kAlvo = "documento_ft";

// Mason's formula takes time exponential in the loops of a diagram; past this many objects a
// document is not analysed (its reading, check and conversion still are).
constexpr int kMaxObjetosFT = 40;

const TCatalogo& Catalogo() {
    static const std::unique_ptr<TCatalogo> catalogo = CriarCatalogo();
    return *catalogo;
}

// The numeric form: no name stands in it, so no text of it may read NAN or INF.
std::vector<std::string> Textos(const TConteudoFT& c) {
    return {c.FTNG, c.FTNNum, c.FTNDen};
}

void ReleConvertido(const TVisualDocumento& convertido) {
    const std::string nome = "fuzz." + convertido.Kind().Extension;
    const std::vector<std::string> texto = convertido.Text(nome);
    auto lido = Catalogo().Documentos().Make(convertido.DocKind());
    try {
        lido->LoadDocument(nome, texto);
    } catch (const EFileError& e) {
        Falha(kAlvo, std::string("a converted document does not read back: ") + e.what());
    }
    Exigir(lido->Text(nome) == texto, kAlvo, "a converted document does not write back the same text");
}

void Funcao(TVisualDocumento& doc) {
    if (doc.Objects().Count() > kMaxObjetosFT) return;
    const TComandoDocumento& comando = Catalogo().Comando(doc);
    const TCandidatosFT c = comando.Candidatos(doc);
    if (c.Recusa.Houve() || c.Entradas.empty() || c.Saidas.empty()) return;
    TPedidoFT pedido;
    pedido.Entrada = c.Entradas.front();
    pedido.Saida = c.Saidas.front();
    const TFTDocumento ft = comando.CalcularFT(doc, pedido, {});
    if (!ft.Calculado()) return;
    Exigir(ft.Funcao.MotivoNaoFinito().empty(), kAlvo,
           "a function with coefficients past the range was given");
    TResultadoFT r;
    r.ShowFT(ft.Nome, ft.Entrada, ft.Funcao, ft.Simbolos, ft.Saida);
    ExigirSemNaoFinitos(kAlvo, Textos(r.Conteudo()));
    std::vector<std::string> linhas;
    try {
        linhas = r.LinhasArquivo("fuzz.fts");
        TResultadoFT lido;
        lido.MostrarArquivo("fuzz.fts", LerLinhasArquivoFT(linhas, "fuzz.fts"));
        Exigir(lido.LinhasArquivo("fuzz.fts") == linhas, kAlvo, "the function's file does not read back");
    } catch (const EFileError& e) {
        // Names of another code page cannot be in the file; anything else must be written and read.
        Exigir(std::string(e.what()).find("Windows-1252") != std::string::npos, kAlvo,
               std::string("the function's file: ") + e.what());
    }
}

void Exercitar(std::int32_t docKind, const std::vector<std::string>& linhas) {
    auto doc = Catalogo().Documentos().Make(docKind);
    try {
        doc->LoadDocument("fuzz." + doc->Kind().Extension, linhas);
    } catch (const EFileError&) {
        return;
    }
    const TComandoDocumento& comando = Catalogo().Comando(*doc);
    (void)comando.Verificar(*doc);
    if (comando.Converte()) {
        TConversaoDocumento conversao = comando.Converter(*doc, {});
        Exigir(conversao.Recusa.Houve() != (conversao.Documento != nullptr), kAlvo,
               "a conversion gave both a refusal and a document, or neither");
        if (conversao.Documento) ReleConvertido(*conversao.Documento);
    }
    Funcao(*doc);
}

} // namespace

void AlvoDocumentoFT(std::string_view bytes) {
    if (bytes.size() > kMaxDocumentoFT) return;
    const std::vector<std::string> linhas = Linhas(bytes);
    for (const std::int32_t kind : {kDocKindSistema, kDocKindGrafo, kDocKindDFS})
        Exercitar(kind, linhas);
}

} // namespace brelix::fuzz
