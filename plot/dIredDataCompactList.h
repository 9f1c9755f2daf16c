// The compact list: X and Y rounded to single precision on the way in and
// widened on the way out; no Null, Empty or per-point attributes. 8 bytes a
// point.
#pragma once
#include "plot/iDataRecordList.h"

struct TiPlotDataCompactRecord {
  float X, Y;
};
static_assert(sizeof(TiPlotDataCompactRecord) == 8);

class TiPlotDataCompactList final : public TiPlotDataRecordList<TiPlotDataCompactRecord> {
 public:
  double GetX(int Index) override { return At(Index).X; }
  double GetY(int Index) override { return At(Index).Y; }
  void SetX(int Index, double Value) override { StoreX(Index, StoredSingle(Value)); }
  void SetY(int Index, double Value) override { At(Index).Y = StoredSingle(Value); }

  int Add(double X, double Y) override { return Store({StoredSingle(X), StoredSingle(Y)}); }
  void DeleteOldest(int N) override { RemoveOldest(N, false, "Delete size out of Range"); }
  void GetPoint(int Index, double& X, double& Y, bool& Empty, bool& Null) override {
    const TiPlotDataCompactRecord& r = At(Index);
    X = r.X;
    Y = r.Y;
    Empty = Null = false;
  }
};
