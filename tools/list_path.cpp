// Prints the object list's full name as the program works it out at
// start-up, from the same settings and folders, so that a script writing a
// list for the program never keeps rules of its own. No line break follows:
// the name may end in one.
#include <cstdio>

#include "settings/ov_app.h"
#include "settings/var.h"
#include "settings/var_file.h"

int main()
{
    var_load();
    char path[261];
    // Missing or not, the name is where the program looks; one too long
    // for the program names no file at all.
    make_data_file_name(path, g_var.obj.data);
    if (path[0] == '\0') {
        std::fputs("The object list's name would be longer than 260 characters.\n", stderr);
        return 1;
    }
    std::fputs(path, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
