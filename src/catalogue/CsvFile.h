// Reader of comma-separated element sets: a header row whose first cell is
// OBJECT_NAME, then one set per row of 17 cells in the OMM column order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/ElementsFile.h"
#include "catalogue/StrView.h"

class CsvFile : public ElementsFile {
public:
    uint32_t m_dataStart = 0;       // first row after the header
    std::vector<StrView> m_fields;  // cells of the row read last

    CsvFile() = default;
    explicit CsvFile(TextFile* file);
    ~CsvFile() override;

    bool Validate() override;
    bool ReadFirstElements(OrbitalElements_t& rec) override;
    bool ReadNextElements(OrbitalElements_t& rec) override;

    // True when the next row has exactly 17 cells.
    bool ReadSeparatedValues();
    bool GetElements(OrbitalElements_t& rec);
    bool GetEpoch(OrbitalElements_t& rec);
    bool GetStr(int cell, std::string& out);
    bool GetChar(int cell, char& out);
    bool GetUInt(int cell, unsigned& out);
    bool GetInt(int cell, int& out);
    bool GetDouble(int cell, double& out);
};
