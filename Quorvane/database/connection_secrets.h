#pragma once
// Connection strings in messages: passwords never reach a log.

#include <string>
#include <string_view>

// The connection string with the value of every PWD and PASSWORD attribute (names in any case; a value
// may be enclosed in braces) replaced by "*****".
std::string MaskConnectionSecrets(std::string_view connection);
