#include "Quorvane/records/grs1_record.h"

#include "Quorvane/protocol/record_size_check.h"
#include "Quorvane/records/field_value_conversion.h"
#include "Quorvane/records/grs1_definitions.h"
#include "Quorvane/records/grs1_elements.h"
#include "Quorvane/records/grs1_prepare.h"
#include "Quorvane/records/grs1_statement_columns.h"
#include "Quorvane/records/marc_rows.h"

int BuildGenericRecord(PresentCacheEntry& entry, KivGenericRecord& record, SessionRecord& session,
                       RecordPlacement& placement) {
    const GenericBlock* block = FindGenericBlock(session);
    if (block == nullptr) return 0;
    const FieldRows rows = GroupRows(entry.fields, true);
    const PreparedGenericDefinitions prepared = PrepareGenericDefinitions(
        block->definitions, rows.empty() ? nullptr : &rows.front(), session.cacheFormat != 0,
        PresentStatementColumns(session), FieldValueConversionFromIni());
    if (CheckRecordSize(session, placement, prepared.length) == 0) return 0;
    record.ppsTaggedElement =
        prepared.definitions.empty()
            ? KivArray<KivTaggedElement>::emptyArray()
            : BuildTaggedElements(prepared.definitions.front().parentId, prepared.definitions);
    return 1;
}
