// The program under test: started in its own home under a private X server
// with its clock pinned, driven with keys and clicks, looked at in screenshots.
#include "app_fixture.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <unistd.h>

#include "catalogue/CObjects.h"
#include "catalogue/load_objs.h"
#include "foundation/CIniFile.h"
#include "orbit/OrbitConstants.h"

namespace {

constexpr double kPi = 3.14159265358979;

// Tells the test what it saw whenever one of its assertions fails.
class Witness : public ::testing::EmptyTestEventListener {
public:
    explicit Witness(const Orbivane& test) : m_test(test) {}
    void OnTestPartResult(const ::testing::TestPartResult& r) override
    {
        if (r.failed()) m_test.Report();
    }

private:
    const Orbivane& m_test;
};

}  // namespace

std::optional<std::pair<double, double>> position_at(unsigned catnum, int64_t unixUs)
{
    // Read once: a wait asks for dozens of positions per screenshot.
    static CObjects s_objs;
    if (!s_objs.m_head) load_objs(s_objs, OV_BIN_DIR "/stations-2026-09.txt");
    object_t* sat = obj_find(catnum, s_objs.m_head);
    if (!sat) return std::nullopt;
    obj_pin_clock(unixUs + orbit::kTicksAt1970);
    point2f_t pt = kNoPosition;
    obj_coord(&pt, sat, 0);
    obj_unpin_clock();
    if (!has_position(pt)) return std::nullopt;
    return std::pair<double, double>{pt.x * 180 / kPi, pt.y * 180 / kPi};
}

std::pair<double, double> station_at(std::chrono::steady_clock::duration ran)
{
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(ran).count();
    return position_at(25544, kClockUnix * 1000000 + us).value_or(std::pair<double, double>{1000, 1000});
}

void expect_saved(const std::string& file, std::initializer_list<Setting> settings)
{
    const CIniFile ini{file};
    for (const auto& s : settings) {
        std::string v = "(missing)";
        ini.Get(s.section, s.key, v);
        EXPECT_EQ(v, s.value) << "[" << s.section << "] " << s.key;
    }
}

void Orbivane::WriteSettings(const std::string& text) const
{
    std::filesystem::create_directories(std::filesystem::path(ini()).parent_path());
    write_file(ini(), text);
}

void Orbivane::SetUp()
{
    // Asked now: the listener runs under gtest's lock, which this takes too.
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_name = std::string(test->test_suite_name()) + "." + test->name();
    m_witness = new Witness(*this);
    ::testing::UnitTest::GetInstance()->listeners().Append(m_witness);
    std::filesystem::create_directories(home() + "/Documents");
    ASSERT_TRUE(x.Start()) << "Xvfb did not start";
}

void Orbivane::TearDown() { delete ::testing::UnitTest::GetInstance()->listeners().Release(m_witness); }

void Orbivane::Report() const
{
    std::ostringstream r;
    r << "--- what the test saw\nwindows and focus:\n" << x.Describe() << "program output:\n" << Output();
    if (m_lastShot.w > 0) {
        const std::string shot = OV_SHOT_DIR "/" + m_name + "-" + std::to_string(++m_reports) + ".bmp";
        std::filesystem::create_directories(OV_SHOT_DIR);
        r << "last screenshot: " << (save_bmp(m_lastShot, shot) ? shot : "(could not be saved)") << "\n";
    }
    std::cout << r.str() << "---" << std::endl;
}

// LeakSanitizer stays on, but unsymbolised: the symboliser it would start
// dies under libfaketime. Framebuffer acceleration is off because the GL
// driver it loads leaks at exit with stacks no suppression can name.
void Orbivane::Launch(const Strings& extra, const Strings& drop)
{
    Start(extra, drop);
    ASSERT_NO_FATAL_FAILURE(Await("Orbivane", window));
    ASSERT_NO_FATAL_FAILURE(Await("Orbivane Console", console));
}

void Orbivane::Await(const std::string& name, std::string& id)
{
    wait_until([&] { return !(id = x.FindWindow(name)).empty() || !app->Running(); }, kWaitMs);
    ASSERT_FALSE(id.empty()) << "no window named " << name << " appeared";
}

