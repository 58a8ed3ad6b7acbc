// The run script's seeding against the program's own start-up, in generated
// homes of every awkward kind: the list it writes is the one the program then
// loads, a full name added at its end loads too, and the settings file stays
// as it was.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "TempDir.h"
#include "catalogue/CObjects.h"
#include "pipeline/data.h"
#include "pipeline/raw_data.h"
#include "settings/ov_app.h"
#include "settings/var_file.h"
#include "tle_text.h"

namespace fs = std::filesystem;

namespace {

using Text = std::optional<std::string>;

// A variable with its value, or unset.
struct Var {
    const char* name;
    Text value;
};
using Env = std::vector<Var>;

// Runs f in a child with env applied, in folder dir, its output going to a
// pipe; the output, or none when the child did not end well. f returns none
// to fail, and may exec instead of returning.
Text s_inChild(const Env& env, const std::string& dir, const std::function<Text()>& f)
{
    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        dup2(fds[1], STDOUT_FILENO);
        close(fds[1]);
        for (const Var& v : env) v.value ? setenv(v.name, v.value->c_str(), 1) : unsetenv(v.name);
        if (chdir(dir.c_str()) != 0) _exit(2);
        const Text out = f();
        if (!out) _exit(3);
        _exit(write(STDOUT_FILENO, out->data(), out->size()) == ssize_t(out->size()) ? 0 : 4);
    }
    close(fds[1]);
    std::string out;
    char buf[4096];
    for (ssize_t n; pid > 0 && (n = read(fds[0], buf, sizeof buf)) > 0;) out.append(buf, size_t(n));
    close(fds[0]);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return out;
}

// How many satellites the program has once it has started here.
Text s_programLoads(const Env& env, const std::string& dir)
{
    return s_inChild(env, dir, [] {
        var_load();
        init_data(DATA_RAW | DATA_OBJS);
        return Text(std::to_string(g_objs.m_count));
    });
}

Text s_seed(const Env& env, const std::string& dir)
{
    return s_inChild(env, dir, [] {
        execl("/bin/bash", "bash", OV_SEED_SCRIPT, OV_BIN_DIR, static_cast<char*>(nullptr));
        return Text();
    });
}

// The settings file written where the program reads it; its name.
Text s_writeSettings(const Env& env, const std::string& dir, const std::string& text)
{
    const Text name = s_inChild(env, dir, [&] {
        write_file(app_ini_file_name(), text);
        return Text(app_ini_file_name());
    });
    if (name && (*name)[0] != '/') return dir + "/" + *name;
    return name;
}

void s_replaceAll(std::string& s, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size())
        s.replace(at, from.size(), to);
}

// One generated home: the environment the program starts in, its current
// folder and its settings file, if any.
struct Home {
    std::string what;
    Env env;
    std::string cwd;
    Text settings;
};

// Each list the variants of one trait of a home; <root> stands for the case's
// own folder and <home> for HOME as set. Picked by index, so that the first
// cases step through every variant before the rest are drawn at random.
const std::vector<Text> kHomes = {"plain",
                                  "two  blanks",
                                  "a&b",
                                  "&",
                                  "d$HOME",
                                  "$",
                                  "back\\slash",
                                  "q\"uote",
                                  "s'ingle",
                                  "trail/",
                                  "tab\there",
                                  "-dash",
                                  "all & $HOME \\ \"q\" 'q'",
                                  std::nullopt,
                                  ""};

const std::vector<const char*> kUserDirs = {
    "",
    "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n",
    "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"  # my papers\n",
    "XDG_DOCUMENTS_DIR=\"$HOME/My\\ \\\"Papers\\\" \\\\ \\$x\"\n",
    "XDG_DOCUMENTS_DIR=\"<root>/shared docs & $HOME\"\n",
    "XDG_DOCUMENTS_DIR=\"$HOME\"\n",
    "XDG_DOCUMENTS_DIR=\"Papers\"\n",
    "# written by xdg-user-dirs-update\nXDG_DOCUMENTS_DIR=\"$HOME/Old\"\n  "
    "XDG_DOCUMENTS_DIR=\"$HOME/Later\"\n",
    "XDG_DOCUMENTS_DIR=$HOME/Unquoted\n",
    "XDG_DOCUMENTS_DIR=\"$HOMEX/x\"\n",
    "XDG_DESKTOP_DIR=\"$HOME/Desk\"\n",
    "XDG_DOCUMENTS_DIR=\"$HOME/Papers/\"\r\n",
};

const std::vector<Text> kConfigHomes = {std::nullopt, "<root>/config home", "config rel", ""};
// An empty XDG_DATA_HOME would put the settings at the root of the disk.
const std::vector<Text> kDataHomes = {std::nullopt, "<root>/data home", "data rel"};

const std::vector<Text> kSettings = {
    std::nullopt,
    "[User]\nDataPath=<root>/odd data & $x \\ \"q\"/\n",
    "[User]\r\n DataPath = <root>/dp \r\n[Object]\r\nData = sats list.txt \r\n",
    "[Object]\nData=lists/my list.txt\n",
    "[Object]\nData=<root>/abs & dir/list.txt\n",
    "[App]\nBase=x\nno equals sign\n[User]\nDataPath=<root>/never\n",
    "[User]\nDataPath=\n[Object]\nData=\n",
    "[User]\nDataPath=rel data\n",
    "[User]\nDataPath=<home>/\n",
    "[User]\nDataPath=$HOME/literal\n",
    "[User]\nAppPath=<root>/app\nDataPath=<root>/dp2\n[Object]\nData=nested/deeper/x.txt\n",
};

