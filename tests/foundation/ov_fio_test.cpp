// Whole-file loading and saving with their result codes, the line rule on
// a real stdio stream, and whole-file replaces by two processes at once.
#include "foundation/ov_fio.h"

#include <gtest/gtest.h>

#include "FifoWatchdog.h"
#include "TempDir.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct LineCase {
    const char* name;
    std::string data;
    unsigned len;
    std::vector<std::pair<std::string, unsigned>> lines;  // kept text, result
};

const std::string k299(299, 'x');

const LineCase kLineCases[] = {
    {"CR LF is one line end", "a\r\nb", 300, {{"a", 1}, {"b", 1}}},
    {"lone CR ends a line", "a\rb", 300, {{"a", 1}, {"b", 1}}},
    {"two LF make an empty line", "a\n\nb\n", 300, {{"a", 1}, {"", 0}, {"b", 1}}},
    {"CR, CR LF and LF are three ends", "\r\r\n\n", 300, {{"", 0}, {"", 0}, {"", 0}}},
    {"CR as the last byte", "a\r", 300, {{"a", 1}}},
    {"299 characters stay whole", k299 + "\n", 300, {{k299, 299}}},
    {"300 characters keep 299", std::string(300, 'x') + "\r\nnext", 300, {{k299, 300}, {"next", 4}}},
    {"1000 characters keep 299", std::string(1000, 'x') + "\nnext", 300, {{k299, 1000}, {"next", 4}}},
    {"len 1 keeps nothing", "abc\nd", 1, {{"", 3}, {"", 1}}},
    {"a zero byte is a character", std::string("a\0b\n", 4), 300, {{std::string("a\0b", 3), 3}}},
};

// Reads every expected line, then the end: result 0, empty buffer, feof.
void expectLines(const LineCase& c, FILE* f)
{
    std::vector<char> buf(c.len + 1, '#');
    for (const auto& [text, result] : c.lines) {
        EXPECT_EQ(fio_read_line(buf.data(), c.len, f), result) << c.name;
        const size_t kept = result < c.len ? result : c.len - 1;
        EXPECT_EQ(std::string(buf.data(), kept), text) << c.name;
        EXPECT_EQ(buf[kept], '\0') << c.name;
        EXPECT_EQ(buf[c.len], '#') << c.name << ": written past len";
    }
    EXPECT_EQ(fio_read_line(buf.data(), c.len, f), 0u) << c.name;
    EXPECT_EQ(buf[0], '\0') << c.name;
    EXPECT_TRUE(std::feof(f)) << c.name;
}

}  // namespace

// --- the line rule ----------------------------------------------------------

TEST(FioReadLine, FollowsTheLineRuleOnAStream)
{
    TempDir tmp("ov_fio");
    for (const auto& c : kLineCases) {
        write_file(tmp / "lines", c.data);
        FILE* f = std::fopen((tmp / "lines").c_str(), "rb");
        ASSERT_NE(f, nullptr);
        expectLines(c, f);
        std::fclose(f);
    }
}

