// Running a console line: the first argument names one of the commands
// history, set and ver, whose answers become output lines.
#include "console/cmdproc.h"

#include "console/CConsole.h"

namespace {

// The line editor's limit, so that no typed line is cut.
constexpr int kLineLen = 4096;
constexpr int kMaxArgs = 20;

enum { CMD_HISTORY = 1, CMD_SET = 2, CMD_VER = 3 };

const keyword_t s_names[] = {
    {CMD_HISTORY, "history"},
    {CMD_SET, "set"},
    {CMD_VER, "ver"},
    {0, nullptr},
};

Args_t* s_args = nullptr;

}  // namespace

// Every console model asks for the record; the first one makes it.
int init_cmdproc()
{
    if (s_args == nullptr) s_args = malloc_args(kLineLen, kMaxArgs);
    return s_args != nullptr ? 0 : -1;
}

int cmdproc(const char* line, CConsole* console)
{
    // Without the record a line cannot be split: it is dropped unseen, as an empty one.
    if (s_args == nullptr) return 0;
    // An unclosed quote still runs the command as split.
    line_to_args(s_args, line, s_names);
    if (s_args->argc == 0) return 0;
    const Arg_t& first = s_args->argv[0];
    if (first.type != ARG_KEYWORD) {
        console->AppendOutput("Unknown command.");
        return -1;
    }
    switch (first.value.i) {
    case CMD_HISTORY: do_hist_cmd(*s_args, console); break;
    case CMD_SET: do_set_cmd(*s_args, console); break;
    case CMD_VER: do_ver_cmd(*s_args, console); break;
    default: break;
    }
    return 0;
}
