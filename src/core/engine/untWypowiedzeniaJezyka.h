#pragma once
// The utterance list of a run's source language: the French one prepares words the
// French way; any other source is read word by word.

#include <memory>

#include "core/engine/untTransWypTypy.h"

namespace velmar {

std::unique_ptr<TCustomWypowiedzenia> NewUtteranceList(const TKontekstWypowiedzi& context);

} // namespace velmar
