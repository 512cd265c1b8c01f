#include "common/UnitComArquivo.h"

#include "common/UnitComCodificacao.h"
#include "common/UnitComErro.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace brelix {

namespace fs = std::filesystem;

namespace {

std::string SystemReason() {
    return std::strerror(errno);
}

// A name beside the target that no other writer uses at the same time.
fs::path TemporaryBeside(const fs::path& target) {
    std::random_device device;
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%06x.tmp", digits(device));
    fs::path temp = target;
    temp += suffix;
    return temp;
}

// Symbolic links are followed as the system follows them; a chain longer than this is a loop.
constexpr int kMaxLinks = 40;

// The file a name designates once its symbolic links are followed: the last link's target, which may
// not exist yet (a new file is then created there).
fs::path ResolverLinks(const std::string& fileName) {
    fs::path path(fileName);
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error) throw EFileError(fileName, "não foi possível ler o link simbólico: " + error.message());
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    throw EFileError(fileName, "links simbólicos demais (um laço de links?)");
}

// What a file that is not a regular one is, for the message that refuses to write over it.
std::string NaoComum(fs::file_type type) {
    switch (type) {
    case fs::file_type::directory:
        return "é uma pasta, não um arquivo";
    case fs::file_type::character:
    case fs::file_type::block:
        return "é um dispositivo, não um arquivo comum; nada foi gravado";
    case fs::file_type::fifo:
        return "é uma fila (fifo), não um arquivo comum; nada foi gravado";
    case fs::file_type::socket:
        return "é um soquete, não um arquivo comum; nada foi gravado";
    default:
        return "não é um arquivo comum; nada foi gravado";
    }
}

// The old file that a write replaces.
struct TAlvo {
    fs::path Caminho;
    bool Existe = false;
#if defined(__unix__) || defined(__APPLE__)
    struct stat Estado {};
#endif
};

TAlvo Examinar(const std::string& fileName) {
    TAlvo alvo;
    alvo.Caminho = ResolverLinks(fileName);
    std::error_code error;
    const fs::file_status status = fs::status(alvo.Caminho, error);
    if (!fs::exists(status)) return alvo;
    if (!fs::is_regular_file(status)) throw EFileError(fileName, NaoComum(status.type()));
    alvo.Existe = true;
#if defined(__unix__) || defined(__APPLE__)
    if (::stat(alvo.Caminho.c_str(), &alvo.Estado) != 0)
        throw EFileError(fileName, "não foi possível examinar o arquivo: " + SystemReason());
#endif
    return alvo;
}

bool SomenteLeitura(const fs::path& path) {
#if defined(__unix__) || defined(__APPLE__)
    // The superuser may write anything: for it a file without any write bit is the read-only one.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
#else
    std::error_code error;
    const fs::perms p = fs::status(path, error).permissions();
    return (p & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) ==
           fs::perms::none;
#endif
}

enum class TEscrita { Feita, NomeOcupado, Falhou };

// Writes a new file, flushes it to the disk and closes it. Only a new file is made, never one that
// already exists, nor through a link planted at its name (NomeOcupado: nothing was touched, and the
// producer was not called). On a failure the partial file is removed and errno tells why; an
// exception of the producer removes it too and goes on.
TEscrita WriteNew(const fs::path& path, const TProdutorBytes& produzir, const TAlvo& alvo) {
#if defined(__unix__) || defined(__APPLE__)
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno == EEXIST ? TEscrita::NomeOcupado : TEscrita::Falhou;
    bool ok = true;
    int reason = 0;
    const TSaidaBytes escrever = [&](std::string_view bytes) {
        for (std::size_t done = 0; ok && done < bytes.size();) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            ok = n > 0;
            if (ok)
                done += static_cast<std::size_t>(n);
            else
                reason = errno;
        }
    };
    try {
        produzir(escrever);
    } catch (...) {
        ::close(fd);
        std::error_code ignored;
        fs::remove(path, ignored);
        throw;
    }
    if (!ok) errno = reason;
    if (ok && alvo.Existe) {
        // The new file takes the old one's permissions and, when the system allows it, its owner.
        if (::geteuid() == 0) ok = ::fchown(fd, alvo.Estado.st_uid, alvo.Estado.st_gid) == 0;
        ok = ok && ::fchmod(fd, alvo.Estado.st_mode & 07777) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
#else
    std::error_code error;
    if (fs::exists(path, error)) return TEscrita::NomeOcupado;
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (file == nullptr) return TEscrita::Falhou;
    bool ok = true;
    try {
        produzir([&](std::string_view bytes) {
            ok = ok && (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
        });
    } catch (...) {
        std::fclose(file);
        fs::remove(path, error);
        throw;
    }
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok && alvo.Existe) fs::permissions(path, fs::status(alvo.Caminho, error).permissions(), error);
    ok = ok && !error;
#endif
    if (ok) return TEscrita::Feita;
    const int reason2 = errno;
    std::error_code ignored;
    fs::remove(path, ignored);
    errno = reason2;
    return TEscrita::Falhou;
}

// Rewrites an existing file in place with the bytes of another, keeping its identity (every hard
// link sees the new bytes).
bool RewriteInPlace(const fs::path& path, const fs::path& from) {
#if defined(__unix__) || defined(__APPLE__)
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    std::vector<char> buffer(1 << 20);
    off_t at = 0;
    while (ok) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < got;) {
            const ssize_t n = ::pwrite(fd, buffer.data() + done, static_cast<std::size_t>(got - done), at);
            if (n < 0 && errno == EINTR) continue;
            ok = n > 0;
            if (ok) {
                done += n;
                at += n;
            }
        }
    }
    ok = ok && ::ftruncate(fd, at) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ::close(in);
    return ok;
