#pragma once

#include "shell/UnitOpcoes.h"

#include <cstddef>
#include <string>
#include <vector>

namespace brelix {

// The files the user opened or saved under a new name lately, for the list at the foot of the
// "Arquivo" menu: the most recent first, each file once, at most kMaxRecentes. The list lives in the
// configuration file under keys of its own, "Recente1" (the most recent) to "Recente8", and is written
// back at every change.
inline constexpr std::size_t kMaxRecentes = 8;
// Said, followed by the path, when a recent file chosen from the menu is no longer there.
inline constexpr const char* kMsgRecenteAusente = "Arquivo não encontrado: ";

class TArquivosRecentes {
public:
    // The list as the configuration holds it: empty values are skipped, and a file named twice counts
    // once, at its more recent place.
    void Ler(const TOpcoes& opcoes);

    // The file was opened or saved: it goes to the top (from wherever it was), the oldest beyond the
    // limit drops out, and the configuration is saved.
    void Usar(const std::string& arquivo, TOpcoes& opcoes);
    // The file is no longer offered (it could not be found); the configuration is saved.
    void Retirar(const std::string& arquivo, TOpcoes& opcoes);

    const std::vector<std::string>& Lista() const { return arquivos_; }

private:
    void Gravar(TOpcoes& opcoes) const;

    std::vector<std::string> arquivos_;
};

// The form a file takes in the list: an absolute path without "." and ".." steps, so that the same
// file reached two ways is listed once.
std::string CaminhoRecente(const std::string& arquivo);

} // namespace brelix
