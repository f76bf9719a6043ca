#pragma once

// The subcommands of tavrona-cli. Each gets argv[0] = its own name and the options after it,
// and returns the process exit status (0 success, 1 failure of the work, 2 bad usage).
int RunMannequinCommand(int argc, char** argv);
int RunRenderCommand(int argc, char** argv);
