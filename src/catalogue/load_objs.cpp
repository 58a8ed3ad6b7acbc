// Reading one element-set file into the satellite list, its format chosen by
// content: comma-separated first, then two-line and three-line sets.
#include "catalogue/load_objs.h"

#include "catalogue/CsvFile.h"
#include "catalogue/TleFile.h"

// Loads the file and hands the first reader that takes its text to read.
template <class Read>
static int s_load(const std::string& path, Read read)
{
    TextFile text;
    const int code = text.Load(path);
    if (code != 0) return code;
    CsvFile csv(&text);
    if (csv.m_valid) return read(csv);
    TleFile tle(&text);
    if (tle.m_valid) return read(tle);
    return 0;
}

int load_objs(CObjects& list, const std::string& path)
{
    return s_load(path, [&](ElementsFile& reader) { return reader.ReadObjects(list); });
}

int load_objs(CObjects& list, const std::string& path, std::vector<uint32_t>& catnums,
              std::vector<std::string>& names)
{
    return s_load(path, [&](ElementsFile& reader) { return reader.ReadObjects(list, catnums, names); });
}
