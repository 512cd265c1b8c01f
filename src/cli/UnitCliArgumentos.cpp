#include "UnitCliArgumentos.h"

#include "common/UnitComTexto.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#ifndef BRELIX_VERSAO
#define BRELIX_VERSAO "0"
#endif

namespace brelix::cli {

namespace {

struct TComandoInfo {
    TComando Comando;
    std::vector<std::string_view> Opcoes; // the options the command takes
};

const std::map<std::string_view, TComandoInfo>& Comandos() {
    static const std::map<std::string_view, TComandoInfo> comandos = {
        {"check", {TComando::Check, {"--json"}}},
        {"variables", {TComando::Variables, {"--json"}}},
        {"convert", {TComando::Convert, {"-o", "--json"}}},
        {"ft",
         {TComando::Ft,
          {"--input", "--output", "--between", "--set", "-o", "--sensitivity", "--varnel", "--mason",
           "--json"}}},
        {"show", {TComando::Show, {"--set", "--sensitivity", "--varnel", "--json"}}},
    };
    return comandos;
}

bool SemValor(std::string_view opcao) {
    return opcao == "--json" || opcao == "--mason";
}

// Reads the options of one command. Options that take a value accept "--name value" and
// "--name=value"; the single value options may be given once.
class TLeitor {
public:
    TLeitor(const std::string& nomeComando, const TComandoInfo& info, TArgumentos& a)
        : nomeComando_(nomeComando), info_(info), a_(a) {}

    void Ler(const std::vector<std::string>& args, std::size_t inicio) {
        for (std::size_t i = inicio; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg.size() < 2 || arg[0] != '-') {
                Arquivo(arg);
                continue;
            }
            std::string opcao = arg;
            std::optional<std::string> valor;
            if (const std::size_t igual = arg.find('=');
                arg.starts_with("--") && igual != std::string::npos) {
                opcao = arg.substr(0, igual);
                valor = arg.substr(igual + 1);
            }
            if (std::find(info_.Opcoes.begin(), info_.Opcoes.end(), opcao) == info_.Opcoes.end())
                throw EUso("o comando " + nomeComando_ + " não aceita a opção " + opcao);
            if (SemValor(opcao)) {
                if (valor) throw EUso("a opção " + opcao + " não leva valor");
                Marca(opcao);
                continue;
            }
            if (!valor) {
                if (i + 1 >= args.size()) throw EUso("falta o valor da opção " + opcao);
                valor = args[++i];
            }
            Opcao(opcao, *valor);
        }
    }

private:
    void Arquivo(const std::string& arg) {
        if (!a_.Arquivo.empty()) throw EUso("um só arquivo por comando: " + a_.Arquivo + " e " + arg);
        a_.Arquivo = arg;
    }

    void Marca(const std::string& opcao) {
        if (opcao == "--json") a_.Json = true;
        if (opcao == "--mason") a_.Mason = true;
    }

    void Uma(const std::string& opcao) {
        if (!vistas_.insert(opcao).second) throw EUso("a opção " + opcao + " foi dada mais de uma vez");
    }

    void Opcao(const std::string& opcao, const std::string& valor) {
        if (opcao == "--set") {
            a_.Valores.push_back(LerValor(valor));
            return;
        }
        Uma(opcao);
        if (valor.empty()) throw EUso("a opção " + opcao + " pede um valor não vazio");
        if (opcao == "--input")
            a_.Entrada = valor;
        else if (opcao == "--output")
            a_.Saida = valor;
        else if (opcao == "--between")
            a_.Entre = Vertices(valor);
        else if (opcao == "-o")
            a_.ArquivoSaida = valor;
        else if (opcao == "--sensitivity")
            a_.Sensibilidade = valor;
        else if (opcao == "--varnel")
            a_.Varnel = valor;
    }

    static std::pair<std::string, std::string> Vertices(const std::string& valor) {
        const std::size_t virgula = valor.find(',');
        if (virgula == std::string::npos || virgula == 0 || virgula + 1 == valor.size())
            throw EUso("--between pede dois vértices separados por vírgula, como em --between 3,1");
        return {valor.substr(0, virgula), valor.substr(virgula + 1)};
    }

