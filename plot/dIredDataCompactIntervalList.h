// The compact-interval list: only Y is stored (single precision); the X of
// logical point i is i * XInterval + XStart. The first point gives XStart, the
// second teaches XInterval (-1.0 until then); later X values are ignored.
// 4 bytes a point.
#pragma once
#include "plot/iDataRecordList.h"

class TiPlotDataCompactIntervalList final : public TiPlotDataRecordList<float> {
 public:
  TiPlotDataCompactIntervalList() = default;

  // Extrapolates without an index check, also past the last point.
  double GetX(int Index) override { return Index * XInterval + XStart; }
  double GetY(int Index) override { return At(Index); }
  // Only the first X can be set, and it moves every point.
  void SetX(int Index, double Value) override;
  void SetY(int Index, double Value) override { At(Index) = StoredSingle(Value); }

  // Once XStart and XInterval are known, a point that finds a free slot only
  // stores its Y; the first two points and a full block or ring take the
  // general path.
  int Add(double X, double Y) override {
    if (Count_ >= 2 && Count_ < Capacity_) {
      Items[Count_] = StoredSingle(Y);
      return Count_++;
    }
    return AddInGeneral(X, Y);
  }
  void Clear() override;
  // Its X values step by XInterval: they run one way, or both for one point.
  bool XAscending() override { return Count_ < 2 || XInterval >= 0; }
  bool XDescending() override { return Count_ < 2 || XInterval <= 0; }
  // Accepts 0 <= N <= Count.
  void DeleteOldest(int N) override;
  void GetPoint(int Index, double& X, double& Y, bool& Empty, bool& Null) override {
    Y = At(Index);
    X = GetX(Index);
    Empty = Null = false;
  }

  double XInterval = -1.0;  // -1.0: not learned yet
  double XStart = 0.0;

 private:
  int AddInGeneral(double X, double Y);
};
