#include "viewer/search_script.h"

#include "publish/template_fill.h"
#include "res/resource.h"
#include "res/strings.h"

std::string BuildSearchScript()
{
    return FillTemplate("%s%s", {res::LoadResourceString(IDS_SEARCH_START), res::LoadResourceString(IDS_SEARCH_END)});
}
