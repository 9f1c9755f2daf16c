#include "plot/dIredAxis.h"

#include "plot/dIredMasterManager.h"

TiPlotAxis::TiPlotAxis(const TiPlotObjectHooks& hooks) : TiPlotLayoutObject(hooks) {}
TiPlotXAxis::TiPlotXAxis(const TiPlotObjectHooks& hooks) : TiPlotAxis(hooks) {}
TiPlotYAxis::TiPlotYAxis(const TiPlotObjectHooks& hooks) : TiPlotAxis(hooks) {}

const TClassInfo& TiPlotAxis::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotAxis>("TiPlotAxis")
                                     .Inherits<TiPlotLayoutObject>()
                                     .String("Title", &TiPlotAxis::Title, &TiPlotAxis::SetTitle)
                                     .Bool("ForceStacking", &TiPlotAxis::ForceStacking, &TiPlotAxis::SetForceStacking)
                                     .Default(0)
                                     .Build();
  return info;
}

const TClassInfo& TiPlotXAxis::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotXAxis>("TiPlotXAxis").Inherits<TiPlotAxis>().Build();
  return info;
}

const TClassInfo& TiPlotYAxis::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotYAxis>("TiPlotYAxis").Inherits<TiPlotAxis>().Build();
  return info;
}

TiPlotXAxis* FindXAxis(TiPlotOwner* owner, const std::string& name) {
  TiPlotMasterManager* master = owner ? owner->MasterManager() : nullptr;
  if (!master || !master->XAxisManager()) return nullptr;
  return static_cast<TiPlotXAxis*>(master->XAxisManager()->FindByName(name));
}

TiPlotYAxis* FindYAxis(TiPlotOwner* owner, const std::string& name) {
  TiPlotMasterManager* master = owner ? owner->MasterManager() : nullptr;
  if (!master || !master->YAxisManager()) return nullptr;
  return static_cast<TiPlotYAxis*>(master->YAxisManager()->FindByName(name));
}
