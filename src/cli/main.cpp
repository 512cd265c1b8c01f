#include "UnitCliComandos.h"
#include "UnitCliSaida.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    brelix::cli::TSaidaVisivel saida(std::cout.rdbuf());
    brelix::cli::TSaidaVisivel erros(std::cerr.rdbuf());
    std::ostream out(&saida);
    std::ostream err(&erros);
    const int status = brelix::cli::Principal(args, out, err);
    out.flush();
    err.flush();
    return status;
}
