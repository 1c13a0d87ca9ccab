#pragma once
// The path of the ACSE configuration file, kept for the process. Nothing reads the file over TCP.

#include <string>

#include "toolkit/util/si_error.h"

inline constexpr const char* kSIDefaultAcseConfigPath = "./ACSE_configuration_file.tbl";

// Keeps the path (of any length) when the file can be opened for reading: SI_OK. Otherwise SI_NOTOK with
// error 110 "The file %s could not be opened" (SI_Interface_Error, id 0, Association_Closed), or error 7 for
// a null path, and the path kept before stays.
SIResult SISetAcseConfigPath(const char* path, SIError** error);

// The path kept: kSIDefaultAcseConfigPath until a path is set.
std::string siAcseConfigPath();
