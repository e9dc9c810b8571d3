// velmar-cli text: prints one interface text.
#include <charconv>
#include <ostream>

#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/app/untTransTeksty.h"

namespace velmar::cli {

int RunText(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty args(words, {"lang"}, {});
    args.RequirePositional(1);
    const std::string& idText = args.Positional().front();
    int id = 0;
    const auto [end, error] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
    if (error != std::errc() || end != idText.data() + idText.size())
        throw TZleUzycie("the text id must be a whole number, not \"" + idText + "\"");
    const std::uint8_t language = args.Choice("lang", {"pl", "fr"}, "pl") == "fr" ? jezFrancuski : jezPolski;

    const TWide text = InterfaceTextWide(language, id, true);
    if (text.empty()) {
        io.Err << "velmar-cli text: no text " << id << " in this language\n";
        return kBlad;
    }
    io.Out << WideToUtf8(text) << "\n";
    return kSukces;
}

} // namespace velmar::cli
