#include "EmfParser.h"

uint32_t EmfFile::U32(size_t at) const {
  if (at + 4 > data.size()) throw std::runtime_error("read past the end");
  return uint32_t(uint8_t(data[at])) | uint32_t(uint8_t(data[at + 1])) << 8 | uint32_t(uint8_t(data[at + 2])) << 16 |
         uint32_t(uint8_t(data[at + 3])) << 24;
}

std::string EmfFile::Utf16(size_t at, size_t chars) const {
  std::string out;
  for (size_t i = 0; i < chars; ++i) {
    const uint32_t c = uint8_t(data.at(at + 2 * i)) | uint32_t(uint8_t(data.at(at + 2 * i + 1))) << 8;
    if (c < 0x80) out += char(c);
    else if (c < 0x800) out += char(0xC0 | (c >> 6)), out += char(0x80 | (c & 0x3F));
    else out += char(0xE0 | (c >> 12)), out += char(0x80 | ((c >> 6) & 0x3F)), out += char(0x80 | (c & 0x3F));
  }
  return out;
}

size_t EmfFile::Count(uint32_t type) const {
  size_t n = 0;
  for (const EmfRecord& r : list) n += r.type == type;
  return n;
}

EmfFile ParseEmf(const std::string& bytes) {
  EmfFile f;
  f.data = bytes;
  if (f.U32(0) != 1) throw std::runtime_error("first record is not the header");
  if (f.U32(40) != 0x464D4520) throw std::runtime_error("no EMF signature");
  for (int i = 0; i < 4; ++i) f.bounds[i] = f.I32(8 + 4 * i), f.frame[i] = f.I32(24 + 4 * i);
  f.version = f.U32(44);
  f.bytes = f.U32(48);
  f.records = f.U32(52);
  f.handles = uint16_t(f.U32(56) & 0xFFFF);
  const uint32_t nDesc = f.U32(60), offDesc = f.U32(64);
  if (nDesc) {
    const std::string all = f.Utf16(offDesc, nDesc);
    const size_t zero = all.find('\0');
    f.creator = all.substr(0, zero);
    const size_t second = all.find('\0', zero + 1);
    f.description = all.substr(zero + 1, second - zero - 1);
  }
  size_t at = 0;
  while (at < bytes.size()) {
    EmfRecord r{f.U32(at), f.U32(at + 4), at};
    if (r.size < 8 || r.size % 4 || at + r.size > bytes.size()) throw std::runtime_error("bad record size");
    f.list.push_back(r);
    at += r.size;
    if (r.type == 14) break;
  }
  if (at != bytes.size()) throw std::runtime_error("bytes after the end record");
  return f;
}
