#include "ApoioCli.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace apoiocli {

std::string Cli() {
    return BRELIX_CLI;
}

std::string Gerador() {
    return BRELIX_GERAR_EXEMPLOS;
}

std::filesystem::path PastaExemplos() {
    return BRELIX_EXEMPLOS;
}

std::filesystem::path Exemplo(const std::string& nome) {
    return PastaExemplos() / nome;
}

namespace {

void LerAte(int fd, std::string& destino, bool& aberto) {
    char buffer[65536];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0)
        destino.append(buffer, static_cast<std::size_t>(n));
    else if (n == 0 || errno != EINTR)
        aberto = false;
}

} // namespace

TExecucao Rodar(const std::string& programa, const std::vector<std::string>& args,
                const std::filesystem::path& pasta) {
    int saida[2], erros[2];
    if (pipe(saida) != 0 || pipe(erros) != 0) throw std::runtime_error("pipe");
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
        dup2(saida[1], 1);
        dup2(erros[1], 2);
        close(saida[0]);
        close(saida[1]);
        close(erros[0]);
        close(erros[1]);
        if (!pasta.empty() && chdir(pasta.c_str()) != 0) _exit(127);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(programa.c_str()));
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(programa.c_str(), argv.data());
        _exit(127);
    }
    close(saida[1]);
    close(erros[1]);
    TExecucao r;
    bool abertaSaida = true, abertaErros = true;
    while (abertaSaida || abertaErros) {
        pollfd fds[2] = {{saida[0], POLLIN, 0}, {erros[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR) break;
        if (abertaSaida && (fds[0].revents & (POLLIN | POLLHUP))) LerAte(saida[0], r.Saida, abertaSaida);
        if (abertaErros && (fds[1].revents & (POLLIN | POLLHUP))) LerAte(erros[0], r.Erros, abertaErros);
    }
    close(saida[0]);
    close(erros[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TExecucao Brelix(const std::vector<std::string>& args, const std::filesystem::path& pasta) {
    return Rodar(Cli(), args, pasta);
}

// ---- JSON ----

namespace {

class TLeitorJson {
public:
    explicit TLeitorJson(const std::string& t) : t_(t) {}

    TJson Valor() {
        Brancos();
        if (p_ >= t_.size()) Falha("fim inesperado");
        const char c = t_[p_];
        if (c == '{') return Objeto();
        if (c == '[') return Lista();
        if (c == '"') {
            TJson j;
            j.Tipo = TJson::TTipo::Texto;
            j.Texto = Texto();
            return j;
        }
        if (Palavra("true")) return Logico(true);
        if (Palavra("false")) return Logico(false);
        if (Palavra("null")) return {};
        return Numero();
    }

    void Fim() {
        Brancos();
        if (p_ != t_.size()) Falha("texto depois do valor");
    }

private:
    [[noreturn]] void Falha(const std::string& o) const {
        throw std::runtime_error("JSON inválido na posição " + std::to_string(p_) + ": " + o);
    }
    void Brancos() {
        while (p_ < t_.size() && std::isspace(static_cast<unsigned char>(t_[p_])))
            ++p_;
    }
    bool Palavra(const char* w) {
        const std::size_t n = std::strlen(w);
        if (t_.compare(p_, n, w) != 0) return false;
        p_ += n;
        return true;
    }
    static TJson Logico(bool v) {
        TJson j;
        j.Tipo = TJson::TTipo::Logico;
        j.Logico = v;
        return j;
    }
    void Esperar(char c) {
        Brancos();
        if (p_ >= t_.size() || t_[p_] != c) Falha(std::string("esperava-se ") + c);
        ++p_;
    }
    std::string Texto() {
        Esperar('"');
        std::string s;
        while (p_ < t_.size() && t_[p_] != '"') {
            char c = t_[p_++];
            if (static_cast<unsigned char>(c) < 0x20) Falha("caractere de controle num texto");
            if (c == '\\') {
                if (p_ >= t_.size()) Falha("escape incompleto");
                c = t_[p_++];
                switch (c) {
                case 'n':
                    c = '\n';
                    break;
                case 'r':
                    c = '\r';
                    break;
                case 't':
                    c = '\t';
                    break;
                case 'u': {
                    const unsigned long u = std::stoul(t_.substr(p_, 4), nullptr, 16);
                    if (u >= 0x80) Falha("só escapes ASCII são esperados");
                    c = static_cast<char>(u);
                    p_ += 4;
                    break;
                }
                case '"':
                case '\\':
                case '/':
                    break;
                default:
                    Falha("escape desconhecido");
                }
            }
            s += c;
        }
        Esperar('"');
        return s;
    }
    TJson Numero() {
        const char* inicio = t_.c_str() + p_;
        char* fim = nullptr;
        TJson j;
        j.Tipo = TJson::TTipo::Numero;
        j.Numero = std::strtod(inicio, &fim);
        if (fim == inicio) Falha("valor desconhecido");
        p_ += static_cast<std::size_t>(fim - inicio);
        return j;
    }
    TJson Lista() {
        TJson j;
        j.Tipo = TJson::TTipo::Lista;
        Esperar('[');
        Brancos();
        if (p_ < t_.size() && t_[p_] == ']') {
            ++p_;
            return j;
        }
        for (;;) {
            j.Lista.push_back(Valor());
            Brancos();
            if (p_ < t_.size() && t_[p_] == ',') {
                ++p_;
                continue;
            }
            Esperar(']');
            return j;
        }
    }
    TJson Objeto() {
        TJson j;
        j.Tipo = TJson::TTipo::Objeto;
        Esperar('{');
        Brancos();
        if (p_ < t_.size() && t_[p_] == '}') {
            ++p_;
            return j;
        }
        for (;;) {
            Brancos();
            std::string chave = Texto();
            Esperar(':');
            j.Objeto.emplace_back(std::move(chave), Valor());
            Brancos();
            if (p_ < t_.size() && t_[p_] == ',') {
                ++p_;
                continue;
            }
            Esperar('}');
            return j;
        }
    }

    const std::string& t_;
    std::size_t p_ = 0;
};

} // namespace

bool TJson::Tem(const std::string& chave) const {
    for (const auto& [k, v] : Objeto)
        if (k == chave) return true;
    return false;
}

const TJson& TJson::operator[](const std::string& chave) const {
    for (const auto& [k, v] : Objeto)
        if (k == chave) return v;
    throw std::runtime_error("JSON sem a chave " + chave);
}

std::vector<std::string> TJson::Textos() const {
    std::vector<std::string> r;
    for (const TJson& j : Lista)
        r.push_back(j.Texto);
    return r;
}

TJson LerJson(const std::string& texto) {
    TLeitorJson leitor(texto);
    TJson j = leitor.Valor();
    leitor.Fim();
    return j;
}

// ---- Transfer functions ----

namespace {

Complexo Polinomio(const TJson& coefs, Complexo s) {
    Complexo v = 0.0;
    for (std::size_t i = coefs.Lista.size(); i-- > 0;)
        v = v * s + coefs.Lista[i].Numero;
    return v;
}

} // namespace

Complexo ValorNumerico(const TJson& ft, Complexo s) {
    const TJson& n = ft["numerica"];
    if (!n["avaliada"].Logico) throw std::runtime_error("função não avaliada");
    return n["ganho"].Numero * Polinomio(n["coeficientesNumerador"], s) /
           Polinomio(n["coeficientesDenominador"], s);
}

Complexo ValorTermos(const TJson& termos, const std::map<std::string, double>& valores, Complexo s) {
    Complexo soma = 0.0;
    for (const TJson& t : termos.Lista) {
        Complexo termo = t["k"].Numero * std::pow(s, static_cast<int>(t["expS"].Numero));
        std::stringstream produto(t["simbolos"].Texto);
        std::string peca;
        while (std::getline(produto, peca, '.')) {
            if (peca.empty()) continue;
            int expoente = 1;
            if (const std::size_t c = peca.find('^'); c != std::string::npos) {
                expoente = std::stoi(peca.substr(c + 1));
                peca.resize(c);
            }
            termo *= std::pow(valores.at(peca), expoente);
        }
        soma += termo;
    }
    return soma;
}

TValores Sortear(const std::vector<std::string>& nomes, std::mt19937& rng) {
    std::uniform_int_distribution<int> centesimos(50, 300);
    TValores v;
    for (const std::string& nome : nomes) {
        const int c = centesimos(rng);
        char texto[16];
        std::snprintf(texto, sizeof texto, "%d,%02d", c / 100, c % 100);
        v.Valor[nome] = c / 100.0;
        v.Args.push_back("--set");
        v.Args.push_back(nome + "=" + texto);
    }
    return v;
}

// ---- Documents as text ----

TDocumentoTexto::TDocumentoTexto(const std::string& bytes) {
    std::size_t inicio = 0;
    TBloco atual;
    while (inicio < bytes.size()) {
        std::size_t fim = bytes.find('\n', inicio);
        fim = fim == std::string::npos ? bytes.size() : fim + 1;
        const std::string linha = bytes.substr(inicio, fim - inicio);
        inicio = fim;
        if (linha.rfind("Object ", 0) == 0) atual.Id = std::stoi(linha.substr(7));
        atual.Linhas.push_back(linha);
        if (linha.rfind("end", 0) == 0 && (linha.size() == 3 || linha[3] == '\r' || linha[3] == '\n')) {
            blocos_.push_back(std::move(atual));
            atual = {};
        }
    }
    if (!atual.Linhas.empty()) blocos_.push_back(std::move(atual));
}

std::string TDocumentoTexto::Bytes() const {
    std::string s;
    for (const TBloco& b : blocos_)
        for (const std::string& l : b.Linhas)
            s += l;
    return s;
}

TDocumentoTexto::TBloco& TDocumentoTexto::Bloco(std::int32_t id) {
    for (TBloco& b : blocos_)
        if (b.Id == id) return b;
    throw std::runtime_error("no object " + std::to_string(id));
}

const TDocumentoTexto::TBloco& TDocumentoTexto::Bloco(std::int32_t id) const {
    return const_cast<TDocumentoTexto*>(this)->Bloco(id);
}

namespace {

std::string SemFimDeLinha(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r'))
        s.pop_back();
    return s;
}

} // namespace

std::int32_t TDocumentoTexto::Id(const std::string& desc) const {
    for (const TBloco& b : blocos_)
        for (const std::string& l : b.Linhas)
            if (b.Id > 0 && SemFimDeLinha(l) == "Desc=" + desc) return b.Id;
    throw std::runtime_error("no object described as " + desc);
}

std::string TDocumentoTexto::Valor(std::int32_t id, const std::string& chave) const {
    for (const std::string& l : Bloco(id).Linhas)
        if (l.rfind(chave + "=", 0) == 0) return SemFimDeLinha(l.substr(chave.size() + 1));
    return {};
}

void TDocumentoTexto::Definir(std::int32_t id, const std::string& chave, const std::string& valor) {
    for (std::string& l : Bloco(id).Linhas) {
        if (l.rfind(chave + "=", 0) == 0) {
            l = chave + "=" + valor + "\r\n";
            return;
        }
    }
    throw std::runtime_error("no key " + chave);
}

void TDocumentoTexto::Remover(std::int32_t id) {
    for (auto it = blocos_.begin(); it != blocos_.end(); ++it) {
        if (it->Id == id) {
            blocos_.erase(it);
            return;
        }
    }
    throw std::runtime_error("no object " + std::to_string(id));
}

void TDocumentoTexto::Classe(std::int32_t id, const std::string& classe) {
    Bloco(id).Linhas.front() = "Object " + std::to_string(id) + ": " + classe + "\r\n";
}

void TDocumentoTexto::Inserir(const std::vector<std::string>& linhas) {
    TBloco b;
    for (const std::string& l : linhas)
        b.Linhas.push_back(l + "\r\n");
    b.Id = std::stoi(linhas.front().substr(7));
    blocos_.insert(blocos_.begin() + 1, std::move(b));
}

void TDocumentoTexto::Religar(std::int32_t conexao, std::int32_t de, std::int32_t para) {
    for (const char* chave : {"ObjID1", "ObjID2"}) {
        if (Valor(conexao, chave) == std::to_string(de)) {
            Definir(conexao, chave, std::to_string(para));
            return;
        }
    }
    throw std::runtime_error("connection " + std::to_string(conexao) + " does not end at " +
                             std::to_string(de));
}

std::int32_t TDocumentoTexto::Conexao(std::int32_t elemento, std::int32_t porta) const {
    const std::string e = std::to_string(elemento), p = std::to_string(porta);
    for (const TBloco& b : blocos_) {
        if (b.Id <= 0) continue;
        if ((Valor(b.Id, "ObjID1") == e && Valor(b.Id, "CntID1") == p) ||
            (Valor(b.Id, "ObjID2") == e && Valor(b.Id, "CntID2") == p))
            return b.Id;
    }
    throw std::runtime_error("no connection at port " + p + " of object " + e);
}

} // namespace apoiocli
