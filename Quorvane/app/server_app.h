#pragma once
// Start-up, the event loop and the clean end of the server.

// [Start] ulIdleTickSeconds when the configuration names none: the idle timer's period, the length of one
// idle "minute" that [Start] ulTimeOut counts.
inline constexpr int kDefaultIdleTickSeconds = 60;

// Runs the server on the configuration of the program directory (platform::programDir()) until the console's
// exit command, SIGTERM or SIGINT: changes to the working directory ([Start] pcWorkingDirectory, by default
// the program directory), listens on [Start] ulPortNumber, takes console commands when [Start] ulWantWindow
// is 1 and standard input is a terminal (headless otherwise), and closes idle associations at every tick.
// Answers the process's exit status: 1 without a readable Quorvane.INI or working directory.
int RunServer();
