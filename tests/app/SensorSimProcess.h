// The bundled sensor simulator as a child process on its own pseudo-terminal:
// started with its options, stopped (the pty goes with it) on Kill or when it
// goes out of scope.
#pragma once
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

class TSensorSim {
 public:
  explicit TSensorSim(const std::vector<std::string>& args = {}) {
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], 1);
      close(out[0]);
      close(out[1]);
      std::vector<char*> argv{const_cast<char*>(SENSOR_SIM)};
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(SENSOR_SIM, argv.data());
      _exit(127);
    }
    close(out[1]);
    // The first line is the port to open; the rest of its output is not read.
    std::FILE* f = fdopen(out[0], "r");
    char line[256] = {};
    if (f && std::fgets(line, sizeof line, f)) port_ = std::string(line, std::strcspn(line, "\n"));
    if (f) std::fclose(f);
  }
  ~TSensorSim() { Kill(); }
  TSensorSim(const TSensorSim&) = delete;
  TSensorSim& operator=(const TSensorSim&) = delete;

  // Ends it at once, as a pulled cable ends a sensor.
  void Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  const std::string& Port() const { return port_; }

 private:
  pid_t pid_ = -1;
  std::string port_;
};