void Orbivane::Start(const Strings& extra, const Strings& drop)
{
    const int out = open((tmp / "output.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    Strings env{"HOME=" + home(),
                "DISPLAY=" + x.display(),
                "TZ=UTC",
                "LD_PRELOAD=" OV_FAKETIME_LIB,
                std::string("FAKETIME=") + clock,
                "ASAN_OPTIONS=verify_asan_link_order=0:symbolize=0",
                "LSAN_OPTIONS=suppressions=" OV_LSAN_SUPP ":print_suppressions=0",
                "SDL_FRAMEBUFFER_ACCELERATION=0"};
    // What extra sets takes the place of the same variable above.
    for (const auto& x : extra) {
        const std::string name = x.substr(0, x.find('=') + 1);
        env.erase(std::remove_if(env.begin(), env.end(),
                                 [&](const std::string& e) { return e.compare(0, name.size(), name) == 0; }),
                  env.end());
    }
    env.insert(env.end(), extra.begin(), extra.end());
    started = std::chrono::steady_clock::now();
    Strings dropped{"SDL_VIDEODRIVER"};
    dropped.insert(dropped.end(), drop.begin(), drop.end());
    // Dropped variables are taken out after the others are set.
    Strings kept;
    for (const auto& e : env)
        if (std::find(drop.begin(), drop.end(), e.substr(0, e.find('='))) == drop.end()) kept.push_back(e);
    app = std::make_unique<Proc>(Strings{OV_PROGRAM}, environment(dropped, kept), home(), out, out);
    close(out);
}

void Orbivane::StartWindowManager(const char* program)
{
    // The first key xdotool sends switches the server's keyboard over to
    // xdotool's own device, and the server tells every client the keymap
    // changed. Openbox then drops its key bindings and grabs them again; a
    // key pressed in between, such as the alt+F4 that closes a window, goes
    // past it to the focused window. Sent before openbox starts, that first
    // key leaves openbox nothing to redo.
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "key", "shift"}));
    wm = std::make_unique<Proc>(Strings{program},
                                environment({}, {"DISPLAY=" + x.display(), "HOME=" + home()}), home());
    // Openbox names its check window on the root well before it handles
    // a window's map request, and may drop the requests that come between:
    // a program started then would wait for ever for its window to show.
    ASSERT_TRUE(x.Tool({OV_XWIN, "managed"})) << program << " framed no window";
}

Image Orbivane::Shot(const std::string& id) const
{
    Image img = parse_xwd(x.Tool({OV_XWD, "-silent", "-id", id}).value_or(""));
    if (img.w > 0) m_lastShot = img;
    return img;
}

bool Orbivane::WaitIn(const std::string& id, const std::function<bool(const Image&)>& done, Image* img) const
{
    Image last;
    const bool ok = wait_until([&] { return (last = Shot(id)).w > 0 && done(last); }, kWaitMs);
    if (img) *img = std::move(last);
    return ok;
}

// Keys go through the server's keyboard to the focused window, as a
// person's do. Sent to a window directly, a key whose press and release
// straddle a focus change is left down in the server, which then swallows
// that key's next press.
void Orbivane::KeyIn(const std::string& id, const std::string& key) const
{
    ASSERT_TRUE(wait_until([&] { return x.HasFocus(id); }, kWaitMs)) << "no keyboard for key " << key;
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "key", key})) << "key " << key;
}

void Orbivane::TypeIn(const std::string& id, const std::string& text) const
{
    ASSERT_TRUE(wait_until([&] { return x.HasFocus(id); }, kWaitMs)) << "no keyboard for " << text;
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "type", text})) << text;
}

void Orbivane::Click(int px, int py) const
{
    ASSERT_TRUE(x.Tool(
        {OV_XDOTOOL, "mousemove", "--window", window, std::to_string(px), std::to_string(py), "click", "1"}));
}

int Orbivane::Quit()
{
    app->Signal(SIGTERM);
    return app->Wait(kWaitMs).value_or(-1);
}
