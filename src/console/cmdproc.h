// Running a console line: the first argument names one of the commands
// history, set and ver, whose answers become output lines.
#pragma once

#include "console/args.h"

class CConsole;

// 0, or -1 when the argument record could not be made.
int init_cmdproc();
// 0, or -1 after an unknown command.
int cmdproc(const char* line, CConsole* console);

int do_hist_cmd(Args_t& args, CConsole* console);
int do_set_cmd(Args_t& args, CConsole* console);
int do_ver_cmd(Args_t& args, CConsole* console);
