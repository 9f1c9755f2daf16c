// Small stand-ins for the chart, offering exactly the operations the main window uses of them. Each is
// replaced by the real component as it lands; the window's acquisition code
// does not change when that happens.
#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "platform/Types.h"

class TFontStandIn {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }

 private:
  TColor color_ = clWhite;
};

class TAxisStandIn {
 public:
  explicit TAxisStandIn(std::string name, double span) : name_(std::move(name)), span_(span) {}
  const std::string& Name() const { return name_; }
  double Min() const { return min_; }
  void SetMin(double v) { min_ = v; }
  double Span() const { return span_; }
  void SetSpan(double v) { span_ = v; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& v) { title_ = v; }
  bool TitleShow() const { return titleShow_; }
  void SetTitleShow(bool v) { titleShow_ = v; }
  TFontStandIn* LabelsFont() { return &labelsFont_; }

 private:
  std::string name_, title_;
  double min_ = 0, span_;
  bool titleShow_ = false;
  TFontStandIn labelsFont_;
};

class TChannelStandIn {
 public:
  explicit TChannelStandIn(std::string name, TColor color) : titleText_(std::move(name)), color_(color) {}
  const std::string& TitleText() const { return titleText_; }
  void SetTitleText(const std::string& v) { titleText_ = v; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { color_ = v; }
  int TraceLineWidth() const { return traceLineWidth_; }
  void SetTraceLineWidth(int v) { traceLineWidth_ = v; }
  const std::string& XAxisName() const { return xAxisName_; }
  void SetXAxisName(const std::string& v) { xAxisName_ = v; }
  int AddXY(double x, double y);
  int Count() const { return static_cast<int>(points_.size()); }
  double GetX(int i) const { return points_.at(i).first; }
  double GetY(int i) const { return points_.at(i).second; }

  std::function<void()> OnChange;

 private:
  std::string titleText_, xAxisName_;
  TColor color_;
  int traceLineWidth_ = 1;
  std::vector<std::pair<double, double>> points_;
};

// A chart that keeps its points and draws them plainly: newest x at the right
// end of the x axis, the y axis widened to the data.
class TChartStandIn : public QWidget {
 public:
  explicit TChartStandIn(QWidget* parent);
  ~TChartStandIn() override;

  const std::string& TitleText() const { return titleText_; }
  void SetTitleText(const std::string& v) { titleText_ = v; update(); }
  void RemoveAllChannels() { channels_.clear(); update(); }
  void RemoveAllXAxes() { xAxes_.clear(); update(); }
  int AddChannel();
  int AddXAxis();
  int ChannelCount() const { return static_cast<int>(channels_.size()); }
  int XAxisCount() const { return static_cast<int>(xAxes_.size()); }
  int YAxisCount() const { return static_cast<int>(yAxes_.size()); }
  TChannelStandIn* Channel(int index) const { return channels_.at(index).get(); }
  TAxisStandIn* XAxis(int index) const { return xAxes_.at(index).get(); }
  TAxisStandIn* YAxis(int index) const { return yAxes_.at(index).get(); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void Track(double x, double y);
  std::string titleText_ = "Untitled";
  std::vector<std::unique_ptr<TChannelStandIn>> channels_;
  std::vector<std::unique_ptr<TAxisStandIn>> xAxes_, yAxes_;
  int channelsMade_ = 0, xAxesMade_ = 0;
};
