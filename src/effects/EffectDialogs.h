#pragma once

class EffectDispatcher;

// Which settings dialog each effect code opens.
namespace EffectDialogs {
void registerAll(EffectDispatcher &dispatcher);
}
