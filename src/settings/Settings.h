#pragma once
#include <string>

// Every setting that outlives a run, one field per key of section "General" of
// the INI file beside the program.
class CSettings {
public:
    // Every setting at its default (settings/SettingKeys.h).
    CSettings();
    virtual ~CSettings();

    // Reads every setting, converting a legacy file for good first.
    void Load();
    // Reads every setting and never writes the file: a legacy file is
    // converted in memory only.
    void LoadReadOnly();
    void Save();

    // The values of one of the player's two memories: the internal one's
    // (MaxView1, Dest1) or the external one's (MaxView2, Dest2).
    int& MaxView(bool externalMem) { return externalMem ? MaxView2 : MaxView1; }
    std::string& Dest(bool externalMem) { return externalMem ? Dest2 : Dest1; }
    int MaxView(bool externalMem) const { return externalMem ? MaxView2 : MaxView1; }
    const std::string& Dest(bool externalMem) const { return externalMem ? Dest2 : Dest1; }

    std::string Start;
    std::string Dest1;
    std::string Dest2;
    std::string Ext;
    std::string Caption;
    int MaxView1 = 0;
    int MaxView2 = 0;
    int MinFileSize = 0;
    int MaxFileSize = 0;
    int QuickStart = 0;
    int BestFit = 0;
    int LicenseMessage = 0;
    int Child = 0;
    int Modified = 0;
    int Accessed = 0;
    int TopUp = 0;
    // Leave out of the draw the files saved within this many days; 0 is off.
    int FreshDays = 0;
    // What files are converted to on their way to the player ("mp3:192",
    // convert/ConvertTarget.h); empty is off.
    std::string Convert;
};
