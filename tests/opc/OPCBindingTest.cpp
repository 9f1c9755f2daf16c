// Binding against the stand-in data-server library (libdEDO.so beside this
// program): components and channels take live values on the GUI thread.
#include <gtest/gtest.h>
#include <modbus.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "OPCTestSupport.h"
#include "components/iOPCBinding.h"
#include "components/iSevenSegmentAnalog.h"
#include "opc/iOPCDLLLoader.h"
#include "platform/Bitmap.h"
#include "platform/GuiThreadCall.h"
#include "plot/dIred.h"
#include "tests/components/TestComponent.h"

TEST(OPCLibrary, TheStandInIsFoundAndLacksTheEditorFunctions) {
  TiOPCDLLLoader& dll = TiOPCDLLLoader::Instance();
  ASSERT_TRUE(dll.Available());
  EXPECT_NO_THROW(dll.Require("SignalAdd"));
  EXPECT_EQ(MessageOf([&] { dll.Require("EditorSessionStart"); }),
            "Function \"EditorSessionStart\" not found in \"dEDO.dll\".");
  EXPECT_FALSE(dll.SignalGetActive(987654));
}

TEST(OPCLibrary, AnUnknownItemOrIncompleteNamesLeaveTheItemUnconnected) {
  TiTestComponent component;
  TiOPCItem& item = *component.OPCItems().Add();
  Bind(item, "Ratio", "NoSuchItem");
  EXPECT_EQ(item.Handle(), 0);
  item.SetItemName("Counter");
  EXPECT_TRUE(item.Active());
  item.SetServerName("  ");
  EXPECT_FALSE(item.Active()) << "no server and no group: the subscription ends";
}

TEST(OPCLibrary, NothingConnectsWhileTheOwnerIsBeingDesigned) {
  bool designing = true;
  TiOPCItemManagerHooks hooks;
  hooks.Designing = [&] { return designing; };
  TiOPCItemManager manager(std::move(hooks));
  TiOPCItem& item = *manager.Add();
  Bind(item, "Data", "Counter");
  item.Connect();
  EXPECT_EQ(item.Handle(), 0);
  designing = false;
  item.Connect();
  EXPECT_TRUE(item.Active());
}

// ---- Components ----------------------------------------------------------------

TEST(OPCComponent, ASevenSegmentDisplayBoundByValueShowsSine) {
  TiSevenSegmentAnalog display;
  TiOPCItem& item = *display.OPCItems().Add();
  int updates = 0;
  bool inUpdate = false;
  const std::thread::id guiThread = std::this_thread::get_id();
  display.OnNewOPCData = [&](TiVCLComponent* sender, int index) {
    EXPECT_EQ(sender, &display);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(std::this_thread::get_id(), guiThread) << "the stand-in calls from its own thread";
    inUpdate = display.InOPCUpdate();
    ++updates;
  };
  Bind(item, "value", "Sine");  // any letter case
  ASSERT_TRUE(item.PropertyExists());
  ASSERT_TRUE(item.Active());
  ASSERT_TRUE(RunEventsUntil([&] { return updates >= 5 && display.Value() != 0; }));
  EXPECT_TRUE(inUpdate);
  EXPECT_FALSE(display.InOPCUpdate());
  const double* v = std::get_if<double>(&item.Value());
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(display.Value(), *v);
  EXPECT_LE(std::fabs(*v), 100.0);
  EXPECT_TRUE(item.QualityGood());
  EXPECT_GT(item.TimeStamp(), 40000.0) << "a date-time after 2009";
}

TEST(OPCComponent, ADottedPathReachesAFontsColour) {
  TiTestComponent component;
  TiOPCItem& item = *component.OPCItems().Add();
  component.OnBeforeNewOPCData = [](TiVCLComponent*, int, TiOPCValue& value) { value = int64_t{0x123456}; };
  Bind(item, "Font.Color", "Counter");
  EXPECT_TRUE(item.PropertyExists());
  ASSERT_TRUE(RunEventsUntil([&] { return component.Font().Color == 0x123456; }));
}

TEST(OPCComponent, BadQualitySetsTheErrorStateAndGoodQualityClearsIt) {
  TiTestComponent component;
  TiOPCItem& item = *component.OPCItems().Add();
  item.SetAutoError(true);
  // What each value left behind: its number, the error flag, the property.
  struct TSeen {
    int64_t Count;
    bool Error;
    double Ratio;
  };
  std::vector<TSeen> seen;
  component.OnNewOPCData = [&](TiVCLComponent*, int) {
    seen.push_back({IntegerOf(item.Value()), component.ErrorActive(), component.Ratio()});
  };
  Bind(item, "Ratio", "QualityToggle");  // good for 3 updates, bad for 3, ...
  ASSERT_TRUE(RunEventsUntil([&] { return seen.size() >= 8; }));
  for (const TSeen& s : seen) {
    const bool bad = (s.Count - 1) / 3 % 2 == 1;
    EXPECT_EQ(s.Error, bad) << s.Count;
    // A bad run keeps the last good value: 3 through 4..6, 9 through 10..12.
    const int64_t kept = bad ? (s.Count - 1) / 3 * 3 : s.Count;
    EXPECT_EQ(s.Ratio, static_cast<double>(kept)) << "a bad value is not stored";
  }

  // Without AutoError the flag stays as it is.
  item.SetAutoError(false);
  component.SetErrorActive(false);
  seen.clear();
  ASSERT_TRUE(RunEventsUntil([&] { return seen.size() >= 6; }));
  for (const TSeen& s : seen) EXPECT_FALSE(s.Error) << s.Count;
}

