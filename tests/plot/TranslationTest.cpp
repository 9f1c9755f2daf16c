#include <gtest/gtest.h>

#include <memory>

#include "platform/Exception.h"
#include "plot/dIredTranslation.h"

namespace {

// Hooks that route entries into the table the way the master manager does.
struct Table {
  std::unique_ptr<TiPlotTranslationManager> manager;
  int managerAnnounced = 0;
  Table() {
    manager = std::make_unique<TiPlotTranslationManager>(
        [this](TiObject* o) {
          if (o == manager.get() || !manager) ++managerAnnounced;
          else manager->Add(o);
        },
        [this](TiObject* o) {
          if (manager) manager->Remove(o);
        });
  }
};

}  // namespace

TEST(Translation, NewestEntryWinsAndUnknownTextsPassThrough) {
  Table t;
  EXPECT_EQ(t.managerAnnounced, 1);
  EXPECT_EQ(t.manager->Translate("Null"), "Null");
  t.manager->AddTranslation("Null", "Nul");
  t.manager->AddTranslation("Null", "Leer");
  EXPECT_EQ(t.manager->Translate("Null"), "Leer");
  EXPECT_EQ(t.manager->Translate("null"), "null");
  EXPECT_EQ(t.manager->Count(), 2);
  t.manager->Delete(0);
  EXPECT_EQ(t.manager->Translate("Null"), "Nul");
}

TEST(Translation, EntriesAnnounceThemselvesAndLeaveWhenFreed) {
  Table t;
  auto* entry = new TiPlotTranslationObject(t.manager->OnInsert(), t.manager->OnRemove());
  EXPECT_EQ(entry->OriginalString(), "Unknown");
  EXPECT_EQ(entry->ReplacementString(), "Unknown");
  EXPECT_EQ(t.manager->Item(0), entry);
  t.manager->Add(entry);  // already held: stays once
  EXPECT_EQ(t.manager->Count(), 1);
  delete entry;
  EXPECT_FALSE(t.manager->HasItems());
}

TEST(Translation, ClearFreesEntriesEvenWhenHooksLeadElsewhere) {
  TiPlotTranslationManager manager([](TiObject*) {}, [](TiObject*) {});
  manager.AddTranslation("a", "b");
  manager.AddTranslation("c", "d");
  EXPECT_EQ(manager.Count(), 2);
  manager.Clear();
  EXPECT_EQ(manager.Count(), 0);
}

TEST(Translation, ConstructionNeedsBothHooks) {
  auto message = [](TiObjectEvent ins, TiObjectEvent rem) {
    try {
      TiPlotTranslationManager m(ins, rem);
    } catch (const Exception& e) {
      return e.Message;
    }
    return std::string("(none)");
  };
  EXPECT_EQ(message(nullptr, [](TiObject*) {}), "OnInsert event handler can not be null");
  EXPECT_EQ(message([](TiObject*) {}, nullptr), "OnRemove event handler can not be null");
  TiPlotTranslationManager m([](TiObject*) {}, [](TiObject*) {});
  EXPECT_THROW(m.Item(0), Exception);
}
