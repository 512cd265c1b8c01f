#include "shell/UnitOpcoes.h"

#include "support/PastaTemp.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include <sys/resource.h>

using namespace brelix;
namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
    return apoio::Slurp(path.string());
}

void Spit(const fs::path& path, const std::string& bytes) {
    apoio::Spit(path.string(), bytes);
}

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
    fs::path ExeFile() const { return dir_ / "bin" / "Brelix.ini"; }

    ScopedEnv xdg_{"XDG_CONFIG_HOME", nullptr};
    std::optional<ScopedEnv> home_;
};

const char* const kDefaultTail =
    "RFontName=MS Shell Dlg\r\nRFontSize=8\r\nARowHeight=18\r\nAColWidth=40\r\nAutoVrt=0\r\n";

} // namespace

TEST_F(Options, AMissingFileIsCreatedWithTheSixDefaultLinesBesideAWritableExecutable) {
    TOpcoes o;
    o.LoadOptions(Exe()); // no separator at the end: one is added
    EXPECT_EQ(o.FileName(), ExeFile().string());
    EXPECT_EQ(Slurp(ExeFile()), "DefaultDir=" + Exe() + "/\r\n" + kDefaultTail);
    const TConfigOpcoes& c = o.Config();
    EXPECT_EQ(std::make_tuple(c.DefaultDir, c.RFontName, c.RFontSize, c.ARowHeight, c.AColWidth, c.AutoVrt),
              std::make_tuple(Exe() + "/", std::string("MS Shell Dlg"), 8, 18, 40, false));
    EXPECT_FALSE(fs::exists(dir_ / "home" / ".config"));
}

TEST_F(Options, ValuesAreReadStrictlyAndFallBack) {
    struct Row {
        const char* text;
        const char* dir;
        const char* font;
        std::int32_t fontSize, rowHeight, colWidth;
        bool autoVrt;
    };
    const Row rows[] = {
        {"RFontSize=12\nARowHeight=20\nAColWidth=55\nAutoVrt=1\n", "", "", 12, 20, 55, true},
        {"AutoVrt=2\n", "", "", 8, 18, 40, false}, // only 1 turns automatic vertices on
        {"RFontSize=abc\nARowHeight=1,5\nAColWidth=\nAutoVrt=on\n", "", "", 8, 18, 40, false},
        {"RFontSize= 12\nARowHeight=18px\nAColWidth=99999999999\nAutoVrt=1 \n", "", "", 8, 18, 40, false},
        // names compare ignoring case and the first line of a name counts
        {"rfontsize=9\nRFontSize=10\nautovrt=1\n", "", "", 9, 18, 40, true},
        // values keep everything after the first "="; the file is Windows-1252
        {"DefaultDir=/tmp/a=b/\r\nRFontName=Fonte Gr\xE1"
         "fica\r\n=x\r\nno equals sign\r\n",
         "/tmp/a=b/", "Fonte Gráfica", 8, 18, 40, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Spit(ExeFile(), row.text);
        TOpcoes o;
        o.LoadOptions(Exe());
        const TConfigOpcoes& c = o.Config();
        EXPECT_EQ(
            std::make_tuple(c.DefaultDir, c.RFontName, c.RFontSize, c.ARowHeight, c.AColWidth, c.AutoVrt),
            std::make_tuple(std::string(row.dir), std::string(row.font), row.fontSize, row.rowHeight,
                            row.colWidth, row.autoVrt));
        EXPECT_EQ(Slurp(ExeFile()), row.text); // a readable file is not rewritten by loading
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
    EXPECT_EQ(o.Value("rfontsize"), "14");
    // A line break would split the line; a character outside Windows-1252 would stop every save.
    for (const auto& [name, value] :
         std::vector<std::pair<std::string, std::string>>{{"DefaultDir", "/tmp/a\nAutoVrt=1"},
                                                          {"RFontName", "x\ry"},
                                                          {"RFontName", "Ω"},
                                                          {"A=B", "1"},
                                                          {"", "1"}})
        EXPECT_FALSE(o.SetKey(name, value)) << name << "=" << value;
    EXPECT_EQ(o.Lines(), set);
    // The file follows when it is saved.
    EXPECT_EQ(Slurp(ExeFile()), "A=1\r\nrfontsize=9\r\nRFontSize=10\r\nB=2\r\n");
    EXPECT_TRUE(o.SaveOptions());
    EXPECT_EQ(Slurp(ExeFile()), "A=\r\nRFontSize=14\r\nRFontSize=10\r\nB=2\r\nAutoVrt=1\r\n");
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
    EXPECT_EQ(o.Config().DefaultDir, "/home/ana/modelos/");
    // What was saved is what a later start reads.
    TOpcoes again;
    again.LoadOptions(Exe());
    const TConfigOpcoes& c = again.Config();
    EXPECT_EQ(
        std::make_tuple(c.DefaultDir, c.RFontName, c.RFontSize, c.ARowHeight, c.AColWidth, c.AutoVrt),
        std::make_tuple(std::string("/home/ana/modelos/"), std::string("Courier New"), 8, 22, 60, false));
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
    o.LoadOptionsFrom(ExeFile().string(), Exe());
    EXPECT_EQ(o.Lines().size(), 6u);
    EXPECT_EQ(o.Config().RFontName, "MS Shell Dlg");
    EXPECT_FALSE(o.SaveOptions());
    // Arbitrary bytes read as text; nothing in them is a setting, and the file is left alone.
    const char raw[] = "\x00\xFF=\x81\r\x1A\nRFontSize\x00=3";
    const std::string bytes(raw, sizeof raw - 1);
    Spit(dir_ / "bin" / "other.ini", bytes);
    TOpcoes garbage;
    garbage.LoadOptionsFrom((dir_ / "bin" / "other.ini").string(), Exe());
    EXPECT_EQ(garbage.Config().RFontSize, 8);
    EXPECT_EQ(Slurp(dir_ / "bin" / "other.ini"), bytes);
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
    const fs::path file = dir_ / "xdg" / "brelix" / "Brelix.ini";
    EXPECT_EQ(x.FileName(), file.string());
    EXPECT_EQ(Slurp(file), "DefaultDir=" + exe + "/\r\n" + kDefaultTail);
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
    x.ApplyOptionsWindow({"Arial", "10", 18, 40, true});
    TOpcoes again;
    again.LoadOptions(exe);
    EXPECT_EQ(again.Config().RFontSize, 10);
    EXPECT_TRUE(again.Config().AutoVrt);
}

TEST_F(Options, AFirstStartInTheUsersFolderTakesOverTheFileBesideTheExecutable) {
    Spit(ExeFile(), "DefaultDir=/srv/modelos/\r\nRFontSize=13\r\n");
    const fs::path user = dir_ / "home" / "Brelix.ini";
    TOpcoes o;
    o.LoadOptionsFrom(user.string(), Exe());
    EXPECT_EQ(o.Config().RFontSize, 13);
    EXPECT_EQ(Slurp(user), "DefaultDir=/srv/modelos/\r\nRFontSize=13\r\n");
    // From then on the user's own file wins, and the one beside the executable is left alone.
    o.ApplyOptionsWindow({"Arial", "10", 18, 40, false});
    TOpcoes again;
    again.LoadOptionsFrom(user.string(), Exe());
    EXPECT_EQ(again.Config().RFontSize, 10);
    EXPECT_EQ(Slurp(ExeFile()), "DefaultDir=/srv/modelos/\r\nRFontSize=13\r\n");
}
