// The strip-chart channel of TiPlot: points whose X runs monotonically (the
// sample counter or a time), so the visible range is found by binary search
// and the extents to fit come from the ends of the data.
#pragma once
#include "platform/Clock.h"
#include "plot/dIredChannelCustom.h"

// Where a value from the OPC item takes its X from.
enum TiPlotOPCXValueSource : uint8_t {
  iopcxvsOPCServerTimeStamp, iopcxvsSystemTimeStamp, iopcxvsElapsedTime, iopcxvsElapsedSeconds
};

class TiPlotChannel : public TiPlotChannelCustom {
 public:
  explicit TiPlotChannel(const TiPlotObjectHooks& hooks);
  ~TiPlotChannel() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  TiPlotOPCXValueSource OPCXValueSource() const { return OPCXValueSource_; }
  void SetOPCXValueSource(TiPlotOPCXValueSource value) { SetProperty(OPCXValueSource_, value); }

  // Local date and time when the channel was made.
  platform::TDateTime StartTime() const { return StartTime_; }
  void SetStartTime(platform::TDateTime value) { StartTime_ = value; }
  // X = the time since StartTime, in days or in seconds.
  int AddYElapsedTime(double Y);
  int AddYElapsedSeconds(double Y);

  // Whether X grows with the index (decided by the first two points once
  // there are three).
  bool Ascending() const { return Ascending_; }
  void UpdateAscending();
  void CalcFirstVisibleIndex() override;
  void CalcLastVisibleIndex() override;

  double GetFitXMax() override;
  double GetFitXMin() override;
  double GetFitYMax() override;
  double GetFitYMin() override;

  void OPCNewData(const TiPlotOPCValue& value, double serverTimeStamp) override;

 private:
  bool CanFit();
  void RecomputeVisibleRange();

  TiPlotOPCXValueSource OPCXValueSource_ = iopcxvsOPCServerTimeStamp;
  platform::TDateTime StartTime_;
  bool Ascending_ = true;
};
