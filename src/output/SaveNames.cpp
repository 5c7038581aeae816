#include "output/SaveNames.h"

#include "platform/NameCompare.h"

#include <cstring>

namespace {

const char kRefusedCharacters[] = "?:*\"<>|\\";

bool EndsInDotOrSpace(const std::string& name)
{
    return !name.empty() && (name.back() == '.' || name.back() == ' ');
}

}  // namespace

bool CardRefusesName(const std::string& name)
{
    return name.find_first_of(kRefusedCharacters) != std::string::npos || EndsInDotOrSpace(name);
}

std::string CardSafeName(const std::string& name)
{
    std::string safe = name;
    for (char& c : safe) {
        if (c != '\0' && std::strchr(kRefusedCharacters, c) != nullptr)
            c = '_';
    }
    for (std::string::size_type end = safe.size();
         end > 0 && (safe[end - 1] == '.' || safe[end - 1] == ' '); --end)
        safe[end - 1] = '_';
    return safe;
}

std::string NameToTry(const std::string& name)
{
    return EndsInDotOrSpace(name) ? CardSafeName(name) : name;
}

std::string NumberedName(const std::string& name, int number)
{
    const std::string::size_type dot = name.rfind('.');
    const std::string::size_type at = dot == std::string::npos || dot == 0 ? name.size() : dot;
    return name.substr(0, at) + " (" + std::to_string(number) + ")" + name.substr(at);
}

CSaveNames::CSaveNames(std::function<bool(const std::string& name)> inUse)
    : m_fnInUse(std::move(inUse))
{
}

std::string CSaveNames::Claim(const std::string& name)
{
    std::string claimed = name;
    for (int number = 2; m_setClaimed.count(platform::FoldAsciiCase(claimed)) != 0 || m_fnInUse(claimed);
         ++number)
        claimed = NumberedName(name, number);
    m_setClaimed.insert(platform::FoldAsciiCase(claimed));
    return claimed;
}
