// The texts the editor's choice lists show, in the order of the values of
// the enumeration each edits.
#pragma once
#include <string>
#include <vector>

using TiChoices = std::vector<std::string>;

inline const TiChoices kBrushStyles = {"Solid",    "Clear",     "Horizontal", "Vertical",
                                       "FDiagonal", "BDiagonal", "Cross",      "DiagCross"};
inline const TiChoices kPenStyles = {"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "InsideFrame"};
inline const TiChoices kLineStyles = {"Solid", "Dash", "Dot", "DashDot", "DashDotDot"};
// The axis label, cursor and legend formats.
inline const TiChoices kFormatStyles = {"Value", "Exponent", "Prefix", "Date/Time", "Price 32nds", "Thousands"};
inline const TiChoices kDateTimeFormats = {"hh:nn:ss",
                                           "hh:nn:ss.zzz",
                                           "m/d hh:nn:ss",
                                           "d mmm h:nn:ss am/pm",
                                           "m/d/yy h:nn:ss am/pm",
                                           "m/d/yyyy h:nn:ss am/pm"};
inline const TiChoices kPrecisionStyles = {"Significant Digits", "Fixed Decimal Points"};
