#pragma once
// Present control files (present.full, present.brief and the files recordformats.tblx names): blocks of SQL
// statements that fetch the fields of one record, per database.
//
//   #BOOKS SERIALS#                       opens a block for the databases (names upper-cased)
//   SELECT ... WHERE TITLE_NO = XXXXX;    one statement, every character up to its ';' (line ends kept)
//
// Text after the last ';' of a block (before the next '#' or the end of the file) is one more statement
// when it holds a letter or a digit, and is dropped otherwise. A block listing DEFAULT serves every
// database without a block of its own.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "Quorvane/config/control_file.h"

struct PresentBlock {
    std::vector<std::string> databases;  // upper-cased
    std::vector<std::string> statements;
};

// The database names of one list, read from just after its opening '#' up to its closing '#'; closed is
// false when the file ended first.
struct PresentDatabaseList {
    std::vector<std::string> names;
    bool closed = false;
};
PresentDatabaseList ReadDatabaseList(std::FILE* file);

// The blocks of the open file, in file order. Every statement is also appended to
// diaginfo.txt. Text before the first '#' that holds a letter or a digit is logged as "Statements outside a
// database block in file <name> are ignored"; a database list that the end of the file leaves open is
// logged as "Database list not closed by '#' in file <name>" and noted as a configuration problem (its
// block is kept, without statements).
std::vector<PresentBlock> ReadPresentFile(std::FILE* file, std::string_view fileName);

// ReadPresentFile of the file at path; absent when it cannot be opened.
DefinitionBlocks<PresentBlock> LoadPresentFile(const std::string& path);
