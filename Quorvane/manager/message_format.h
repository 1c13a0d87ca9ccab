#pragma once
// Messages of the server built from printf-style formats. The format must be a literal of the code (the
// compiler checks it against the arguments); text from configuration or from a client is only ever an
// argument.

#include <string>

[[gnu::format(printf, 1, 2)]] std::string formatMessage(const char* format, ...);
