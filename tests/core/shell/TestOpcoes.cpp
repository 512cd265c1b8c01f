#include "shell/UnitOpcoes.h"

#include "common/UnitComArquivo.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include <sys/resource.h>
#include <unistd.h>

using namespace brelix;
namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Spit(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Sets an environment variable (or removes it) for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A fresh folder per test holding an "executable's folder" and a home.
class Options : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("brelix_opc_" + std::to_string(::getpid()) + "_" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "home");
    }
    void TearDown() override {
        std::error_code e;
        for (const auto& entry : fs::recursive_directory_iterator(root_, e))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, e);
        fs::remove_all(root_, e);
    }
    std::string Exe() const { return (root_ / "bin").string(); }
    fs::path ExeFile() const { return root_ / "bin" / "Brelix.ini"; }
    std::string Home() const { return (root_ / "home").string(); }

    fs::path root_;
    // Whatever the test machine's environment says, the user's folder is inside the test folder.
    ScopedEnv xdg_{"XDG_CONFIG_HOME", nullptr};
    ScopedEnv home_{"HOME", nullptr};
};

const char* const kDefaultTail =
    "RFontName=MS Shell Dlg\r\nRFontSize=8\r\nARowHeight=18\r\nAColWidth=40\r\nAutoVrt=0\r\n";

} // namespace

TEST_F(Options, AMissingFileIsCreatedWithTheSixDefaultLines) {
    ScopedEnv home("HOME", Home().c_str());
    TOpcoes o;
    o.LoadOptions(Exe()); // no separator at the end: one is added
    EXPECT_EQ(o.FileName(), ExeFile().string());
    EXPECT_EQ(Slurp(ExeFile()), "DefaultDir=" + Exe() + "/\r\n" + kDefaultTail);
    EXPECT_EQ(o.Config().DefaultDir, Exe() + "/");
    EXPECT_EQ(o.Config().RFontName, "MS Shell Dlg");
    EXPECT_EQ(o.Config().RFontSize, 8);
    EXPECT_EQ(o.Config().ARowHeight, 18);
    EXPECT_EQ(o.Config().AColWidth, 40);
    EXPECT_FALSE(o.Config().AutoVrt);
    // The user's folder is not touched while the executable's folder is writable.
    EXPECT_FALSE(fs::exists(root_ / "home" / ".config"));
}

