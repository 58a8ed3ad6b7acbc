// A whole element-set file in memory with a read cursor; lines and cells are
// handed out as views into its buffer, never copied.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/StrView.h"

class TextFile {
public:
    std::vector<char> m_data;
    uint32_t m_size = 0;
    uint32_t m_pos = 0;

    // 0 loaded, 1 cannot open, 2 read failed, 5 size unknown or 2 GiB or more.
    int Load(const std::string& path);

    // The line at the cursor with its line end (LF, CR or CR LF); empty at the end.
    StrView ReadLine();
    // The line at the cursor without its line end; returns its length.
    uint32_t ReadLine(StrView& line);

    bool SeekSet(uint32_t offset);
    bool SeekCur(long n);
    bool SeekEnd(unsigned n);
    bool SeekNextEOL();
    bool SeekNextLine();
    bool SeekNext(char c);
    bool SeekNext(char c, unsigned limit);
    bool SeekPrevEOL();
    void SeekPrevLine();

    unsigned Read(std::string& out, unsigned n);
    unsigned ReadUntil(std::string& out, unsigned offset);
    unsigned ReadUntil(std::string& out, char c);
    unsigned ReadUntil(std::string& out, unsigned offset, char c);

private:
    bool isEol(uint32_t at) const { return m_data[at] == '\n' || m_data[at] == '\r'; }
    uint32_t eolLength(uint32_t at) const;
    uint32_t lineStart(uint32_t at) const;
    unsigned copyTo(std::string& out, uint32_t to);
};
