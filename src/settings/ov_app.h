// Where the program lives, where the user's settings live, and which full
// path a support file or a data file name stands for.
#pragma once

// The folders end in a separator; an empty text when they cannot be told
// or their names do not fit 260 characters.
const char* app_base_path();
const char* app_pref_path();
// Empty when the name does not fit 260 characters: the settings are then
// neither read nor written.
const char* app_ini_file_name();

// dst holds at least 261 characters. True when a regular file is at the
// path written into dst (a folder, FIFO or device counts as missing); on
// false dst holds the last path tried, or is empty when that would not fit
// (a program folder whose name does not fit included): a name is never cut.
bool make_support_file_name(char* dst, const char* name);
bool make_data_file_name(char* dst, const char* name);
