#pragma once
// For test programs only: the server never clears the configuration-error state (config_error_state.h).
// A test program clears it between its cases, so that a case that set it leaves the next one a clear state.

// Clears the state.
void clearConfigError();