TEST_F(Options, ValuesAreReadStrictlyAndFallBack) {
    struct Row {
        const char* text;
        std::int32_t fontSize, rowHeight, colWidth;
        bool autoVrt;
    };
    const Row rows[] = {
        {"RFontSize=12\nARowHeight=20\nAColWidth=55\nAutoVrt=1\n", 12, 20, 55, true},
        {"AutoVrt=2\n", 8, 18, 40, false}, // only 1 turns automatic vertices on
        {"AutoVrt=-1\n", 8, 18, 40, false},
        {"RFontSize=abc\nARowHeight=1,5\nAColWidth=\nAutoVrt=on\n", 8, 18, 40, false},
        {"RFontSize= 12\nARowHeight=18px\nAColWidth=99999999999\nAutoVrt=1 \n", 8, 18, 40, false},
        {"RFontSize=-3\nARowHeight=0\n", -3, 0, 40, false},
        // names compare ignoring case and the first line of a name counts
        {"rfontsize=9\nRFontSize=10\nautovrt=1\n", 9, 18, 40, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Spit(ExeFile(), row.text);
        TOpcoes o;
        o.LoadOptions(Exe());
        EXPECT_EQ(o.Config().RFontSize, row.fontSize);
        EXPECT_EQ(o.Config().ARowHeight, row.rowHeight);
        EXPECT_EQ(o.Config().AColWidth, row.colWidth);
        EXPECT_EQ(o.Config().AutoVrt, row.autoVrt);
        EXPECT_EQ(Slurp(ExeFile()), row.text); // a readable file is not rewritten by loading
    }
}

TEST_F(Options, MissingKeysGiveEmptyTextsAndNumericDefaults) {
    Spit(ExeFile(), "Other=1\r\n\r\n=x\r\nno equals sign\r\n");
    TOpcoes o;
    o.LoadOptions(Exe());
    EXPECT_EQ(o.Config().DefaultDir, "");
    EXPECT_EQ(o.Config().RFontName, "");
    EXPECT_EQ(o.Config().RFontSize, 8);
    EXPECT_EQ(o.Config().ARowHeight, 18);
    EXPECT_EQ(o.Config().AColWidth, 40);
    EXPECT_FALSE(o.Config().AutoVrt);
    EXPECT_EQ(o.Lines(), (std::vector<std::string>{"Other=1", "", "=x", "no equals sign"}));
}

TEST_F(Options, ValuesKeepEverythingAfterTheFirstEqualsSignAndWindows1252Text) {
    Spit(ExeFile(), "DefaultDir=/tmp/a=b/\r\nRFontName=Fonte Gr\xE1"
                    "fica\r\n");
    TOpcoes o;
    o.LoadOptions(Exe());
    EXPECT_EQ(o.Config().DefaultDir, "/tmp/a=b/");
    EXPECT_EQ(o.Config().RFontName, "Fonte Gráfica");
}

TEST_F(Options, SettingAKeyReplacesTheFirstLineOfThatNameOrAppends) {
    Spit(ExeFile(), "A=1\r\nrfontsize=9\r\nRFontSize=10\r\nB=2\r\n");
    TOpcoes o;
    o.LoadOptions(Exe());
    EXPECT_TRUE(o.SetKey("RFontSize", "14"));
    EXPECT_TRUE(o.SetKey("AutoVrt", "1"));
    EXPECT_TRUE(o.SetKey("A", ""));
    EXPECT_EQ(o.Lines(),
              (std::vector<std::string>{"A=", "RFontSize=14", "RFontSize=10", "B=2", "AutoVrt=1"}));
    EXPECT_EQ(o.Value("rfontsize"), "14");
    EXPECT_EQ(o.Value("Missing"), "");
    // Setting a key changes the list only; the file follows when it is saved.
    EXPECT_EQ(Slurp(ExeFile()), "A=1\r\nrfontsize=9\r\nRFontSize=10\r\nB=2\r\n");
    EXPECT_TRUE(o.SaveOptions());
    EXPECT_EQ(Slurp(ExeFile()), "A=\r\nRFontSize=14\r\nRFontSize=10\r\nB=2\r\nAutoVrt=1\r\n");
}

TEST_F(Options, KeysTheFileCannotHoldAreRefused) {
    TOpcoes o;
    o.LoadOptions(Exe());
    const std::vector<std::string> before = o.Lines();
    EXPECT_FALSE(o.SetKey("DefaultDir", "/tmp/a\nAutoVrt=1"));
    EXPECT_FALSE(o.SetKey("RFontName", "x\ry"));
    EXPECT_FALSE(o.SetKey("RFontName", "Ω"));
    EXPECT_FALSE(o.SetKey("A=B", "1"));
    EXPECT_FALSE(o.SetKey("", "1"));
    EXPECT_EQ(o.Lines(), before);
}

TEST_F(Options, TheOptionsWindowSetsTheFiveKeysAndSavesAtOnce) {
    Spit(ExeFile(), "DefaultDir=/docs/\r\nExtra=kept\r\nRFontName=Arial\r\n");
    TOpcoes o;
    o.LoadOptions(Exe());
    o.ApplyOptionsWindow({"Courier New", "11", 22, 60, true});
    EXPECT_EQ(o.Config().RFontName, "Courier New");
    EXPECT_EQ(o.Config().RFontSize, 11);
    EXPECT_EQ(o.Config().ARowHeight, 22);
    EXPECT_EQ(o.Config().AColWidth, 60);
    EXPECT_TRUE(o.Config().AutoVrt);
    EXPECT_EQ(Slurp(ExeFile()), "DefaultDir=/docs/\r\nExtra=kept\r\nRFontName=Courier New\r\nRFontSize=11\r\n"
                                "ARowHeight=22\r\nAColWidth=60\r\nAutoVrt=1\r\n");

    o.ApplyOptionsWindow({"Courier New", "doze", 22, 60, false});
    EXPECT_EQ(o.Config().RFontSize, 8);
    EXPECT_FALSE(o.Config().AutoVrt);
    EXPECT_EQ(o.Value("RFontSize"), "8");
    EXPECT_EQ(o.Value("AutoVrt"), "0");

    // What was saved is what a later start reads.
    TOpcoes again;
    again.LoadOptions(Exe());
    EXPECT_EQ(again.Config().RFontName, "Courier New");
    EXPECT_EQ(again.Config().RFontSize, 8);
    EXPECT_EQ(again.Config().ARowHeight, 22);
    EXPECT_FALSE(again.Config().AutoVrt);
    EXPECT_EQ(FontSizeFromText("14"), 14);
    EXPECT_EQ(FontSizeFromText("14,5"), 8);
}

TEST_F(Options, OpeningADocumentChangesTheDefaultFolderInTheFileAtOnce) {
    TOpcoes o;
    o.LoadOptions(Exe());
    o.ChangeDefaultDir("/home/ana/modelos");
    EXPECT_EQ(o.Config().DefaultDir, "/home/ana/modelos/");
    EXPECT_EQ(Slurp(ExeFile()), std::string("DefaultDir=/home/ana/modelos/\r\n") + kDefaultTail);
    o.ChangeDefaultDir("/home/ana/circuitos/");
    EXPECT_EQ(o.Value("DefaultDir"), "/home/ana/circuitos/");
}

TEST_F(Options, AFolderTheFileCannotHoldDoesNotStopLaterSaves) {
    TOpcoes o;
    o.LoadOptions(Exe());
    o.ChangeDefaultDir("/home/ana/Ωmega");
    EXPECT_EQ(o.Config().DefaultDir, "/home/ana/Ωmega/"); // used for this run
    o.ApplyOptionsWindow({"Arial", "12", 18, 40, false});
    const std::string saved = Slurp(ExeFile());
    EXPECT_NE(saved.find("RFontSize=12\r\n"), std::string::npos);
    EXPECT_NE(saved.find("DefaultDir=" + Exe() + "/\r\n"), std::string::npos);
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
    EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "bin"), fs::directory_iterator()), 1);
    EXPECT_EQ(o.Config().RFontSize, 12); // the run goes on with the new values
}

