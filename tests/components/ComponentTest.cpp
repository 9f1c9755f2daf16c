#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <filesystem>

#include "TestComponent.h"
#include "components/iPropertyLines.h"
#include "platform/Bitmap.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/SystemColors.h"

namespace fs = std::filesystem;

namespace {
class ComponentFiles : public ::testing::Test {
 protected:
  ComponentFiles() : dir(fs::temp_directory_path() / ("components_test_" + std::to_string(::getpid()))) {
    fs::create_directories(dir);
  }
  ~ComponentFiles() override { fs::remove_all(dir); }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  std::string Read(const std::string& name) const { return platform::ReadWholeFile(Path(name)); }
  void Write(const std::string& name, const std::string& text) const {
    platform::WriteFileAtomically(Path(name), text);
  }
  std::string LoadError(TiComponent& c, const std::string& name) const {
    try {
      c.LoadPropertiesFromFile(Path(name));
    } catch (const Exception& e) {
      return e.Message;
    }
    return "";
  }
  fs::path dir;
};

bool HasLine(const std::string& text, const std::string& line) {
  return text.find("\r\n" + line + "\r\n") != std::string::npos;
}
}  // namespace

TEST(ComponentPaint, DrawsDoubleBufferedInsideLockAndUnlock) {
  TiTestComponent c;
  c.SetBorderStyle(ibsLowered);
  TBitmap window(40, 30);
  c.PaintWindow(window.Canvas());
  EXPECT_EQ(c.paints, 1);
  EXPECT_EQ(window.Pixel(15, 15), clLime);
  EXPECT_EQ(window.Pixel(30, 20), clBlack);
  EXPECT_EQ(window.Pixel(0, 0), platform::ColorToRGB(clBtnShadow));  // sunken: dark top-left
  EXPECT_EQ(window.Pixel(39, 29), platform::ColorToRGB(clBtnHighlight));
  EXPECT_FALSE(c.BackGroundChanged());
  c.SetBackGroundColor(clNavy);
  EXPECT_TRUE(c.BackGroundChanged());
}

TEST(ComponentPaint, AnErrorInPaintToShowsTheMessageInWhiteOnBlack) {
  for (bool platformError : {true, false}) {
    TiTestComponent c;
    c.SetBounds(0, 0, 200, 60);
    c.SetBackGroundColor(clYellow);
    (platformError ? c.failure : c.stdFailure) = "Division by zero";
    TBitmap window(200, 60);
    window.Fill(clRed);
    c.PaintWindow(window.Canvas());
    // Text pixels are white, or light grey where the glyph edges are smoothed;
    // the rest is black: nothing of the yellow background, nothing of the red.
    int light = 0, coloured = 0, lowest = 0, leftmost = 200;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 200; ++x) {
        const TColor p = window.Pixel(x, y);
        const bool grey = GetRValue(p) == GetGValue(p) && GetGValue(p) == GetBValue(p);
        if (!grey) ++coloured;
        if (grey && GetRValue(p) > 128) {
          ++light;
          lowest = std::max(lowest, y);
          leftmost = std::min(leftmost, x);
        }
      }
    EXPECT_GT(light, 20);
    EXPECT_LT(lowest, 20);   // one line at the top
    EXPECT_LT(leftmost, 5);  // from the left edge
    EXPECT_EQ(coloured, 0);
    EXPECT_EQ(window.Pixel(199, 59), clBlack);
    EXPECT_FALSE(c.UpdateLocked());
  }
}

TEST(ComponentRequests, AutoFrameRateOffEndsAnUpdate) {
  TiTestComponent c;
  c.BeginUpdate();
  c.SetAutoFrameRate(true);
  EXPECT_TRUE(c.UpdateLocked());
  c.SetAutoFrameRate(false);
  EXPECT_FALSE(c.UpdateLocked());
}

TEST(ComponentRequests, BeforeChangeMayRefuseAndAfterChangeIsTold) {
  TiTestComponent c;
  std::vector<std::string> told;
  c.OnBeforeChange = [](TiComponent*, const std::string& name, bool& allow) { allow = name != "Value"; };
  c.OnAfterChange = [&](TiComponent* sender, const std::string& name) {
    EXPECT_EQ(sender, &c);
    told.push_back(name);
  };
  EXPECT_FALSE(c.AllowChange("Value"));
  EXPECT_TRUE(c.AllowChange("Caption"));
  c.ChangeDone("Caption");
  EXPECT_EQ(told, std::vector<std::string>{"Caption"});
}

TEST(ComponentTransparency, WithoutAParentTheCopyIsTheBackgroundAndStaysStale) {
  TiTestComponent c;
  c.SetBackGroundColor(clTeal);
  c.SetTransparent(true);
  EXPECT_TRUE(c.ParentCopyStale());
  TBitmap picture(40, 30);
  c.PaintTo(picture.Canvas());
  EXPECT_EQ(picture.Pixel(35, 25), clTeal);
  EXPECT_TRUE(c.ParentCopyStale());
  c.SetTransparent(false);
  EXPECT_FALSE(c.ParentCopyStale());
}

