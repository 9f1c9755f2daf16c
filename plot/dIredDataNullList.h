// The standard list: X and Y as doubles and a flag word holding Null, Empty
// and the per-point marker visibility and style. 24 bytes a point.
#pragma once
#include "plot/iDataRecordList.h"

struct TiPlotDataNullRecord {
  double X, Y;
  uint16_t Flags;  // bit 0 Null, bit 1 Empty, bit 2 MarkersVisible, bits 3-6 MarkersStyle
};
static_assert(sizeof(TiPlotDataNullRecord) == 24);

class TiPlotDataNullList final : public TiPlotDataRecordList<TiPlotDataNullRecord> {
 public:
  static constexpr uint16_t NullBit = 1, EmptyBit = 2, MarkersVisibleBit = 4;

  double GetX(int Index) override { return At(Index).X; }
  double GetY(int Index) override { return At(Index).Y; }
  bool GetNull(int Index) override { return Bit(Index, NullBit); }
  bool GetEmpty(int Index) override { return Bit(Index, EmptyBit); }
  void SetX(int Index, double Value) override { StoreX(Index, Value); }
  void SetY(int Index, double Value) override { At(Index).Y = Value; }
  void SetNull(int Index, bool Value) override { SetBit(Index, NullBit, Value); }
  void SetEmpty(int Index, bool Value) override { SetBit(Index, EmptyBit, Value); }

  bool GetMarkersVisible(int Index) override { return Bit(Index, MarkersVisibleBit); }
  TiPlotMarkerStyle GetMarkersStyle(int Index) override {
    return static_cast<TiPlotMarkerStyle>((At(Index).Flags >> StyleShift) & StyleMask);
  }
  void SetMarkersVisible(int Index, bool Value) override { SetBit(Index, MarkersVisibleBit, Value); }
  // Only the low four bits of the style are kept.
  void SetMarkersStyle(int Index, TiPlotMarkerStyle Value) override {
    TiPlotDataNullRecord& r = At(Index);
    r.Flags = static_cast<uint16_t>((r.Flags & ~(StyleMask << StyleShift)) | StyleBits(Value));
  }

  int Add(double X, double Y) override {
    const uint16_t flags = static_cast<uint16_t>((MarkersVisible ? MarkersVisibleBit : 0) | StyleBits(MarkersStyle));
    return Store({X, Y, flags});
  }
  void DeleteOldest(int N) override { RemoveOldest(N, false, "Delete size out of Range"); }
  void GetPoint(int Index, double& X, double& Y, bool& Empty, bool& Null) override {
    const TiPlotDataNullRecord& r = At(Index);
    X = r.X;
    Y = r.Y;
    Empty = (r.Flags & EmptyBit) != 0;
    Null = (r.Flags & NullBit) != 0;
  }

 private:
  static constexpr int StyleShift = 3;
  static constexpr unsigned StyleMask = 15;
  static uint16_t StyleBits(TiPlotMarkerStyle s) { return static_cast<uint16_t>((s & StyleMask) << StyleShift); }
  bool Bit(int Index, uint16_t bit) { return (At(Index).Flags & bit) != 0; }
  void SetBit(int Index, uint16_t bit, bool on) {
    TiPlotDataNullRecord& r = At(Index);
    r.Flags = static_cast<uint16_t>(on ? r.Flags | bit : r.Flags & ~bit);
  }
};
