// The sensor's poll frame and the CRC-16 that guards every frame on the line.
// Frames are byte strings: any byte value, 0 included, with their length.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// CRC-16 of the Modbus RTU line (reflected polynomial 0xA001, start 0xFFFF):
// two characters, the low byte first.
std::string CalcCrc16(const std::string& data);

// The constant behind CalcCrc16, exposed so tests can compare it with the rule.
extern const uint16_t Crc16Table[256];

// Read holding registers 0x0201..0x0206 of slave 1, CRC included, sent exactly
// as stored.
extern const std::string PollRequest;

enum TAnswerCheck : uint8_t { acNoAnswer, acBadAnswer, acAccepted };

// Fewer than 7 bytes is no answer; otherwise the last two bytes must be the
// CRC of all the others.
TAnswerCheck CheckAnswer(const std::string& answer);

struct TDecodedSample {
  float FirstValue = 0;                // distance in millimetres, register 0x0201
  std::optional<float> SecondValue;    // internal temperature, register 0x0206
  size_t Length = 0;                   // bytes in the answer
};

// Decodes an accepted answer. The temperature sits at bytes 13-14, so an answer
// shorter than 15 bytes has none: SecondValue is empty rather than read from
// beyond the answer.
TDecodedSample DecodeAnswer(const std::string& answer);

// A raw register above 60000 stands for a negative reading: value - 65535.
float DecodeRegister(int highByte, int lowByte);
