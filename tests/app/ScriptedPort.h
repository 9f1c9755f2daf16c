// A serial double that answers from a script and records what was sent.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "app/Unit1.h"

class ScriptedPort : public TSerialPort {
 public:
  bool OpenDevice() override {
    if (failOpen) throw Exception("Cannot open device " + DeviceName());
    opened = true;
    ++opens;
    return true;
  }
  void CloseDevice() override { opened = false; }
  bool Opened() const override { return opened; }
  bool ReadString(std::string& s) override {
    s.clear();
    if (!answers.empty()) {
      s = answers.front();
      answers.pop_front();
    }
    return !s.empty();
  }
  bool SendString(const std::string& s) override {
    sent.push_back(s);
    return true;
  }

  bool failOpen = false, opened = false;
  int opens = 0;
  std::deque<std::string> answers;
  std::vector<std::string> sent;
};

// A sensor answer of `length` bytes with a valid CRC.
std::string SensorAnswer(size_t length, int distance, int temperature = 0);
