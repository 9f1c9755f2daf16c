#include "tools/sensor-sim/SimOptions.h"

#include <cstdlib>
#include <stdexcept>

const char* const kSimUsage =
    "usage: sensor-sim [options]\n"
    "A Modbus RTU sensor on a serial line: answers function 3 for registers\n"
    "0x0201-0x0206 of slave 1 with a distance in mm (0x0201) and an internal\n"
    "temperature in degrees C (0x0206). Without --device it opens a pseudo-terminal\n"
    "pair and prints, as its first line, the port the monitor should open.\n"
    "\n"
    "  --device PATH        serve a real serial device instead\n"
    "  --baud N             its speed (default 9600)\n"
    "  --distance MM        a fixed distance instead of a varying one\n"
    "  --temperature C      a fixed temperature instead of a varying one\n"
    "  --raw-distance N     register 0x0201 as given (0-65535); above 60000 reads\n"
    "                       as negative: N - 65535\n"
    "  --raw-temperature N  register 0x0206 as given, likewise\n"
    "  --cold               a temperature of -200 degrees or below\n"
    "  --length N           answer length in bytes: 7, 9, 15 or 17 (default 17)\n"
    "  --corrupt P          share (0-1) of answers sent with a wrong CRC\n"
    "  --drop P             share (0-1) of requests left unanswered\n"
    "  --delay MS           wait this long before each answer\n"
    "  --answers N          quit after N answers\n"
    "  --served FILE        append one line per good answer with the values it\n"
    "                       carries, as a reader of bytes 3-4 and 13-14 sees them\n"
    "  --seed N             seed of the variation and the shares (default 1)\n"
    "  --help               this text\n";

namespace {

double Number(const std::string& option, const std::string& text, double low, double high) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || v < low || v > high)
    throw std::invalid_argument(option + ": not a number from " + std::to_string(low) + " to " +
                                std::to_string(high) + ": " + text);
  return v;
}

}  // namespace

TSimOptions ParseSimOptions(const std::vector<std::string>& args) {
  TSimOptions o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
      return args[++i];
    };
    if (a == "--help" || a == "-h") o.Help = true;
    else if (a == "--device") o.Device = value();
    else if (a == "--baud") o.Baud = int(Number(a, value(), 50, 4000000));
    else if (a == "--distance") o.Distance = Number(a, value(), -5534, 60000);
    else if (a == "--temperature") o.Temperature = Number(a, value(), -5534, 60000);
    else if (a == "--raw-distance") o.RawDistance = uint16_t(Number(a, value(), 0, 65535));
    else if (a == "--raw-temperature") o.RawTemperature = uint16_t(Number(a, value(), 0, 65535));
    else if (a == "--cold") o.Cold = true;
    else if (a == "--corrupt") o.CorruptShare = Number(a, value(), 0, 1);
    else if (a == "--drop") o.DropShare = Number(a, value(), 0, 1);
    else if (a == "--delay") o.DelayMs = int(Number(a, value(), 0, 60000));
    else if (a == "--answers") o.Answers = long(Number(a, value(), 0, 1e12));
    else if (a == "--served") o.ServedFile = value();
    else if (a == "--seed") o.Seed = unsigned(Number(a, value(), 0, 4294967295.0));
    else if (a == "--length") {
      o.Length = int(Number(a, value(), 7, 17));
      if (o.Length != 7 && o.Length != 9 && o.Length != 15 && o.Length != 17)
        throw std::invalid_argument("--length: one of 7, 9, 15 or 17");
    } else {
      throw std::invalid_argument("unknown option " + a + " (see --help)");
    }
  }
  return o;
}
