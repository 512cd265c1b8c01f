#pragma once

#include "support/PastaTemp.h"

#include <cstdio>
#include <iterator>
#include <sstream>

#include <sys/wait.h>

// End-to-end helpers: the built programs and the examples; running a program with its arguments
// passed exactly (no shell between); commands checked against what they must print.
namespace apoiocli {

inline const std::string Cli = BRELIX_CLI, Gerador = BRELIX_GERAR_EXEMPLOS;
inline const std::filesystem::path PastaExemplos = BRELIX_EXEMPLOS;

inline std::string Exemplo(const std::string& nome) {
    return (PastaExemplos / nome).string();
}

inline std::vector<std::string> Separar(const std::string& texto) {
    std::istringstream in(texto);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

struct TExecucao {
    int Status = -1; // the exit status; -1 when the program did not exit normally
    std::string Saida, Erros;
};

// Runs the program in `pasta` when given; its streams go to files read once it has ended.
inline TExecucao Rodar(const std::string& programa, const std::vector<std::string>& args,
                       const std::filesystem::path& pasta = {}) {
    const std::string base =
        std::filesystem::temp_directory_path() / ("brelix_cli_" + std::to_string(getpid()));
    const std::string saida = base + ".out", erros = base + ".err";
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen(saida.c_str(), "w", stdout) || !std::freopen(erros.c_str(), "w", stderr))
            _exit(127);
        if (!pasta.empty() && chdir(pasta.c_str()) != 0) _exit(127);
        std::vector<char*> argv{const_cast<char*>(programa.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(programa.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return {};
    TExecucao r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, apoio::Slurp(saida), apoio::Slurp(erros)};
    std::filesystem::remove(saida);
    std::filesystem::remove(erros);
    return r;
}

inline TExecucao Brelix(const std::vector<std::string>& args, const std::filesystem::path& pasta = {}) {
    return Rodar(Cli, args, pasta);
}

// A command line (words separated by blanks), its exit status and what it prints: results and the
// verdict of check on the standard output, other messages on the error output, nothing on the other
// stream. A text ending in "..." is the beginning of its stream.
struct TComando {
    std::string Linha;
    int Status;
    std::string Texto;
};

inline void Conferir(const std::vector<TComando>& comandos, const std::filesystem::path& pasta) {
    for (const TComando& c : comandos) {
        SCOPED_TRACE(c.Linha);
        const TExecucao r = Brelix(Separar(c.Linha), pasta);
        EXPECT_EQ(r.Status, c.Status);
        const bool saida = c.Status == 0 || (c.Status == 1 && c.Linha.starts_with("check"));
        const std::size_t n = c.Texto.ends_with("...") ? c.Texto.size() - 3 : std::string::npos;
        EXPECT_EQ((saida ? r.Saida : r.Erros).substr(0, n), c.Texto.substr(0, n));
        EXPECT_EQ(saida ? r.Erros : r.Saida, "");
    }
}

} // namespace apoiocli
