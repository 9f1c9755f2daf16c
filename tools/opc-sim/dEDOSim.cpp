// The stand-in data-server library: the subscription calls of dEDOApi.h over
// simulated items (SimItems.h) and Modbus registers (ModbusSource.h), so
// binding works end to end without the external library.
//
// One worker thread serves every subscription at its update rate: it sleeps
// until the next one is due (no polling) and calls each callback from there;
// the program hands the calls to its GUI thread. A callback is made with the
// server's lock held, so once SignalRemove returns no call for that handle
// can still be on its way. Modbus reads take place outside the lock, so a
// slow device never holds up the program's calls.
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <utility>

#include "opc/dEDOApi.h"
#include "tools/opc-sim/ModbusSource.h"
#include "tools/opc-sim/SimItems.h"

#define DEDO_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMinimumRateMs = 10;  // faster asks are served at this rate

// Local date-time as a day count with fraction, day 0 = 1899-12-30.
double NowDays() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const double seconds = std::chrono::duration<double>(now.time_since_epoch()).count() + local.tm_gmtoff;
  return seconds / 86400.0 + 25569.0;
}

struct TSubscription {
  TSimKind Kind;
  TdEDONewData Callback;
  void* Context;
  Clock::duration Rate;
  Clock::time_point Start, Due;
  int64_t Count = 0;
  bool Suspended = false;
  // Modbus items only; the worker alone reads and writes through it.
  std::unique_ptr<TModbusSource> Modbus;
  std::optional<uint16_t> PendingWrite;
};

class TServer {
 public:
  TServer() : worker_([this] { Run(); }) {}
  ~TServer() {
    {
      std::lock_guard guard(lock_);
      stop_ = true;
    }
    changed_.notify_all();
    worker_.join();
  }

  TdEDOHandle Add(const std::string& itemName, TdEDONewData callback, void* context, int32_t rateMs);
  void Remove(TdEDOHandle handle);
  bool Active(TdEDOHandle handle);
  void Suspend(TdEDOHandle handle, bool suspended);
  void Send(TdEDOHandle handle, const TdEDOValue& value);

 private:
  void Run();
  void Update(TdEDOHandle handle, std::shared_ptr<TSubscription> s, std::unique_lock<std::recursive_mutex>& guard);
  TSubscription* Find(TdEDOHandle handle);

  // Recursive: a program that answers a callback with a call of its own on
  // this thread (one without a GUI thread to hand it to) must not deadlock.
  std::recursive_mutex lock_;
  std::condition_variable_any changed_;
  std::map<TdEDOHandle, std::shared_ptr<TSubscription>> subscriptions_;
  TdEDOHandle lastHandle_ = 0;
  double setpoint_ = 0;
  std::mt19937 random_{12345};
  bool stop_ = false;
  std::thread worker_;  // last: it starts once the rest is ready
};

TServer& Server() {
  static TServer server;
  return server;
}

TdEDOHandle TServer::Add(const std::string& itemName, TdEDONewData callback, void* context, int32_t rateMs) {
  const std::optional<TSimKind> kind = SimKindOf(itemName);
  if (!kind || !callback) return 0;
  auto s = std::make_shared<TSubscription>();
  s->Kind = *kind;
  s->Callback = callback;
  s->Context = context;
  s->Rate = std::chrono::milliseconds(std::max(rateMs, kMinimumRateMs));
  s->Start = s->Due = Clock::now();
  if (*kind == skModbus) s->Modbus = std::make_unique<TModbusSource>(*ParseModbusAddress(itemName));
  std::lock_guard guard(lock_);
  const TdEDOHandle handle = ++lastHandle_;
  subscriptions_[handle] = std::move(s);
  changed_.notify_all();
  return handle;
}

void TServer::Remove(TdEDOHandle handle) {
  std::shared_ptr<TSubscription> gone;  // freed outside the lock
  std::lock_guard guard(lock_);
  auto it = subscriptions_.find(handle);
  if (it == subscriptions_.end()) return;
  gone = std::move(it->second);
  subscriptions_.erase(it);
}

TSubscription* TServer::Find(TdEDOHandle handle) {
  auto it = subscriptions_.find(handle);
  return it == subscriptions_.end() ? nullptr : it->second.get();
}

bool TServer::Active(TdEDOHandle handle) {
  std::lock_guard guard(lock_);
  const TSubscription* s = Find(handle);
  return s && !s->Suspended;
}

