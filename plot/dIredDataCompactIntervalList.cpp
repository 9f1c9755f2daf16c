#include "plot/dIredDataCompactIntervalList.h"

void TiPlotDataCompactIntervalList::SetX(int Index, double Value) {
  if (Count_ == 0 || Index != 0)
    throw Exception("Data Style does not support setting individual X-Value with the exception of the first X-Value");
  XStart = Value;
}

int TiPlotDataCompactIntervalList::AddInGeneral(double X, double Y) {
  if (Count_ == 0) XStart = X;
  else if (Count_ == 1 && XInterval == -1.0) XInterval = X - XStart;
  const bool overwrite = RingActive_ && Count_ == Capacity_;
  // The oldest point goes, so the survivors move down one logical place;
  // XStart follows them so that each keeps its X. A ring of one has no
  // survivors: its only point takes the new X.
  const double nextStart = Count_ > 1 ? XStart + XInterval : X;
  const int slot = Store(StoredSingle(Y));
  if (overwrite) XStart = nextStart;
  return slot;
}

void TiPlotDataCompactIntervalList::Clear() {
  TiPlotDataCustomList::Clear();
  XInterval = -1.0;
}

// The survivors keep their X: XStart moves on by the deleted points.
void TiPlotDataCompactIntervalList::DeleteOldest(int N) {
  RemoveOldest(N, true, "Delete size out of Range");
  if (XInterval != -1.0) XStart += N * XInterval;
}
