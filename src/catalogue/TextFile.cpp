// A whole element-set file in memory with a read cursor; lines and cells are
// handed out as views into its buffer, never copied.
#include "catalogue/TextFile.h"

#include <cstdio>

#include "foundation/ov_fio.h"
#include "foundation/ov_str.h"

int TextFile::Load(const std::string& path)
{
    // An object list may name a FIFO or a device, which std::fopen would
    // wait on for ever; fio_open opens regular files only, without waiting.
    FILE* f = fio_open(path.c_str(), "rb");
    if (!f) return 1;
    if (std::fseek(f, 0, SEEK_END) != 0) {
        std::fclose(f);
        return 5;
    }
    const long end = std::ftell(f);
    if (end < 0 || end > 0x7FFFFFFFL) {
        std::fclose(f);
        return 5;
    }
    const uint32_t size = uint32_t(end);
    std::vector<char> data(size);
    bool ok = std::fseek(f, 0, SEEK_SET) == 0;
    if (ok && size > 0) ok = std::fread(data.data(), 1, size, f) == size;
    std::fclose(f);
    if (!ok) return 2;
    // Both readers then see the text as if the mark were not there.
    const size_t mark = str_markLen(data.data(), data.size());
    data.erase(data.begin(), data.begin() + long(mark));
    m_data.swap(data);
    m_size = uint32_t(m_data.size());
    m_pos = 0;
    return 0;
}

uint32_t TextFile::eolLength(uint32_t at) const
{
    if (at >= m_size) return 0;
    if (m_data[at] == '\n') return 1;
    if (m_data[at] != '\r') return 0;
    return (at + 1 < m_size && m_data[at + 1] == '\n') ? 2 : 1;
}

StrView TextFile::ReadLine()
{
    StrView v;
    v.ptr = m_data.data() + m_pos;
    uint32_t p = m_pos;
    while (p < m_size && !isEol(p)) ++p;
    p += eolLength(p);
    v.len = p - m_pos;
    m_pos = p;
    return v;
}

uint32_t TextFile::ReadLine(StrView& line)
{
    line.ptr = m_data.data() + m_pos;
    uint32_t p = m_pos;
    while (p < m_size && !isEol(p)) ++p;
    line.len = p - m_pos;
    m_pos = p + eolLength(p);
    return line.len;
}

bool TextFile::SeekSet(uint32_t offset)
{
    if (offset > m_size) return false;
    m_pos = offset;
    return true;
}

bool TextFile::SeekCur(long n)
{
    const long long to = (long long)m_pos + n;
    if (to < 0 || to > (long long)m_size) return false;
    m_pos = uint32_t(to);
    return true;
}

bool TextFile::SeekEnd(unsigned n)
{
    if (n > m_size) return false;
    m_pos = m_size - n;
    return true;
}

bool TextFile::SeekNextEOL()
{
    while (m_pos < m_size && !isEol(m_pos)) ++m_pos;
    return m_pos < m_size;
}

bool TextFile::SeekNextLine()
{
    SeekNextEOL();
    const uint32_t n = eolLength(m_pos);
    m_pos += n;
    return n > 0;
}

bool TextFile::SeekNext(char c) { return SeekNext(c, m_size); }

bool TextFile::SeekNext(char c, unsigned limit)
{
    const uint32_t bound = limit < m_size ? limit : m_size;
    while (m_pos < bound && m_data[m_pos] != c) ++m_pos;
    // A cursor already past the bound stays where it is.
    return m_pos < bound;
}

bool TextFile::SeekPrevEOL()
{
    if (m_pos == 0) return false;
    uint32_t p = m_pos;
    while (p > 0 && !isEol(p - 1)) --p;
    if (p == 0) {
        m_pos = 0;
        return false;
    }
    --p;
    if (m_data[p] == '\n' && p > 0 && m_data[p - 1] == '\r') --p;
    m_pos = p;
    return true;
}

// Start of the line that holds offset at; a line end belongs to the line it
// ends, the LF of a CR LF pair included.
uint32_t TextFile::lineStart(uint32_t at) const
{
    if (at < m_size && at > 0 && m_data[at] == '\n' && m_data[at - 1] == '\r') --at;
    while (at > 0 && !isEol(at - 1)) --at;
    return at;
}

void TextFile::SeekPrevLine()
{
    const uint32_t start = lineStart(m_pos);
    if (start == 0) {
        m_pos = 0;
        return;
    }
    // Step back over the line end before this line (CR LF is one) and find
    // where that line begins.
    uint32_t p = start - 1;
    if (m_data[p] == '\n' && p > 0 && m_data[p - 1] == '\r') --p;
    m_pos = lineStart(p);
}

unsigned TextFile::copyTo(std::string& out, uint32_t to)
{
    if (to > m_size) to = m_size;
    if (to < m_pos) to = m_pos;
    out.assign(m_data.data() + m_pos, to - m_pos);
    const unsigned n = to - m_pos;
    m_pos = to;
    return n;
}

unsigned TextFile::Read(std::string& out, unsigned n)
{
    const uint32_t left = m_size - m_pos;
    return copyTo(out, m_pos + (n < left ? n : left));
}

unsigned TextFile::ReadUntil(std::string& out, unsigned offset) { return copyTo(out, offset); }

unsigned TextFile::ReadUntil(std::string& out, char c) { return ReadUntil(out, m_size, c); }

unsigned TextFile::ReadUntil(std::string& out, unsigned offset, char c)
{
    const uint32_t bound = offset < m_size ? offset : m_size;
    uint32_t p = m_pos;
    while (p < bound && m_data[p] != c) ++p;
    return copyTo(out, p);
}
