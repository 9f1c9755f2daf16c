// A display and a chart channel taking live values from the stand-in
// library, painted as the window paints them; the picture is saved for a
// person to look at (build/<dir>/opc-rendering.png).
#include <gtest/gtest.h>

#include "OPCTestSupport.h"
#include "components/iSevenSegmentAnalog.h"
#include "platform/Bitmap.h"
#include "platform/ImageFiles.h"
#include "plot/dIred.h"

namespace {
// The window's paint path, error frame included.
template <class C>
struct TShown : C {
  using C::Paint;
};

int CountPixels(const TBitmap& b, TRect r, TColor color) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += b.Pixel(x, y) == color;
  return n;
}
}  // namespace

TEST(OPCRendering, ADisplayAndAChannelShowLiveValues) {
  TShown<TiSevenSegmentAnalog> sine, flaky;
  sine.SetSegmentColor(clLime);
  flaky.SetSegmentColor(clYellow);
  Bind(*sine.OPCItems().Add(), "Value", "Sine");
  TiOPCItem& flakyItem = *flaky.OPCItems().Add();
  flakyItem.SetAutoError(true);
  Bind(flakyItem, "Value", "QualityToggle");

  TShown<TiPlot> plot;
  plot.SetBounds(0, 0, 480, 240);
  plot.XAxis(0)->SetSpan(2);
  TiPlotChannel* channel = plot.Channel(0);
  channel->SetTitleText("Sine");
  channel->SetTraceLineWidth(2);
  channel->SetOPCXValueSource(iopcxvsElapsedSeconds);
  channel->SetOPCUpdateRate(20);
  channel->SetOPCServerName("Sim");
  channel->SetOPCItemName("Sine");

  ASSERT_TRUE(RunEventsUntil([&] { return channel->Count() >= 60 && flaky.ErrorActive() && sine.Value() != 0; }));

  const int displayHeight = std::max(sine.Height(), flaky.Height());
  TBitmap picture(std::max(480, sine.Width() + flaky.Width() + 10), displayHeight + 250);
  picture.Canvas().Brush.Color = clWhite;
  picture.Canvas().FillRect({0, 0, picture.Width(), picture.Height()});
  TBitmap a(sine.Width(), sine.Height()), b(flaky.Width(), flaky.Height()), c(480, 240);
  sine.Paint(a.Canvas());
  flaky.Paint(b.Canvas());
  plot.Paint(c.Canvas());
  picture.Canvas().Draw(0, 0, a);
  picture.Canvas().Draw(sine.Width() + 10, 0, b);
  picture.Canvas().Draw(0, displayHeight + 10, c);
  platform::SavePNG(picture, OPC_RENDERING, 9);

  EXPECT_GT(CountPixels(a, {0, 0, a.Width(), a.Height()}, clLime), 50) << "lit segments of the sine display";
  EXPECT_EQ(b.Pixel(0, 0), clRed) << "the bad-quality display is framed in red";
  EXPECT_EQ(b.Pixel(b.Width() - 1, b.Height() / 2), clRed);
  const TRect view = plot.DataView(0)->GetRect();
  EXPECT_GT(CountPixels(c, view, clRed), 60) << "the channel's trace in the data view";
}
