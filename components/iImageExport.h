// Pictures of a component: each routine draws the component through PaintTo
// on a fresh canvas of its size (inside its Lock/Unlock) and writes the
// picture. Range errors are raised before any file is touched; files are
// written beside the target and renamed over it, so a failure leaves the old
// file as it was. File errors are EInOutError with the system's reason.
#pragma once
#include <memory>
#include <string>

class TiComponent;
class TCanvas;
class TJPEGImage;

// Draws the component through PaintTo on canvas, inside its Lock/Unlock.
void PaintComponentTo(TiComponent& component, TCanvas& canvas);

// A 24-bit Windows bitmap file.
void SaveImageToBitmap(TiComponent& component, const std::string& fileName);
// An enhanced metafile whose header names "Wexlar" as its creator.
void SaveImageToMetafile(TiComponent& component, const std::string& fileName);
// quality 1..100, else Exception "Compression must be in the range of 1-100".
void SaveImageToJPEG(TiComponent& component, const std::string& fileName, int quality, bool progressive);
// compression 0..9, else Exception "Compression must be in the range of 0-9".
void SaveImageToPNG(TiComponent& component, const std::string& fileName, int compression);
// The JPEG in memory, owned by the caller; the same checks as SaveImageToJPEG.
std::unique_ptr<TJPEGImage> GetJPEGImage(TiComponent& component, int quality, bool progressive);

// The creator text of exported metafiles.
inline constexpr const char* kMetafileCreator = "Wexlar";
