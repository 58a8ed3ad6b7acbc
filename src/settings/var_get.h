// Reading a setting by its id, for the console's listing of the settings.
#pragma once

#include "settings/var.h"

// Colours 2 to 14; false and out untouched for any other id.
bool var_get_color(color4b_t& out, int id);
// Integers 17 to 33, small fields zero-extended; false and out untouched otherwise.
bool var_get_int(int& out, int id);
// 40 program folder, 41 preference folder, 42 to 48 the field; null otherwise.
const char* var_get_str(int id);
