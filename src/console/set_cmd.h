// The set command: lists, shows and changes settings by their console names.
#pragma once

// Results that print nothing; the command is then ignored.
enum { SET_ERR_COUNT = 500, SET_ERR_TYPE = 501 };

// The setting's value as text; buf (300 characters) is left as it was for an
// unknown id.
void get_var_value_as_str(char* buf, int id);
