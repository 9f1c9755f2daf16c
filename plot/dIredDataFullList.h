// The full-feature list: every point keeps X, Y, Null, Empty, high-low-open-
// close values and its own copy of every trace, marker and bar attribute.
// 136 bytes a point.
#pragma once
#include "plot/iDataRecordList.h"

struct TiPlotDataFullRecord {
  double X, Y;
  bool Null, Empty;
  double High, Low, Open, Close;
  TiPlotPointAttributes Attributes;
};
static_assert(sizeof(TiPlotDataFullRecord) == 136);

class TiPlotDataFullList final : public TiPlotDataRecordList<TiPlotDataFullRecord> {
 public:
  double GetX(int Index) override { return At(Index).X; }
  double GetY(int Index) override { return At(Index).Y; }
  bool GetEmpty(int Index) override { return At(Index).Empty; }
  bool GetNull(int Index) override { return At(Index).Null; }
  double GetHigh(int Index) override { return At(Index).High; }
  double GetLow(int Index) override { return At(Index).Low; }
  double GetOpen(int Index) override { return At(Index).Open; }
  double GetClose(int Index) override { return At(Index).Close; }
  void SetX(int Index, double Value) override { StoreX(Index, Value); }
  void SetY(int Index, double Value) override { At(Index).Y = Value; }
  void SetEmpty(int Index, bool Value) override { At(Index).Empty = Value; }
  void SetNull(int Index, bool Value) override { At(Index).Null = Value; }
  void SetHigh(int Index, double Value) override { At(Index).High = Value; }
  void SetLow(int Index, double Value) override { At(Index).Low = Value; }
  void SetOpen(int Index, double Value) override { At(Index).Open = Value; }
  void SetClose(int Index, double Value) override { At(Index).Close = Value; }

  TColor GetColor(int Index) override { return Attr(Index).Color; }
  int32_t GetTraceLineWidth(int Index) override { return Attr(Index).TraceLineWidth; }
  TiPlotLineStyle GetTraceLineStyle(int Index) override { return Attr(Index).TraceLineStyle; }
  bool GetMarkersVisible(int Index) override { return Attr(Index).MarkersVisible; }
  int32_t GetMarkersSize(int Index) override { return Attr(Index).MarkersSize; }
  TiPlotMarkerStyle GetMarkersStyle(int Index) override { return Attr(Index).MarkersStyle; }
  TColor GetMarkersPenColor(int Index) override { return Attr(Index).MarkersPenColor; }
  int32_t GetMarkersPenWidth(int Index) override { return Attr(Index).MarkersPenWidth; }
  uint8_t GetMarkersPenStyle(int Index) override { return Attr(Index).MarkersPenStyle; }
  TColor GetMarkersBrushColor(int Index) override { return Attr(Index).MarkersBrushColor; }
  uint8_t GetMarkersBrushStyle(int Index) override { return Attr(Index).MarkersBrushStyle; }
  char GetMarkersCharacter(int Index) override { return Attr(Index).MarkersCharacter; }
  bool GetBarVisible(int Index) override { return Attr(Index).BarVisible; }
  double GetBarReference(int Index) override { return Attr(Index).BarReference; }
  double GetBarWidth(int Index) override { return Attr(Index).BarWidth; }
  TColor GetBarPenColor(int Index) override { return Attr(Index).BarPenColor; }
  int32_t GetBarPenWidth(int Index) override { return Attr(Index).BarPenWidth; }
  uint8_t GetBarPenStyle(int Index) override { return Attr(Index).BarPenStyle; }
  TColor GetBarBrushColor(int Index) override { return Attr(Index).BarBrushColor; }
  uint8_t GetBarBrushStyle(int Index) override { return Attr(Index).BarBrushStyle; }

  void SetColor(int Index, TColor Value) override { Attr(Index).Color = Value; }
  void SetTraceLineWidth(int Index, int32_t Value) override { Attr(Index).TraceLineWidth = Value; }
  void SetTraceLineStyle(int Index, TiPlotLineStyle Value) override { Attr(Index).TraceLineStyle = Value; }
  void SetMarkersVisible(int Index, bool Value) override { Attr(Index).MarkersVisible = Value; }
  void SetMarkersSize(int Index, int32_t Value) override { Attr(Index).MarkersSize = Value; }
  void SetMarkersStyle(int Index, TiPlotMarkerStyle Value) override { Attr(Index).MarkersStyle = Value; }
  void SetMarkersPenColor(int Index, TColor Value) override { Attr(Index).MarkersPenColor = Value; }
  void SetMarkersPenWidth(int Index, int32_t Value) override { Attr(Index).MarkersPenWidth = Value; }
  void SetMarkersPenStyle(int Index, uint8_t Value) override { Attr(Index).MarkersPenStyle = Value; }
  void SetMarkersBrushColor(int Index, TColor Value) override { Attr(Index).MarkersBrushColor = Value; }
  void SetMarkersBrushStyle(int Index, uint8_t Value) override { Attr(Index).MarkersBrushStyle = Value; }
  void SetMarkersCharacter(int Index, char Value) override { Attr(Index).MarkersCharacter = Value; }
  void SetBarVisible(int Index, bool Value) override { Attr(Index).BarVisible = Value; }
  void SetBarReference(int Index, double Value) override { Attr(Index).BarReference = Value; }
  void SetBarWidth(int Index, double Value) override { Attr(Index).BarWidth = Value; }
  void SetBarPenColor(int Index, TColor Value) override { Attr(Index).BarPenColor = Value; }
  void SetBarPenWidth(int Index, int32_t Value) override { Attr(Index).BarPenWidth = Value; }
  void SetBarPenStyle(int Index, uint8_t Value) override { Attr(Index).BarPenStyle = Value; }
  void SetBarBrushColor(int Index, TColor Value) override { Attr(Index).BarBrushColor = Value; }
  void SetBarBrushStyle(int Index, uint8_t Value) override { Attr(Index).BarBrushStyle = Value; }

  int Add(double X, double Y) override {
    TiPlotDataFullRecord r{X, Y, false, false, 0.0, 0.0, 0.0, 0.0, *this};
    r.Attributes.MarkersCharacter = 0;
    return Store(r);
  }
  void DeleteOldest(int N) override { RemoveOldest(N, false, "Delete Size Out Of Range"); }
  void GetPoint(int Index, double& X, double& Y, bool& Empty, bool& Null) override {
    const TiPlotDataFullRecord& r = At(Index);
    X = r.X;
    Y = r.Y;
    Empty = r.Empty;
    Null = r.Null;
  }

 private:
  TiPlotPointAttributes& Attr(int Index) { return At(Index).Attributes; }
};
