// The channel's file operations as the "File I/O" sub-page of the
// "Channels" page runs them. Each raises the channel's own error.
#pragma once
#include <string>

class TiPlotChannelCustom;

void ChannelSaveProperties(TiPlotChannelCustom& channel, const std::string& fileName);
void ChannelLoadProperties(TiPlotChannelCustom& channel, const std::string& fileName);
void ChannelSaveData(TiPlotChannelCustom& channel, const std::string& fileName);
void ChannelLoadData(TiPlotChannelCustom& channel, const std::string& fileName);
void ChannelLogActivate(TiPlotChannelCustom& channel);
void ChannelLogDeactivate(TiPlotChannelCustom& channel);
