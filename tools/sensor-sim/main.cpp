// sensor-sim: a Modbus RTU sensor on a serial line, so that the monitor's
// whole serial path runs without hardware. libmodbus takes the requests off
// the line and checks them; the answers are built here so that their length,
// CRC and timing can be made wrong on purpose.
#include <fcntl.h>
#include <modbus/modbus.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <thread>

#include "tools/sensor-sim/SimFrames.h"
#include "tools/sensor-sim/SimOptions.h"

namespace {

constexpr int kSlave = 1;
constexpr int kFirstRegister = 0x0201;
constexpr int kRegisterCount = 6;

struct TLine {
  int fd = -1;        // where requests arrive and answers go
  int keepOpen = -1;  // our own hold on the pseudo-terminal's far side
  std::string port;   // what the monitor opens
};

// A pseudo-terminal pair: we serve the master, the monitor opens the slave. We
// hold the slave open ourselves too, so the master never reads a hang-up while
// the monitor is between a close and the next open.
TLine OpenPseudoTerminal() {
  TLine line;
  line.fd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (line.fd < 0 || grantpt(line.fd) != 0 || unlockpt(line.fd) != 0)
    throw std::runtime_error(std::string("cannot create a pseudo-terminal: ") + std::strerror(errno));
  line.port = ptsname(line.fd);
  line.keepOpen = open(line.port.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (line.keepOpen < 0) throw std::runtime_error("cannot open " + line.port + ": " + std::strerror(errno));
  termios t{};
  tcgetattr(line.keepOpen, &t);
  cfmakeraw(&t);  // no echo of the requests back to us before the monitor sets the line up
  tcsetattr(line.keepOpen, TCSANOW, &t);
  return line;
}

struct TModbusFree {
  void operator()(modbus_t* ctx) const { modbus_free(ctx); }
};

std::unique_ptr<modbus_t, TModbusFree> Context(const TSimOptions& o, TLine& line) {
  const std::string device = o.Device.empty() ? line.port : o.Device;
  std::unique_ptr<modbus_t, TModbusFree> ctx(modbus_new_rtu(device.c_str(), o.Baud, 'N', 8, 1));
  if (!ctx) throw std::runtime_error(std::string("libmodbus: ") + modbus_strerror(errno));
  modbus_set_slave(ctx.get(), kSlave);
  if (o.Device.empty()) {
    modbus_set_socket(ctx.get(), line.fd);  // the master side has no path to open
  } else {
    if (modbus_connect(ctx.get()) != 0)
      throw std::runtime_error("cannot open " + o.Device + ": " + modbus_strerror(errno));
    line.fd = modbus_get_socket(ctx.get());
    line.port = o.Device;
  }
  return ctx;
}

bool IsSensorPoll(const uint8_t* req, int length) {
  // RTU request: slave, function, address (2), count (2), CRC (2).
  return length >= 8 && req[1] == 3 && ((req[2] << 8) | req[3]) == kFirstRegister &&
         ((req[4] << 8) | req[5]) == kRegisterCount;
}

void WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error(std::string("write: ") + std::strerror(errno));
    done += size_t(n);
  }
}

int Serve(const TSimOptions& o) {
  TLine line;
  if (o.Device.empty()) line = OpenPseudoTerminal();
  auto ctx = Context(o, line);
  std::FILE* served = o.ServedFile.empty() ? nullptr : std::fopen(o.ServedFile.c_str(), "a");
  if (!o.ServedFile.empty() && !served) throw std::runtime_error("cannot open " + o.ServedFile);
  std::printf("%s\n", line.port.c_str());
  std::fflush(stdout);

  TSimSensor sensor(o);
  modbus_mapping_t* map = modbus_mapping_new_start_address(0, 0, 0, 0, kFirstRegister, kRegisterCount, 0, 0);
  uint8_t req[MODBUS_RTU_MAX_ADU_LENGTH];
  long answers = 0;
  while (o.Answers == 0 || answers < o.Answers) {
    const int length = modbus_receive(ctx.get(), req);
    if (length < 0) {
      if (errno == EMBBADCRC || errno == EMBBADDATA || errno == ETIMEDOUT) continue;  // line noise
      std::fprintf(stderr, "sensor-sim: %s\n", modbus_strerror(errno));
      break;
    }
    if (length == 0) continue;  // addressed to another slave
    if (!IsSensorPoll(req, length)) {
      modbus_reply(ctx.get(), req, length, map);  // exceptions for what we do not have
      continue;
    }
    if (sensor.Drop()) continue;
    uint16_t registers[kRegisterCount];
    sensor.NextRegisters(registers);
    if (o.DelayMs) std::this_thread::sleep_for(std::chrono::milliseconds(o.DelayMs));
    std::string frame = AnswerFrame(kSlave, registers, o.Length);
    const bool corrupt = sensor.Corrupt();
    if (corrupt) frame.back() = char(frame.back() ^ 0x5A);
    WriteAll(line.fd, frame);
    ++answers;
    if (served && !corrupt) {
      std::fprintf(served, "%s\n", ServedValues(frame).c_str());
      std::fflush(served);
    }
  }
  modbus_mapping_free(map);
  if (served) std::fclose(served);
  // Closing the master discards what the far side has not read yet; give the
  // last answer time to be taken off the line.
  if (o.Answers) std::this_thread::sleep_for(std::chrono::milliseconds(300));
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::signal(SIGPIPE, SIG_IGN);
  try {
    const TSimOptions o = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (o.Help) return std::fputs(kSimUsage, stdout), 0;
    return Serve(o);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sensor-sim: %s\n", e.what());
    return 2;
  }
}
