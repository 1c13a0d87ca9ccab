#pragma once
// Printers of the values that recur in many structures: OtherInformation lists, diagnostic records,
// string-or-numeric values, units and permissions.

#include <cstdint>
#include <cstdio>

#include "toolkit/api/kiv_forward.h"
#include "toolkit/api/kiv_owning.h"

// An absent list prints "NULL\n" and an empty line; otherwise each item followed by a line end, then a line
// end.
void KivPrintOtherInformationList(std::FILE* file, const KivArray<KivOtherInformation>& ppsOtherInformation);
void KivPrintOtherInformation(std::FILE* file, const KivOtherInformation* psOtherInformation);

void KivPrintDiagRec(std::FILE* file, const KivDiagRec* psDiagRec);
void KivPrintDefaultDiagFormat(std::FILE* file, const KivDefaultDiagFormat* psDefault);
// Each record after a line end, then a line end; an absent list prints only the final line end.
void KivPrintDiagRecList(std::FILE* file, const KivArray<KivDiagRec>& ppsDiagRecs);

void KivPrintStringOrNumeric(std::FILE* file, const KivStringOrNumeric* psStringOrNumeric);
void KivPrintNamedStringOrNumeric(std::FILE* file, const char* label,
                                  const KivStringOrNumeric* psStringOrNumeric);
void KivPrintIntUnit(std::FILE* file, const KivIntUnit* psIntUnit);
void KivPrintNamedIntUnit(std::FILE* file, const char* label, const KivIntUnit* psIntUnit);
// The four members of a KivUnit, one line each.
void KivPrintUnit(std::FILE* file, const KivInternationalString* psUnitSystem,
                  const KivStringOrNumeric* psUnitType, const KivStringOrNumeric* psUnit,
                  const uint32_t* pulScaleFactor);

// The extended-services permissions: each user and the functions allowed to it.
void KivPrintPermissionsList(std::FILE* file, const KivArray<KivPermissions>& ppsPermissions);

namespace trace {

// The tabbed eInformationType line of an OtherInformation item and the line of the member it selects.
void printInformationMember(std::FILE* file, const KivOtherInformation& item);

// The diagnostic list, or "NULL\n" when it is absent.
void printDiagRecListOrNull(std::FILE* file, const KivArray<KivDiagRec>& ppsDiagRecs);

}  // namespace trace