TEST_F(ComponentFiles, SaveLeavesOutTheGeometryUnlessAskedToSaveAll) {
  TiTestComponent c;
  c.SetName("Display1");
  c.SetCaption("Hello");
  c.SavePropertiesToFile(Path("a.txt"));
  const std::string text = Read("a.txt");
  EXPECT_EQ(text.rfind("File Type = TiTestComponent\r\n", 0), 0u);
  for (const char* name : {"Name", "Left", "Top", "Width", "Height", "Cursor", "ShowHint", "Tag", "Visible",
                           "Enabled", "Hint"})
    EXPECT_EQ(text.find("\r\n" + std::string(name) + " = "), std::string::npos) << name;
  EXPECT_TRUE(HasLine(text, "SegmentColor = 65280"));
  EXPECT_TRUE(HasLine(text, "Caption = Hello"));
  EXPECT_TRUE(HasLine(text, "Font.Name = Arial"));
  EXPECT_TRUE(HasLine(text, "UpdateFrameRate = 60"));

  c.SetOptionSaveAllProperties(true);
  c.SavePropertiesToFile(Path("a.txt"));
  const std::string all = Read("a.txt");
  EXPECT_EQ(all.find("\r\nName = "), std::string::npos);
  for (const char* line : {"Left = 0", "Top = 0", "Width = 40", "Height = 30", "Enabled = 1",
                           "Tag = 0", "ShowHint = 0"})
    EXPECT_TRUE(HasLine(all, line)) << line;
  EXPECT_NE(all.find("\r\nVisible = "), std::string::npos);
}

TEST_F(ComponentFiles, SavedPropertiesLoadBackIntoAnotherComponent) {
  TiTestComponent a;
  a.SetSegmentColor(clFuchsia);
  a.SetShape(tsRound);
  a.SetRatio(-0.125);
  a.SetCaption("Höhe 中");
  TFont f = a.Font();
  f.Style = FontStyleBit(fsBold) | FontStyleBit(fsItalic);
  f.Height = 19;
  a.SetFont(f);
  a.SavePropertiesToFile(Path("b.txt"));
  TiTestComponent b;
  b.LoadPropertiesFromFile(Path("b.txt"));
  EXPECT_EQ(b.SegmentColor(), clFuchsia);
  EXPECT_EQ(b.Shape(), tsRound);
  EXPECT_EQ(b.Ratio(), -0.125);
  EXPECT_EQ(b.Caption(), "Höhe 中");
  EXPECT_EQ(b.Font(), a.Font());
  EXPECT_FALSE(b.UpdateLocked());
}

TEST_F(ComponentFiles, LoadIgnoresLetterCaseAndTheFloatSeparator) {
  TiTestComponent c;
  Write("c.txt", "File Type = TiTestComponent\r\nsegmentcolor = 255\r\nRATIO = 2,5\r\n");
  c.LoadPropertiesFromFile(Path("c.txt"));
  EXPECT_EQ(c.SegmentColor(), 255);
  EXPECT_EQ(c.Ratio(), 2.5);
}

TEST_F(ComponentFiles, BadFilesKeepWhatWasLoadedAndReleaseTheLock) {
  struct Case {
    std::string text, error;
  };
  const std::vector<Case> cases = {
      {"File Type = X\r\nSegmentColor = 255\r\nno equals sign\r\nCaption = late\r\n",
       "Error Loading Properties - Line 3 has no \"=\""},
      {"File Type = X\r\nSegmentColor = 255\r\nCaption = " + std::string(250, 'c') + "\r\n",
       "Error Loading Properties - Line 3 is longer than 255 characters"},
      {"File Type = X\r\nSegmentColor = 255\r\nCaption = cut of",
       "Error Loading Properties - Line 3 is cut off: the file ends without a line end"},
      {"File Type = X\r\nSegmentColor = 255\r\nShape = round\r\n",
       "Error Loading Properties - Shape: 'round' is not a valid integer value"},
      {"File Type = X\r\nSegmentColor = 255\r\nSegmentColour = 1\r\n",
       "Error Loading Properties - Unknown property \"SegmentColour\""},
  };
  for (const Case& k : cases) {
    TiTestComponent c;
    Write("d.txt", k.text);
    EXPECT_EQ(LoadError(c, "d.txt"), k.error);
    EXPECT_EQ(c.SegmentColor(), 255) << k.error;
    EXPECT_EQ(c.Caption(), "Test") << k.error;
    EXPECT_FALSE(c.UpdateLocked()) << k.error;
  }
  TiTestComponent c;
  EXPECT_EQ(LoadError(c, "missing.txt").rfind("Error Loading Properties - ", 0), 0u);
}

TEST_F(ComponentFiles, AFailedSaveKeepsTheOldFile) {
  TiTestComponent c;
  Write("e.txt", "File Type = old\r\n");
  fs::create_directory(Path("e.txt.dir"));
  try {
    c.SavePropertiesToFile(Path("no such folder/e.txt"));
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message.rfind("Error Saving Properties - ", 0), 0u) << e.Message;
  }
  // A folder where the file should be: nothing replaces it.
  EXPECT_THROW(c.SavePropertiesToFile(Path("e.txt.dir")), Exception);
  EXPECT_TRUE(fs::is_directory(Path("e.txt.dir")));
  EXPECT_EQ(Read("e.txt"), "File Type = old\r\n");
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_TRUE(entry.path().filename() == "e.txt" || entry.path().filename() == "e.txt.dir") << entry.path();
}

TEST(ComponentLock, PaintingWaitsForAFeederThatHoldsTheLock) {
  TiTestComponent c;
  TBitmap window(40, 30);
  std::atomic<bool> held{false}, painted{false};
  std::thread feeder([&] {
    c.Lock();
    held = true;
    platform::SleepMs(80);
    EXPECT_FALSE(painted.load());  // the paint is still waiting
    c.fed = clRed;                 // data fed from this thread; setters stay on the GUI thread
    c.Unlock();
  });
  while (!held) platform::SleepMs(1);
  c.PaintWindow(window.Canvas());
  painted = true;
  feeder.join();
  EXPECT_EQ(window.Pixel(15, 15), clRed);
}
