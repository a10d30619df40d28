#pragma once
// What voltaro-cli and its render program share: exit codes, the usage text
// and reading an experiment.

#include <string>

#include "model/bench.h"

namespace voltaro::cli {

constexpr int EXIT_USAGE = 2;
constexpr int EXIT_OPEN_FAILED = 3;
constexpr int EXIT_SAVE_FAILED = 4;

// Prints the usage text and returns EXIT_USAGE.
int Usage();

// Reads an experiment into the bench with its geometry brought up to date;
// the analysis is left to the caller. Says "open failed!" when it cannot.
bool Load(Bench& bench, const std::string& path);

// The folder of the running program, where its pictures and helpers are.
std::string ProgramDir(const char* argv0);

}  // namespace voltaro::cli
