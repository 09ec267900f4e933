#pragma once

#include <QPoint>
#include <QSize>

#include <cstdint>

namespace velmont::skin {

// Makes the skin images available as Qt resources (":/skin/..."). The
// images live in a static library, so their registration has to be pulled
// in explicitly; safe to call more than once. Every skin widget calls it.
void InitSkinResources();

// The artwork of one image button of the main window: hover and normal
// image (normal empty for a single image), the colour key in 0x00BBGGRR
// form, and where the button sits in the 605 x 567 window.
struct ButtonArt {
    const char* hover;
    const char* normal; // "" when the hover image serves for both looks
    std::uint32_t keyBgr;
    QPoint position;
    QSize size;
};

inline constexpr ButtonArt kAdd{
    ":/skin/add_hover.png", ":/skin/add_normal.png", 0x00E1820C, {34, 89}, {96, 50}};
inline constexpr ButtonArt kRemove{
    ":/skin/remove_hover.png", ":/skin/remove_normal.png", 0x00E58B1C, {134, 89}, {96, 50}};
inline constexpr ButtonArt kSettings{
    ":/skin/settings_hover.png", ":/skin/settings_normal.png", 0x00E59A33, {235, 89}, {96, 50}};
inline constexpr ButtonArt kMoveDown{
    ":/skin/down_hover.png", ":/skin/down_normal.png", 0x00E1820C, {435, 103}, {22, 28}};
inline constexpr ButtonArt kMoveUp{
    ":/skin/up_hover.png", ":/skin/up_normal.png", 0x00E1820C, {460, 103}, {22, 28}};
inline constexpr ButtonArt kPlay{
    ":/skin/play_hover.png", ":/skin/play_normal.png", 0x00E1820C, {485, 103}, {30, 28}};
inline constexpr ButtonArt kTag{
    ":/skin/tag_hover.png", ":/skin/tag_normal.png", 0x00F7AD53, {520, 90}, {58, 50}};
inline constexpr ButtonArt kOutputLabel{
    ":/skin/output_label.png", "", 0x00FF820D, {33, 424}, {104, 20}};
inline constexpr ButtonArt kFolder{
    ":/skin/folder_hover.png", ":/skin/folder_normal.png", 0x00F8AE54, {527, 413}, {48, 40}};
inline constexpr ButtonArt kConvert{
    ":/skin/convert_hover.png", ":/skin/convert_normal.png", 0x00E68B1C, {46, 464}, {200, 64}};
inline constexpr ButtonArt kHelp{
    ":/skin/help_hover.png", ":/skin/help_normal.png", 0x00F1A241, {370, 483}, {92, 44}};
inline constexpr ButtonArt kExit{
    ":/skin/exit_hover.png", ":/skin/exit_normal.png", 0x00F7AC51, {470, 483}, {92, 44}};
inline constexpr ButtonArt kAbout{
    ":/skin/about_hover.png", ":/skin/about_normal.png", 0x00F8AE54, {519, 10}, {22, 22}};
inline constexpr ButtonArt kMinimise{
    ":/skin/minimise_hover.png", ":/skin/minimise_normal.png", 0x00F8AE54, {543, 10}, {22, 22}};
inline constexpr ButtonArt kClose{
    ":/skin/close_hover.png", ":/skin/close_normal.png", 0x00F8AE54, {567, 10}, {22, 22}};
inline constexpr ButtonArt kBrand{":/skin/brand.png", "", 0x00E38715, {25, 15}, {330, 64}};
inline constexpr ButtonArt kHomePage{
    ":/skin/homepage_hover.png", ":/skin/homepage_normal.png", 0x00F6A94D, {375, 52}, {150, 22}};

inline constexpr const char* kBackground = ":/skin/background.png";      // 605 x 567, one tile
inline constexpr const char* kBackground2x = ":/skin/background@2x.png"; // 1210 x 1134
inline constexpr const char* kAppIcon = ":/skin/app_icon.png";           // 256 x 256
inline constexpr const char* kLinkCursor = ":/skin/link_cursor.png";     // 32 x 32
inline constexpr QPoint kLinkCursorHotSpot{4, 2};

inline constexpr const char* kHomePageUrl = "https://velmont.example/converter";

} // namespace velmont::skin
