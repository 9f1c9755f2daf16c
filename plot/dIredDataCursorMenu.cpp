// The data cursor's popup menu: which channel it reads, what it measures,
// its options and the side of its hint.
#include <memory>

#include "components/iReflection.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredMasterManager.h"

namespace {
TiMenuItem* AddItem(TiMenuItem& menu, std::string caption) {
  menu.Items.push_back(std::make_unique<TiMenuItem>());
  menu.Items.back()->Caption = std::move(caption);
  return menu.Items.back().get();
}

// A title may span lines; its menu item is one line.
std::string WithoutLineBreaks(std::string text) {
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
  return text;
}
}  // namespace

TiPlotChannelManager* TiPlotDataCursor::Channels() const {
  TiPlotMasterManager* master = Owner() ? Owner()->MasterManager() : nullptr;
  return master ? master->ChannelManager() : nullptr;
}

void TiPlotDataCursor::AddMenuItems(TiPopupMenu& menu) {
  TiPlotManagerObject::AddMenuItems(menu);
  size_t at = 0;
  AddChannelMenu(*menu.Insert(at++, Translate("Channel")));
  AddStyleMenu(*menu.Insert(at++, Translate("Style")));
  if (MenuUserCanChangeOptions_) AddOptionsMenu(*menu.Insert(at++, Translate("Options")));
  TiMenuItem* flip = menu.Insert(at, Translate("Flip Alignment"));
  flip->Enabled = Style_ <= ipcsValueY && !SameText(ChannelName_, "<All>");
  flip->OnClick = [this] {
    SetHintOrientationSide(HintOrientationSide_ == iosBottomRight ? iosTopLeft : iosBottomRight);
  };
}

void TiPlotDataCursor::AddChannelMenu(TiMenuItem& menu) {
  TiPlotChannelManager* channels = Channels();
  if (ChannelAllowAll_) {
    TiMenuItem* all = AddItem(menu, Translate("<All>"));
    all->Checked = SameText(ChannelName_, "<All>");
    all->OnClick = [this] {
      SetChannelName("<All>");
      if (TiPlotChannelManager* list = Channels())
        for (int i = 0; i < list->Count(); ++i) list->Channel(i)->SetFocused(false);
    };
  }
  if (!channels) return;
  for (int i = 0; i < channels->Count(); ++i) {
    TiPlotChannelCustom* channel = channels->Channel(i);
    if (!channel->Visible()) continue;
    TiMenuItem* item = AddItem(menu, WithoutLineBreaks(channel->TitleText()));
    item->ObjectName = channel->Name();
    item->Checked = channel->Name() == ChannelName_;
    item->OnClick = [this, name = channel->Name()] {
      SetChannelName(name);
      if (TiPlotChannelCustom* bound = Channel()) bound->SetFocused(true);
    };
  }
}

void TiPlotDataCursor::AddStyleMenu(TiMenuItem& menu) {
  for (int i = 0; i < 6; ++i) {
    const auto style = static_cast<TiPlotDataCursorStyle>(i);
    TiMenuItem* item = AddItem(menu, Translate(MenuItemCaption_[i]));
    item->Visible = MenuItemVisible_[i];
    item->Checked = Style_ == style;
    item->OnClick = [this, style] { SetStyle(style); };
  }
}

void TiPlotDataCursor::AddOptionsMenu(TiMenuItem& menu) {
  TiMenuItem* color = AddItem(menu, Translate("Use Channel Color"));
  color->Checked = UseChannelColor_;
  color->OnClick = [this] { SetUseChannelColor(!UseChannelColor()); };
  TiMenuItem* hide = AddItem(menu, Translate("Hide Hint On Release"));
  hide->Checked = HintHideOnRelease_;
  hide->OnClick = [this] { SetHintHideOnRelease(!HintHideOnRelease()); };
}
