// Not a test: scripts/screenshots runs this, disabled otherwise, to picture the
// dialogs for the documentation. It writes main.bmp, options.bmp, about.bmp,
// quickstart.bmp and reading.bmp into the folder named by TARROWBY_SCREENSHOTS, and makes the
// sample's files on the drive named by TARROWBY_SCREENSHOT_DRIVE (such as "D:"),
// so the pictures show the same short paths on every run.
#include "MainDlgHarness.h"

#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

// Lets the windows finish painting before they are captured.
void PaintNow(HWND window)
{
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const DWORD end = GetTickCount() + 400;
    while (GetTickCount() < end) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(20);
    }
}

// The window as the screen shows it, title bar included, as a 24-bit BMP file.
void Capture(HWND window, const std::string& name)
{
    const char* folder = std::getenv("TARROWBY_SCREENSHOTS");
    ASSERT_NE(nullptr, folder);
    PaintNow(window);
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::string pixels(rowBytes * static_cast<DWORD>(height), '\0');
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), &pixels[0],
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    EXPECT_TRUE(out.good()) << name;
}

}  // namespace

TEST(DISABLED_Screenshots, EveryDialog)
{
    const char* drive = std::getenv("TARROWBY_SCREENSHOT_DRIVE");
    ASSERT_NE(nullptr, drive);
    const std::string music = std::string(drive) + "\\Music";
    const std::string talk = std::string(drive) + "\\Talk";
    ASSERT_TRUE(fixtures::MakeFolder(music));
    ASSERT_TRUE(fixtures::MakeFolder(talk));
    // Sized as the program counts KB, like the harness's own files.
    const auto makeFile = [](const std::string& path, uint32_t sizeKB) {
        EXPECT_TRUE(fixtures::CreateSizedFile(path, (static_cast<uint64_t>(sizeKB) - 1) * 1000));
        return path;
    };

    MainDlgHarness harness;
    // A fixed pick, so the pictures change only when the dialogs do.
    const struct {
        const char* name;
        uint32_t kb;
        bool picked;
    } songs[] = {{"Across the Meadow", 3412, true},
                 {"Blue Harbour Lights", 4870, true},
                 {"Carnival at Dawn", 2986, false},
                 {"Driftwood", 5203, true},
                 {"Evening Train to the Coast (Extended Live Version, Recorded at the Old "
                  "Corn Exchange)", 9120, true},
                 {"Fields of Barley", 3677, false},
                 {"Glasshouse", 4105, true},
                 {"Harvest Moon Reel", 2750, true},
                 {"Iron Bridge", 3890, false},
                 {"Juniper", 4433, false},
                 {"Kestrel Song", 3321, true},
                 {"Lanterns", 2894, false}};
    std::vector<std::string> picked;
    for (const auto& song : songs) {
        const std::string path = makeFile(music + "\\" + song.name + ".mp3", song.kb);
        if (song.picked)
            picked.push_back(path);
    }
    makeFile(talk + "\\Interview.mp3", 6120);
    // Long enough to keep the "Reading ..." window open until it is captured.
    const std::string playlist = music + "\\Long.m3u";
    std::string lines;
    for (int i = 0; i < 200000; ++i)
        lines += "Juniper.mp3\r\n";
    ASSERT_TRUE(fixtures::WriteBytes(playlist, lines));
    harness.prompts.fileAnswers = {picked, std::vector<std::string>{playlist}};
    harness.WriteQuietIni({"MaxView1=65400", "Start=" + music + "+, " + talk, "Dest1=E:\\Player"});
    harness.Run([&](HWND dialog) {
        ClickButton(dialog, IDC_SELECT);
        HWND list = GetDlgItem(dialog, IDC_SAMPLE_LIST);
        SetFocus(list);
        SelectRow(dialog, 1);
        Capture(dialog, "main");

        harness.driver.Expect("Options Applied to Setting Source Files", [](HWND options) {
            Capture(options, "options");
            PostMessageA(options, WM_COMMAND, IDCANCEL, 0);
        });
        ClickButton(dialog, IDC_OPTIONS);
        harness.driver.Expect("About Tarrowby", [](HWND about) {
            Capture(about, "about");
            PostMessageA(about, WM_COMMAND, IDOK, 0);
        });
        SendMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        // Opened here rather than at start, so that it is not over the main
        // window when that is captured.
        harness.driver.Expect("Quick start info", [](HWND quickStart) {
            Capture(quickStart, "quickstart");
            PostMessageA(quickStart, WM_COMMAND, IDOK, 0);
        });
        SendMessageA(dialog, WM_QUICKSTART, 0, 0);
        harness.driver.Expect("Reading ...", [&](HWND reading) {
            // The read waits while its window is captured; fixed texts keep the
            // picture the same on every run.
            SetDlgItemTextA(reading, IDC_READ_SOURCE, (music + "\\Jazz").c_str());
            SetDlgItemTextA(reading, IDC_READ_COUNT, "12,345 files");
            Capture(reading, "reading");
            PostMessageA(reading, WM_COMMAND, IDCANCEL, 0);
        });
        ClickButton(dialog, IDC_ADD_PLAYLIST);
        ClickButton(dialog, IDCANCEL);
    });
}
