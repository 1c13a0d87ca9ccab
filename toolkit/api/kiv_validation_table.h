#pragma once
// Reading one table-file record with a report for a record that breaks off after a separator.

#include "toolkit/util/si_error.h"
#include "toolkit/util/table_file.h"

// Drops the values still queued and reads one record, queueing its values for TblGetField. 1 for a whole
// record. 0 without a report when no value starts the record or the first value is followed by neither
// ',' nor ';'. 0 with error 103 "There is an error in the file" (association 0, SI_Interface_Error,
// Association_Closed, stored through out) when a ',' is followed by no value, or a later value by neither
// ',' nor ';'.
int KivCheckTblRecord(TblFile* table, SIError** out);