void TServer::Suspend(TdEDOHandle handle, bool suspended) {
  std::lock_guard guard(lock_);
  if (TSubscription* s = Find(handle)) s->Suspended = suspended;
  changed_.notify_all();
}

// A write shows at the next update, which comes at once.
void TServer::Send(TdEDOHandle handle, const TdEDOValue& value) {
  double number = 0;
  switch (value.Type) {
    case dvtInteger:
    case dvtBoolean: number = static_cast<double>(value.Integer); break;
    case dvtFloat: number = value.Float; break;
    case dvtText: number = value.Text ? std::strtod(value.Text, nullptr) : 0; break;
    default: return;
  }
  std::lock_guard guard(lock_);
  TSubscription* s = Find(handle);
  if (!s) return;
  if (s->Kind == skSetpoint) setpoint_ = number;
  if (s->Kind == skModbus && number >= 0 && number <= 65535) s->PendingWrite = static_cast<uint16_t>(number);
  if (s->Kind != skSetpoint && s->Kind != skModbus) return;
  s->Due = Clock::now();
  changed_.notify_all();
}

void TServer::Run() {
  std::unique_lock guard(lock_);
  while (!stop_) {
    std::optional<Clock::time_point> next;
    TdEDOHandle dueHandle = 0;
    for (const auto& [handle, s] : subscriptions_)
      if (!s->Suspended && (!next || s->Due < *next)) {
        next = s->Due;
        dueHandle = handle;
      }
    if (!next) {
      changed_.wait(guard);
      continue;
    }
    if (Clock::now() < *next) {
      changed_.wait_until(guard, *next);
      continue;  // a change may have brought another one forward
    }
    Update(dueHandle, subscriptions_[dueHandle], guard);
  }
}

void TServer::Update(TdEDOHandle handle, std::shared_ptr<TSubscription> s,
                     std::unique_lock<std::recursive_mutex>& guard) {
  const Clock::time_point now = Clock::now();
  // The next update keeps the rhythm, but a late one does not make a burst.
  s->Due = std::max(s->Due + s->Rate, now);
  ++s->Count;
  TdEDOValue value{dvtEmpty, 0, 0, nullptr};
  uint16_t quality = kQualityGood;
  if (s->Kind == skModbus) {
    std::optional<uint16_t> write = std::exchange(s->PendingWrite, std::nullopt);
    guard.unlock();
    if (write) s->Modbus->Write(*write);
    const std::optional<uint16_t> read = s->Modbus->Read();
    guard.lock();
    if (read) value = {dvtInteger, *read, 0, nullptr};
    quality = read ? kQualityGood : kQualityCommFailure;
  } else {
    const double seconds = std::chrono::duration<double>(now - s->Start).count();
    const double random = std::uniform_real_distribution<double>(0, 100)(random_);
    const TSimSample sample = SimulatedSample(s->Kind, s->Count, seconds, setpoint_, random);
    value = sample.IsInteger ? TdEDOValue{dvtInteger, sample.Integer, 0, nullptr}
                             : TdEDOValue{dvtFloat, 0, sample.Float, nullptr};
    quality = sample.Quality;
  }
  // Removed while the device was read: no call.
  if (Find(handle) != s.get() || stop_) return;
  s->Callback(s->Context, &value, quality, NowDays());
}

}  // namespace

DEDO_EXPORT TdEDOHandle SignalAdd(const char* computerName, const char* serverName, const char* itemName,
                                  TdEDONewData callback, void* context, int32_t propertyExists, int32_t reserved,
                                  int32_t updateRateMs, const char* groupName) {
  return Server().Add(itemName ? itemName : "", callback, context, updateRateMs);
}

DEDO_EXPORT void SignalRemove(TdEDOHandle handle) { Server().Remove(handle); }
DEDO_EXPORT int32_t SignalGetActive(TdEDOHandle handle) { return Server().Active(handle) ? 1 : 0; }
DEDO_EXPORT void SignalSuspend(TdEDOHandle handle) { Server().Suspend(handle, true); }
DEDO_EXPORT void SignalResume(TdEDOHandle handle) { Server().Suspend(handle, false); }
DEDO_EXPORT int32_t SignalGetGroupHandle(TdEDOHandle handle) { return Server().Active(handle) ? 1 : 0; }

DEDO_EXPORT void SignalSendData(TdEDOHandle handle, const TdEDOValue* value) {
  if (value) Server().Send(handle, *value);
}
