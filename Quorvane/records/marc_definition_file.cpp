#include "Quorvane/records/marc_definition_file.h"

#include "Quorvane/config/control_values.h"
#include "toolkit/util/str_case.h"

std::string MissingMessage(std::string_view what, std::string_view fileName) {
    return "Missing " + std::string(what) + " in file " + std::string(fileName);
}

std::string ReadMarcRawColumn(TblFile* file, std::string_view fileName) {
    return ReadControlToken(file, MissingMessage("raw field", fileName), true).value_or("");
}

bool ReadMarcFlag(TblFile* file, const std::string& message) {
    return StrCaseCompare(ReadControlWord(file, message, true).value_or(""), "TRUE") == 0;
}

MarcLeaderDef ReadMarcLeaderDef(TblFile* file, std::string_view fileName) {
    MarcLeaderDef leader;
    leader.field = ReadControlToken(file, MissingMessage("leader field", fileName), true).value_or("");
    leader.fromColumn = ReadMarcFlag(file, MissingMessage("bool", fileName));
    leader.routine = ReadControlToken(file, MissingMessage("leader routine", fileName), true).value_or("");
    return leader;
}
