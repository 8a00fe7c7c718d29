#include "EditModeRequests.h"

bool EditModeRequests::allowed(QWebEngineUrlRequestInfo::ResourceType type)
{
    using Info = QWebEngineUrlRequestInfo;
    switch (type) {
    case Info::ResourceTypeMainFrame:
    case Info::ResourceTypeSubFrame:
    case Info::ResourceTypeStylesheet:
    case Info::ResourceTypeImage:
    case Info::ResourceTypeFontResource:
    case Info::ResourceTypeMedia:
    case Info::ResourceTypeFavicon:
        return true;
    default:
        return false;
    }
}

void EditModeRequests::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (!allowed(info.resourceType()))
        info.block(true);
}