// On one line, for a failure's message.
std::string s_shown(std::string text)
{
    s_replaceAll(text, "\r", "\\r");
    s_replaceAll(text, "\n", "\\n");
    return text;
}

size_t s_pick(size_t n, int i, std::mt19937& rng) { return size_t(i) < n ? size_t(i) : rng() % n; }

std::string s_fill(std::string text, const std::string& root, const std::string& home)
{
    s_replaceAll(text, "<root>", root);
    s_replaceAll(text, "<home>", home);
    return text;
}

Home s_makeHome(const std::string& root, int i, std::mt19937& rng)
{
    Home h;
    h.cwd = root + "/cwd";
    fs::create_directories(h.cwd);

    const Text name = kHomes[s_pick(kHomes.size(), i, rng)];
    Text dataHome = kDataHomes[s_pick(kDataHomes.size(), i, rng)];
    // With HOME empty SDL would also make its folders at the root.
    if (name && name->empty() && !dataHome) dataHome = "data rel";
    const Text home = name ? Text(name->empty() ? "" : root + "/" + *name) : std::nullopt;
    h.what = "HOME=" + (home ? "'" + *home + "'" : std::string("(unset)"));
    if (home && !home->empty()) {
        fs::create_directories(*home);
        if (rng() % 2) {
            fs::create_directories(*home + "/Documents");
            h.what += " with Documents";
        }
        const std::string dirs = s_fill(kUserDirs[s_pick(kUserDirs.size(), i, rng)], root, *home);
        if (!dirs.empty()) {
            fs::create_directories(*home + "/.config");
            write_file(*home + "/.config/user-dirs.dirs", dirs);
            h.what += " user-dirs '" + s_shown(dirs) + "'";
        }
    }

    Text config = kConfigHomes[s_pick(kConfigHomes.size(), i, rng)];
    if (config) {
        config = s_fill(*config, root, home.value_or(""));
        // A folder of its own naming other Documents, read only when absolute.
        const std::string dir = (*config)[0] == '/' ? *config : h.cwd + "/" + *config;
        fs::create_directories(dir);
        write_file(dir + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/From config\"\n");
        h.what += " XDG_CONFIG_HOME='" + *config + "'";
    }
    if (dataHome) {
        dataHome = s_fill(*dataHome, root, home.value_or(""));
        h.what += " XDG_DATA_HOME='" + *dataHome + "'";
    }
    h.env = {{"HOME", home}, {"XDG_CONFIG_HOME", config}, {"XDG_DATA_HOME", dataHome}};

    const Text settings = kSettings[s_pick(kSettings.size(), i, rng)];
    if (settings) {
        h.settings = s_fill(*settings, root, home.value_or(""));
        h.what += " settings '" + s_shown(*h.settings) + "'";
    }
    return h;
}

// One satellite found in no bundled file, in a folder of its own.
std::string s_freshSet(const std::string& root)
{
    const std::string dir = root + "/fresh & $sets \\ \"q\"";
    fs::create_directories(dir);
    const std::string path = dir + "/active.txt";
    write_file(
        path,
        "FRESH SAT\n" +
            with_checksum("1 99990U 98067A   26249.46623009  .00004151  00000+0  83451-4 0  999") + "\n" +
            with_checksum("2 99990  51.6308 257.8166 0005026 113.2307 246.9211 15.4900616158435") + "\n");
    return path;
}

}  // namespace

TEST(SeedHomes, TheProgramLoadsTheSeededListInEveryHome)
{
    const Text bundled = s_inChild({}, OV_BIN_DIR, [] {
        CObjects objs;
        objs.Load("datamgr.txt");
        return Text(std::to_string(objs.m_count));
    });
    ASSERT_TRUE(bundled);
    const unsigned want = unsigned(std::stoul(*bundled));
    ASSERT_GT(want, 0u);

    TempDir dir("ov_seed_homes");
    std::mt19937 rng(20261209);
    const int kCases = 120;
    int disagreements = 0;
    for (int i = 0; i < kCases; ++i) {
        const std::string root = dir / ("c" + std::to_string(i));
        const Home h = s_makeHome(root, i, rng);
        const auto disagree = [&](const std::string& why) {
            ++disagreements;
            ADD_FAILURE() << "case " << i << ": " << why << "\n  in " << h.what;
        };

        Text ini;
        if (h.settings && !(ini = s_writeSettings(h.env, h.cwd, *h.settings))) {
            disagree("the settings file could not be written");
            continue;
        }
        const Text said = s_seed(h.env, h.cwd);
        const std::string prefix = "Seeded the object list ";
        if (!said || said->compare(0, prefix.size(), prefix) != 0) {
            disagree("the seeding said '" + said.value_or("(it failed)") + "'");
            continue;
        }
        const Text loads = s_programLoads(h.env, h.cwd);
        if (loads != std::to_string(want)) {
            disagree("the program loads " + loads.value_or("(it failed)") + " satellites, not " +
                     std::to_string(want) + ", after " + *said);
            continue;
        }
        // Added as the README says, after the last line.
        std::string list = said->substr(prefix.size());
        list.pop_back();
        if (list.empty() || list[0] != '/') list = h.cwd + "/" + list;
        write_file(list, read_file(list) + s_freshSet(root) + "\n");
        const Text more = s_programLoads(h.env, h.cwd);
        if (more != std::to_string(want + 1))
            disagree("with a full name added the program loads " + more.value_or("(it failed)"));
        if (ini && read_file(*ini) != *h.settings) disagree("the settings file changed");
    }
    EXPECT_EQ(disagreements, 0) << "of " << kCases << " homes";
}
