#pragma once
// Table files: the text format of the control files. A record is values separated by ',' and ended
// by ';'; a value is a quoted string, a word, an integer, a real or '*'; comments run from '/' to "*/".
// Handles, tokens and texts are counted memory (module tag "TBL"); texts handed out are freed with ErrFree.

#include <cstdint>
#include <cstdio>

#include "toolkit/util/sl_list.h"

enum TblTokenType : int32_t {
    TblTokenSeparator = 0,  // ','
    TblTokenRecordEnd = 1,  // ';'
    TblTokenEndOfFile = 2,
    TblTokenString = 3,
    TblTokenWord = 4,
    TblTokenInteger = 5,
    TblTokenReal = 6,
    TblTokenComment = 7,  // written only; the reader skips comments
    TblTokenStar = 8,
    TblTokenInvalid = 9,
};

enum TblFieldType : int32_t {
    TblFieldString = 0,
    TblFieldWord = 1,
    TblFieldInteger = 2,
    TblFieldReal = 3,
    TblFieldComment = 4,  // TblPutField only
    TblFieldStar = 5,
};

union TblValue {
    char* text;  // NUL-terminated: strings, words, comments
    int32_t integer;
    double real;
};

struct TblToken {
    int32_t type;  // TblTokenType
    TblValue value;
};

// The caller's field record of TblGetField and TblPutField.
struct TblField {
    int32_t type;  // TblFieldType
    TblValue value;
};

struct TblFile {
    SlList* tokens;  // values of the record being read or written, in file order
    FILE* file;
    int pendingOctet;  // the octet put back for the next token, or EOF
};

enum TblOpenMode : int { TblRead = 0, TblWrite = 1, TblAppend = 2 };

// Opens the file as "r", "w" or "a"; NULL when it cannot be opened. Another mode is fatal "Invalid mode".
TblFile* TblOpen(const char* path, int mode);
// Closes the file and frees the handle with every queued value (queued values are not written).
void TblClose(TblFile* table);
// 1 with the values of one complete record queued; 0 at end of file and at an empty or malformed record.
int TblReadRecord(TblFile* table);
// 1 with the next queued value moved into out (texts are the caller's); 0 when no value is left.
int TblGetField(TblFile* table, TblField* out);
// 1 after queueing a copy of the field for writing; 0 for a field type outside 0-5.
int TblPutField(TblFile* table, const TblField* field);
// 1 after writing the queued values as one record and emptying the queue; 0 when nothing is queued
// or the file refuses the write.
int TblWriteRecord(TblFile* table);
// The next token of the file, always a new token (also for separators, end of file and invalid input).
TblToken* TblReadToken(TblFile* table);
// Reads one token: 1 with a value queued; any other token is freed and gives 0.
int TblReadValue(TblFile* table);
// Frees every value still queued.
void TblClearRecord(TblFile* table);
// Frees the token and its text; null does nothing.
void TblFreeToken(TblToken* token);
// Writes text into out as a quoted-string token, within size octets: whole doubled quotes only.
void TblQuote(const char* text, char* out, int32_t size);
// Undoes TblQuote within size octets; a text that does not begin with '"' is copied unchanged.
void TblUnquote(const char* text, char* out, int32_t size);
