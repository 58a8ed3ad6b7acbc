// The one line the user is typing: a cursor, insert or overwrite mode, and
// result bits that tell the caller when the wrapped height may change.
#pragma once

constexpr unsigned kLineMax = 4096;

// Result bits of the editing operations; 0 means nothing happened.
enum {
    LE_CURSOR = 1,  // the cursor index changed
    LE_TEXT = 2,    // characters at or after the cursor were replaced or shifted
    LE_LENGTH = 4,  // the line length changed
};

char* LE_Line();
unsigned LE_Len();
unsigned LE_Pos();
int LE_IsEnd();
int LE_IsIns();
int LE_SetIns(int ins);

// 1 when the cursor moved, else 0.
int LE_Left();
int LE_Right();
int LE_Start();
int LE_End();

// Result bits.
int LE_PutChr(int c);
int LE_PutStr(const char* s);
int LE_Backspace();
int LE_Delete();
int LE_Clear();
