#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "json/json_document.h"

namespace talvoren::app {

// The five-field layout of the Windows list-view hit record: point, flags, item, sub-item.
struct HitRecord {
  int32_t x = 0;
  int32_t y = 0;
  uint32_t flags = 0;
  int32_t item = 0;
  int32_t subItem = 0;
};

// The program-wide values that live from start-up to shutdown.
struct SharedState {
  std::string currentDraftName;
  std::string settingsPath;
  HitRecord tableHit;  // item and sub-item name the current cell of the subtitle table
  HitRecord draftHit;
  std::unique_ptr<JsonDocument> json;
};

void createSharedState();
// Between createSharedState and the shutdown routine.
bool sharedStateExists();
SharedState& sharedState();
// Hands the state over to the shutdown routine, which releases it.
std::unique_ptr<SharedState> takeSharedState();

}  // namespace talvoren::app
