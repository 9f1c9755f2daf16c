// Whatever arrives on the line: the check and the decoding never crash and
// never read outside the answer (ASan watches the reads).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/crc16.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string answer(reinterpret_cast<const char*>(data), size);
  if (CheckAnswer(answer) != acAccepted) return 0;
  const TDecodedSample sample = DecodeAnswer(answer);
  if (sample.Length != size) std::abort();
  if (sample.SecondValue.has_value() != (size >= 15)) std::abort();
  if (sample.FirstValue > 60000 || sample.FirstValue < -5534) std::abort();
  return 0;
}
