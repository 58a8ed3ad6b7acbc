// Reading one element-set file into the satellite list, its format chosen by
// content: comma-separated first, then two-line and three-line sets.
#include "catalogue/load_objs.h"

#include "catalogue/CsvFile.h"
#include "catalogue/TleFile.h"

int load_objs(CObjects& list, const std::string& path) {
    TextFile text;
    const int code = text.Load(path);
    if (code != 0)
        return code;
    CsvFile csv(&text);
    if (csv.m_valid)
        return csv.ReadObjects(list);
    TleFile tle(&text);
    if (tle.m_valid)
        return tle.ReadObjects(list);
    return 0;
}

int load_objs(CObjects& list, const std::string& path, std::vector<uint32_t>& catnums,
              std::vector<std::string>& names) {
    TextFile text;
    const int code = text.Load(path);
    if (code != 0)
        return code;
    CsvFile csv(&text);
    if (csv.m_valid)
        return csv.ReadObjects(list, catnums, names);
    TleFile tle(&text);
    if (tle.m_valid)
        return tle.ReadObjects(list, catnums, names);
    return 0;
}
