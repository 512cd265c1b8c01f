#include "shell/UnitOpcoes.h"

#include "common/UnitComArquivo.h"
#include "common/UnitComCodificacao.h"
#include "common/UnitComErro.h"
#include "common/UnitComTexto.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <random>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace brelix {

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kDefaultFontSize = 8;
constexpr std::int32_t kDefaultRowHeight = 18;
constexpr std::int32_t kDefaultColWidth = 40;

bool IsSeparator(char c) {
    return c == '/' || c == static_cast<char>(fs::path::preferred_separator);
}

// An environment variable that names an absolute folder, else empty.
std::string AbsoluteFolderFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0' || !fs::path(value).is_absolute()) return {};
    return value;
}

std::string JoinFolder(const std::string& folder, std::string_view name) {
    return IncludeTrailingSeparator(folder) + std::string(name);
}

// The name part of a Name=Value line; false when the line has no "=".
bool LineName(std::string_view line, std::string_view& name) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    name = line.substr(0, eq);
    return true;
}

bool FileCanHold(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos && FitsWin1252(text);
}

bool TryReadLines(const std::string& fileName, std::vector<std::string>& lines) {
    try {
        lines = ReadTextLines(fileName);
        return true;
    } catch (const EFileError&) {
        lines.clear();
        return false;
    }
}

} // namespace

std::int32_t FontSizeFromText(std::string_view text) {
    return StrToIntDef(text, kDefaultFontSize);
}

std::string IncludeTrailingSeparator(std::string folder) {
    if (!folder.empty() && !IsSeparator(folder.back()))
        folder += static_cast<char>(fs::path::preferred_separator);
    return folder;
}

std::string UserOptionsFolder() {
#if defined(_WIN32)
    const std::string appData = AbsoluteFolderFromEnvironment("APPDATA");
    return appData.empty() ? std::string() : JoinFolder(appData, "brelix");
#else
    const std::string home = AbsoluteFolderFromEnvironment("HOME");
#if defined(__APPLE__)
    return home.empty() ? std::string() : JoinFolder(home, "Library/Application Support/brelix");
#else
    const std::string xdg = AbsoluteFolderFromEnvironment("XDG_CONFIG_HOME");
    if (!xdg.empty()) return JoinFolder(xdg, "brelix");
    return home.empty() ? std::string() : JoinFolder(home, ".config/brelix");
#endif
#endif
}

bool FolderIsWritable(const std::string& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) return false;
#if defined(__unix__) || defined(__APPLE__)
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
#else
    // Without a permission query, try to create (and remove) a file there.
    std::random_device device;
    const fs::path probe = fs::path(folder) / ("brelix_probe_" + std::to_string(device()) + ".tmp");
    std::FILE* file = std::fopen(probe.string().c_str(), "wb");
    if (file == nullptr) return false;
    std::fclose(file);
    fs::remove(probe, error);
    return true;
#endif
}

std::string ChooseOptionsFile(const std::string& exeFolder, bool exeFolderWritable,
                              const std::string& userFolder) {
    if (exeFolderWritable || userFolder.empty()) return JoinFolder(exeFolder, kOptionsFileName);
    return JoinFolder(userFolder, kOptionsFileName);
}

void TOpcoes::LoadOptions(const std::string& exeFolder) {
    const std::string userFolder = UserOptionsFolder();
    const bool exeFolderWritable = FolderIsWritable(exeFolder);
    if (!exeFolderWritable && !userFolder.empty()) {
        std::error_code error; // a folder that cannot be made shows up as a silently failing save
        fs::create_directories(userFolder, error);
    }
    LoadOptionsFrom(ChooseOptionsFile(exeFolder, exeFolderWritable, userFolder), exeFolder);
}

