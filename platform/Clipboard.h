// The system clipboard, for pictures of a component. Each call replaces what
// the clipboard held. Linux programs find pictures by mime type, so each
// picture goes under the types they look for; a PNG beside the metafile lets
// a program that reads no metafile paste the same picture.
#pragma once
#include <string>
#include <vector>

class TBitmap;
class TJPEGImage;
class TMetafile;

namespace platform {

// image/x-emf and image/emf (the enhanced metafile's bytes), and image/png of
// the picture played at its own size.
void CopyMetafileToClipboard(const TMetafile& picture);
// image/bmp (a Windows bitmap file), image/png, and the image for Qt programs.
void CopyBitmapToClipboard(const TBitmap& bitmap);
// image/jpeg: the JPEG file's bytes as they are.
void CopyJPEGToClipboard(const TJPEGImage& image);

// The mime types the clipboard offers, and the bytes under one (empty when it
// offers nothing of that type).
std::vector<std::string> ClipboardFormats();
std::string ClipboardData(const std::string& mimeType);

}  // namespace platform
