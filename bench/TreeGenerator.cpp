// Makes the benchmark tree: 100,000 sparse files of 1 to 10 MB in 1,000 leaf
// folders (10 x 10 x 10), and a playlist of 10,000 lines at the tree's root.
// Usage: tarrowby_make_tree FOLDER. A tree that is already complete is kept.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

namespace {

const int kFanOut = 10;
const int kFilesPerFolder = 100;
const int kPlaylistLines = 10000;

bool MakeFolder(const std::string& path)
{
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

bool MakeSparseFile(const std::string& path, off_t bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool sized = ftruncate(fd, bytes) == 0;
    return close(fd) == 0 && sized;
}

std::string Number(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string LeafFolder(int a, int b, int c)
{
    return "artist " + Number(a) + "/album " + Number(b) + "/disc " + Number(c);
}

std::string FileName(int a, int b, int c, int track)
{
    return "track " + Number(a) + Number(b) + Number(c) + "-" + std::to_string(track) + ".mp3";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const std::string doneMarker = root + "/.complete";
    if (access(doneMarker.c_str(), F_OK) == 0)
        return 0;

    std::mt19937 random(1);
    std::uniform_int_distribution<off_t> size(1000000, 10000000);
    if (!MakeFolder(root)) {
        std::perror(root.c_str());
        return 1;
    }
    for (int a = 0; a < kFanOut; ++a) {
        for (int b = 0; b < kFanOut; ++b) {
            for (int c = 0; c < kFanOut; ++c) {
                const std::string folder = root + "/" + LeafFolder(a, b, c);
                if (!MakeFolder(root + "/artist " + Number(a)) ||
                    !MakeFolder(root + "/" + "artist " + Number(a) + "/album " + Number(b)) ||
                    !MakeFolder(folder)) {
                    std::perror(folder.c_str());
                    return 1;
                }
                for (int track = 0; track < kFilesPerFolder; ++track) {
                    if (!MakeSparseFile(folder + "/" + FileName(a, b, c, track), size(random))) {
                        std::perror(folder.c_str());
                        return 1;
                    }
                }
            }
        }
    }

    // Relative lines with either separator, CR LF ends and the usual comments.
    std::FILE* playlist = std::fopen((root + "/list.m3u").c_str(), "wb");
    if (!playlist) {
        std::perror("list.m3u");
        return 1;
    }
    std::fputs("#EXTM3U\r\n", playlist);
    std::uniform_int_distribution<int> pick(0, kFanOut - 1);
    std::uniform_int_distribution<int> pickTrack(0, kFilesPerFolder - 1);
    for (int line = 0; line < kPlaylistLines; ++line) {
        const int a = pick(random), b = pick(random), c = pick(random);
        std::string path = LeafFolder(a, b, c) + "/" + FileName(a, b, c, pickTrack(random));
        if (line % 2 == 0) {
            for (char& ch : path) {
                if (ch == '/')
                    ch = '\\';
            }
        }
        std::fprintf(playlist, "#EXTINF:200,Track %d\r\n%s\r\n", line, path.c_str());
    }
    if (std::fclose(playlist) != 0 || !MakeSparseFile(doneMarker, 0)) {
        std::perror("list.m3u");
        return 1;
    }
    return 0;
}
