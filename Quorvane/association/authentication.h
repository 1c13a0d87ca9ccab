#pragma once
// The user-id and password check of an Init request, switched on by [InitializeRequest] ulAuthentication.
// Passwords are the values of section [Authentication], keyed by user-id.

#include <cstddef>

#include "toolkit/api/kiv_init.h"

// Longest authentication message logged; a longer user-id is cut (with "...") inside its parentheses.
inline constexpr std::size_t kAuthenticationMessageLimit = 99;

// 1 when the request is accepted (or no check is configured), 0 when it is refused. When checked, one
// message goes to the operations log:
//   "Authentication Success: Correct User-ID and Password supplied (<user-id>)"
//   "Authentication Error: Incorrect Password supplied for User-ID (<user-id>)"
//   "Authentication Error: Incorrect User-ID (<user-id>)"
//   "Authentication Error: No Password supplied"
//   "Authentication Error: No User-ID supplied"
// The open form "user/password" is split at its first '/'; with nothing after it, or without '/', the
// password is the user-id itself. The idPass form gives user-id and password (group id ignored); no
// authentication, the anonymous and the other form give neither.
int Authenticate(const KivInitializeReq& request);