TEST(OPCComponent, TheErrorFlagShowsAsARedFrame) {
  TiTestComponent component;  // black face, lime square
  TBitmap bitmap(component.Width(), component.Height());
  component.PaintWindow(bitmap.Canvas());
  EXPECT_EQ(bitmap.Pixel(0, 0), clBlack);
  component.SetErrorActive(true);
  component.PaintWindow(bitmap.Canvas());
  for (TPoint p : {TPoint{0, 0}, TPoint{1, 15}, TPoint{39, 29}, TPoint{38, 5}, TPoint{20, 28}})
    EXPECT_EQ(bitmap.Pixel(p.X, p.Y), clRed) << p.X << "," << p.Y;
  EXPECT_EQ(bitmap.Pixel(2, 2), clBlack);
  EXPECT_EQ(bitmap.Pixel(15, 15), clLime);
}

TEST(OPCComponent, SendDataToSetpointReadsBack) {
  TiTestComponent component;
  TiOPCItem& item = *component.OPCItems().Add();
  Bind(item, "Ratio", "Setpoint");
  item.SendData(42.5);
  ASSERT_TRUE(RunEventsUntil([&] { return component.Ratio() == 42.5; }));
  item.SendData(std::string("7"));
  ASSERT_TRUE(RunEventsUntil([&] { return component.Ratio() == 7; }));
}

TEST(OPCComponent, ChangingItemNameWhileActiveResubscribes) {
  TiTestComponent component;
  TiOPCItem& item = *component.OPCItems().Add();
  Bind(item, "Caption", "Counter");
  ASSERT_TRUE(RunEventsUntil([&] { return IntegerOf(item.Value()) >= 3; }));
  const TdEDOHandle before = item.Handle();
  item.SetItemName("Setpoint");
  EXPECT_NE(item.Handle(), before);
  EXPECT_TRUE(item.Active());
  EXPECT_FALSE(TiOPCDLLLoader::Instance().SignalGetActive(before)) << "the old subscription ended";
  item.SendData(3.25);
  ASSERT_TRUE(RunEventsUntil([&] { return component.Caption() == "3.25"; }));
  // Counter values queued before the change never arrive after it.
  int counters = 0;
  component.OnNewOPCData = [&](TiVCLComponent*, int) { counters += std::holds_alternative<int64_t>(item.Value()); };
  RunEventsFor(100);  // anything still queued arrives
  EXPECT_EQ(counters, 0);
}

TEST(OPCComponent, ItemsGoneOrRemovedGetNoMoreValues) {
  int values = 0;
  {
    TiTestComponent component;
    TiOPCItem& item = *component.OPCItems().Add();
    component.OnNewOPCData = [&](TiVCLComponent*, int) { ++values; };
    Bind(item, "Ratio", "Counter");
    item.SetUpdateRate(10);
    ASSERT_TRUE(RunEventsUntil([&] { return values >= 2; }));
    component.OPCItems().Delete(0);  // may leave values queued for it
    EXPECT_EQ(component.OPCItems().Count(), 0);
    const int seen = values;
    RunEventsFor(60);
    EXPECT_EQ(values, seen);
    Bind(*component.OPCItems().Add(), "Ratio", "Counter");
  }  // destroyed while subscribed: what is queued finds nothing
  RunEventsFor(60);
}

TEST(OPCComponent, AStoredItemListReplacesTheItemsAndConnects) {
  TiPlot source;
  TiOPCItem& stored = *source.OPCItems().Add();
  stored.SetAutoConnect(false);
  Bind(stored, "TitleText", "Counter");
  stored.SetAutoConnect(true);  // a plot connects at once
  EXPECT_TRUE(stored.Active());
  stored.SetAutoError(true);
  const std::string text = source.WriteDescription();
  EXPECT_NE(text.find("OPCItems"), std::string::npos);

  TiPlot target;
  target.OPCItems().Add();
  target.ReadDescription(text);
  ASSERT_EQ(target.OPCItems().Count(), 1);
  TiOPCItem& item = *target.OPCItems().Item(0);
  EXPECT_EQ(item.ItemName(), "Counter");
  EXPECT_EQ(item.UpdateRate(), 20);
  EXPECT_TRUE(item.AutoError());
  EXPECT_TRUE(item.Active());
  ASSERT_TRUE(RunEventsUntil([&] { return IntegerOf(item.Value()) >= 3; }));
  EXPECT_EQ(target.TitleText(), OPCValueText(item.Value()));
}

