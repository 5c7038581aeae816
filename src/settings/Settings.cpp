#include "settings/Settings.h"

#include "platform/IniFile.h"
#include "platform/Profile.h"
#include "settings/DecimalText.h"

#include <functional>
#include <string>

namespace {

const char kSection[] = "General";

// Where the values are read: the profile file, or its text held in memory.
struct ValueSource {
    std::function<std::string(const char* key, const char* fallback)> text;
    std::function<int(const char* key, int fallback)> number;
};

ValueSource ProfileFile()
{
    return {[](const char* key, const char* fallback) {
                return platform::ReadProfileText(kSection, key, fallback);
            },
            [](const char* key, int fallback) {
                return platform::ReadProfileInt(kSection, key, fallback);
            }};
}

ValueSource ProfileText(const std::string& text)
{
    return {[&text](const char* key, const char* fallback) {
                return platform::IniTextString(text, kSection, key, fallback);
            },
            [&text](const char* key, int fallback) {
                return platform::IniTextInt(text, kSection, key, fallback);
            }};
}

void ReadSettings(CSettings& settings, const ValueSource& source)
{
    const auto size = [&](const char* key, const char* fallback) {
        return DecimalPrefix(source.text(key, fallback));
    };
    settings.Start = source.text("Start", "");
    settings.Ext = source.text("Ext", "mp3");
    settings.Caption = source.text("Caption", "Media Memory");
    settings.Dest1 = source.text("Dest1", "");
    settings.Dest2 = source.text("Dest2", "");
    settings.MaxView1 = size("MaxView1", "32600");
    settings.MaxView2 = size("MaxView2", "32600");
    settings.MinFileSize = size("MinFileSize", "1000");
    settings.MaxFileSize = size("MaxFileSize", "100000");
    settings.Accessed = source.number("Accessed", 0);
    settings.Modified = source.number("Modified", 0);
    settings.QuickStart = source.number("QuickStart", 1);
    settings.BestFit = source.number("BestFit", 1);
    settings.LicenseMessage = source.number("LicenseMessage", 1);
    settings.Child = source.number("Child", 2);
    settings.TopUp = source.number("TopUp", 0);
    settings.FreshDays = source.number("FreshDays", 0);
    settings.Convert = source.text("Convert", "");
}

void WriteNumber(const char* key, int value)
{
    platform::WriteProfileText(kSection, key, std::to_string(value));
}

// A key that later versions added is written once it is used, so a file that
// never used it stays as earlier versions wrote it.
void WriteNumberOnceUsed(const char* key, int value)
{
    if (value != 0 || !platform::ReadProfileText(kSection, key, "").empty())
        WriteNumber(key, value);
}

void WriteTextOnceUsed(const char* key, const std::string& value)
{
    if (!value.empty() || !platform::ReadProfileText(kSection, key, "").empty())
        platform::WriteProfileText(kSection, key, value);
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
    ReadSettings(*this, ProfileFile());
}

void CSettings::LoadReadOnly()
{
    std::string converted;
    if (platform::ConvertedLegacyProfile(converted))
        ReadSettings(*this, ProfileText(converted));
    else
        ReadSettings(*this, ProfileFile());
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
    WriteNumberOnceUsed("TopUp", TopUp);
    WriteNumberOnceUsed("FreshDays", FreshDays);
    WriteTextOnceUsed("Convert", Convert);
}