void TOpcoes::LoadOptionsFrom(const std::string& fileName, const std::string& exeFolder) {
    assert(!exeFolder.empty() && "the executable's folder must be known");
    fileName_ = fileName;
    if (!TryReadLines(fileName_, lines_)) {
        const std::string exeFile = JoinFolder(exeFolder, kOptionsFileName);
        if (fs::path(exeFile) == fs::path(fileName_) || !TryReadLines(exeFile, lines_))
            SetDefaultLines(exeFolder);
        SaveOptions();
    }
    ReadSettings();
}

bool TOpcoes::SaveOptions() const {
    try {
        WriteTextLines(fileName_, lines_);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TOpcoes::SetKey(std::string_view name, std::string_view value) {
    if (name.empty() || name.find('=') != std::string_view::npos || !FileCanHold(name) || !FileCanHold(value))
        return false;
    std::string line = std::string(name) + "=" + std::string(value);
    for (std::string& existing : lines_) {
        std::string_view existingName;
        if (LineName(existing, existingName) && SameTextAscii(existingName, name)) {
            existing = std::move(line);
            return true;
        }
    }
    lines_.push_back(std::move(line));
    return true;
}

bool TOpcoes::RemoveKey(std::string_view name) {
    const auto named = [name](const std::string& line) {
        std::string_view lineName;
        return LineName(line, lineName) && SameTextAscii(lineName, name);
    };
    const auto first = std::remove_if(lines_.begin(), lines_.end(), named);
    const bool found = first != lines_.end();
    lines_.erase(first, lines_.end());
    return found;
}

std::string TOpcoes::Value(std::string_view name) const {
    for (const std::string& line : lines_) {
        std::string_view lineName;
        if (LineName(line, lineName) && SameTextAscii(lineName, name))
            return line.substr(lineName.size() + 1);
    }
    return {};
}

void TOpcoes::ApplyOptionsWindow(const TEntradaOpcoes& entrada) {
    config_.RFontName = entrada.FontName;
    config_.RFontSize = FontSizeFromText(entrada.FontSizeText);
    config_.ARowHeight = entrada.RowHeight;
    config_.AColWidth = entrada.ColWidth;
    config_.AutoVrt = entrada.AutoVrt;
    SetKey("RFontName", config_.RFontName);
    SetKey("RFontSize", IntToStr(config_.RFontSize));
    SetKey("ARowHeight", IntToStr(config_.ARowHeight));
    SetKey("AColWidth", IntToStr(config_.AColWidth));
    SetKey("AutoVrt", config_.AutoVrt ? "1" : "0");
    SaveOptions();
}

void TOpcoes::ChangeDefaultDir(const std::string& folder) {
    config_.DefaultDir = IncludeTrailingSeparator(folder);
    SetKey("DefaultDir", config_.DefaultDir);
    SaveOptions();
}

void TOpcoes::SetDefaultLines(const std::string& exeFolder) {
    lines_.clear();
    // An executable's folder the file cannot hold leaves the default folder empty rather than
    // making the whole file unsaveable.
    const std::string folder = IncludeTrailingSeparator(exeFolder);
    lines_.push_back("DefaultDir=" + (FileCanHold(folder) ? folder : std::string()));
    lines_.push_back("RFontName=MS Shell Dlg");
    lines_.push_back("RFontSize=" + IntToStr(kDefaultFontSize));
    lines_.push_back("ARowHeight=" + IntToStr(kDefaultRowHeight));
    lines_.push_back("AColWidth=" + IntToStr(kDefaultColWidth));
    lines_.push_back("AutoVrt=0");
}

void TOpcoes::ReadSettings() {
    config_.DefaultDir = Value("DefaultDir");
    config_.RFontName = Value("RFontName");
    config_.RFontSize = StrToIntDef(Value("RFontSize"), kDefaultFontSize);
    config_.ARowHeight = StrToIntDef(Value("ARowHeight"), kDefaultRowHeight);
    config_.AColWidth = StrToIntDef(Value("AColWidth"), kDefaultColWidth);
    config_.AutoVrt = StrToIntDef(Value("AutoVrt"), 0) == 1;
}

} // namespace brelix
