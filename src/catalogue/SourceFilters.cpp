#include "catalogue/SourceFilters.h"

#include "catalogue/FileList.h"
#include "settings/Settings.h"

SourceFilters SourceFiltersOf(const CSettings& settings)
{
    SourceFilters filters;
    filters.nMinKB = static_cast<uint32_t>(settings.MinFileSize);
    filters.nMaxKB = static_cast<uint32_t>(settings.MaxFileSize);
    filters.strExtensions = settings.Ext;
    filters.nAccessedDays = settings.Accessed;
    filters.nModifiedDays = settings.Modified;
    return filters;
}

void ApplySourceFilters(CFileList& list, const SourceFilters& filters, FilterChange change)
{
    list.SetMinKB(filters.nMinKB);
    list.SetMaxKB(filters.nMaxKB);
    list.SetExtensions(filters.strExtensions);
    if (change == FilterChange::kSizesAndExtensions)
        return;
    list.SetAccessedDays(filters.nAccessedDays);
    list.SetModifiedDays(filters.nModifiedDays);
}
