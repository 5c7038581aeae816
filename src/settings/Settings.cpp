#include "settings/Settings.h"

#include "platform/IniFile.h"
#include "platform/Profile.h"
#include "settings/DecimalText.h"
#include "settings/SettingKeys.h"

#include <functional>
#include <string>

namespace {

const char kSection[] = "General";

// Where the values are read: the profile file, its text held in memory, or
// nowhere (every key at its default).
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

ValueSource Defaults()
{
    return {[](const char*, const char* fallback) { return std::string(fallback); },
            [](const char*, int fallback) { return fallback; }};
}

void ReadSettings(CSettings& settings, const ValueSource& source)
{
    for (const SettingKey& key : SettingKeys()) {
        switch (key.read) {
        case SettingRead::kText:
            settings.*key.text = source.text(key.name, key.defaultText);
            break;
        case SettingRead::kSize:
            settings.*key.number = DecimalPrefix(source.text(key.name, key.defaultText));
            break;
        case SettingRead::kNumber:
            settings.*key.number = source.number(key.name, DecimalPrefix(key.defaultText));
            break;
        }
    }
}

std::string ValueToWrite(const CSettings& settings, const SettingKey& key)
{
    if (key.write == SettingWrite::kAsShown)
        return "0";
    return key.text != nullptr ? settings.*key.text : std::to_string(settings.*key.number);
}

// A key that later versions added is written once it is used, so a file that
// never used it stays as earlier versions wrote it.
bool IsWritten(const SettingKey& key, const std::string& value)
{
    switch (key.write) {
    case SettingWrite::kNever:
        return false;
    case SettingWrite::kOnceUsed:
        return value != key.defaultText ||
               !platform::ReadProfileText(kSection, key.name, "").empty();
    default:
        return true;
    }
}

}  // namespace

CSettings::CSettings()
{
    ReadSettings(*this, Defaults());
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

void CSettings::Save()
{
    for (const SettingKey& key : SettingKeys()) {
        const std::string value = ValueToWrite(*this, key);
        if (IsWritten(key, value))
            platform::WriteProfileText(kSection, key.name, value);
    }
}
