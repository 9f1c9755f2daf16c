#include "plot/iChannelStatistics.h"

#include <cfloat>

static_assert(LDBL_MANT_DIG >= 64, "the running sums need extended precision");

void TiPlotChannelStatistics::Add(double X, double Y) {
  if (X > XMax) XMax = X;
  if (!(X >= XMin)) XMin = X;
  if (Y > YMax) YMax = Y;
  if (!(Y >= YMin)) YMin = Y;
  ++StatCount;
  XSum += X;
  YSum += Y;
  XMean = static_cast<double>(XSum / StatCount);
  YMean = static_cast<double>(YSum / StatCount);
}
