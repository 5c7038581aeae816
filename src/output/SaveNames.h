#pragma once
#include <functional>
#include <string>
#include <unordered_set>

// The names a save gives its files.

// True when FAT and exFAT would refuse `name`: it holds one of ? : * " < > | and
// the backslash, or ends in a dot or a space.
bool CardRefusesName(const std::string& name);

// `name` as such a card takes it: each of those characters, and each dot or space
// at its end, replaced by "_".
std::string CardSafeName(const std::string& name);

// The name a save tries first for `name`: the name itself, or CardSafeName where
// it ends in a dot or a space, which Windows and the FAT drivers drop without a
// word instead of refusing.
std::string NameToTry(const std::string& name);

// `name` with " (n)" before its extension: "song (2).mp3", "notes (3)".
std::string NumberedName(const std::string& name, int number);

// Hands out the names of one save, each once: a name an earlier file of the save
// took (A to Z alike, as card file systems compare them), or one that `inUse`
// says must be left to a file already there, gets the first free number.
class CSaveNames {
public:
    explicit CSaveNames(std::function<bool(const std::string& name)> inUse);
    std::string Claim(const std::string& name);

private:
    std::function<bool(const std::string&)> m_fnInUse;
    std::unordered_set<std::string> m_setClaimed;  // A to Z folded
};
