#include "ui/PlannedSizes.h"

#include "convert/FilePlan.h"
#include "platform/FileCopy.h"
#include "platform/Paths.h"

void ResizeForConverting(CFileList& list, CConvertFill* fill, CConvertProgress& progress)
{
    for (uint32_t index = 0; index < static_cast<uint32_t>(list.GetCount()); ++index) {
        platform::FileStamp stamp;
        if (platform::ReadFileStamp(platform::JoinPath(list.GetFolder(index), list.GetName(index)),
                                    stamp))
            list.SetSizeKB(index, KBOfBytes(stamp.size));
    }
    if (fill == nullptr)
        return;
    CFileList planned = list;
    CFileList opened(list.GetCount(), 50);
    fill->Plan(planned, opened, progress);
    fill->Replan(list);
}
