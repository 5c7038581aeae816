#pragma once
// The main dialog: the source, the two memory views' samples and every command
// that works on them (Windows only).
//
// Commands reach the dialog through OnCommand (buttons) and OnNotify (the list
// view); each is a member function. The saving commands call the saving steps
// of src/output/.
#include "catalogue/AddSource.h"
#include "catalogue/FileList.h"
#include "catalogue/HistoryFailure.h"
#include "catalogue/ReadProgress.h"
#include "catalogue/RecentSaves.h"
#include "catalogue/SaveHistory.h"
#include "catalogue/SourceFilters.h"
#include "catalogue/SourcesRead.h"
#include "convert/ConvertFill.h"
#include "convert/ConvertTools.h"
#include "settings/Settings.h"
#include "ui/Dialog.h"
#include "ui/StatusText.h"
#include "ui/WindowDpi.h"
#include "ui/resource.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

constexpr char kMainCaption[] = "Tarrowby";
constexpr char kDialogClass[] = "#32770";
// Posted to itself at start so the Quick start box opens once the dialog shows.
constexpr UINT WM_QUICKSTART = WM_USER + 100;
// Posted to itself when the scaling changed, so the list is measured once the
// system has laid out the controls at the new scaling.
constexpr UINT WM_FIT_LIST = WM_USER + 101;

// The list the list view shows and the sample commands act on: the internal
// sample, the external sample, or (after LoadSource) the source itself.
extern CFileList* g_pCurrent;

class CSaveProgressWindow;

class CMainDlg : public CDialog {
public:
    explicit CMainDlg(CDialog* parent = nullptr);

    void UpdateButtons();
    // Rebuilds the rows from g_pCurrent, selecting row `selectedRow` (the last
    // row where there are fewer), then ShowListState.
    void RefillListView(int selectedRow = -1);
    // The two status lines and the buttons, after any change of a list.
    void ShowListState();
    void ShowSourceCount();
    void ShowSampleTotals();
    void ExcludeSelected();

    // The index in g_pCurrent of the file shown in list-view row `row`, or -1
    // when there is no such row.
    int GetRowIndex(int row) const;
    // The index in g_pCurrent of the selected file, or -1 when none is selected.
    int GetSelectedIndex() const;

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    void OnOK() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    bool OnDrawItem(int id, DRAWITEMSTRUCT* item) override;
    bool OnMeasureItem(int id, MEASUREITEMSTRUCT* item) override;
    bool OnSysCommand(UINT id, LPARAM lParam) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Start-up.
    void ReadStartFolders();

    // Converting: on while the settings' Convert names a target and ffmpeg,
    // ffprobe and a cache folder were found. Made at start-up and again when
    // the Options change it.
    void MakeConvertFill();
    // The settings' filters, with the common audio formats admitted while
    // converting is on.
    SourceFilters FiltersNow() const;
    // Both samples at the sizes their files take on the player now: after the
    // Options changed what files are converted to, or turned converting off.
    void ResizeSamples();
    LRESULT OnQuickStart();

    // Scaling: the window's icons, and its size and list when the window moves
    // to a monitor of another scaling.
    void SetIconsForDpi(UINT dpi);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void FitListToScaling();

    // Source and sample commands.
    // Asks for a folder (or, for a playlist, a file) and reads it into the source.
    void AddToSource(SourceKind kind);
    void OnClearSource();
    void OnLoadSource();
    void OnExternalMem();
    void OnSelect();
    void OnClearSample();
    void OnSample();
    void OnOptions();
    // Refills the list view when the source is the list shown, else ShowListState.
    void ShowSourceChange();
    // Reads a start folder or an added source into the source, unless it was read
    // before, and lists it as `listed`; false when it was read before.
    bool ReadIntoSource(SourceKind kind, const std::string& path, const std::string& listed,
                        CReadProgress& progress);
    // Tells in the status line how the last command ended, where nothing else does.
    void ShowStatus(const std::string& text);

    // The history of saves. With FreshDays set, reads the files saved within
    // that many days and shows their count; otherwise forgets them.
    void ReadRecentSaves();
    // Records the files of a drop; a save records its files itself.
    void RecordSaves(const std::vector<std::string>& paths);

    // Saving the sample and the commands on single files.
    // The destination folder from the Dest field, or picked when it is empty;
    // false, with `folder` empty, when cancelled or not accessible.
    BOOL GetDestFolder(std::string& folder);
    // Copies the shown list's files into the destination folder, or writes
    // shortcuts to them there when `links` is TRUE.
    void SaveToDest(BOOL links);
    // The indexes in g_pCurrent of the files the rows show, top to bottom.
    std::vector<uint32_t> RowOrder() const;
    // With converting on: converts the shown list's files into the cache,
    // leaving out files while they take more than Max KB and, with TopUp,
    // drawing into the room left; the list then shows what is saved. Returns
    // the files to save, in list order or with `inRowOrder` in the rows' order,
    // each file that cannot be converted told to `progress`; none once the user
    // stopped. `tally` tells what the conversions did.
    CopySources ConvertShownList(CSaveProgressWindow& progress, bool inRowOrder,
                                 ConvertTally& tally);
    void OnCopyToDest();
    void OnLinksToDest();
    void OnBrowseDest();
    void OnDropOnRio();
    void OnDeleteDestFiles();
    void OnFullPath();
    void OnListDblClk(LRESULT& result);
    void OnPlay();

    // The list view.
    void InsertRow(int index, bool update);
    void SortRows();
    void OnGetDispInfo(NMLVDISPINFOA* info);
    void OnColumnClick(NMLISTVIEW* click);
    void OnItemChanged(NMLISTVIEW* change);
    // Row `row` becomes the selected and focused row, scrolled into sight.
    void SelectRow(int row);
    void OnListKeyDown(NMLVKEYDOWN* key);

    bool IsSourceShown() const { return g_pCurrent == m_pSource.get(); }
    // The internal memory's sample is shown; otherwise the external one's, or
    // the source, whose Max KB and Dest are the external view's.
    bool IsInternalShown() const { return g_pCurrent == m_pInternal.get(); }

    UniqueIcon m_hIcon;
    UniqueIcon m_hSmallIcon;
    HWND m_hListView = nullptr;
    std::unique_ptr<CFileList> m_pInternal;
    std::unique_ptr<CFileList> m_pExternal;
    std::unique_ptr<CFileList> m_pTrial;
    std::unique_ptr<CFileList> m_pBest;
    std::unique_ptr<CFileList> m_pSource;
    std::unique_ptr<CSettings> m_pSettings;
    std::unique_ptr<CSaveHistory> m_pHistory;
    CSourcesRead m_sourcesRead;
    CRecentSaves m_recentSaves;
    CHistoryFailure m_historyFailure;
    ConvertTools m_convertTools;
    // Set while the files are converted on their way to the player.
    std::unique_ptr<CConvertFill> m_pConvertFill;
    // The row the list view shows as selected, -1 for none.
    int m_nSel = -1;
};
