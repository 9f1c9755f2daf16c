// Without the data-server library (this program's folder holds none): items
// never connect and never raise; only a direct call into the library raises.
#include <gtest/gtest.h>

#include "components/iOPCBinding.h"
#include "components/iSevenSegmentAnalog.h"
#include "opc/iOPCDLLLoader.h"
#include "platform/Exception.h"
#include "plot/dIred.h"
#include "tests/support/MessageOf.h"

namespace {
void BindToCounter(TiOPCItem& item) {
  item.SetPropertyName("Value");
  item.SetServerName("Sim");
  item.SetItemName("Counter");
  item.SetAutoError(true);
}
}  // namespace

TEST(OPCWithoutLibrary, DirectCallsRaiseTheNotFoundMessage) {
  TiOPCDLLLoader& dll = TiOPCDLLLoader::Instance();
  EXPECT_FALSE(dll.Available());
  EXPECT_EQ(dll.UseCount(), 1);
  const std::string message = "Wexlar OPC DLL Not Found.";
  EXPECT_EQ(MessageOf([&] { dll.SignalGetActive(1); }), message);
  EXPECT_EQ(MessageOf([&] { dll.SignalRemove(1); }), message);
  EXPECT_EQ(MessageOf([&] { dll.SignalSendData(1, TdEDOValue{}); }), message);
  EXPECT_EQ(MessageOf([&] { dll.Require("EditorSessionStart"); }), message);
}

TEST(OPCWithoutLibrary, ItemsStayUnconnectedAndNothingRaises) {
  TiSevenSegmentAnalog display;
  TiOPCItem& item = *display.OPCItems().Add();
  BindToCounter(item);
  EXPECT_TRUE(item.PropertyExists());
  EXPECT_NO_THROW(item.Connect());
  EXPECT_NO_THROW(item.SetAutoConnect(false));
  EXPECT_NO_THROW(item.SetAutoConnect(true));
  EXPECT_NO_THROW(item.SendData(int64_t{5}));
  EXPECT_FALSE(item.Active());
  EXPECT_EQ(item.Handle(), 0);
  EXPECT_FALSE(display.ErrorActive());
  EXPECT_NO_THROW(item.Disconnect());
}

TEST(OPCWithoutLibrary, ChannelsKeepTheirItemAndTakeNoPoints) {
  TiPlot plot;
  TiPlotChannel* channel = plot.Channel(plot.AddChannel());
  EXPECT_EQ(channel->OPCItem().PropertyName(), "Data");
  EXPECT_EQ(channel->OPCComputerName(), "Local");
  channel->SetOPCServerName("Sim");
  channel->SetOPCItemName("Counter");
  EXPECT_EQ(channel->OPCItem().ItemName(), "Counter");
  EXPECT_EQ(channel->OPCItem().Handle(), 0);
  EXPECT_EQ(channel->Count(), 0);
}

TEST(OPCWithoutLibrary, AStoredItemListIsReadAndStaysUnconnected) {
  TiPlot source;
  BindToCounter(*source.OPCItems().Add());
  TiPlot target;
  EXPECT_NO_THROW(target.ReadDescription(source.WriteDescription()));
  ASSERT_EQ(target.OPCItems().Count(), 1);
  EXPECT_EQ(target.OPCItems().Item(0)->ItemName(), "Counter");
  EXPECT_EQ(target.OPCItems().Item(0)->Handle(), 0);
}
