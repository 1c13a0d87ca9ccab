#pragma once
// Field routines ROUTINE1 to ROUTINE12 of the record-syntax control files, and the MARC leader routine.
//
//   ROUTINE1   "F" for "AF"; any other value unchanged
//   ROUTINE2   "PBK" when the value read as a decimal integer is 20 or more; otherwise no value
//   ROUTINE3   ".0" appended when the value holds no '.'
//   ROUTINE4   "CF" for "JF", "CNF" for "JNF"; any other value unchanged
//   ROUTINE5   by the first character: A-C "PRE-PUBLICATION"; E, F "AVAILABLE"; H, J, M, N, P-T
//              "UNAVAILABLE"; V-Z "TO-FOLLOW"; any other no value
//   ROUTINE6   the image-files location pattern with the value in place of its "%s"
//   ROUTINE7   the value after "http://"
//   ROUTINE8   the digits of the value followed by ".0"
//   ROUTINE9   the value without a leading '$'
//   ROUTINE10  every '$' replaced by the subfield delimiter 0x1F
//   ROUTINE11  third character '$': the value from its third character on, '$' replaced by 0x1F;
//              otherwise unchanged
//   ROUTINE12  third character '$': the first two characters; otherwise two blanks
//
// ROUTINE11 and ROUTINE12 split a text such as 10$aTitle$bSubtitle into its subfields and indicators.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Reads [ImageFiles] pcImageFilesLocation with the required-string reader (which reports a missing key).
using ImageLocationReader = std::function<std::string()>;

// The value after the named routine, or no value. An absent value gives no value; "NULL" gives a copy;
// any other name selects the routine by the number written from its eighth character on, and a number
// outside 1 to 12 (also for a name of seven characters or fewer) gives no value. imageLocation is called
// each time ROUTINE6 runs. The location is a pattern, not a format: its first "%s" takes the value, "%%"
// stands for '%', and every other character is copied as it is.
std::optional<std::string> ApplyFieldRoutine(std::optional<std::string_view> value,
                                             std::string_view routineName,
                                             const ImageLocationReader& imageLocation);

// The leader type letters after the leader routine: an absent value gives "nam"; "NULL" leaves the
// value; otherwise the number written from the ninth character of the name on selects the routine,
// number 1 giving "nam" and any other number leaving the value.
std::string ApplyLeaderRoutine(std::optional<std::string_view> value, std::string_view routineName);
