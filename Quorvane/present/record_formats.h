#pragma once
// The record formats an association presents with, read when it is set up: recordformats.tblx in the
// control-files directory names each format and its present control file,
//
//   "BRIEF","present.brief";     format name (matched against the element-set name), file
//
// and without it present.full and present.brief give the full and the brief definitions.

#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/present/present_definitions.h"

inline constexpr const char* kRecordFormatsFile = "recordformats.tblx";
inline constexpr const char* kPresentFullFile = "present.full";
inline constexpr const char* kPresentBriefFile = "present.brief";

struct RecordFormat {
    std::string name;
    // The blocks of the format's file; absent when the file could not be opened.
    DefinitionBlocks<PresentBlock> definitions;
};

// Reads the session's present definitions from its control-files directory. With recordformats.tblx: the
// record formats, in file order; each file name is read relative to the directory unless it holds a '\'
// or is absolute. A missing name or file name logs "Missing Record Type File Name in file
// recordformats.tblx", a file that cannot be opened "Could not open file <path>" (with LogAndDiagnose);
// both are configuration problems (config_problems.h). Without recordformats.tblx: present.full and
// present.brief into the full and brief definitions, each left absent when it cannot be opened.
void LoadPresentDefinitions(SessionRecord& session);
