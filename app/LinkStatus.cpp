#include "app/LinkStatus.h"

#include <cerrno>
#include <cmath>

#include "app/LogLine.h"
#include "platform/SerialDevice.h"

void TLinkStatus::Reset(std::string state) {
  *this = TLinkStatus{};
  state_ = std::move(state);
}

void TLinkStatus::Closed() { Reset("串口已关闭"); }
void TLinkStatus::Opened(const std::string& device) { Reset("已打开 " + device); }
void TLinkStatus::TestMode() { Reset("测试模式 (COM0)"); }
void TLinkStatus::OpenFailed(const std::string& reason) { Reset("串口打开失败：" + reason); }

// The counts go on: the operator sees what the line did before it broke.
void TLinkStatus::Lost(const std::string& device) {
  state_ = "设备 " + device + " 已断开，每个周期重试打开";
  silentTicks_ = 0;
}

void TLinkStatus::Reconnected(const std::string& device) {
  state_ = "已打开 " + device + "（已重新连接）";
  silentTicks_ = 0;
}

void TLinkStatus::Accepted(platform::TDateTime now) {
  ++accepted_;
  silentTicks_ = 0;
  last_ = now;
}

void TLinkStatus::CrcFailure() { ++crcFailures_; }

void TLinkStatus::Unanswered() {
  ++unanswered_;
  ++silentTicks_;
}

std::string TLinkStatus::Text() const {
  std::string text = state_;
  if (accepted_ + crcFailures_ + unanswered_ == 0 && !last_) return text;
  text += "    应答 " + std::to_string(accepted_) + "  CRC错误 " + std::to_string(crcFailures_) + "  无应答 " +
          std::to_string(unanswered_);
  if (last_) text += "    最后采样 " + LogTime(*last_);
  if (silentTicks_ >= 3)
    text += "    已 " + std::to_string(std::lround(silentTicks_ * period_)) + " 秒无应答";
  return text;
}

std::string OpenFailureReason(int systemError) {
  switch (systemError) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return "设备不存在";
    case EBUSY:
      return "设备正被其他程序使用";
    case EACCES:
    case EPERM:
      return "没有权限（请将用户加入 dialout 组：sudo usermod -aG dialout $USER，重新登录后生效）";
    default:
      return platform::TSerialDevice::ErrorText(systemError);
  }
}
