#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/Exception.h"
#include "platform/Files.h"

namespace fs = std::filesystem;
using platform::ReadWholeFile;
using platform::WriteFileAtomically;

namespace {
fs::path TempDir() {
  char pattern[] = "/tmp/sm-files-XXXXXX";
  return fs::path(mkdtemp(pattern));
}
}  // namespace

TEST(Files, WriteReplacesAndReadsBackEveryByte) {
  const fs::path dir = TempDir();
  const std::string path = (dir / "log.csv").string();
  const std::string bytes("a\r\n\0b\xff\r\n", 8);
  WriteFileAtomically(path, bytes);
  EXPECT_EQ(ReadWholeFile(path), bytes);
  WriteFileAtomically(path, "");
  EXPECT_EQ(ReadWholeFile(path), "");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "no temporary left";
  fs::remove_all(dir);
}

TEST(Files, AFailedWriteLeavesThePreviousFileAndNoDebris) {
  const fs::path dir = TempDir();
  const std::string path = (dir / "log.csv").string();
  WriteFileAtomically(path, "good\r\n");
  // A directory where the file should go cannot be replaced by a file.
  const std::string blocked = (dir / "sub").string();
  fs::create_directory(blocked);
  fs::create_directory(dir / "sub" / "x");
  EXPECT_THROW(WriteFileAtomically(blocked, "new"), EInOutError);
  EXPECT_EQ(ReadWholeFile(path), "good\r\n");
  EXPECT_THROW(WriteFileAtomically((dir / "missing" / "f").string(), "x"), EInOutError);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
  fs::remove_all(dir);
}

TEST(Files, ReadingAMissingFileOrADirectorySaysWhy) {
  try {
    ReadWholeFile("/nonexistent/file.csv");
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message.find("/nonexistent/file.csv"), std::string::npos);
    EXPECT_NE(e.Message.find("No such file"), std::string::npos);
  }
  EXPECT_THROW(ReadWholeFile("/tmp"), EInOutError);
}

TEST(Files, KeepsThePermissionsOfTheReplacedFile) {
  const fs::path dir = TempDir();
  const std::string path = (dir / "f").string();
  WriteFileAtomically(path, "1");
  ::chmod(path.c_str(), 0640);
  WriteFileAtomically(path, "2");
  struct stat info {};
  ::stat(path.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  fs::remove_all(dir);
}
