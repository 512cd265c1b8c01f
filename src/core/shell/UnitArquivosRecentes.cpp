#include "shell/UnitArquivosRecentes.h"

#include "common/UnitComTexto.h"

#include <algorithm>
#include <filesystem>

namespace brelix {

namespace {

std::string Chave(std::size_t i) {
    return "Recente" + IntToStr(static_cast<std::int64_t>(i + 1));
}

} // namespace

std::string CaminhoRecente(const std::string& arquivo) {
    std::error_code erro;
    std::filesystem::path caminho = std::filesystem::absolute(arquivo, erro);
    if (erro) caminho = arquivo;
    return caminho.lexically_normal().string();
}

void TArquivosRecentes::Ler(const TOpcoes& opcoes) {
    arquivos_.clear();
    for (std::size_t i = 0; i < kMaxRecentes; ++i) {
        const std::string arquivo = opcoes.Value(Chave(i));
        if (arquivo.empty() || std::find(arquivos_.begin(), arquivos_.end(), arquivo) != arquivos_.end())
            continue;
        arquivos_.push_back(arquivo);
    }
}

void TArquivosRecentes::Usar(const std::string& arquivo, TOpcoes& opcoes) {
    const std::string caminho = CaminhoRecente(arquivo);
    arquivos_.erase(std::remove(arquivos_.begin(), arquivos_.end(), caminho), arquivos_.end());
    arquivos_.insert(arquivos_.begin(), caminho);
    if (arquivos_.size() > kMaxRecentes) arquivos_.resize(kMaxRecentes);
    Gravar(opcoes);
}

void TArquivosRecentes::Retirar(const std::string& arquivo, TOpcoes& opcoes) {
    const auto fim = std::remove(arquivos_.begin(), arquivos_.end(), arquivo);
    if (fim == arquivos_.end()) return;
    arquivos_.erase(fim, arquivos_.end());
    Gravar(opcoes);
}

void TArquivosRecentes::Gravar(TOpcoes& opcoes) const {
    // Every slot is written anew, so that a list that shrank leaves no stale entry behind. A path the
    // file cannot hold (a character outside its code page) stays in the list for this run only.
    std::size_t escritos = 0;
    for (const std::string& arquivo : arquivos_)
        if (opcoes.SetKey(Chave(escritos), arquivo)) ++escritos;
    for (std::size_t i = escritos; i < kMaxRecentes; ++i)
        opcoes.RemoveKey(Chave(i));
    opcoes.SaveOptions();
}

} // namespace brelix
