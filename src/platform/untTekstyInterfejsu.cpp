#include "platform/untTekstyInterfejsu.h"

#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"

namespace velmar {

TTekstInterfejsu TekstyProgramu()
{
    return [](int id) {
        const auto language = static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu);
        return QString::fromStdU16String(InterfaceTextWide(language, id));
    };
}

} // namespace velmar