TEST(OPCComponent, AStoredItemWithABadValueIsDroppedUnconnected) {
  TiPlot source;
  Bind(*source.OPCItems().Add(), "TitleText", "Counter");
  std::string text = source.WriteDescription();
  const size_t rate = text.find("UpdateRate = 20");
  ASSERT_NE(rate, std::string::npos) << text;
  text.replace(rate, 15, "UpdateRate = fast");
  TiPlot target;
  EXPECT_THROW(target.ReadDescription(text), EConvertError);
  EXPECT_EQ(target.OPCItems().Count(), 0);
}

// ---- Channels ------------------------------------------------------------------

TEST(OPCChannel, AChannelBoundToCounterReceivesItsPoints) {
  TiPlot plot;
  plot.SetBounds(0, 0, 400, 200);
  TiPlotChannel* channel = plot.Channel(0);
  channel->SetOPCXValueSource(iopcxvsElapsedSeconds);
  channel->SetOPCUpdateRate(20);
  channel->SetOPCServerName("Sim");
  channel->SetOPCItemName("Counter");
  EXPECT_EQ(channel->OPCItem().UpdateRate(), 20);
  ASSERT_TRUE(channel->OPCItem().Active());
  ASSERT_TRUE(RunEventsUntil([&] { return channel->Count() >= 5; }));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(channel->GetY(i), i + 1) << i;
  EXPECT_LE(channel->GetX(0), channel->GetX(4));
}

TEST(OPCChannel, AChannelStoredWithItsItemConnectsWhenInserted) {
  TiPlot source;
  source.Channel(0)->SetOPCAutoConnect(false);
  source.Channel(0)->SetOPCUpdateRate(20);
  source.Channel(0)->SetOPCServerName("Sim");
  source.Channel(0)->SetOPCItemName("Counter");
  EXPECT_EQ(source.Channel(0)->OPCItem().Handle(), 0) << "AutoConnect off";
  source.Channel(0)->SetOPCAutoConnect(true);
  TiPlot target;
  target.ReadDescription(source.WriteDescription());
  TiPlotChannel* channel = target.Channel(0);
  EXPECT_EQ(channel->OPCItemName(), "Counter");
  ASSERT_TRUE(RunEventsUntil([&] { return channel->Count() >= 2; }));
}

// ---- Modbus --------------------------------------------------------------------

namespace {
// A Modbus TCP server on libmodbus, on a port the kernel picks, answering
// one client at a time until stopped.
class TModbusServer {
 public:
  TModbusServer() {
    context_ = modbus_new_tcp("127.0.0.1", 0);
    mapping_ = modbus_mapping_new(0, 0, 0x300, 0);
    listener_ = modbus_tcp_listen(context_, 1);
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~TModbusServer() {
    stop_ = true;
    shutdown(listener_, SHUT_RDWR);
    if (int s = client_.load(); s >= 0) shutdown(s, SHUT_RDWR);
    thread_.join();
    close(listener_);
    modbus_mapping_free(mapping_);
    modbus_free(context_);
  }
  uint16_t& Register(int address) { return mapping_->tab_registers[address]; }
  int port = 0;

 private:
  void Serve() {
    while (!stop_) {
      int listener = listener_;
      const int s = modbus_tcp_accept(context_, &listener);
      if (s < 0) return;
      client_ = s;
      uint8_t query[MODBUS_TCP_MAX_ADU_LENGTH];
      for (;;) {
        const int n = modbus_receive(context_, query);
        if (n > 0) modbus_reply(context_, query, n, mapping_);
        if (n < 0) break;
      }
      client_ = -1;
      close(s);
    }
  }
  modbus_t* context_;
  modbus_mapping_t* mapping_;
  int listener_ = -1;
  std::atomic<int> client_{-1};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};
}  // namespace

TEST(OPCModbus, AnItemReadsAndWritesAHoldingRegister) {
  TModbusServer server;
  server.Register(0x0201) = 1234;
  TiTestComponent component;
  TiOPCItem& item = *component.OPCItems().Add();
  item.SetAutoError(true);
  Bind(item, "Ratio", "modbus-tcp://127.0.0.1:" + std::to_string(server.port) + "/1/0x0201");
  ASSERT_TRUE(item.Active());
  ASSERT_TRUE(RunEventsUntil([&] { return component.Ratio() == 1234; }));
  EXPECT_TRUE(item.QualityGood());
  EXPECT_FALSE(component.ErrorActive());

  item.SendData(int64_t{4321});
  ASSERT_TRUE(RunEventsUntil([&] { return component.Ratio() == 4321; }));
}

TEST(OPCModbus, AnUnreachableDeviceGivesBadQuality) {
  int port = 0;
  {
    TModbusServer gone;  // a port that was free a moment ago
    port = gone.port;
  }
  TiTestComponent component;
  TiOPCItem& item = *component.OPCItems().Add();
  item.SetAutoError(true);
  Bind(item, "Ratio", "modbus-tcp://127.0.0.1:" + std::to_string(port) + "/1/513");
  ASSERT_TRUE(RunEventsUntil([&] { return component.ErrorActive(); }));
  EXPECT_EQ(item.Quality(), 0x18);
  EXPECT_EQ(component.Ratio(), 0.5) << "unchanged";
}