TEST_F(Options, SavingIntoAReadOnlyFolderIsSilentAndLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    Spit(ExeFile(), "RFontSize=9\r\n");
    TOpcoes o;
    o.LoadOptionsFrom(ExeFile().string(), Exe());
    fs::permissions(root_ / "bin", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(o.SaveOptions());
    fs::permissions(root_ / "bin", fs::perms::owner_all);
    EXPECT_EQ(Slurp(ExeFile()), "RFontSize=9\r\n");
}

TEST_F(Options, AnUnreadableFileGivesTheDefaultsWithoutACrash) {
    fs::create_directory(ExeFile()); // a folder where the file should be
    TOpcoes o;
    o.LoadOptionsFrom(ExeFile().string(), Exe());
    EXPECT_EQ(o.Lines().size(), 6u);
    EXPECT_EQ(o.Config().RFontName, "MS Shell Dlg");
    EXPECT_FALSE(o.SaveOptions());
    EXPECT_TRUE(fs::is_directory(ExeFile()));

    // Arbitrary bytes read as text; nothing in them is a setting.
    TOpcoes garbage;
    const char raw[] = "\x00\xFF=\x81\r\x1A\nRFontSize\x00=3";
    const std::string bytes(raw, sizeof raw - 1);
    Spit(root_ / "bin" / "other.ini", bytes);
    garbage.LoadOptionsFrom((root_ / "bin" / "other.ini").string(), Exe());
    EXPECT_EQ(garbage.Config().RFontSize, 8);
    EXPECT_EQ(Slurp(root_ / "bin" / "other.ini"), bytes);
}

TEST(OptionsFile, TheExecutablesFolderIsUsedWhenWritableElseTheUsersFolder) {
    EXPECT_EQ(ChooseOptionsFile("/opt/brelix", true, "/home/ana/.config/brelix"), "/opt/brelix/Brelix.ini");
    EXPECT_EQ(ChooseOptionsFile("/opt/brelix/", false, "/home/ana/.config/brelix"),
              "/home/ana/.config/brelix/Brelix.ini");
    EXPECT_EQ(ChooseOptionsFile("/opt/brelix", false, ""), "/opt/brelix/Brelix.ini");
    EXPECT_EQ(IncludeTrailingSeparator("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingSeparator("/a/"), "/a/");
    EXPECT_EQ(IncludeTrailingSeparator(""), "");
}

TEST_F(Options, TheUsersFolderFollowsXdgConfigHomeThenHome) {
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/x/cfg");
        ScopedEnv home("HOME", "/h/ana");
        EXPECT_EQ(UserOptionsFolder(), "/x/cfg/brelix");
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/cfg"); // not absolute: ignored
        ScopedEnv home("HOME", "/h/ana");
        EXPECT_EQ(UserOptionsFolder(), "/h/ana/.config/brelix");
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "");
        ScopedEnv home("HOME", "/h/ana/");
        EXPECT_EQ(UserOptionsFolder(), "/h/ana/.config/brelix");
    }
    EXPECT_EQ(UserOptionsFolder(), ""); // neither is set
}

TEST_F(Options, WritabilityOfAFolder) {
    EXPECT_TRUE(FolderIsWritable(Exe()));
    EXPECT_FALSE(FolderIsWritable((root_ / "missing").string()));
    Spit(root_ / "plain", "x");
    EXPECT_FALSE(FolderIsWritable((root_ / "plain").string()));
    if (::geteuid() == 0) return; // root writes anywhere; the permission case needs another user
    fs::permissions(root_ / "bin", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(FolderIsWritable(Exe()));
}

TEST_F(Options, AnExecutablesFolderThatCannotTakeTheFileSendsItToTheUsersFolder) {
    // The executable's folder does not exist as a folder here, which no one can write into; the
    // read-only folder case is the same decision (see WritabilityOfAFolder).
    const std::string exe = (root_ / "missing" / "bin").string();
    ScopedEnv xdg("XDG_CONFIG_HOME", (root_ / "xdg").string().c_str());
    TOpcoes o;
    o.LoadOptions(exe);
    const fs::path file = root_ / "xdg" / "brelix" / "Brelix.ini";
    EXPECT_EQ(o.FileName(), file.string());
    EXPECT_EQ(Slurp(file), "DefaultDir=" + exe + "/\r\n" + kDefaultTail);
    EXPECT_FALSE(fs::exists(root_ / "missing"));

    o.ApplyOptionsWindow({"Arial", "10", 18, 40, true});
    TOpcoes again;
    again.LoadOptions(exe);
    EXPECT_EQ(again.Config().RFontSize, 10);
    EXPECT_TRUE(again.Config().AutoVrt);
}

TEST_F(Options, WithoutXdgConfigHomeTheFileGoesUnderHome) {
    ScopedEnv home("HOME", Home().c_str());
    TOpcoes o;
    o.LoadOptions((root_ / "missing").string());
    EXPECT_EQ(o.FileName(), (root_ / "home" / ".config" / "brelix" / "Brelix.ini").string());
    EXPECT_TRUE(fs::is_regular_file(o.FileName()));
}

TEST_F(Options, AFirstStartInTheUsersFolderTakesOverTheFileBesideTheExecutable) {
    Spit(ExeFile(), "DefaultDir=/srv/modelos/\r\nRFontSize=13\r\n");
    const fs::path user = root_ / "home" / "Brelix.ini";
    TOpcoes o;
    o.LoadOptionsFrom(user.string(), Exe());
    EXPECT_EQ(o.Config().RFontSize, 13);
    EXPECT_EQ(o.Config().DefaultDir, "/srv/modelos/");
    EXPECT_EQ(Slurp(user), "DefaultDir=/srv/modelos/\r\nRFontSize=13\r\n");

    // From then on the user's own file wins.
    o.ApplyOptionsWindow({"Arial", "10", 18, 40, false});
    TOpcoes again;
    again.LoadOptionsFrom(user.string(), Exe());
    EXPECT_EQ(again.Config().RFontSize, 10);
    EXPECT_EQ(Slurp(ExeFile()), "DefaultDir=/srv/modelos/\r\nRFontSize=13\r\n");
}

TEST_F(Options, InAReadOnlyExecutablesFolderTheSettingsMoveToTheUsersFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    Spit(ExeFile(), "RFontSize=13\r\n");
    fs::permissions(root_ / "bin", fs::perms::owner_read | fs::perms::owner_exec);
    ScopedEnv home("HOME", Home().c_str());
    TOpcoes o;
    o.LoadOptions(Exe());
    EXPECT_EQ(o.FileName(), (root_ / "home" / ".config" / "brelix" / "Brelix.ini").string());
    EXPECT_EQ(o.Config().RFontSize, 13);
    o.ApplyOptionsWindow({"Arial", "10", 18, 40, false});
    TOpcoes again;
    again.LoadOptions(Exe());
    EXPECT_EQ(again.Config().RFontSize, 10);
}
