#include "settings/Settings.h"

#include "platform/Profile.h"
#include "settings/DecimalText.h"

#include <string>

namespace {

const char kSection[] = "General";

int ReadSize(const char* key, const char* fallback)
{
    return DecimalPrefix(platform::ReadProfileText(kSection, key, fallback));
}

void WriteNumber(const char* key, int value)
{
    platform::WriteProfileText(kSection, key, std::to_string(value));
}

}  // namespace

CSettings::CSettings(bool load)
{
    if (load)
        Load();
}

CSettings::~CSettings() = default;

void CSettings::Load()
{
    // A file that cannot be converted is read as it stands: only its characters
    // outside ASCII are lost.
    platform::ConvertLegacyProfile();
    Start = platform::ReadProfileText(kSection, "Start", "");
    Ext = platform::ReadProfileText(kSection, "Ext", "mp3");
    Caption = platform::ReadProfileText(kSection, "Caption", "Media Memory");
    Dest1 = platform::ReadProfileText(kSection, "Dest1", "");
    Dest2 = platform::ReadProfileText(kSection, "Dest2", "");
    MaxView1 = ReadSize("MaxView1", "32600");
    MaxView2 = ReadSize("MaxView2", "32600");
    MinFileSize = ReadSize("MinFileSize", "1000");
    MaxFileSize = ReadSize("MaxFileSize", "100000");
    Accessed = platform::ReadProfileInt(kSection, "Accessed", 0);
    Modified = platform::ReadProfileInt(kSection, "Modified", 0);
    QuickStart = platform::ReadProfileInt(kSection, "QuickStart", 1);
    BestFit = platform::ReadProfileInt(kSection, "BestFit", 1);
    LicenseMessage = platform::ReadProfileInt(kSection, "LicenseMessage", 1);
    Child = platform::ReadProfileInt(kSection, "Child", 2);
    FreshDays = platform::ReadProfileInt(kSection, "FreshDays", 0);
}

// Caption and Child are only ever written by hand; their lines stay as they are.
void CSettings::Save()
{
    platform::WriteProfileText(kSection, "Start", Start);
    platform::WriteProfileText(kSection, "Ext", Ext);
    platform::WriteProfileText(kSection, "Dest1", Dest1);
    platform::WriteProfileText(kSection, "Dest2", Dest2);
    WriteNumber("MaxView1", MaxView1);
    WriteNumber("MaxView2", MaxView2);
    WriteNumber("QuickStart", QuickStart);
    WriteNumber("BestFit", BestFit);
    // The first-run About box is shown once only.
    WriteNumber("LicenseMessage", 0);
    WriteNumber("Accessed", Accessed);
    WriteNumber("Modified", Modified);
    WriteNumber("MinFileSize", MinFileSize);
    WriteNumber("MaxFileSize", MaxFileSize);
    // A file that never had fresh draws stays as earlier versions wrote it.
    if (FreshDays != 0 || !platform::ReadProfileText(kSection, "FreshDays", "").empty())
        WriteNumber("FreshDays", FreshDays);
}
