// The options and their configuration file: the six default lines of a missing file, values read
// strictly with fallbacks, keys the file cannot hold refused, saving at once and atomically (a failed
// save is silent and keeps the old file), damaged files read without a crash, and the choice of the
// file between the executable's folder and the user's configuration folder.

#include "shell/UnitOpcoes.h"

#include "support/PastaTemp.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include <sys/resource.h>

using namespace brelix;
using apoio::Slurp;
using apoio::Spit;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable (or removes it) for the life of the object.
struct ScopedEnv {
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    const char* name_;
    std::optional<std::string> old_;
};

// A fresh folder per test holding an "executable's folder" and a home; whatever the machine's
// environment says, the user's folder is inside it.
class Options : public apoio::PastaTemp {
protected:
    void SetUp() override {
        PastaTemp::SetUp();
        fs::create_directories(dir_ / "bin");
        fs::create_directories(dir_ / "home");
        home_.emplace("HOME", (dir_ / "home").string().c_str());
    }
    std::string Exe() const { return (dir_ / "bin").string(); }
    std::string ExeFile() const { return (dir_ / "bin" / "Brelix.ini").string(); }

    ScopedEnv xdg_{"XDG_CONFIG_HOME", nullptr};
    std::optional<ScopedEnv> home_;
};

const char* const kDefaultTail =
    "RFontName=MS Shell Dlg\r\nRFontSize=8\r\nARowHeight=18\r\nAColWidth=40\r\nAutoVrt=0\r\n";

// The six settings in one text.
std::string Ajustes(const TConfigOpcoes& c) {
    return c.DefaultDir + "|" + c.RFontName + "|" + std::to_string(c.RFontSize) + "|" +
           std::to_string(c.ARowHeight) + "|" + std::to_string(c.AColWidth) + "|" +
           (c.AutoVrt ? "on" : "off");
}

} // namespace

TEST_F(Options, AMissingFileIsCreatedWithTheSixDefaultLinesBesideAWritableExecutable) {
    TOpcoes o;
    o.LoadOptions(Exe()); // no separator at the end: one is added
    EXPECT_EQ(o.FileName(), ExeFile());
    EXPECT_EQ(Slurp(ExeFile()), "DefaultDir=" + Exe() + "/\r\n" + kDefaultTail);
    EXPECT_EQ(Ajustes(o.Config()), Exe() + "/|MS Shell Dlg|8|18|40|off");
    EXPECT_FALSE(fs::exists(dir_ / "home" / ".config"));
}

TEST_F(Options, ValuesAreReadStrictlyAndFallBack) {
    const std::pair<const char*, const char*> rows[] = {
        {"RFontSize=12\nARowHeight=20\nAColWidth=55\nAutoVrt=1\n", "||12|20|55|on"},
        {"AutoVrt=2\n", "||8|18|40|off"}, // only 1 turns automatic vertices on
        {"RFontSize=abc\nARowHeight=1,5\nAColWidth=\nAutoVrt=on\n", "||8|18|40|off"},
        {"RFontSize= 12\nARowHeight=18px\nAColWidth=99999999999\nAutoVrt=1 \n", "||8|18|40|off"},
        // names compare ignoring case and the first line of a name counts
        {"rfontsize=9\nRFontSize=10\nautovrt=1\n", "||9|18|40|on"},
        // values keep everything after the first "="; the file is Windows-1252
        {"DefaultDir=/tmp/a=b/\r\nRFontName=Fonte Gr\xE1"
         "fica\r\n=x\r\nno equals sign\r\n",
         "/tmp/a=b/|Fonte Gráfica|8|18|40|off"},
    };
    for (const auto& [texto, esperado] : rows) {
        SCOPED_TRACE(texto);
        Spit(ExeFile(), texto);
        TOpcoes o;
        o.LoadOptions(Exe());
        EXPECT_EQ(Ajustes(o.Config()), esperado);
        EXPECT_EQ(Slurp(ExeFile()), texto); // a readable file is not rewritten by loading
    }
}

TEST_F(Options, SettingAKeyReplacesTheFirstLineOfThatNameOrAppendsAndRefusesWhatTheFileCannotHold) {
    Spit(ExeFile(), "A=1\r\nrfontsize=9\r\nRFontSize=10\r\nB=2\r\n");
    TOpcoes o;
    o.LoadOptions(Exe());
    EXPECT_TRUE(o.SetKey("RFontSize", "14"));
    EXPECT_TRUE(o.SetKey("AutoVrt", "1"));
    EXPECT_TRUE(o.SetKey("A", ""));
    const std::vector<std::string> set = {"A=", "RFontSize=14", "RFontSize=10", "B=2", "AutoVrt=1"};
    EXPECT_EQ(o.Lines(), set);
    // A line break would split the line; a character outside Windows-1252 would stop every save.
    // Overlong UTF-8 forms of CR, LF and "=" are no characters: decoded, they would be the same.
    for (const auto& [name, value] :
         std::vector<std::pair<std::string, std::string>>{{"DefaultDir", "/tmp/a\nAutoVrt=1"},
                                                          {"RFontName", "x\ry"},
                                                          {"RFontName", "Ω"},
                                                          {"RFontName", "Arial\xC0\x8D"
                                                                        "RFontSize=99"},
                                                          {"RFontName", "Arial\xE0\x80\x8A"
                                                                        "AutoVrt=0"},
                                                          {"RFont\xC0\xBD"
                                                           "Name",
                                                           "1"},
                                                          {"A=B", "1"},
                                                          {"", "1"}})
        EXPECT_FALSE(o.SetKey(name, value)) << name << "=" << value;
    EXPECT_EQ(o.Lines(), set);
    // The file follows when it is saved.
    EXPECT_EQ(Slurp(ExeFile()), "A=1\r\nrfontsize=9\r\nRFontSize=10\r\nB=2\r\n");
    EXPECT_TRUE(o.SaveOptions());
    EXPECT_EQ(Slurp(ExeFile()), "A=\r\nRFontSize=14\r\nRFontSize=10\r\nB=2\r\nAutoVrt=1\r\n");
    TOpcoes lido;
    lido.LoadOptions(Exe());
    EXPECT_EQ(lido.Config().RFontSize, 14);
}

