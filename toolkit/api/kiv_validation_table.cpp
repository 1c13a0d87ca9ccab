#include "toolkit/api/kiv_validation_table.h"

namespace {

TblTokenType readTokenType(TblFile* table) {
    TblToken* token = TblReadToken(table);
    auto type = static_cast<TblTokenType>(token->type);
    TblFreeToken(token);
    return type;
}

int reportFileError(SIError** out) {
    SIReportError(0, SI_Interface_Error, 0, 103, "There is an error in the file", 0, Association_Closed, out);
    return 0;
}

}  // namespace

int KivCheckTblRecord(TblFile* table, SIError** out) {
    TblClearRecord(table);
    if (TblReadValue(table) == 0) return 0;
    TblTokenType type = readTokenType(table);
    if (type == TblTokenRecordEnd) return 1;
    if (type != TblTokenSeparator) return 0;
    for (;;) {
        if (TblReadValue(table) == 0) return reportFileError(out);
        type = readTokenType(table);
        if (type == TblTokenRecordEnd) return 1;
        if (type != TblTokenSeparator) return reportFileError(out);
    }
}
