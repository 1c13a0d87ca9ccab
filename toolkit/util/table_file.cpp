#include "toolkit/util/table_file.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "toolkit/util/err_report.h"
#include "toolkit/util/str_extract.h"
#include "toolkit/util/str_text.h"

namespace {

constexpr const char* kTag = "TBL";

// Octet classes of a read result; EOF belongs to none.
bool isWhite(int c) {
    return c != EOF && octet::isWhite(static_cast<char>(c));
}
bool isDigit(int c) {
    return c != EOF && octet::isDigit(static_cast<char>(c));
}
bool isLetter(int c) {
    return c != EOF && octet::isLetter(static_cast<char>(c));
}

int readOctet(TblFile* table) {
    int c = table->pendingOctet;
    if (c != EOF) {
        table->pendingOctet = EOF;
        return c;
    }
    return std::getc(table->file);
}

// One octet of look-back kept in the handle: every octet value can be put back.
void putBack(TblFile* table, int c) {
    table->pendingOctet = c;
}

TblToken* newToken(int32_t type) {
    auto* token = static_cast<TblToken*>(ErrAlloc(sizeof(TblToken), kTag));
    token->type = type;
    return token;
}

TblToken* textToken(int32_t type, std::string_view text) {
    char* copy = StrDup(text);
    try {
        TblToken* token = newToken(type);
        token->value.text = copy;
        return token;
    } catch (...) {
        ErrFree(copy);
        throw;
    }
}

bool hasText(int32_t tokenType) {
    return tokenType == TblTokenString || tokenType == TblTokenWord || tokenType == TblTokenComment;
}

bool isValue(int32_t tokenType) {
    return tokenType == TblTokenString || tokenType == TblTokenWord || tokenType == TblTokenInteger ||
           tokenType == TblTokenReal || tokenType == TblTokenStar;
}

void freeTokenDatum(void* token) {
    TblFreeToken(static_cast<TblToken*>(token));
}

// The octet after the opening '/' belongs to the comment, so "/*/" is a whole comment.
void skipComment(TblFile* table) {
    int c = readOctet(table);
    while (c != EOF) {
        if (c != '*') {
            c = readOctet(table);
            continue;
        }
        c = readOctet(table);
        if (c == '/') return;
    }
}

// A word runs to the next ',' or ';' and keeps every octet before it, blanks included.
TblToken* readWord(TblFile* table, int first) {
    std::string text(1, static_cast<char>(first));
    for (int c = readOctet(table); c != EOF; c = readOctet(table)) {
        if (c == ',' || c == ';') {
            putBack(table, c);
            break;
        }
        text += static_cast<char>(c);
    }
    return textToken(TblTokenWord, text);
}

TblToken* readQuoted(TblFile* table) {
    std::string text;
    for (int c = readOctet(table); c != EOF; c = readOctet(table)) {
        if (c != '"') {
            text += static_cast<char>(c);
            continue;
        }
        c = readOctet(table);
        if (c != '"') {
            putBack(table, c);
            break;
        }
        text += '"';
    }
    return textToken(TblTokenString, text);
}

int readDigits(TblFile* table, std::string& text) {
    int c = readOctet(table);
    for (; isDigit(c); c = readOctet(table)) text += static_cast<char>(c);
    return c;
}

// A signed decimal integer, or a real when a '.' follows its digits (7. is 7.0). An integer outside
// the signed 32-bit range is an invalid token.
TblToken* readNumber(TblFile* table, int first) {
    bool negative = first == '-';
    std::string digits;
    if (isDigit(first)) digits += static_cast<char>(first);
    int c = readDigits(table, digits);
    if (digits.empty()) {
        putBack(table, c);
        return newToken(TblTokenInvalid);
    }
    if (c != '.') {
        putBack(table, c);
        int64_t magnitude = 0;
        auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
        int64_t value = negative ? -magnitude : magnitude;
        if (error != std::errc() || value < std::numeric_limits<int32_t>::min() ||
            value > std::numeric_limits<int32_t>::max()) {
            return newToken(TblTokenInvalid);
        }
        TblToken* token = newToken(TblTokenInteger);
        token->value.integer = static_cast<int32_t>(value);
        return token;
    }
    digits += '.';
    putBack(table, readDigits(table, digits));
    double magnitude = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    TblToken* token = newToken(TblTokenReal);
    token->value.real = negative ? -magnitude : magnitude;
    return token;
}

// Appends text with each '"' doubled while the next whole unit fits in room octets.
void appendQuotedBody(std::string& out, const char* text, size_t room) {
    size_t used = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        size_t unit = *p == '"' ? 2 : 1;
        if (used + unit > room) return;
        out.append(unit, *p);
        used += unit;
    }
}

void appendFileForm(std::string& line, const TblToken* token) {
    switch (token->type) {
        case TblTokenString:
            line += '"';
            appendQuotedBody(line, token->value.text, std::string::npos);
            line += '"';
            return;
        case TblTokenWord:
            line += token->value.text;
            return;
        case TblTokenInteger:
            line += std::to_string(token->value.integer);
            return;
        case TblTokenReal:
            line += std::to_string(token->value.real);  // "%f": six decimals
            return;
        case TblTokenComment:
            line += "/*";
            line += token->value.text;
            line += "*/\n";
            return;
        case TblTokenStar:
            line += '*';
            return;
        default:
            ErrReport(ErrReportFatal, "Invalid field type", kTag);
    }
}

}  // namespace

