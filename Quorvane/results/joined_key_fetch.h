#pragma once
// A search operand's keys in one statement row: on SQLite, a statement whose only column is a plain numeric
// key is run as
//     WITH found(k) AS (<statement>) SELECT quorvane_keys(k) FROM found
// and SQLite hands the keys to the result set as it finds them (database/sqlite_key_aggregate.h) instead
// of the driver fetching, converting and copying one row per key (that per-row work was most of a
// search's time).

#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/results/result_set.h"
#include "Quorvane/search/search_definitions.h"

// Whether the joined form can stand for a key's statement: a numeric key with nothing but its number (no
// decode word, sub-key, secondary column or padding rule) on SQLite, with the aggregate registered.
bool KeysCanBeJoined(const KeyDefinition& key, bool sqlite);

// The operand's rows by the joined form, with what RunOperandSearch gives for them (its log lines, the
// newdiag.txt line of no rows, diaginfo.txt with the statement as written). Nothing where the form does not
// apply: the connection is not SQLite, the key has more than its number, SQLite refuses the form, or a
// key is not an integer; RunOperandSearch then runs the statement as it stands, which also reports its
// failures. Call with the session connected.
std::optional<Bib1Result<ResultSet>> RunJoinedKeySearch(SessionRecord& session, const KeyDefinition& key,
                                                        std::string_view statement);
