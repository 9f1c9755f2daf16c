#include "components/iFont.h"

const TClassInfo& FontClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TFont>("TFont")
          .String("Name", [](const TFont& f) { return f.Name; }, [](TFont& f, const std::string& v) { f.Name = v; })
          .Integer("Height", [](const TFont& f) { return f.Height; }, [](TFont& f, int v) { f.Height = v; })
          .Color("Color", [](const TFont& f) { return f.Color; }, [](TFont& f, TColor v) { f.Color = v; })
          .Set("Style", [](const TFont& f) { return f.Style; }, [](TFont& f, TFontStyles v) { f.Style = v; },
               {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"})
          .Build();
  return info;
}
