// A reader of enhanced metafiles for the tests, written from the public
// description of the format and independent of the writer: it checks the
// framing (sizes, counts, alignment) and hands out each record's fields.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

struct EmfRecord {
  uint32_t type = 0, size = 0;
  size_t offset = 0;  // of the record in the file
};

struct EmfFile {
  int32_t bounds[4] = {}, frame[4] = {};
  uint32_t version = 0, bytes = 0, records = 0;
  uint16_t handles = 0;
  std::string creator, description;  // the description's two texts, UTF-8
  std::vector<EmfRecord> list;
  std::string data;

  uint32_t U32(size_t at) const;
  int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
  // The field at byte `field` of record r.
  int32_t Field(const EmfRecord& r, size_t field) const { return I32(r.offset + field); }
  std::string Utf16(size_t at, size_t chars) const;
  size_t Count(uint32_t type) const;
};

// Raises std::runtime_error on a malformed file.
EmfFile ParseEmf(const std::string& bytes);
