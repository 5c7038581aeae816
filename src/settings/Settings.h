#pragma once
#include <string>

// Every setting that outlives a run, one field per key of section "General" of
// the INI file beside the program.
class CSettings {
public:
    explicit CSettings(bool load);
    virtual ~CSettings();

    // Reads every setting, converting a legacy file for good first.
    void Load();
    // Reads every setting and never writes the file: a legacy file is
    // converted in memory only.
    void LoadReadOnly();
    void Save();

    std::string Start;
    std::string Dest1;
    std::string Dest2;
    std::string Ext = "mp3";
    std::string Caption = "Media Memory";
    int MaxView1 = 32600;
    int MaxView2 = 32600;
    int MinFileSize = 1000;
    int MaxFileSize = 100000;
    int QuickStart = 1;
    int BestFit = 1;
    int LicenseMessage = 1;
    int Child = 2;
    int Modified = 0;
    int Accessed = 0;
    int TopUp = 0;
    // Leave out of the draw the files saved within this many days; 0 is off.
    int FreshDays = 0;
    // What files are converted to on their way to the player ("mp3:192",
    // convert/ConvertTarget.h); empty is off.
    std::string Convert;
};
