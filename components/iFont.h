// Fonts as published properties. The font itself is the drawing layer's TFont
// (platform/Canvas.h); this unit lists its published part — Name, Height,
// Color and Style — so that any class can publish a font as a value
// sub-object:
//
//   .Value("Font", &TiLabel::Font, &TiLabel::SetFont, FontClassInfo())
//
// and property files write it as "Font.Name", "Font.Height", "Font.Color" and
// "Font.Style" (the style as the bit value of fsBold, fsItalic, fsUnderline,
// fsStrikeOut). The rotation is a drawing setting, not a published one.
#pragma once
#include "components/iReflection.h"
#include "platform/Canvas.h"

const TClassInfo& FontClassInfo();
