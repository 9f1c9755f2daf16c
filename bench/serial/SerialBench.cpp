// Figures of the serial path against the sensor simulator on a pseudo-terminal:
//   IdleOpenPort   CPU time of the process while an open port waits 10 s
//                  (counter cpu_percent, of the wall time)
//   Poll20ms       10000 polls at a 20 ms period and 115200 baud, each answer
//                  checked against what the simulator served (counters lost,
//                  misread)
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "comm/XComDrv.h"
#include "tools/sensor-sim/SimFrames.h"

namespace {

struct Simulator {
  explicit Simulator(const std::string& served) {
    int out[2];
    if (pipe(out) != 0) return;
    pid = fork();
    if (pid == 0) {
      dup2(out[1], 1);
      close(out[0]);
      execl(SENSOR_SIM, SENSOR_SIM, "--served", served.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(out[1]);
    std::FILE* f = fdopen(out[0], "r");
    char line[256] = {};
    if (f && std::fgets(line, sizeof line, f)) port.assign(line, std::strlen(line) - 1);
    if (f) std::fclose(f);
  }
  ~Simulator() {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
  pid_t pid = -1;
  std::string port;
};

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void IdleOpenPort(benchmark::State& state) {
  const std::string served = "/tmp/bench-serial-idle.served";
  Simulator sim(served);
  TXComm comm;
  comm.SetSynchronize(false);
  comm.SetDeviceName(sim.port);
  comm.OpenDevice();
  double percent = 0;
  for (auto _ : state) {
    const double cpu = CpuSeconds();
    const auto wall = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
    percent = 100 * (CpuSeconds() - cpu) / elapsed;
  }
  state.counters["cpu_percent"] = percent;
  std::remove(served.c_str());
}

bool Accepted(const std::string& answer) {
  return answer.size() >= 7 && SimCrc16(answer.substr(0, answer.size() - 2)) == answer.substr(answer.size() - 2);
}

void Poll20ms(benchmark::State& state) {
  const std::string served = "/tmp/bench-serial-poll.served";
  std::remove(served.c_str());
  Simulator sim(served);
  TXComm comm;
  comm.SetSynchronize(false);
  comm.SetBaudRate(br115200);
  comm.SetDeviceName(sim.port);
  comm.OpenDevice();
  const std::string request("\x01\x03\x02\x01\x00\x06\x95\xB0", 8);
  const long polls = state.range(0);
  std::vector<std::string> got;
  long lost = 0;
  for (auto _ : state) {
    auto next = std::chrono::steady_clock::now();
    comm.SendString(request);
    for (long i = 0; i < polls; ++i) {
      next += std::chrono::milliseconds(20);
      std::this_thread::sleep_until(next);
      std::string answer;
      comm.ReadString(answer);
      if (Accepted(answer) && answer.size() == 17)
        got.push_back(ServedValues(answer));
      else
        ++lost;
      comm.SendString(request);
    }
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  // Every accepted answer must be the next one served, or a later one when
  // answers in between were dropped (two frames read together fail the CRC).
  std::ifstream in(served);
  std::vector<std::string> sent;
  for (std::string line; std::getline(in, line);) sent.push_back(line);
  long misread = 0;
  size_t at = 0;
  for (const std::string& value : got) {
    size_t find = at;
    while (find < sent.size() && sent[find] != value) ++find;
    if (find == sent.size()) {
      ++misread;
      continue;
    }
    at = find + 1;
  }
  state.counters["polls"] = double(polls);
  state.counters["lost"] = double(lost);
  state.counters["misread"] = double(misread);
  std::remove(served.c_str());
}

}  // namespace

BENCHMARK(IdleOpenPort)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(Poll20ms)->Arg(10000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
