#pragma once
// Conversion of SQL result sets (content type 22, AT_SQLResult, under 1.2.840.10003.5.111) between the
// programming interface's KivSQLResult and the codec's SQLResultRecord.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}; a result nested deeper than kKivMaxSQLResultDepth (kiv_sql_result_depth.h) fails
// the same way. Towards the codec the result has been validated: a selector or enumeration out of range
// gives the codec's first alternative or value 0, and a missing compulsory member is left absent rather than
// followed.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// src->uASN1.psSQLResult becomes a new SQLResultRecord, the value of dst; a missing result stores nothing.
void KivSQLResultToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 22 and a new KivSQLResult from the SQLResultRecord value of src. A choice the codec type does
// not have gives the selector -1 (a constraint's stays 0) and no member.
void KivSQLResultFromCodec(KivSingleASN1Type* dst, const BerAny* src);
