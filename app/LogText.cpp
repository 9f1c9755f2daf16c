#include "app/LogText.h"

#include <algorithm>
#include <iterator>

#include "platform/Exception.h"

namespace {
// Room kept for the lines still to come in the last chunk: a typical line
// and a little more, so that filling a chunk reallocates it rarely.
constexpr size_t kRoomPerLine = 24;

void Close(std::string& text, std::vector<uint32_t>& ends) {
  text.shrink_to_fit();
  ends.shrink_to_fit();
}
}  // namespace

std::string_view TLogText::Line(int64_t index) const {
  if (index < 0 || index >= count_) throw Exception("Index out of Bounds");
  const TChunk& chunk = chunks_[ChunkOf(index)];
  return LineOf(chunk, static_cast<size_t>(index - chunk.First));
}

size_t TLogText::ChunkOf(int64_t line) const {
  const auto after = std::upper_bound(chunks_.begin(), chunks_.end(), line,
                                      [](int64_t l, const TChunk& chunk) { return l < chunk.First; });
  return static_cast<size_t>(std::distance(chunks_.begin(), after) - 1);
}

void TLogText::Append(std::string_view line) {
  if (chunks_.empty() || chunks_.back().Ends.size() >= kChunkLines) {
    if (!chunks_.empty()) Close(chunks_.back().Text, chunks_.back().Ends);
    TChunk chunk;
    chunk.First = count_;
    chunk.Text.reserve(kChunkLines * kRoomPerLine);
    chunk.Ends.reserve(kChunkLines);
    chunks_.push_back(std::move(chunk));
  }
  TChunk& last = chunks_.back();
  if (last.Text.size() + line.size() > UINT32_MAX) throw Exception("Exceed Maximum List Size");
  last.Text.append(line);
  last.Ends.push_back(static_cast<uint32_t>(last.Text.size()));
  ++count_;
}

// The chunks [from, to] that the range touches are rebuilt from their lines
// before it, the new lines and their lines after it.
void TLogText::Replace(int64_t first, int64_t count, const std::vector<std::string>& lines) {
  if (first < 0 || count < 0 || first + count > count_) throw Exception("Index out of Bounds");
  if (chunks_.empty()) {
    std::vector<std::string_view> views(lines.begin(), lines.end());
    chunks_ = Build(views);
    Renumber(0);
    return;
  }
  const size_t from = first < count_ ? ChunkOf(first) : chunks_.size() - 1;
  const size_t to = count > 0 ? ChunkOf(first + count - 1) : from;
  std::vector<std::string_view> views;
  for (int64_t i = chunks_[from].First; i < first; ++i) views.push_back(Line(i));
  views.insert(views.end(), lines.begin(), lines.end());
  const int64_t end = to + 1 < chunks_.size() ? chunks_[to + 1].First : count_;
  for (int64_t i = first + count; i < end; ++i) views.push_back(Line(i));
  std::vector<TChunk> rebuilt = Build(views);
  const auto at = chunks_.begin() + static_cast<std::ptrdiff_t>(from);
  const auto stale = chunks_.erase(at, at + static_cast<std::ptrdiff_t>(to - from + 1));
  chunks_.insert(stale, std::make_move_iterator(rebuilt.begin()), std::make_move_iterator(rebuilt.end()));
  Renumber(from);
}

std::vector<TLogText::TChunk> TLogText::Build(const std::vector<std::string_view>& lines) {
  std::vector<TChunk> chunks;
  for (size_t start = 0; start < lines.size(); start += kChunkLines) {
    const size_t stop = std::min(lines.size(), start + kChunkLines);
    TChunk chunk;
    size_t bytes = 0;
    for (size_t i = start; i < stop; ++i) bytes += lines[i].size();
    if (bytes > UINT32_MAX) throw Exception("Exceed Maximum List Size");
    chunk.Text.reserve(bytes);
    chunk.Ends.reserve(stop - start);
    for (size_t i = start; i < stop; ++i) {
      chunk.Text.append(lines[i]);
      chunk.Ends.push_back(static_cast<uint32_t>(chunk.Text.size()));
    }
    chunks.push_back(std::move(chunk));
  }
  return chunks;
}

void TLogText::Renumber(size_t from) {
  int64_t next = from == 0 ? 0 : chunks_[from - 1].First + static_cast<int64_t>(chunks_[from - 1].Ends.size());
  for (size_t c = from; c < chunks_.size(); ++c) {
    chunks_[c].First = next;
    next += static_cast<int64_t>(chunks_[c].Ends.size());
  }
  count_ = next;
}

std::vector<std::string> TLogText::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(count_));
  ForEachLine([&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

int64_t TLogText::MemoryBytes() const {
  int64_t bytes = static_cast<int64_t>(chunks_.capacity() * sizeof(TChunk));
  for (const TChunk& chunk : chunks_) {
    // A short string lives inside the chunk itself.
    if (chunk.Text.capacity() > std::string().capacity()) bytes += static_cast<int64_t>(chunk.Text.capacity()) + 1;
    bytes += static_cast<int64_t>(chunk.Ends.capacity() * sizeof(uint32_t));
  }
  return bytes;
}