TEST_F(Options, TheOptionsWindowAndOpeningADocumentSaveAtOnce) {
    Spit(ExeFile(), "DefaultDir=/docs/\r\nExtra=kept\r\nRFontName=Arial\r\n");
    TOpcoes o;
    o.LoadOptions(Exe());
    o.ApplyOptionsWindow({"Courier New", "11", 22, 60, true});
    EXPECT_EQ(Slurp(ExeFile()), "DefaultDir=/docs/\r\nExtra=kept\r\nRFontName=Courier New\r\nRFontSize=11\r\n"
                                "ARowHeight=22\r\nAColWidth=60\r\nAutoVrt=1\r\n");
    o.ApplyOptionsWindow({"Courier New", "doze", 22, 60, false}); // a size that is no integer is 8
    o.ChangeDefaultDir("/home/ana/modelos");
    TOpcoes again;
    again.LoadOptions(Exe());
    EXPECT_EQ(Ajustes(again.Config()), "/home/ana/modelos/|Courier New|8|22|60|off");
    // A folder the file cannot hold is used for this run, and does not stop later saves.
    o.ChangeDefaultDir("/home/ana/Ωmega");
    EXPECT_EQ(o.Config().DefaultDir, "/home/ana/Ωmega/");
    o.ApplyOptionsWindow({"Arial", "12", 18, 40, false});
    const std::string saved = Slurp(ExeFile());
    EXPECT_NE(saved.find("RFontSize=12\r\n"), std::string::npos);
    EXPECT_NE(saved.find("DefaultDir=/home/ana/modelos/\r\n"), std::string::npos);
}

TEST_F(Options, AFailedSaveIsSilentAndLeavesTheOldFile) {
    Spit(ExeFile(), "RFontSize=9\r\n");
    TOpcoes o;
    o.LoadOptions(Exe());
    // A file-size limit of zero makes every write fail, whoever runs the test.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit none = old;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &none), 0);
    bool saved = true;
    EXPECT_NO_THROW(o.ApplyOptionsWindow({"Arial", "12", 18, 40, true}));
    EXPECT_NO_THROW(saved = o.SaveOptions());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Slurp(ExeFile()), "RFontSize=9\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "bin"), fs::directory_iterator()), 1);
    EXPECT_EQ(o.Config().RFontSize, 12); // the run goes on with the new values
}

TEST_F(Options, AnUnreadableFileGivesTheDefaultsWithoutACrash) {
    fs::create_directory(ExeFile()); // a folder where the file should be
    TOpcoes o;
    o.LoadOptionsFrom(ExeFile(), Exe());
    EXPECT_EQ(o.Lines().size(), 6u);
    EXPECT_EQ(o.Config().RFontName, "MS Shell Dlg");
    EXPECT_FALSE(o.SaveOptions());
    // Arbitrary bytes read as text; nothing in them is a setting, and the file is left alone.
    const char raw[] = "\x00\xFF=\x81\r\x1A\nRFontSize\x00=3";
    const std::string bytes(raw, sizeof raw - 1);
    Spit(Path("other.ini"), bytes);
    TOpcoes garbage;
    garbage.LoadOptionsFrom(Path("other.ini"), Exe());
    EXPECT_EQ(garbage.Config().RFontSize, 8);
    EXPECT_EQ(Slurp(Path("other.ini")), bytes);
}

// An executable's folder that cannot take the file (here one that does not exist as a folder, which
// no one can write into, whoever runs the test) sends it to the user's folder: $XDG_CONFIG_HOME/brelix
// when that is absolute, else $HOME/.config/brelix.
TEST_F(Options, AnExecutablesFolderThatCannotTakeTheFileSendsItToTheUsersFolder) {
    const std::string exe = (dir_ / "missing" / "bin").string();
    TOpcoes o;
    o.LoadOptions(exe);
    EXPECT_EQ(o.FileName(), (dir_ / "home" / ".config" / "brelix" / "Brelix.ini").string());
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/cfg");
    EXPECT_EQ(UserOptionsFolder(), (dir_ / "home" / ".config" / "brelix").string());
    ScopedEnv xdg("XDG_CONFIG_HOME", (dir_ / "xdg").c_str());
    TOpcoes x;
    x.LoadOptions(exe);
    const std::string file = (dir_ / "xdg" / "brelix" / "Brelix.ini").string();
    EXPECT_EQ(x.FileName(), file);
    EXPECT_EQ(Slurp(file), "DefaultDir=" + exe + "/\r\n" + kDefaultTail);
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
    x.ApplyOptionsWindow({"Arial", "10", 18, 40, true});
    TOpcoes again;
    again.LoadOptions(exe);
    EXPECT_EQ(Ajustes(again.Config()), exe + "/|Arial|10|18|40|on");
}
