#include "UnitCliComandos.h"
#include "UnitCliSaida.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    brelix::cli::TSaidaVisivel saida(std::cout.rdbuf());
    brelix::cli::TSaidaVisivel erros(std::cerr.rdbuf());
    std::ostream out(&saida);
    std::ostream err(&erros);
    // The process ends as soon as the command is done: what the command built (a transfer function
    // of millions of terms) goes back to the system whole, not freed piece by piece.
    brelix::cli::GuardarResultadosAteOFim();
    const int status = brelix::cli::Principal(args, out, err);
    out.flush();
    err.flush();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::quick_exit(status);
}
