// The lines of the log, kept compactly for runs of weeks: the text of many
// lines sits in one block with the end offset of each line beside it, a few
// bytes a line over the text itself, in chunks of a few thousand lines so
// that appending stays constant time and an edit in the middle rewrites one
// chunk, not the whole log.
//
// Invariants: chunks are never empty; each chunk's First is the index of its
// first line, the lines before it counted; only the last chunk keeps room to
// grow.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TLogText {
 public:
  int64_t Count() const { return count_; }
  // Valid until the next change.
  std::string_view Line(int64_t index) const;
  void Append(std::string_view line);
  // Replaces lines first .. first+count-1 by `lines` (inserts when count is 0).
  void Replace(int64_t first, int64_t count, const std::vector<std::string>& lines);
  void Assign(const std::vector<std::string>& lines) { Replace(0, count_, lines); }
  std::vector<std::string> Lines() const;
  // The bytes the store holds from the allocator, slack included.
  int64_t MemoryBytes() const;

  template <class Visit>
  void ForEachLine(Visit&& visit) const {
    for (const TChunk& chunk : chunks_)
      for (size_t i = 0; i < chunk.Ends.size(); ++i) visit(LineOf(chunk, i));
  }

  static constexpr size_t kChunkLines = 4096;

 private:
  struct TChunk {
    int64_t First = 0;
    std::string Text;
    std::vector<uint32_t> Ends;  // end offset in Text of each line
  };
  static std::string_view LineOf(const TChunk& chunk, size_t i) {
    const uint32_t start = i == 0 ? 0 : chunk.Ends[i - 1];
    return std::string_view(chunk.Text).substr(start, chunk.Ends[i] - start);
  }
  static std::vector<TChunk> Build(const std::vector<std::string_view>& lines);
  size_t ChunkOf(int64_t line) const;
  void Renumber(size_t from);

  std::vector<TChunk> chunks_;
  int64_t count_ = 0;
};
