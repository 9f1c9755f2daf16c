#include "plot/iTraceReduction.h"

void TiPlotColumnReducer::Stroke(const TiPlotMinMaxPoint& m) {
  if (!m.Empty && m.MaxY != m.MinY) Drawer_.DrawSegment(false, m.X, m.MinY, m.X, m.MaxY, true);
}

void TiPlotColumnReducer::Connect(const TiPlotMinMaxPoint& a, const TiPlotMinMaxPoint& b) {
  if (!a.Empty && !b.Empty) Drawer_.DrawSegment(false, a.X, a.LastY, b.X, b.FirstY);
}

void TiPlotColumnReducer::Flush() {
  Stroke(P_);
  Stroke(C_);
  Connect(P_, C_);
  Connect(C_, N_);
}
