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

// Writes, flushes to the disk and closes; false on any failure.
bool WriteAndSync(const fs::path& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    ok = std::fclose(file) == 0 && ok;
    return ok;
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

void WriteFileAtomically(const std::string& fileName, std::string_view bytes) {
    const fs::path target(fileName);
    std::error_code error;
    if (fs::is_directory(target, error)) throw EFileError(fileName, "é uma pasta, não um arquivo");
    const fs::path temp = TemporaryBeside(target);
    if (!WriteAndSync(temp, bytes)) {
        const std::string reason = SystemReason();
        fs::remove(temp, error);
        throw EFileError(fileName, "não foi possível gravar o arquivo: " + reason);
    }
    fs::rename(temp, target, error);
    if (error) {
        fs::remove(temp, error);
        throw EFileError(fileName, "não foi possível substituir o arquivo: " + error.message());
    }
}

void WriteTextLines(const std::string& fileName, const std::vector<std::string>& lines) {
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto encoded = Utf8ToWin1252(lines[i]);
        if (!encoded)
            throw EFileError(fileName, static_cast<int>(i + 1),
                             "o texto tem um caractere que o arquivo (Windows-1252) não comporta");
        bytes += *encoded;
        bytes += "\r\n";
    }
    WriteFileAtomically(fileName, bytes);
}

} // namespace brelix