#else
    (void)path;
    (void)from;
    return false;
#endif
}

// The folder's entry of the renamed file reaches the disk too.
void SyncFolder(const fs::path& file) {
#if defined(__unix__) || defined(__APPLE__)
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    (void)file;
#endif
}

bool VariosNomes(const TAlvo& alvo) {
#if defined(__unix__) || defined(__APPLE__)
    return alvo.Existe && alvo.Estado.st_nlink > 1;
#else
    (void)alvo;
    return false;
#endif
}

} // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string ReadFileBytes(const std::string& fileName) {
    std::error_code error;
    if (fs::is_directory(fileName, error)) throw EFileError(fileName, "é uma pasta, não um arquivo");
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) throw EFileError(fileName, "não foi possível abrir o arquivo: " + SystemReason());
    std::string bytes;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (bytes.size() + n > kMaxFileSize) {
            std::fclose(file);
            throw EFileError(fileName, "o arquivo é grande demais (mais de " +
                                           std::to_string(kMaxFileSize / (1024 * 1024)) + " MiB)");
        }
        bytes.append(buffer, n);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) throw EFileError(fileName, "erro de leitura: " + SystemReason());
    return bytes;
}

std::vector<std::string> ReadTextLines(const std::string& fileName) {
    return SplitLines(Win1252ToUtf8(ReadFileBytes(fileName)));
}

void WriteFileAtomically(const std::string& fileName, std::string_view bytes, const TOpcoesGravacao& opcoes) {
    WriteFileAtomically(
        fileName, [bytes](const TSaidaBytes& escrever) { escrever(bytes); }, opcoes);
}

void WriteFileAtomically(const std::string& fileName, const TProdutorBytes& produzir,
                         const TOpcoesGravacao& opcoes) {
    const TAlvo alvo = Examinar(fileName);
    if (alvo.Existe && !opcoes.SobrescreverSomenteLeitura && SomenteLeitura(alvo.Caminho))
        throw EFileError(fileName, "o arquivo é somente leitura; nada foi gravado");

    // A new file is made beside the one it replaces, under a name nobody has taken.
    fs::path temp;
    TEscrita escrita = TEscrita::NomeOcupado;
    for (int attempt = 0; attempt < 16 && escrita == TEscrita::NomeOcupado; ++attempt) {
        temp = TemporaryBeside(alvo.Caminho);
        escrita = WriteNew(temp, produzir, alvo);
    }
    if (escrita != TEscrita::Feita) {
        const std::string reason =
            escrita == TEscrita::Falhou ? SystemReason() : "nomes temporários ocupados";
        throw EFileError(fileName, "não foi possível gravar o arquivo: " + reason);
    }

    std::error_code error;
    if (VariosNomes(alvo)) {
        // Renaming would give this name a file of its own and leave the other names with the old one.
        if (!RewriteInPlace(alvo.Caminho, temp)) {
            const std::string reason = SystemReason();
            throw EFileError(fileName, "não foi possível regravar o arquivo (" + reason +
                                           "); o conteúdo novo ficou em " + temp.string());
        }
        fs::remove(temp, error);
        return;
    }
    fs::rename(temp, alvo.Caminho, error);
    if (error) {
        const std::string message = error.message();
        fs::remove(temp, error);
        throw EFileError(fileName, "não foi possível substituir o arquivo: " + message);
    }
    SyncFolder(alvo.Caminho);
}

void AppendLinhaTexto(std::string& bytes, std::string_view line, const std::string& fileName,
                      int lineNumber) {
    if (!AppendWin1252(bytes, line))
        throw EFileError(fileName, lineNumber,
                         "o texto tem um caractere que o arquivo (Windows-1252) não comporta");
    bytes += "\r\n";
}

void WriteTextLines(const std::string& fileName, const std::vector<std::string>& lines,
                    const TOpcoesGravacao& opcoes) {
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i)
        AppendLinhaTexto(bytes, lines[i], fileName, static_cast<int>(i + 1));
    WriteFileAtomically(fileName, bytes, opcoes);
}

void ConferirGravacao(const std::string& fileName, const TOpcoesGravacao& opcoes) {
    const TAlvo alvo = Examinar(fileName);
    if (alvo.Existe) {
        if (!opcoes.SobrescreverSomenteLeitura && SomenteLeitura(alvo.Caminho))
            throw EFileError(fileName, "o arquivo é somente leitura; nada foi gravado");
        return;
    }
    const fs::path folder = alvo.Caminho.parent_path().empty() ? fs::path(".") : alvo.Caminho.parent_path();
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw EFileError(fileName, "não foi possível gravar o arquivo: a pasta " + folder.string() +
                                       " não existe; nada foi gravado");
}

bool ArquivoSomenteLeitura(const std::string& fileName) {
    try {
        const TAlvo alvo = Examinar(fileName);
        return alvo.Existe && SomenteLeitura(alvo.Caminho);
    } catch (const EFileError&) {
        return false;
    }
}

bool MesmoArquivo(const std::string& a, const std::string& b) {
    std::error_code ea, eb;
    if (fs::equivalent(a, b, ea)) return true;
    const fs::path pa = fs::weakly_canonical(fs::absolute(a, ea), ea);
    const fs::path pb = fs::weakly_canonical(fs::absolute(b, eb), eb);
    return !ea && !eb && pa == pb;
}

} // namespace brelix
