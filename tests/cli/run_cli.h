#pragma once
// Runs voltaro-cli as a whole process, as a teacher's script would.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace voltaro::testing {

struct CliRun {
  int status;
  std::string out;  // standard output and error together
};

inline CliRun RunShell(const std::string& command_line) {
  const std::string command = command_line + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

inline CliRun Cli(const std::string& args) {
  return RunShell(std::string(VOLTARO_CLI) + " " + args);
}

}  // namespace voltaro::testing
