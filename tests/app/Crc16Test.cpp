#include <gtest/gtest.h>

#include "app/crc16.h"

namespace {
std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

// A sensor answer of `length` bytes: registers as given, then a valid CRC.
std::string Answer(size_t length, int reg1, int reg6 = 0) {
  std::string frame = Bytes({0x01, 0x03, 0x0C});
  std::string registers(12, '\0');
  registers[0] = static_cast<char>(reg1 >> 8);
  registers[1] = static_cast<char>(reg1 & 0xFF);
  registers[10] = static_cast<char>(reg6 >> 8);
  registers[11] = static_cast<char>(reg6 & 0xFF);
  frame += registers;
  frame.resize(length - 2);
  return frame + CalcCrc16(frame);
}
}  // namespace

TEST(Crc16, KnownValues) {
  EXPECT_EQ(CalcCrc16(""), Bytes({0xFF, 0xFF}));
  EXPECT_EQ(CalcCrc16(Bytes({0x01, 0x03, 0x02, 0x01, 0x00, 0x06})), Bytes({0x95, 0xB0}));
  EXPECT_EQ(CalcCrc16("123456789"), Bytes({0x37, 0x4B}));
  EXPECT_EQ(CalcCrc16(std::string(3, '\0')).size(), 2u) << "zero bytes are data, not an end";
}

TEST(Crc16, TableIsTheOneTheBitwiseRuleGenerates) {
  for (int i = 0; i < 256; ++i) {
    uint16_t c = static_cast<uint16_t>(i);
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? static_cast<uint16_t>((c >> 1) ^ 0xA001) : static_cast<uint16_t>(c >> 1);
    ASSERT_EQ(Crc16Table[i], c) << i;
  }
  EXPECT_EQ(Crc16Table[1], 0xC0C1);
  EXPECT_EQ(Crc16Table[255], 0x4040);
}

TEST(Crc16, PollRequestIsStoredWholeWithItsOwnCrc) {
  ASSERT_EQ(PollRequest.size(), 8u);
  EXPECT_EQ(PollRequest, Bytes({0x01, 0x03, 0x02, 0x01, 0x00, 0x06, 0x95, 0xB0}));
  EXPECT_EQ(PollRequest.substr(6), CalcCrc16(PollRequest.substr(0, 6)));
}

TEST(AnswerCheck, ShortAnswersAreNoAnswer) {
  for (size_t n = 0; n < 7; ++n) EXPECT_EQ(CheckAnswer(std::string(n, '\x01')), acNoAnswer) << n;
  // A Modbus exception answer (5 bytes with a valid CRC) is no answer either.
  std::string exception = Bytes({0x01, 0x83, 0x02});
  EXPECT_EQ(CheckAnswer(exception + CalcCrc16(exception)), acNoAnswer);
}

TEST(AnswerCheck, CrcMustMatchInOrder) {
  const std::string good = Answer(17, 1234, 25);
  EXPECT_EQ(CheckAnswer(good), acAccepted);
  std::string altered = good;
  altered[15] ^= 0x01;
  EXPECT_EQ(CheckAnswer(altered), acBadAnswer);
  std::string swapped = good;
  std::swap(swapped[15], swapped[16]);
  EXPECT_EQ(CheckAnswer(swapped), acBadAnswer);
  std::string data = good;
  data[4] ^= 0x40;
  EXPECT_EQ(CheckAnswer(data), acBadAnswer);
  EXPECT_EQ(CheckAnswer(good + good), acBadAnswer) << "two answers read together";
}

TEST(AnswerCheck, OtherSlaveOrFunctionIsAcceptedAllTheSame) {
  std::string frame = Answer(17, 7);
  frame[0] = 0x09;
  frame[1] = 0x04;
  frame = frame.substr(0, 15);
  EXPECT_EQ(CheckAnswer(frame + CalcCrc16(frame)), acAccepted);
}

TEST(Decoding, RegistersAndTheNegativeRule) {
  EXPECT_FLOAT_EQ(DecodeAnswer(Answer(17, 1234, 25)).FirstValue, 1234);
  EXPECT_FLOAT_EQ(*DecodeAnswer(Answer(17, 1234, 25)).SecondValue, 25);
  EXPECT_FLOAT_EQ(DecodeRegister(60000 >> 8, 60000 & 0xFF), 60000);
  EXPECT_FLOAT_EQ(DecodeRegister(60001 >> 8, 60001 & 0xFF), -5534);
  EXPECT_FLOAT_EQ(DecodeRegister(0xFF, 0xFF), 0);
  EXPECT_FLOAT_EQ(DecodeRegister(0xFF, 0xFE), -1);
  EXPECT_FLOAT_EQ(*DecodeAnswer(Answer(17, 0, 65535 - 200)).SecondValue, -200);
}

TEST(Decoding, ShortAnswersCarryNoTemperature) {
  const TDecodedSample seven = DecodeAnswer(Answer(7, 4321));
  EXPECT_EQ(CheckAnswer(Answer(7, 4321)), acAccepted);
  EXPECT_FLOAT_EQ(seven.FirstValue, 4321);
  EXPECT_FALSE(seven.SecondValue);
  EXPECT_EQ(seven.Length, 7u);
  EXPECT_FALSE(DecodeAnswer(Answer(14, 1, 2)).SecondValue);
  // In a 15-byte answer bytes 13-14 are its CRC; they decode all the same.
  const std::string fifteen = Answer(15, 1, 0);
  const auto crc = static_cast<unsigned char>(fifteen[13]) * 256 + static_cast<unsigned char>(fifteen[14]);
  EXPECT_FLOAT_EQ(*DecodeAnswer(fifteen).SecondValue, crc > 60000 ? crc - 65535.0f : float(crc));
}
