// The object list: which element-set files to read and which satellites to
// take from each, in the line-based or the braced-group version.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/CMemFile.h"

class CObjects;

class ManagerFile {
public:
    CMemFile m_file;
    std::vector<uint32_t> m_catnums;   // the current selection
    std::vector<std::string> m_names;  // name patterns of the current selection
    CObjects* m_objs = nullptr;        // not owned
    std::string m_path;                // the element-set file to load next
    uint32_t m_dirLen = 0;             // directory part of m_path in a directory group
    char m_token[512] = {};            // the word read last

    // 0 read; the open codes 1, 2, 6, 7; -1 a brace where a word belongs.
    int Load(CObjects& list, const char* path);

    int Version();
    int ReadV1();
    int ReadV2();
    // 0 at the closing star line, -1 when the text ends first.
    int ReadSearchIdents();

    // 0 end of text, 1 a word in m_token, 2 an opening brace, 3 a closing one.
    int ReadToken();
    int SeekToken();
    int PeekToken();
    // The catalogue number a group word stands for, or 0 when it is a pattern.
    unsigned CatId(const char* word);

    // 0 when the group's closing brace was read, else -1.
    int SkipGroup();
    int ReadFileGroup();
    int ReadDirGroup();
    // Loads m_path with the selection, if any, and empties it.
    int LoadObjects();

private:
    bool m_tokenCut = false;  // the last word did not fit m_token: it names nothing
    int tokenKind(bool consume);
};
