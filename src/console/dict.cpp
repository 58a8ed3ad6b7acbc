// The words that setting names are made of, each with a small id.
#include "console/dict.h"

#include <cstring>

namespace {

struct dict_t {
    uint8_t id;
    const char* word;
};

const dict_t s_dict[] = {
    {1, "app"},      {2, "bg"},    {3, "color"},  {4, "con"},         {5, "data"},
    {6, "fg"},       {7, "font"},  {8, "info"},   {9, "label"},       {10, "lat"},
    {11, "lines"},   {12, "lon"},  {13, "name"},  {14, "obj"},        {15, "orbits"},
    {16, "padding"}, {17, "path"}, {18, "plot"},  {19, "projection"}, {20, "show"},
    {21, "size"},    {22, "user"}, {23, "value"}, {24, "win"},        {0, nullptr},
};

constexpr size_t kWorkSize = 100;

}  // namespace

uint8_t get_dict_id(const char* word)
{
    for (const dict_t* d = s_dict; d->word != nullptr; ++d)
        if (std::strcmp(d->word, word) == 0) return d->id;
    return 0;
}

unsigned get_dict_ids(char* ids, unsigned count, const char* name)
{
    // A name that does not fit the work area is refused rather than cut, so
    // that a cut word is never taken for a shorter one.
    char work[kWorkSize];
    const size_t len = strnlen(name, kWorkSize);
    if (len >= kWorkSize) return 0;
    std::memcpy(work, name, len + 1);

    unsigned n = 0;
    for (char* word = std::strtok(work, "."); word != nullptr; word = std::strtok(nullptr, ".")) {
        const uint8_t id = get_dict_id(word);
        if (id == 0 || n == count) return 0;
        ids[n++] = static_cast<char>(id);
    }
    ids[n] = '\0';
    return n;
}
