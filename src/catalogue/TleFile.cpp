// Reader of two-line and three-line element sets: recognises the form by the
// first set and reads the sets column by column, checksums included.
#include "catalogue/TleFile.h"

#include <string>

#include "orbit/Tle.h"
#include "orbit/ov_obj.h"

namespace {

constexpr uint32_t kLineLen = 69;
constexpr uint32_t kMaxNameLen = 26;  // a longer first line is taken as line 1

// line, offset, length, field number
const int32_t s_inf[19][4] = {
    {1, 2, 5, 0},   {1, 7, 1, 1},    {1, 9, 8, 2},   {1, 18, 2, 3},  {1, 20, 12, 4},
    {1, 33, 10, 5}, {1, 44, 8, 6},   {1, 53, 8, 7},  {1, 62, 1, 8},  {1, 64, 4, 9},
    {1, 68, 1, 10}, {2, 8, 8, 11},   {2, 17, 8, 12}, {2, 26, 7, 13}, {2, 34, 8, 14},
    {2, 43, 8, 15}, {2, 52, 11, 16}, {2, 63, 5, 17}, {2, 68, 1, 18},
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One optional plus, at least one digit, within 32 bits; a minus fails.
bool toUnsigned(StrView v, uint32_t& out) { return StrView::toui(v, out, 10); }

}  // namespace

TleFile::TleFile(TextFile* file) { SetFile(file); }

TleFile::~TleFile() = default;

uint32_t TleFile::ReadLine()
{
    m_file->ReadLine(m_line);
    m_line = m_line.trim();
    return m_line.len;
}

int TleFile::ReadLines()
{
    if (m_file->m_pos >= m_file->m_size) return 1;
    // Blank lines before a set are passed over.
    while (ReadLine() == 0)
        if (m_file->m_pos >= m_file->m_size) return 1;
    if (m_line.len <= kMaxNameLen) {
        m_name = m_line;
        if (m_name.len >= 2 && m_name.ptr[0] == '0' && m_name.ptr[1] == ' ') {
            m_name.ptr += 2;
            m_name.len -= 2;
        }
        ReadLine();
    }
    else {
        m_name = StrView();
    }
    if (m_line.len != kLineLen) return 2;
    if (!IsChecksum(m_line)) return 3;
    m_line1 = m_line;
    if (ReadLine() != kLineLen) return 4;
    if (!IsChecksum(m_line)) return 5;
    m_line2 = m_line;
    return 0;
}

bool TleFile::IsChecksum(StrView line)
{
    if (line.len < kLineLen) return false;
    int sum = 0;
    for (uint32_t i = 0; i < kLineLen - 1; ++i) {
        const char c = line.ptr[i];
        if (isDigit(c))
            sum += c - '0';
        else if (c == '-')
            sum += 1;
    }
    return line.ptr[kLineLen - 1] == char('0' + sum % 10);
}

StrView TleFile::GetStr(int field) const
{
    const int32_t* row = s_inf[field];
    const StrView& line = row[0] == 1 ? m_line1 : m_line2;
    StrView v;
    const uint32_t off = uint32_t(row[1]);
    if (off >= line.len) return v;
    v.ptr = line.ptr + off;
    v.len = line.len - off < uint32_t(row[2]) ? line.len - off : uint32_t(row[2]);
    return v.trim();
}

bool TleFile::GetDecAssumed(int field, double& out) const
{
    const StrView v = GetStr(field);
    if (v.len == 0) return false;
    std::string s(v.ptr, v.len);
    // The point stands after the sign, or in front; an exponent sign gets an E.
    s.insert((s[0] == '+' || s[0] == '-') ? 1 : 0, 1, '.');
    const size_t sign = s.size() - 2;
    if (s[sign] == '+' || s[sign] == '-') s.insert(sign, 1, 'E');
    StrView text;
    text.ptr = s.data();
    text.len = uint32_t(s.size());
    return StrView::tod(text, out);
}

bool TleFile::GetCatId(unsigned& out) const
{
    StrView v = GetStr(0);
    if (v.len == 0) return false;
    uint32_t prefix = 0;
    const char c = v.ptr[0];
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (letter) {
        prefix = uint32_t(orbit::Tle::Alpha5Value(c)) * 10000u;
        ++v.ptr;
        --v.len;
    }
    unsigned digits = 0;
    if (StrView::toui(v, digits, 10)) {
        out = prefix + digits;
        return out != 0;
    }
    out = prefix;
    return letter;
}

bool TleFile::ReadElements(OrbitalElements_t& rec) const
{
    if (!GetCatId(rec.catnum)) return false;
    rec.classification = m_line1.ptr[7];
    const StrView intl = GetStr(2);
    rec.intlDesignator.assign(intl.ptr ? intl.ptr : "", intl.len);
    int y = 0;
    if (!StrView::toi(GetStr(3), y)) return false;
    rec.year = y < 57 ? 2000 + y : 1900 + y;
    if (!StrView::tod(GetStr(4), rec.dayOfYear)) return false;
    rec.epochIsDayOfYear = true;
    if (!StrView::tod(GetStr(5), rec.meanMotionDot2)) return false;
    if (!GetDecAssumed(6, rec.meanMotionDdot6)) return false;
    if (!GetDecAssumed(7, rec.bstar)) return false;
    uint32_t u = 0;
    if (!toUnsigned(GetStr(8), u)) return false;
    rec.ephemerisType = int32_t(u);
    if (!toUnsigned(GetStr(9), u)) return false;
    rec.elementSetNo = int32_t(u);
    if (!StrView::tod(GetStr(11), rec.inclination)) return false;
    if (!StrView::tod(GetStr(12), rec.raan)) return false;
    if (!GetDecAssumed(13, rec.eccentricity)) return false;
    if (!StrView::tod(GetStr(14), rec.argPerigee)) return false;
    if (!StrView::tod(GetStr(15), rec.meanAnomaly)) return false;
    if (!StrView::tod(GetStr(16), rec.meanMotion)) return false;
    return toUnsigned(GetStr(17), rec.revNumber);
}

bool TleFile::Validate()
{
    m_file->SeekSet(0);
    return ReadLines() == 0;
}

bool TleFile::ReadFirstElements(OrbitalElements_t& rec)
{
    m_file->SeekSet(0);
    return ReadNextElements(rec);
}

bool TleFile::ReadNextElements(OrbitalElements_t& rec)
{
    if (ReadLines() != 0) return false;
    // A two-line set is named by its catalogue-number field as written.
    const StrView name = m_name.len > 0 ? m_name : GetStr(0);
    if (name.len == 0) return false;
    rec.name.assign(name.ptr, name.len);
    return ReadElements(rec);
}
