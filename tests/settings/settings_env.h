// Shared by the settings tests: a scratch home folder in place of the
// user's, the store's defaults, and a field-by-field store comparison.
#pragma once

#include "settings/var.h"
#include "TempDir.h"

#include <string>

// The scratch folder that HOME, XDG_DATA_HOME and XDG_CONFIG_HOME point into
// for the whole test run; the real preference folder is never reached.
const std::string& test_home();

// g_var as the program starts with it.
const var_t& default_store();
void reset_store();

// Every field, each failure naming the field.
void expect_same_store(const var_t& actual, const var_t& expected);