TblFile* TblOpen(const char* path, int mode) {
    static constexpr const char* kModes[] = {"r", "w", "a"};
    if (mode < TblRead || mode > TblAppend) {
        ErrReport(ErrReportFatal, "Invalid mode", kTag);
        return nullptr;
    }
    FILE* file = std::fopen(path, kModes[mode]);
    if (file == nullptr) return nullptr;
    auto* table = static_cast<TblFile*>(ErrAlloc(sizeof(TblFile), kTag));
    table->tokens = SlCreate(freeTokenDatum);
    table->file = file;
    table->pendingOctet = EOF;
    return table;
}

void TblClose(TblFile* table) {
    if (table == nullptr) return;
    std::fclose(table->file);
    SlDestroy(table->tokens);
    ErrFree(table);
}

TblToken* TblReadToken(TblFile* table) {
    int c = readOctet(table);
    for (;;) {
        while (isWhite(c)) c = readOctet(table);
        if (c != '/') break;
        skipComment(table);
        c = readOctet(table);
    }
    if (c == '"') return readQuoted(table);
    if (isLetter(c)) return readWord(table, c);
    if (c == '+' || c == '-' || isDigit(c)) return readNumber(table, c);
    switch (c) {
        case ',':
            return newToken(TblTokenSeparator);
        case ';':
            return newToken(TblTokenRecordEnd);
        case EOF:
            return newToken(TblTokenEndOfFile);
        case '*':
            return newToken(TblTokenStar);
        default:
            return newToken(TblTokenInvalid);
    }
}

int TblReadValue(TblFile* table) {
    TblToken* token = TblReadToken(table);
    if (!isValue(token->type)) {
        TblFreeToken(token);
        return 0;
    }
    SlLast(table->tokens);
    try {
        SlInsertAfter(table->tokens, token);
    } catch (...) {
        TblFreeToken(token);
        throw;
    }
    return 1;
}

int TblReadRecord(TblFile* table) {
    TblClearRecord(table);
    if (TblReadValue(table) == 0) return 0;
    for (;;) {
        TblToken* token = TblReadToken(table);
        int32_t type = token->type;
        TblFreeToken(token);
        if (type == TblTokenRecordEnd) return 1;
        if (type != TblTokenSeparator || TblReadValue(table) == 0) return 0;
    }
}

int TblGetField(TblFile* table, TblField* out) {
    auto* token = static_cast<TblToken*>(SlPopFirst(table->tokens));
    if (token == nullptr) return 0;
    static constexpr int32_t kFieldOfToken[] = {
        -1,          -1, -1, TblFieldString, TblFieldWord, TblFieldInteger, TblFieldReal, TblFieldComment,
        TblFieldStar};
    out->type = kFieldOfToken[token->type];
    out->value = token->value;
    token->value.text = nullptr;  // the text now belongs to the caller
    TblFreeToken(token);
    return 1;
}

int TblPutField(TblFile* table, const TblField* field) {
    static constexpr int32_t kTokenOfField[] = {TblTokenString, TblTokenWord,    TblTokenInteger,
                                                TblTokenReal,   TblTokenComment, TblTokenStar};
    if (field->type < TblFieldString || field->type > TblFieldStar) return 0;
    int32_t type = kTokenOfField[field->type];
    TblToken* token;
    if (hasText(type)) {
        token = textToken(type, field->value.text != nullptr ? field->value.text : "");
    } else {
        token = newToken(type);
        token->value = field->value;
    }
    SlLast(table->tokens);
    try {
        SlInsertAfter(table->tokens, token);
    } catch (...) {
        TblFreeToken(token);
        throw;
    }
    return 1;
}

int TblWriteRecord(TblFile* table) {
    if (SlIsEmpty(table->tokens)) return 0;
    std::string line;
    bool afterComment = true;
    while (auto* token = static_cast<TblToken*>(SlPopFirst(table->tokens))) {
        if (!afterComment) line += ',';
        appendFileForm(line, token);
        afterComment = token->type == TblTokenComment;
        TblFreeToken(token);
    }
    line += ";\n";
    // Flushed per record so that a refused write is reported by the record that met it.
    bool written = std::fwrite(line.data(), 1, line.size(), table->file) == line.size();
    return written && std::fflush(table->file) == 0 ? 1 : 0;
}

void TblClearRecord(TblFile* table) {
    while (!SlIsEmpty(table->tokens)) SlDeleteFirst(table->tokens);
}

void TblFreeToken(TblToken* token) {
    if (token == nullptr) return;
    if (hasText(token->type)) ErrFree(token->value.text);
    ErrFree(token);
}

void TblQuote(const char* text, char* out, int32_t size) {
    if (size <= 0) return;
    if (size < 3) {
        out[0] = '\0';
        return;
    }
    std::string quoted(1, '"');
    appendQuotedBody(quoted, text, static_cast<size_t>(size) - 3);
    quoted += '"';
    std::memcpy(out, quoted.c_str(), quoted.size() + 1);
}

void TblUnquote(const char* text, char* out, int32_t size) {
    if (size <= 0) return;
    size_t limit = static_cast<size_t>(size) - 1;
    size_t length = 0;
    if (text[0] != '"') {
        length = std::min(std::strlen(text), limit);
        std::memcpy(out, text, length);
    } else {
        // The first '"' of each pair and every lone '"' are dropped.
        for (const char* p = text + 1; *p != '\0' && length < limit; ++p) {
            if (*p != '"') {
                out[length++] = *p;
            } else if (p[1] == '"') {
                out[length++] = '"';
                ++p;
            }
        }
    }
    out[length] = '\0';
}
