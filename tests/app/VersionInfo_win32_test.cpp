// The version resources of the built programs, read back as Explorer's Details
// tab reads them: the strings of the language the Translation entry names.
#include "ProgramVersion.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct VersionResource {
    std::vector<char> data;

    std::string Text(const std::string& key) const
    {
        struct Translation {
            WORD language, codePage;
        }* translation = nullptr;
        UINT size = 0;
        if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                            reinterpret_cast<void**>(&translation), &size) ||
            size < sizeof(Translation))
            return "(no translation)";
        char path[128];
        std::snprintf(path, sizeof(path), "\\StringFileInfo\\%04x%04x\\%s",
                      translation->language, translation->codePage, key.c_str());
        char* text = nullptr;
        if (!VerQueryValueA(data.data(), path, reinterpret_cast<void**>(&text), &size))
            return "(no " + key + ")";
        return text;
    }
};

VersionResource ReadVersionResource(const char* program)
{
    VersionResource resource;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(program, &ignored);
    if (size > 0) {
        resource.data.resize(size);
        if (!GetFileVersionInfoA(program, 0, size, resource.data.data()))
            resource.data.clear();
    }
    return resource;
}

TEST(VersionInfo, BothProgramsNameThemselvesAndTheOneVersion)
{
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(3, std::sscanf(TARROWBY_VERSION, "%u.%u.%u", &major, &minor, &patch));
    const struct {
        const char* program;
        const char* fileName;
        const char* description;
    } programs[] = {{TARROWBY_PROGRAM, "Tarrowby.exe", "Tarrowby"},
                    {TARROWBY_CLI, "tarrowby-cli.exe", "Tarrowby command-line program"}};
    for (const auto& p : programs) {
        SCOPED_TRACE(p.fileName);
        const VersionResource resource = ReadVersionResource(p.program);
        ASSERT_FALSE(resource.data.empty());
        EXPECT_EQ(TARROWBY_VERSION, resource.Text("FileVersion"));
        EXPECT_EQ(TARROWBY_VERSION, resource.Text("ProductVersion"));
        EXPECT_EQ("Tarrowby", resource.Text("ProductName"));
        EXPECT_EQ(p.description, resource.Text("FileDescription"));
        EXPECT_EQ(p.fileName, resource.Text("OriginalFilename"));

        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT size = 0;
        ASSERT_TRUE(VerQueryValueA(resource.data.data(), "\\", reinterpret_cast<void**>(&fixed),
                                   &size));
        EXPECT_EQ(MAKELONG(minor, major), fixed->dwFileVersionMS);
        EXPECT_EQ(MAKELONG(0, patch), fixed->dwFileVersionLS);
        EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
        EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
    }
}

}  // namespace
