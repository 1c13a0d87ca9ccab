#pragma once
// The address allow-list: "address.tblx" in the control-files directory lists, as quoted strings, the
// IPv4 addresses (dotted text) that may connect. Without the file every address may connect.

#include <string_view>

inline constexpr const char* kAllowListName = "address.tblx";

// 0 when the peer address text may connect (the file is missing, or one of its values equals the text
// exactly), 1 when it may not. A value that is not a quoted string is a control-file error: it is logged,
// sets the configuration-error state and matches no address.
int AllowListCheck(std::string_view peerAddress);
