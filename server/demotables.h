#pragma once

#include <array>
#include <span>
#include <utility>

// The demo's fixed material: its stations, the shows they broadcast and the texts around them.
namespace obzorka::server::demo {

enum Category
{
    Film,
    Documentary,
    News,
    Series,
    Children,
    Sport,
    Extra,
    Entertainment,
    Kinds
};

// The category of a programme type letter of the guide.
Category categoryOf(char type);

enum class Language
{
    Czech,
    Slovak,
    Polish,
    German,
    English,
    French
};

// Titles in the station's language; descriptions are Czech on every station, as the guide's
// users read them.
struct Show
{
    Language language;
    char type;
    const char* title;
    const char* info;
    int year; // 0: none shown
};

struct StationInfo
{
    const char* name;
    int number;
    Language language;
    // How often each category is on, in the order of Category.
    std::array<int, Kinds> weights;
};

// Shows that only fit some hours of the broadcast day, as minutes from its midnight.
struct Window
{
    const char* title;
    int from;
    int to;
};

using LongTexts = std::array<std::array<const char*, 2>, Kinds>;
using ReplacementTitle = std::pair<Language, const char*>;

std::span<const Show> shows();
std::span<const StationInfo> stations();
std::span<const Window> windows();
// Extended texts by category, two of each; %1 is a cast, %2 a person.
const LongTexts& longTexts();
// People of the extended texts: Czech and Slovak names for home stations.
std::span<const char* const> homeNames();
std::span<const char* const> foreignNames();
// What a changed entry may be replaced with, in the station's language.
std::span<const ReplacementTitle> replacementTitles();

} // namespace obzorka::server::demo
