#include "viewer/viewer_style_sheet.h"

#include "publish/template_fill.h"
#include "res/resource.h"
#include "res/strings.h"

std::string BuildViewerStyleSheet()
{
    return FillTemplate("%s%s%s", {FillTemplate(res::LoadResourceString(IDS_STYLE_BODY), {}),
                                   FillTemplate(res::LoadResourceString(IDS_STYLE_HEAD), {}),
                                   FillTemplate(res::LoadResourceString(IDS_STYLE_IDS), {})});
}
