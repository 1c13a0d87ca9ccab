#pragma once
// The validators' two commonest fault messages, as the process error log holds them.

#include <string>

namespace validation_messages {

inline std::string missing(const std::string& path) {
    return "Missing compulsory field " + path;
}

inline std::string outOfRange(const std::string& path) {
    return path + " contains a value which is out of its range";
}

}  // namespace validation_messages
