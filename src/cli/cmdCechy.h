#pragma once
// The feature options of the commands that ask the generators for a form
// ("--case 2 --gender 3" …): velmar-cli inflect reads them from its command line,
// velmar-cli testvoc from each case ("case=2,gender=3").

#include <set>
#include <string>

#include "cli/untCli.h"
#include "core/generators/untGenTlumaczFr.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar::cli {

// Options with a whole-number value: case, number, gender, degree, person, form,
// subject-number, subject-gender.
const std::set<std::string>& FeatureValueOptions();
// Flags: after-preposition, adverb, oblique, que-to-qui.
const std::set<std::string>& FeatureFlagOptions();

// The features the options give; an option left out has its neutral value.
TCechyPl PolishFeatures(const TArgumenty& args);
TCechyFr FrenchFeatures(const TArgumenty& args);

} // namespace velmar::cli
