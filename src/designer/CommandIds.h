#pragma once

// The main window's command ids: menu items, the recent files and the element menu of "New".
namespace Command {
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 32774;
constexpr int FileReopen = 32776;
constexpr int FileBrowse = 32780;
constexpr int FileExport = 32781;
constexpr int FileCheck = 32783;
constexpr int FileLint = 32840;
constexpr int FileExit = 32773;
constexpr int Recent1 = 32790; // to Recent1 + 3
constexpr int StickyMode = 32795;
constexpr int StackMode = 32796;
constexpr int StateSheet = 32851;
constexpr int SkinProperties = 32779;
constexpr int StackDefaultColour = 32816;
constexpr int TimeConverter = 32814;
constexpr int Help = 32778;
constexpr int About = 32782;

constexpr int NewHStrip = 32806;
constexpr int NewVStrip = 32807;
constexpr int NewTileArea = 32808;
constexpr int NewText = 32809;
constexpr int NewButton = 32810;
constexpr int NewIndicator = 32811;
constexpr int NewLayout = 32812;
constexpr int NewGroup = 32813;
constexpr int FrameFromPicture = 32860;

constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;

// The tree's group menu: one item per group from GroupMenuFirst in document order, then "-- No group --".
constexpr int GroupMenuFirst = 4000;
constexpr int NoGroup = 5000;
} // namespace Command
