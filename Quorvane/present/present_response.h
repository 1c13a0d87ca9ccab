#pragma once
// The answer to a PresentRequest, built while the Present handler holds the session.

#include "Quorvane/association/session_record.h"
#include "Quorvane/memory/memory_budget.h"
#include "Quorvane/present/present_settings.h"
#include "toolkit/api/kiv_present.h"

// Fills the response to the request: the reference id, then
// - the result set's database becomes current again and connected (UseResultSetDatabase);
// - record syntax: the request's, else settings.defaultSyntax; one the database has no definitions of fails
//   with 227; no result set with 30; a start point outside the result set with 13;
// - a failure to connect for the result set's database fails with its condition;
// - the record format (ChooseRecordFormat) may fail with 10;
// - the range (ComputePresentRange with settings.maximumRecords) and its records (PlacePresentRecords),
//   status success; a range that runs past the end of the result set returns the records up to the end,
//   with status success and next position 0; the records are built within the memory (the caller's, so
//   that the records stay reserved until they are sent; else one of the request's own), whose limits are
//   settings.requestBudget and, process-wide, settings.processBudget;
// - a fetch or a record that failed with a database failure gives the failure form with its condition; a
//   configuration error set on the way, else, with kConditionConfigurationFailure.
void FillPresentResponse(SessionRecord& session, const KivPresentReq& request,
                         const PresentSettings& settings, KivPresentRsp& response,
                         RequestMemory* memory = nullptr);
