#include "shell/app_context.h"

#include "engine/date_texts.h"

#include <utility>

namespace orvane::shell
{

AppContext::AppContext(std::unique_ptr<platform::Clock> h, std::filesystem::path r)
    : horloge(std::move(h)), repertoire(std::move(r)), donnees(repertoire)
{
    engine::lit_aujourdhui(engine, *horloge);
}

} // namespace orvane::shell
