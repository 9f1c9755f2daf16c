// The stand-in's item names: the simulated items and Modbus register
// addresses, and what a bad address gives (no subscription at all).
#include <gtest/gtest.h>

#include "tools/opc-sim/SimItems.h"

TEST(OPCSimItems, ModbusAddressesNameHostPortUnitAndRegister) {
  auto a = ParseModbusAddress("modbus-tcp://127.0.0.1:1502/1/0x0201");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->Host, "127.0.0.1");
  EXPECT_EQ(a->Port, 1502);
  EXPECT_EQ(a->Unit, 1);
  EXPECT_EQ(a->Register, 0x0201);
  a = ParseModbusAddress("MODBUS-TCP://plc.local/247/513");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->Host, "plc.local");
  EXPECT_EQ(a->Port, 502) << "the Modbus port when none is given";
  EXPECT_EQ(a->Unit, 247);
  EXPECT_EQ(a->Register, 513);
  for (const char* bad : {"modbus-tcp://127.0.0.1:1502/1", "modbus-tcp://127.0.0.1:0/1/1", "modbus-tcp://h:70000/1/1",
                          "modbus-tcp://h/248/1", "modbus-tcp://h/1/0x10000", "modbus-tcp://:1502/1/1",
                          "modbus-tcp://h/1/-1", "modbus-tcp://h/1/12x", "modbus-tcp://h/1/0x", "modbus-rtu://h/1/1"})
    EXPECT_FALSE(ParseModbusAddress(bad)) << bad;
}

TEST(OPCSimItems, NamesIgnoreLetterCaseAndUnknownOnesAreRefused) {
  EXPECT_EQ(SimKindOf("sine"), skSine);
  EXPECT_EQ(SimKindOf("QUALITYTOGGLE"), skQualityToggle);
  EXPECT_EQ(SimKindOf("modbus-tcp://127.0.0.1/1/1"), skModbus);
  EXPECT_FALSE(SimKindOf("Sines"));
  EXPECT_FALSE(SimKindOf("modbus-tcp://127.0.0.1/1"));
}

TEST(OPCSimItems, QualityToggleIsGoodForThreeUpdatesThenBadForThree) {
  std::string pattern;
  for (int count = 1; count <= 12; ++count)
    pattern += SimulatedSample(skQualityToggle, count, 0, 0, 0).Quality == kQualityGood ? 'G' : 'B';
  EXPECT_EQ(pattern, "GGGBBBGGGBBB");
  EXPECT_NEAR(SimulatedSample(skSine, 1, 2.5, 0, 0).Float, 100, 1e-9);
  EXPECT_NEAR(SimulatedSample(skRamp, 1, 12.5, 0, 0).Float, 25, 1e-9);
}
