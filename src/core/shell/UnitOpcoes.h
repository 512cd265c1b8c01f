#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

// The user's settings and the configuration file "Brelix.ini" that keeps them as Name=Value lines.
// The program owns one TOpcoes, loads it once when the main window is first shown and passes it to
// whatever reads a setting; the options window and the Abrir command change it through the
// functions below, each of which writes the file at once.

inline constexpr std::string_view kOptionsFileName = "Brelix.ini";

// The settings the rest of the program reads.
struct TConfigOpcoes {
    std::string DefaultDir;       // initial folder of the open, save and export dialogs
    std::string RFontName;        // font of the result tables
    std::int32_t RFontSize = 8;   // its size
    std::int32_t ARowHeight = 18; // default row height of the "Matrizes A" tables, in pixels
    std::int32_t AColWidth = 40;  // default column width of those tables, in pixels
    bool AutoVrt = false;         // wiring two component terminals inserts a vertex between them
};

// What the options window hands back when it closes with "Confirmar".
struct TEntradaOpcoes {
    std::string FontName;
    std::string FontSizeText; // as typed: a text that is not an integer means size 8
    std::int32_t RowHeight = 18;
    std::int32_t ColWidth = 40;
    bool AutoVrt = false;
};

// The font size typed in the options window, 8 when it is not an integer (also the size its font
// dialog opens with).
std::int32_t FontSizeFromText(std::string_view text);

// The folder with a path separator at its end; an empty text stays empty.
std::string IncludeTrailingSeparator(std::string folder);

// The platform's place for this user's configuration, from the environment: $XDG_CONFIG_HOME/brelix,
// else $HOME/.config/brelix (on Windows %APPDATA%\brelix, on macOS ~/Library/Application
// Support/brelix). Relative values are ignored, as the XDG rules ask. Empty when none is known.
std::string UserOptionsFolder();

// True when new files can be created in the folder (which must exist).
bool FolderIsWritable(const std::string& folder);

// Where the configuration file lives. The file is saved by replacing it with a new file written
// beside it, so what matters is whether its folder takes new files, not whether the file itself is
// writable:
//  1. the executable's folder when it is writable (a portable copy keeps its settings with it);
//  2. otherwise the user's configuration folder when one is known (an installed program in a
//     read-only folder), which LoadOptions creates when it is missing;
//  3. otherwise the executable's folder anyway: the settings then last only for this run, since
//     saving fails silently.
std::string ChooseOptionsFile(const std::string& exeFolder, bool exeFolderWritable,
                              const std::string& userFolder);

class TOpcoes {
public:
    // Chooses the file as above and loads it (LoadOptionsFrom).
    void LoadOptions(const std::string& exeFolder);

    // Reads the file into the list and sets the settings from it. A file that cannot be read (a
    // missing one included) is replaced, and saved at once, by the lines of the file beside the
    // executable when the chosen file is elsewhere and that one reads (settings left there by an
    // installer or by an earlier, writable copy), else by the six default lines. Values that are not
    // integers fall back to the defaults; missing keys give empty texts and the numeric defaults.
    void LoadOptionsFrom(const std::string& fileName, const std::string& exeFolder);

    // Writes every line of the list to the file, replacing it atomically. Any failure is ignored
    // and leaves the old file as it was; the result only says whether the file was written.
    bool SaveOptions() const;

    // Replaces the value of the first line named `name` (names compare ignoring the case of ASCII
    // letters, as in every string list of Brelix), or appends "name=value" when there is none.
    // Refuses, changing nothing, a name or value the file cannot hold: a line break (it would split
    // the line in two), a character outside Windows-1252 (the whole file could no longer be saved),
    // or an "=" or nothing in the name.
    bool SetKey(std::string_view name, std::string_view value);

    // Takes out every line named `name` (letter case ignored); true when there was one. Not saved.
    bool RemoveKey(std::string_view name);

    // The value of the first line named `name`; empty when there is none.
    std::string Value(std::string_view name) const;

    // The options window closed with "Confirmar": takes the new values, writes the five keys and
    // saves.
    void ApplyOptionsWindow(const TEntradaOpcoes& entrada);

    // A document was opened from `folder`: it becomes the default folder (with its final
    // separator), is written under DefaultDir and saved. A folder the file cannot hold (see
    // SetKey) is still used for this run, while the file keeps the previous one.
    void ChangeDefaultDir(const std::string& folder);

    const TConfigOpcoes& Config() const { return config_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::string& FileName() const { return fileName_; }

private:
    void SetDefaultLines(const std::string& exeFolder);
    void ReadSettings();

    std::vector<std::string> lines_;
    std::string fileName_;
    TConfigOpcoes config_;
};

} // namespace brelix
