// Where the program lives, where the user's settings live, and which full
// path a support file or a data file name stands for.
#pragma once

// The folders end in a separator; an empty text when SDL cannot tell.
const char* app_base_path();
const char* app_pref_path();
const char* app_ini_file_name();

// dst holds at least 261 characters. True when a regular file is at the
// path written into dst (a folder, FIFO or device counts as missing); on
// false dst holds the last path tried.
bool make_support_file_name(char* dst, const char* name);
bool make_data_file_name(char* dst, const char* name);