    const std::string& nomeComando_;
    const TComandoInfo& info_;
    TArgumentos& a_;
    std::set<std::string> vistas_;
};

void Conferir(const std::string& nome, const TArgumentos& a) {
    if (a.Arquivo.empty()) throw EUso("o comando " + nome + " pede um arquivo");
    switch (a.Comando) {
    case TComando::Convert:
        if (a.ArquivoSaida.empty()) throw EUso("convert pede o arquivo a escrever: -o ARQUIVO");
        break;
    case TComando::Ft:
        if (a.Entrada.empty()) throw EUso("ft pede a variável de entrada: --input NOME");
        if (a.Saida.has_value() == a.Entre.has_value())
            throw EUso("ft pede uma saída: --output NOME ou --between P,N (uma delas)");
        break;
    default:
        break;
    }
}

} // namespace

TValorDado LerValor(const std::string& texto) {
    const std::size_t igual = texto.find('=');
    if (igual == std::string::npos || igual == 0)
        throw EUso("--set pede NOME=VALOR, como em --set R=2,5; recebeu \"" + texto + "\"");
    TValorDado v;
    v.Nome = texto.substr(0, igual);
    const std::string valor = texto.substr(igual + 1);
    if (!TryStrToReal(valor, v.Valor)) {
        std::string msg = "o valor de " + v.Nome + " não é um número: \"" + valor + "\"";
        if (valor.find('.') != std::string::npos) msg += " (o separador decimal é a vírgula, como em 2,5)";
        throw EUso(msg);
    }
    return v;
}

TArgumentos LerArgumentos(const std::vector<std::string>& args) {
    TArgumentos a;
    if (args.empty()) throw EUso("falta o comando");
    const std::string& primeiro = args[0];
    if (primeiro == "--help" || primeiro == "-h" || primeiro == "help") return a;
    if (primeiro == "--version") {
        a.Comando = TComando::Versao;
        return a;
    }
    const auto it = Comandos().find(primeiro);
    if (it == Comandos().end()) throw EUso("comando desconhecido: " + primeiro);
    if (std::find(args.begin() + 1, args.end(), "--help") != args.end() ||
        std::find(args.begin() + 1, args.end(), "-h") != args.end())
        return a;
    a.Comando = it->second.Comando;
    TLeitor(primeiro, it->second, a).Ler(args, 1);
    Conferir(primeiro, a);
    return a;
}

std::string TextoAjuda() {
    return R"AJUDA(Uso: brelix-cli COMANDO ARQUIVO [OPÇÕES]

Brelix - Modelagem Simbólica de Sistemas Físicos, sem janelas: as análises de um
sistema (.sis), de um grafo linear (.grf) ou de um DFS (.dfs) pela linha de comando.

Comandos:
  check ARQUIVO            valida o documento (e, para um grafo ou um sistema, o grafo
                           linear) e lista cada problema numa linha
  variables ARQUIVO        as variáveis de entrada e de saída que a escolha oferece
                           (e, para um grafo, os vértices "número - nome")
  convert ARQUIVO -o SAÍDA "Sistema -> Grafo" (.sis para .grf) ou "Grafo -> DFS"
                           (.grf para .dfs), no formato de documento
  ft ARQUIVO --input NOME (--output NOME | --between P,N) [opções]
                           a função de transferência de um .dfs, .grf ou .sis
  show ARQUIVO.fts [opções]
                           uma função de transferência salva

Opções de ft e show:
  --set NOME=VALOR         valor de um símbolo, com vírgula decimal (2,5); os símbolos
                           sem valor valem 1; pode ser repetida
  --sensitivity SÍMBOLO    a sensibilidade paramétrica normalizada ao símbolo
  --varnel SAÍDA.vrn       exporta o arquivo do Varnel
  -o SAÍDA.fts             (só ft) salva a função de transferência
  --between P,N            (só ft de um .grf) o esforço entre os vértices P e N,
                           dados pelo número ou pelo nome
  --mason                  (só ft de um .dfs) os laços, os laços disjuntos e os
                           conjuntos de laços de cada ordem com seus ganhos

Opções gerais:
  --json                   o mesmo conteúdo como um objeto JSON
  --help, -h               esta ajuda
  --version                a versão

Saída: 0 feito; 1 recusado pela análise (a mensagem do sistema vai para a saída de
erros; check lista os problemas); 2 erro de uso ou arquivo que não pôde ser lido ou
escrito (a mensagem nomeia o arquivo).

Exemplo:
  brelix-cli ft examples/serie-rlc.sis --input "E(Vs)" --output "E(C1)" --set R1=2 --set C1=0,5
)AJUDA";
}

std::string TextoVersao() {
    return std::string("brelix-cli ") + BRELIX_VERSAO + "\n";
}

} // namespace brelix::cli
