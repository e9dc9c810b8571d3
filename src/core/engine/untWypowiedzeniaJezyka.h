#pragma once
// The utterance list of a run's source language: the French and the Polish one prepare
// and analyse words their own way; any other source is read word by word.

#include <memory>

#include "core/engine/untTransWypTypy.h"

namespace velmar {

std::unique_ptr<TCustomWypowiedzenia> NewUtteranceList(const TKontekstWypowiedzi& context);

} // namespace velmar