TEST(FioReadLine, WithNoRoomWritesNothingButStillConsumesTheLine)
{
    TempDir tmp("ov_fio");
    write_file(tmp / "lines", "abc\nde\n");
    FILE* f = std::fopen((tmp / "lines").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    char guard = '#';
    EXPECT_EQ(fio_read_line(&guard, 0, f), 3u);
    EXPECT_EQ(guard, '#');
    char buf[8];
    EXPECT_EQ(fio_read_line(buf, sizeof buf, f), 2u);
    EXPECT_STREQ(buf, "de");
    std::fclose(f);
}

// --- whole files --------------------------------------------------------------

TEST(FioLoad, ReadsExactlyLenOrReportsAShortReadKeepingWhatCame)
{
    TempDir tmp("ov_fio");
    write_file(tmp / "f", "hello");
    char buf[8] = "*******";
    EXPECT_EQ(fio_load((tmp / "f").c_str(), buf, 5), 0);
    EXPECT_EQ(std::string(buf, 5), "hello");
    std::memset(buf, '*', 7);
    EXPECT_EQ(fio_load((tmp / "f").c_str(), buf, 7), 2);
    EXPECT_EQ(std::string(buf, 7), "hello**");
}

TEST(FioLoad, CannotOpenAMissingFileOrAFolderAndLeavesTheBufferAlone)
{
    TempDir tmp("ov_fio");
    char buf[4] = "abc";
    EXPECT_EQ(fio_load((tmp / "missing").c_str(), buf, 3), 1);
    EXPECT_EQ(fio_load(tmp.path().c_str(), buf, 3), 1);
    EXPECT_STREQ(buf, "abc");
}

TEST(FioSave, CreatesOrTruncatesTheFile)
{
    TempDir tmp("ov_fio");
    const std::string f = tmp / "out";
    write_file(f, "a longer old content");
    EXPECT_EQ(fio_save(f.c_str(), "new", 3), 0);
    EXPECT_EQ(read_file(f), "new");
    EXPECT_EQ(fio_save(f.c_str(), "", 0), 0);
    EXPECT_TRUE(fs::exists(f));
    EXPECT_EQ(fs::file_size(f), 0u);
}

TEST(FioSave, CannotOpenInAMissingFolderOrOverAFolderOrADevice)
{
    TempDir tmp("ov_fio");
    EXPECT_EQ(fio_save((tmp / "no/such/file").c_str(), "x", 1), 1);
    EXPECT_EQ(fio_save(tmp.path().c_str(), "x", 1), 1);
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(fio_save("/dev/full", "x", 1), 1);
}

// A few bytes only fail when the stream is flushed on closing. The limit on
// file size, set in a child of its own, makes that write fail.
TEST(FioSave, ReportsBytesLostOnClosingAsAShortWrite)
{
    TempDir tmp("ov_fio");
    const std::string f = tmp / "out";
    EXPECT_EXIT(
        {
            signal(SIGXFSZ, SIG_IGN);
            struct rlimit lim;
            getrlimit(RLIMIT_FSIZE, &lim);
            lim.rlim_cur = 0;
            setrlimit(RLIMIT_FSIZE, &lim);
            _exit(fio_save(f.c_str(), "x", 1));
        },
        ::testing::ExitedWithCode(3), "");
}

TEST(FioMalloc, HandsOutTheWholeFile)
{
    TempDir tmp("ov_fio");
    const std::string bytes("line one\r\n\0line two", 19);
    write_file(tmp / "f", bytes);
    void* buf = nullptr;
    uint32_t size = 0;
    ASSERT_EQ(fio_malloc((tmp / "f").c_str(), &buf, &size), 0);
    ASSERT_NE(buf, nullptr);
    EXPECT_EQ(std::string(static_cast<char*>(buf), size), bytes);
    std::free(buf);

    write_file(tmp / "empty", "");
    buf = nullptr;
    size = 99;
    ASSERT_EQ(fio_malloc((tmp / "empty").c_str(), &buf, &size), 0);
    EXPECT_EQ(size, 0u);
    EXPECT_NE(buf, nullptr);
    std::free(buf);
}

TEST(FioMalloc, GivesItsCodeAndLeavesBothOutputsAloneOnFailure)
{
    TempDir tmp("ov_fio");
    const std::string big = tmp / "big";
    write_file(big, "");
    const bool sparse = truncate(big.c_str(), (1LL << 32) + 5) == 0;
    struct Case {
        std::string path;
        int code;
        bool run;
    };
    const Case cases[] = {
        {tmp / "missing", 6, true},
        {tmp.path(), 1, true},
        {big, 7, sparse},
    };
    for (const auto& c : cases) {
        if (!c.run) continue;
        void* buf = &tmp;
        uint32_t size = 42;
        EXPECT_EQ(fio_malloc(c.path.c_str(), &buf, &size), c.code) << c.path;
        EXPECT_EQ(buf, &tmp) << c.path;
        EXPECT_EQ(size, 42u) << c.path;
    }
}

// --- streams ------------------------------------------------------------------

TEST(FioTellEnd, MeasuresTheStreamAndKeepsItsPosition)
{
    TempDir tmp("ov_fio");
    write_file(tmp / "f", "0123456789");
    FILE* f = std::fopen((tmp / "f").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(std::fseek(f, 3, SEEK_SET), 0);
    EXPECT_EQ(fio_tell_end(f), 10);
    EXPECT_EQ(std::ftell(f), 3);
    EXPECT_EQ(std::fgetc(f), '3');
    std::fclose(f);
}

TEST(FioTellEnd, FailsOnAStreamThatCannotSeek)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    FILE* f = fdopen(fds[0], "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(fio_tell_end(f), -1);
    std::fclose(f);
    close(fds[1]);
}

TEST(FioOpen, RefusesAFolderButOpensFiles)
{
    TempDir tmp("ov_fio");
    write_file(tmp / "f", "x");
    EXPECT_EQ(fio_open(tmp.path().c_str(), "rb"), nullptr);
    FILE* f = fio_open((tmp / "f").c_str(), "r");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::fgetc(f), 'x');
    std::fclose(f);
}

namespace {

// What an open of path did, as one text: whether it opened, where the
// stream starts, what a first read gets, and the file after "XY" is
// written at offset 1 and the stream closed.
std::string whatOpenDid(FILE* f, const std::string& path)
{
    if (!f) return "refused";
    std::string did = "starts at " + std::to_string(std::ftell(f));
    did += ", reads " + std::to_string(std::fgetc(f));
    std::fseek(f, 1, SEEK_SET);
    did += std::fputs("XY", f) >= 0 ? ", writes" : ", cannot write";
    std::fclose(f);
    return did + ", leaves \"" + read_file(path) + "\"";
}

}  // namespace

// Every mode on a file holding "hello" and on a missing name, against fopen.
TEST(FioOpen, TakesEveryModeFopenTakesAndDoesWhatFopenDoes)
{
    TempDir tmp("ov_fio");
    const std::string ref = tmp / "ref";
    const std::string ours = tmp / "ours";
    const char* kModes[] = {"r",  "w",   "a",  "r+", "w+", "a+", "rb+", "r+b", "ab",
                            "wx", "w+x", "ax", "re", "we", "",   "z",   "+r",  "br"};
    for (const char* mode : kModes) {
        for (const bool exists : {true, false}) {
            for (const std::string& path : {ref, ours}) {
                fs::remove(path);
                if (exists) write_file(path, "hello");
            }
            const std::string expected = whatOpenDid(std::fopen(ref.c_str(), mode), ref);
            EXPECT_EQ(whatOpenDid(fio_open(ours.c_str(), mode), ours), expected)
                << '"' << mode << '"' << (exists ? " on a file" : " on no file");
        }
    }
}

// Whether a reader waits on the other end or not, for either direction.
TEST(FioOpen, RefusesAFifoAtOnce)
{
    TempDir tmp("ov_fio");
    const std::string fifo = make_fifo(tmp / "fifo");
    for (const bool readerWaits : {false, true}) {
        const int reader = readerWaits ? open(fifo.c_str(), O_RDONLY | O_NONBLOCK) : -1;
        for (const char* mode : {"r", "rb", "w", "wb", "a", "r+", "w+", "a+"}) {
            FifoWatchdog dog(fifo);
            FILE* f = fio_open(fifo.c_str(), mode);
            EXPECT_FALSE(dog.Stop()) << mode << ": waited for the other end";
            EXPECT_EQ(f, nullptr) << mode;
            if (f) std::fclose(f);
        }
        if (reader >= 0) close(reader);
    }
}

TEST(FioOpen, RefusesACharacterDevice)
{
    if (!fs::exists("/dev/null")) GTEST_SKIP() << "no /dev/null";
    for (const char* mode : {"r", "rb", "w", "wb", "a", "r+", "w+", "a+"}) {
        FILE* f = fio_open("/dev/null", mode);
        EXPECT_EQ(f, nullptr) << mode;
        if (f) std::fclose(f);
    }
}

// --- replacing a whole file ---------------------------------------------------

// These take the C library's place in this test program, so that a child
// told to can stop itself at the first call of one of them.
namespace {
const char* s_stopAt = nullptr;
void s_stopHere(const char* call)
{
    if (s_stopAt && std::strcmp(s_stopAt, call) == 0) {
        s_stopAt = nullptr;
        raise(SIGSTOP);
    }
}
}  // namespace

extern "C" ssize_t pwrite(int fd, const void* buf, size_t n, off_t offset)
{
    s_stopHere("pwrite");
    return syscall(SYS_pwrite64, fd, buf, n, offset);
}

extern "C" int ftruncate(int fd, off_t length) noexcept
{
    s_stopHere("ftruncate");
    return static_cast<int>(syscall(SYS_ftruncate, fd, length));
}

// Stops once a lock was refused: where a second copy waits.
extern "C" int flock(int fd, int operation) noexcept
{
    const int r = static_cast<int>(syscall(SYS_flock, fd, operation));
    if (r != 0 && errno == EWOULDBLOCK) s_stopHere("flock");
    return r;
}

namespace {

// A replace in a child process of its own that stops at its first call of
// stopAt ("pwrite", "ftruncate", or "flock" for a lock refused).
class HeldReplace {
public:
    HeldReplace(const char* stopAt, const std::string& path, const std::string& text) : m_pid(fork())
    {
        if (m_pid != 0) return;
        s_stopAt = stopAt;
        _exit(fio_replace(path.c_str(), text.data(), text.size()) ? 0 : 1);
    }
    ~HeldReplace()
    {
        if (m_code) return;
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    // False when it ended without stopping there.
    bool Reached() { return !Waited(WUNTRACED); }
    // Its exit code once it has gone on to its end.
    int Finish()
    {
        kill(m_pid, SIGCONT);
        while (!m_code && !Waited(0)) {
        }
        return *m_code;
    }

private:
    // True once the child has ended, false when it stopped.
    bool Waited(int options)
    {
        int st = 0;
        if (waitpid(m_pid, &st, options) != m_pid) m_code = -1;
        else if (!WIFSTOPPED(st)) m_code = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        return m_code.has_value();
    }

    pid_t m_pid;
    std::optional<int> m_code;
};

}  // namespace

// Two copies of a program saving at once, each caught half-way: while one
// has made its scratch file but not written it, or, rewriting a file with
// two names in place, has written but not cut it. At every step the file is
// one replace's text, whole, and no other file is left beside it.
TEST(FioReplace, TwoReplacesAtOnceEachLeaveTheFileWhole)
{
    TempDir tmp("ov_fio");
    const std::string file = tmp / "settings.ini";
    const std::string first(100, 'a'), second(1000, 'b');

    write_file(file, "old\n");
    {
        HeldReplace a("pwrite", file, first);
        ASSERT_TRUE(a.Reached());
        HeldReplace b("pwrite", file, second);
        ASSERT_TRUE(b.Reached());
        EXPECT_EQ(a.Finish(), 0);
        EXPECT_EQ(read_file(file), first) << "while the second replace writes";
        EXPECT_EQ(b.Finish(), 0);
        EXPECT_EQ(read_file(file), second);
        EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 1);
    }

    const std::string old(4000, ';');
    write_file(file, old);
    fs::create_hard_link(file, tmp / "other");
    {
        HeldReplace a("ftruncate", file, first);
        ASSERT_TRUE(a.Reached());
        // Blank lines, which read as nothing, until the cut.
        EXPECT_EQ(read_file(file), first + std::string(old.size() - first.size(), '\n')) << "before the cut";
        HeldReplace b("flock", tmp / "other", second);
        const bool waited = b.Reached();
        EXPECT_EQ(a.Finish(), 0);
        EXPECT_TRUE(waited) << "the second rewrite waits for the first";
        EXPECT_EQ(b.Finish(), 0);
        EXPECT_EQ(read_file(file), second);
        EXPECT_EQ(read_file(tmp / "other"), second);
    }
}
