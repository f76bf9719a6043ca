#pragma once

// The subcommands of tavrona-cli. Each gets argv[0] = its own name and the options after it,
// and returns the process exit status (0 success, 1 failure of the work, 2 bad usage).
int RunMannequinCommand(int argc, char** argv);
// tavrona-cli info FILE.tvr: the objects of a scene file as JSON.
int RunInfoCommand(int argc, char** argv);
// tavrona-cli scene OUT.tvr [--mannequin ...] [--box ...] ...: builds and saves a scene.
int RunSceneCommand(int argc, char** argv);
// tavrona-cli posture save|apply FILE.pos [figure options]: posture files.
int RunPostureCommand(int argc, char** argv);
int RunRenderCommand(int argc, char** argv);
// tavrona-cli reach --hand left|right --target X,Y,Z [--direction ...]: a figure reaches a point.
int RunReachCommand(int argc, char** argv);
// tavrona-cli walk --path X,Z;... [--steps N] [-o DIR | --sheet FILE]: a figure walks a path.
int RunWalkCommand(int argc, char** argv);
// tavrona-cli record SCENE.tvr -o OUT.avi ...: records a posture transition to a video file.
int RunRecordCommand(int argc, char** argv);
