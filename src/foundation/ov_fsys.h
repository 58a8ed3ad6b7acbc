// The file system as the rest of the program sees it: what a path names,
// a file's size, the user's folders and making chains of directories.
#pragma once

#include <cstdint>

// Room every folder buffer handed to this module must have, terminator
// included; longer results are refused rather than cut.
constexpr int kFsysPathMax = 260;

// 0 nothing usable there (missing, not reachable, or neither a regular file
// nor a directory), 1 a regular file, 2 a directory.
int fsys_type(const char* path);
int fsys_isDir(const char* path);
int fsys_exist(const char* path);
// 0 and the size (all bits set from 4 GiB up), or 6 with size untouched.
int fsys_size(const char* path, uint32_t* size);

// 1 and the folder in dst (no trailing separator for the user folders), or 0
// with dst untouched.
int fsys_getHomePath(char* dst);
int fsys_getDocumentsPath(char* dst);
// The user's application-data folder followed by name1 and name2 (each may be
// null), created with every folder above it; 0, or -1 with dst undefined, or
// kFsysTooLong when its name would not fit dst.
constexpr int kFsysTooLong = -2;
int fsys_getAppDataPath(char* dst, const char* name1, const char* name2);

// 0 when the directory exists afterwards, -1 otherwise.
int fsys_makeDir(const char* path);
int fsys_makePath(const char* path);

int fsys_file_count();
