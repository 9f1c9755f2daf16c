#include "app/StandIns.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>


namespace {
QColor ToQColor(TColor c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
}  // namespace

int TChannelStandIn::AddXY(double x, double y) {
  points_.emplace_back(x, y);
  if (OnChange) OnChange();
  return Count() - 1;
}

TChartStandIn::TChartStandIn(QWidget* parent) : QWidget(parent) {
  // As stored with the window: one x axis, one y axis, one channel.
  yAxes_.push_back(std::make_unique<TAxisStandIn>("Y-Axis 1", 100));
  AddXAxis();
  AddChannel();
}

TChartStandIn::~TChartStandIn() = default;

int TChartStandIn::AddChannel() {
  static const TColor colors[] = {clRed, clYellow, clBlue, clLime, clFuchsia, clAqua, clWhite};
  const int index = ChannelCount();
  channels_.push_back(std::make_unique<TChannelStandIn>("Channel " + std::to_string(++channelsMade_),
                                                        colors[index % std::size(colors)]));
  TChannelStandIn* channel = channels_.back().get();
  channel->OnChange = [this, channel] {
    Track(channel->GetX(channel->Count() - 1), channel->GetY(channel->Count() - 1));
    update();
  };
  return index;
}

int TChartStandIn::AddXAxis() {
  xAxes_.push_back(std::make_unique<TAxisStandIn>("X-Axis " + std::to_string(++xAxesMade_), 100));
  return XAxisCount() - 1;
}

void TChartStandIn::Track(double x, double y) {
  for (auto& axis : xAxes_)
    if (x > axis->Min() + axis->Span()) axis->SetMin(x - axis->Span());
  for (auto& axis : yAxes_) {
    if (y < axis->Min()) {
      axis->SetSpan(axis->Span() + axis->Min() - y);
      axis->SetMin(y);
    }
    if (y > axis->Min() + axis->Span()) axis->SetSpan(y - axis->Min());
  }
}

void TChartStandIn::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, Qt::blue);
  gradient.setColorAt(1, Qt::black);
  p.fillRect(rect(), gradient);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 4, width(), 24), Qt::AlignHCenter, QString::fromStdString(titleText_));
  const QRect view = rect().adjusted(60, 32, -20, -40);
  p.fillRect(view, Qt::black);
  if (xAxes_.empty() || yAxes_.empty()) return;
  const TAxisStandIn& xa = *xAxes_.front();
  const TAxisStandIn& ya = *yAxes_.front();
  p.drawText(QRect(view.left(), view.bottom() + 4, view.width(), 20), Qt::AlignHCenter,
             QString::fromStdString(xa.Title()));
  for (const auto& channel : channels_) {
    QPainterPath path;
    for (int i = 0; i < channel->Count(); ++i) {
      const double px = view.left() + (channel->GetX(i) - xa.Min()) / std::max(xa.Span(), 1e-12) * view.width();
      const double py = view.bottom() - (channel->GetY(i) - ya.Min()) / std::max(ya.Span(), 1e-12) * view.height();
      if (i == 0) path.moveTo(px, py);
      else path.lineTo(px, py);
    }
    p.setClipRect(view);
    p.setPen(QPen(ToQColor(channel->Color()), channel->TraceLineWidth()));
    p.drawPath(path);
    p.setClipping(false);
  }
}
