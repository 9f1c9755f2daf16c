// The simulator's command line.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TSimOptions {
  std::string Device;                       // serve this device instead of a new pseudo-terminal
  int Baud = 9600;                          // line speed of --device
  std::optional<double> Distance;           // fixed distance in mm
  std::optional<double> Temperature;        // fixed temperature in degrees C
  std::optional<uint16_t> RawDistance;      // register 0x0201 as given
  std::optional<uint16_t> RawTemperature;   // register 0x0206 as given
  int Length = 17;                          // answer length: 7, 9, 15 or 17 bytes
  double CorruptShare = 0;                  // share of answers with a wrong CRC
  double DropShare = 0;                     // share of requests left unanswered
  int DelayMs = 0;                          // wait this long before answering
  bool Cold = false;                        // temperature of -200 or below
  long Answers = 0;                         // quit after this many answers (0: never)
  std::string ServedFile;                   // one line per good answer: the values it carries
  unsigned Seed = 1;
  bool Help = false;
};

// Parses the arguments after the program name; a bad one raises
// std::invalid_argument with a message for standard error.
TSimOptions ParseSimOptions(const std::vector<std::string>& args);

extern const char* const kSimUsage;
