// The one base of every error the system raises, carrying its message exactly
// as the system words it.
#pragma once
#include <exception>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : Message(std::move(message)) {}
  const char* what() const noexcept override { return Message.c_str(); }
  std::string Message;
};

// A text that is not a number where a number was asked for.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be opened, read or written.
class EInOutError : public Exception {
 public:
  using Exception::Exception;
};
