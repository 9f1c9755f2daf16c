#include "components/iCustomComponent.h"

const TClassInfo& TiCustomComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TiCustomComponent>("TiCustomComponent").Inherits<TiVCLComponent>().Build();
  return info;
}
