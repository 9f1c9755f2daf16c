// Where the ticks of an axis go: the step chooser (decimal 1-2-5 steps,
// date/time steps, price steps, a requested increment) and the walk that
// lays majors and minors over the visible range. Pure arithmetic; the axis
// turns the values into tick objects with label texts.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

// Which family of automatic steps fits the label style.
enum TiTickStepKind : uint8_t { itsDecimal, itsDateTime, itsPrice };

struct TiTickRequest {
  double Min = 0;
  double Span = 100;
  int PixelLength = 0;
  int Slots = 1;  // how many labels fit along the axis, at least 1
  double DesiredIncrement = 0;
  double DesiredStart = 0;
  int MinorCount = 1;
  bool LabelsVisible = true;
  bool Log10 = false;
  TiTickStepKind Steps = itsDecimal;
};

struct TiTickValue {
  uint8_t Kind = 0;  // 0 major, 1 minor
  double Value = 0;
  friend bool operator==(const TiTickValue&, const TiTickValue&) = default;
};

struct TiTickLayout {
  std::vector<TiTickValue> Ticks;  // in increasing value order
  double Step = 0;                 // major step: value units, or months / years
  int Intervals = 0;
  bool MonthMode = false;
  bool YearMode = false;
  // Month and year steps force the range into what the calendar can show;
  // the axis stores these without notification.
  double Min = 0;
  double Span = 0;
};

// `visible` says whether a value maps inside the scale rectangle; ticks
// outside it are left out. Never fails: a degenerate span yields one
// interval, an increment that stops moving the position ends the walk.
TiTickLayout GenerateTickValues(const TiTickRequest& request, const std::function<bool(double)>& visible);
