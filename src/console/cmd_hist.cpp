// The history command: every executed line, oldest first, numbered from 1.
#include "console/CConsole.h"
#include "console/cmdproc.h"

#include <cstdio>
#include <string>

int do_hist_cmd(Args_t&, CConsole* console)
{
    unsigned long n = 0;
    for (const std::string& entry : console->history.entries) {
        char number[32];
        std::snprintf(number, sizeof number, "%3lu  ", ++n);
        console->AppendOutput((number + entry).c_str());
    }
    return 0;
}
