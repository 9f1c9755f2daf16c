// TiCustomComponent: the class every component of the library derives from.
// It adds nothing to TiVCLComponent; it is the one name descendants use, so
// the layers below can change without touching them.
#pragma once
#include "components/iVCLComponent.h"

class TiCustomComponent : public TiVCLComponent {
 public:
  static const TClassInfo& StaticClass();
};
