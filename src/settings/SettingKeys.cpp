#include "settings/SettingKeys.h"

#include "settings/Settings.h"

const std::vector<SettingKey>& SettingKeys()
{
    using R = SettingRead;
    using W = SettingWrite;
    // Named as earlier versions named them, with the defaults they had.
    static const std::vector<SettingKey> keys = {
        {"Start", R::kText, W::kAlways, "", &CSettings::Start, nullptr},
        {"Ext", R::kText, W::kAlways, "mp3", &CSettings::Ext, nullptr},
        {"Dest1", R::kText, W::kAlways, "", &CSettings::Dest1, nullptr},
        {"Dest2", R::kText, W::kAlways, "", &CSettings::Dest2, nullptr},
        {"MaxView1", R::kSize, W::kAlways, "32600", nullptr, &CSettings::MaxView1},
        {"MaxView2", R::kSize, W::kAlways, "32600", nullptr, &CSettings::MaxView2},
        {"QuickStart", R::kNumber, W::kAlways, "1", nullptr, &CSettings::QuickStart},
        {"BestFit", R::kNumber, W::kAlways, "1", nullptr, &CSettings::BestFit},
        {"LicenseMessage", R::kNumber, W::kAsShown, "1", nullptr, &CSettings::LicenseMessage},
        {"Accessed", R::kNumber, W::kAlways, "0", nullptr, &CSettings::Accessed},
        {"Modified", R::kNumber, W::kAlways, "0", nullptr, &CSettings::Modified},
        {"MinFileSize", R::kSize, W::kAlways, "1000", nullptr, &CSettings::MinFileSize},
        {"MaxFileSize", R::kSize, W::kAlways, "100000", nullptr, &CSettings::MaxFileSize},
        {"TopUp", R::kNumber, W::kOnceUsed, "0", nullptr, &CSettings::TopUp},
        {"FreshDays", R::kNumber, W::kOnceUsed, "0", nullptr, &CSettings::FreshDays},
        {"Convert", R::kText, W::kOnceUsed, "", &CSettings::Convert, nullptr},
        {"Caption", R::kText, W::kNever, "Media Memory", &CSettings::Caption, nullptr},
        {"Child", R::kNumber, W::kNever, "2", nullptr, &CSettings::Child},
    };
    return keys;
}

std::string SettingDefault(const std::string& name)
{
    for (const SettingKey& key : SettingKeys()) {
        if (name == key.name)
            return key.defaultText;
    }
    return std::string();
}
