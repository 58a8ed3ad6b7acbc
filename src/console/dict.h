// The words that setting names are made of, each with a small id.
#pragma once

#include <cstdint>

// 0 when the word is not in the dictionary.
uint8_t get_dict_id(const char* word);
// One id byte per dot-separated component of name, then a 0 byte; the
// number of components, or 0 when there are none, one is unknown or there
// are more than count.
unsigned get_dict_ids(char* ids, unsigned count, const char* name);
