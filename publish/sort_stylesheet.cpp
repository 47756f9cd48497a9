#include "publish/sort_stylesheet.h"

#include "publish/template_fill.h"
#include "res/resource.h"
#include "res/strings.h"

std::string BuildSortStylesheet(int position)
{
    return FillTemplate(res::LoadResourceString(IDS_SORT_STYLESHEET), {std::to_string(position)});
}
