#pragma once
// The GRS-1 record builder: the tagged-element tree of one fetched record, shaped by its genericdef.tblx
// block.

#include "Quorvane/protocol/record_size_check.h"
#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "toolkit/api/kiv_generic_record.h"

// Builds the record of the cache entry for the session's current database (the association's full/brief
// choice, the columns its present statements select and the configured conversion) from the first row of
// its fields (grouped by row number), after the size check (CheckRecordSize) with the prepared length. The
// top level holds the elements whose parent id is that of the first prepared definition. 1 when built; 0,
// with the record untouched, when genericdef.tblx has no block for the database or the size check refused
// the record (the placement's size diagnostic is then set).
int BuildGenericRecord(PresentCacheEntry& entry, KivGenericRecord& record, SessionRecord& session,
                       RecordPlacement& placement);
