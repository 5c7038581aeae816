#pragma once
#include <string>
#include <vector>

class CSettings;

// How a key's value is read from the file.
enum class SettingRead {
    kText,    // as it stands
    kSize,    // as text, then its leading decimal number (settings/DecimalText.h)
    kNumber,  // as the profile functions read an integer
};

// How CSettings::Save writes a key.
enum class SettingWrite {
    kAlways,
    kOnceUsed,  // a key later versions added: once set, or once in the file
    kAsShown,   // always, as 0: the first-run box it turns on has been shown
    kNever,     // written only by hand
};

// One key of section "General": its name, its default as the file would hold it,
// and the field of CSettings that holds it (the text or the number one).
struct SettingKey {
    const char* name;
    SettingRead read;
    SettingWrite write;
    const char* defaultText;
    std::string CSettings::*text;
    int CSettings::*number;
};

// Every key, in the order a fresh file lists them.
const std::vector<SettingKey>& SettingKeys();

// The default of `name` as the file would hold it ("32600"); empty for no key.
std::string SettingDefault(const std::string& name);
