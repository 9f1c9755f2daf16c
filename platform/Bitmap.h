// An off-screen bitmap with its own canvas: 24-bit colour, every pixel opaque.
// Components paint into one per screen paint and for picture export.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Canvas.h"

class TBitmap {
 public:
  // A new bitmap is white. Sizes below 0 count as 0.
  explicit TBitmap(int width = 0, int height = 0);
  ~TBitmap();
  TBitmap(const TBitmap& other);             // a copy of the pixels
  TBitmap& operator=(const TBitmap& other);
  TBitmap(TBitmap&&) noexcept;
  TBitmap& operator=(TBitmap&&) noexcept;

  int Width() const;
  int Height() const;
  // Keeps the pixels that still fit; new ones are white. Invalidates Canvas().
  void SetSize(int width, int height);

  // The canvas drawing on this bitmap. It lives until the bitmap is resized
  // or destroyed; at most one is open at a time.
  TCanvas& Canvas();

  // Row y as 0x??RRGGBB words (the top byte means nothing), Width() of them;
  // null when y is outside.
  // Pixels drawn through Canvas() are there once the canvas call returned.
  const uint32_t* ScanLine(int y) const;
  uint32_t* ScanLine(int y);
  TColor Pixel(int x, int y) const;  // clNone outside
  void Fill(TColor color);

  // A Windows bitmap file (BITMAPINFOHEADER, 24 bits, bottom-up). Saving writes
  // a temporary file beside the target and renames it over; errors raise
  // EInOutError with the system's text.
  void SaveToFile(const std::string& fileName) const;
  std::string SaveToBytes() const;
  // Reads BMP, PNG or JPEG; an unreadable file raises EInOutError.
  void LoadFromFile(const std::string& fileName);

  struct Impl;
  Impl& impl() const { return *impl_; }  // for platform/ code only

 private:
  std::unique_ptr<Impl> impl_;
};
