// Reader of comma-separated element sets: a header row whose first cell is
// OBJECT_NAME, then one set per row of 17 cells in the OMM column order.
#include "catalogue/CsvFile.h"

#include <cstring>

#include "orbit/ov_obj.h"

namespace {

constexpr size_t kCells = 17;
constexpr char kHeader[] = "OBJECT_NAME";
constexpr uint32_t kMinEpochLen = 21;  // yyyy-mm-ddThh:mm:ss. and one digit

StrView sub(StrView v, uint32_t off, uint32_t len)
{
    StrView s;
    s.ptr = v.ptr + off;
    s.len = len;
    return s;
}

// A date or time part. The conversion skips leading blanks, so a
// two-character part led by a blank is its second character alone.
bool toPart(StrView v, uint32_t off, uint32_t len, int& out) { return StrView::toi(sub(v, off, len), out); }

}  // namespace

CsvFile::CsvFile(TextFile* file) { SetFile(file); }

CsvFile::~CsvFile() = default;

bool CsvFile::ReadSeparatedValues()
{
    // No quoting and no trimming: cells are the text between commas, the
    // line end staying in the last one.
    const StrView line = m_file->ReadLine();
    m_fields.clear();
    StrView cell;
    cell.ptr = line.ptr;
    for (uint32_t i = 0; i < line.len; ++i) {
        if (line.ptr[i] != ',') continue;
        cell.len = uint32_t(line.ptr + i - cell.ptr);
        m_fields.push_back(cell);
        cell.ptr = line.ptr + i + 1;
    }
    cell.len = uint32_t(line.ptr + line.len - cell.ptr);
    m_fields.push_back(cell);
    return m_fields.size() == kCells;
}

bool CsvFile::Validate()
{
    m_file->SeekSet(0);
    if (!ReadSeparatedValues()) return false;
    const StrView first = m_fields[0];
    if (first.len != sizeof kHeader - 1 || std::memcmp(first.ptr, kHeader, first.len) != 0) return false;
    m_dataStart = m_file->m_pos;
    return true;
}

bool CsvFile::ReadFirstElements(OrbitalElements_t& rec)
{
    m_file->SeekSet(m_dataStart);
    return ReadNextElements(rec);
}

bool CsvFile::ReadNextElements(OrbitalElements_t& rec) { return ReadSeparatedValues() && GetElements(rec); }

bool CsvFile::GetStr(int cell, std::string& out)
{
    const StrView v = m_fields[size_t(cell)].trim();
    out.assign(v.ptr, v.len);
    return v.len > 0;
}

bool CsvFile::GetChar(int cell, char& out)
{
    const StrView v = m_fields[size_t(cell)].trim();
    if (v.len == 0) return false;
    out = v.ptr[0];
    return true;
}

bool CsvFile::GetUInt(int cell, unsigned& out) { return StrView::toui(m_fields[size_t(cell)], out, 10); }

bool CsvFile::GetInt(int cell, int& out) { return StrView::toi(m_fields[size_t(cell)], out); }

bool CsvFile::GetDouble(int cell, double& out) { return StrView::tod(m_fields[size_t(cell)], out); }

bool CsvFile::GetEpoch(OrbitalElements_t& rec)
{
    const StrView t = m_fields[2].trim();
    if (t.len < kMinEpochLen) return false;
    // The separators between the parts are not examined.
    if (!toPart(t, 0, 4, rec.year) || !toPart(t, 5, 2, rec.month) || !toPart(t, 8, 2, rec.day) ||
        !toPart(t, 11, 2, rec.hour) || !toPart(t, 14, 2, rec.minute) || !toPart(t, 17, 2, rec.second))
        return false;
    // The fraction's digits are taken as microseconds as they stand.
    if (!StrView::toi(sub(t, 20, t.len - 20), rec.microsecond)) return false;
    rec.epochIsDayOfYear = false;
    return true;
}

bool CsvFile::GetElements(OrbitalElements_t& rec)
{
    unsigned u = 0;
    if (!GetStr(0, rec.name) || !GetStr(1, rec.intlDesignator) || !GetEpoch(rec)) return false;
    if (!GetDouble(3, rec.meanMotion) || !GetDouble(4, rec.eccentricity) || !GetDouble(5, rec.inclination) ||
        !GetDouble(6, rec.raan) || !GetDouble(7, rec.argPerigee) || !GetDouble(8, rec.meanAnomaly))
        return false;
    if (!GetUInt(9, u)) return false;
    rec.ephemerisType = int32_t(u);
    if (!GetChar(10, rec.classification) || !GetUInt(11, rec.catnum)) return false;
    if (!GetUInt(12, u)) return false;
    rec.elementSetNo = int32_t(u);
    return GetUInt(13, rec.revNumber) && GetDouble(14, rec.bstar) && GetDouble(15, rec.meanMotionDot2) &&
           GetDouble(16, rec.meanMotionDdot6);
}
