#include "app/shared_state.h"

namespace talvoren::app {
namespace {

std::unique_ptr<SharedState>& slot() {
  static std::unique_ptr<SharedState> state;
  return state;
}

}  // namespace

void createSharedState() {
  auto state = std::make_unique<SharedState>();
  state->tableHit = {};
  state->draftHit = {};
  // Root name "da" and the engine started, before any window exists.
  state->json = std::make_unique<JsonDocument>();
  slot() = std::move(state);
}

bool sharedStateExists() {
  return slot() != nullptr;
}

SharedState& sharedState() {
  return *slot();
}

std::unique_ptr<SharedState> takeSharedState() {
  return std::move(slot());
}

}  // namespace talvoren::app
