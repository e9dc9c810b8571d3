#include "cli/cmdCechy.h"

namespace velmar::cli {

namespace {

int NumberOr(const TArgumenty& args, const std::string& name, int fallback)
{
    return args.Number(name).value_or(fallback);
}

} // namespace

const std::set<std::string>& FeatureValueOptions()
{
    static const std::set<std::string> options = {"case",   "number", "gender",         "degree",
                                                  "person", "form",   "subject-number", "subject-gender"};
    return options;
}

const std::set<std::string>& FeatureFlagOptions()
{
    static const std::set<std::string> options = {"after-preposition", "adverb", "oblique", "que-to-qui"};
    return options;
}

TCechyPl PolishFeatures(const TArgumenty& args)
{
    return {.Case = NumberOr(args, "case", 1),
            .Number = NumberOr(args, "number", 1),
            .Gender = NumberOr(args, "gender", 1),
            .Degree = NumberOr(args, "degree", 0),
            .Person = NumberOr(args, "person", 0),
            .FormCode = NumberOr(args, "form", 0),
            .SubjectNumber = NumberOr(args, "subject-number", 1),
            .SubjectGender = NumberOr(args, "subject-gender", 1),
            .NormaliseOblique = args.Flag("oblique"),
            .AdverbFlag = args.Flag("adverb"),
            .AfterPreposition = args.Flag("after-preposition")};
}

TCechyFr FrenchFeatures(const TArgumenty& args)
{
    return {.Number = NumberOr(args, "number", 1),
            .Gender = NumberOr(args, "gender", 1),
            .SubjectNumber = NumberOr(args, "subject-number", 1),
            .SubjectGender = NumberOr(args, "subject-gender", 1),
            .FormCode = NumberOr(args, "form", 0),
            .Person = NumberOr(args, "person", 0),
            .QueToQui = args.Flag("que-to-qui")};
}

} // namespace velmar::cli
