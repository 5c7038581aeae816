#pragma once
// The Options dialog: the settings that govern the source list, what the draw
// leaves out, whether a sample is topped up, and what files are converted to on
// their way to the player (Windows only).
#include "convert/ConvertTarget.h"
#include "convert/ConvertTools.h"
#include "settings/Settings.h"
#include "ui/Dialog.h"

#include <string>

class COptionsDlg : public CDialog {
public:
    // `tools`: what converting finds on this machine; without them the row
    // "Convert to" is disabled and says what it needs.
    COptionsDlg(CSettings* settings, const ConvertTools& tools, CDialog* parent);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code) override;

private:
    void OnOptionsBrowse();
    // The bitrate list for the chosen format, with `kbps` selected where the
    // format takes it, else the format's own default.
    void FillBitrates(uint32_t kbps);
    // Sets the box "Convert to" level with the lists beside it.
    void LevelConvertBox();
    // The lists take part only while converting is ticked, and can be had.
    void EnableConvertRow();
    // The target the row shows, as the settings keep it; empty when off.
    std::string ConvertRowText() const;
    AudioFormat ChosenFormat() const;
    uint32_t ChosenKbps() const;

    CSettings* m_pSettings;
    const bool m_bCanConvert;
    const std::string m_strConvertNeeds;
    // What the row showed when the dialog opened: the settings' Convert changes
    // only when the row was changed, so a value written by hand survives OK.
    std::string m_strConvertShown;
};
