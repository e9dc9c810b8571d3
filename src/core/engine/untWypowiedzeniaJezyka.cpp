#include "core/engine/untWypowiedzeniaJezyka.h"

#include "core/app/untStale.h"
#include "core/engine/untTranslatorFr.h"
#include "core/engine/untTranslatorPl.h"

namespace velmar {

std::unique_ptr<TCustomWypowiedzenia> NewUtteranceList(const TKontekstWypowiedzi& context)
{
    if (context.SourceLanguage == jezFrancuski)
        return std::make_unique<TWypowiedzeniaFr>(context);
    if (context.SourceLanguage == jezPolski)
        return std::make_unique<TWypowiedzeniaPl>(context);
    return std::make_unique<TWypowiedzeniaSlowoPoSlowie>(context);
}

} // namespace velmar
