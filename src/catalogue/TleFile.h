// Reader of two-line and three-line element sets: recognises the form by the
// first set and reads the sets column by column, checksums included.
#pragma once

#include "catalogue/ElementsFile.h"
#include "catalogue/StrView.h"

class TleFile : public ElementsFile {
public:
    StrView m_line;  // the line read last, trimmed
    StrView m_name;  // name line of the current set, or empty
    StrView m_line1;
    StrView m_line2;

    TleFile() = default;
    explicit TleFile(TextFile* file);
    ~TleFile() override;

    bool Validate() override;
    bool ReadFirstElements(OrbitalElements_t& rec) override;
    bool ReadNextElements(OrbitalElements_t& rec) override;

    uint32_t ReadLine();
    // 0 a set was read; 1 end of text; 2 line 1 not 69 characters; 3 line 1
    // checksum; 4 line 2 not 69 characters; 5 line 2 checksum.
    int ReadLines();
    static bool IsChecksum(StrView line);
    StrView GetStr(int field) const;
    bool GetDecAssumed(int field, double& out) const;
    bool GetCatId(unsigned& out) const;
    bool ReadElements(OrbitalElements_t& rec) const;
};
