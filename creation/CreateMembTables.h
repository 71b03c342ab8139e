// The tables of the member-creation tool: the member types it offers, the method each
// type starts with, the brace types, the property command and the cursor of each type,
// the control groups and the method buttons in the order Tab walks them.
#pragma once
#include "afx/AfxTypes.h"
#include "res/resource.h"

namespace CreateMembTables {

// The member types of the member-type combo, in list order (item data the code).
inline constexpr int kMembTypes[] = {100, 101, 201, 205, 202, 200, 301, 306, 206};
inline constexpr int kInitialType = 101;

// The method each type starts with; the tool remembers one per type.
struct TypeMethod {
  int type;
  int method;
};
inline constexpr TypeMethod kInitialMethods[] = {{100, 1}, {101, 1}, {200, 1}, {201, 1}, {202, 1}, {205, 1},
                                                 {206, 2}, {301, 2}, {302, 2}, {305, 2}, {306, 8}};
// The length of the method list (methods 1 to 7): the wrap of method cycling.
inline constexpr int kMethodListSize = 7;

// Brace types (item data = index): picture and text key.
struct BraceType {
  UINT bitmap;
  const char* key;
};
inline constexpr BraceType kBraceTypes[] = {
    {IDB_BRACE_FREE, "IDS_WG_CMD_MC_Brace_Type_Free"}, {IDB_BRACE_CROSS, "IDS_WG_CMD_MC_Brace_Type_Cross"},
    {IDB_BRACE_SLOPE, "IDS_WG_CMD_MC_Brace_Type_Slope"}, {IDB_BRACE_REVV, "IDS_WG_CMD_MC_Brace_Type_RevV"},
    {IDB_BRACE_K, "IDS_WG_CMD_MC_Brace_Type_K"},         {IDB_BRACE_V, "IDS_WG_CMD_MC_Brace_Type_V"},
    {IDB_BRACE_EIGHT, "IDS_WG_CMD_MC_Brace_Type_8"},
};
inline constexpr int kBraceFree = 0;
inline constexpr int kBraceEight = 6;

// End release of beams: item data and text key, in list order.
struct Release {
  int data;
  const char* key;
};
inline constexpr Release kReleases[] = {{1, "IDS_WG_CMD_MC_Both_End_Fixed"},
                                        {4, "IDS_WG_CMD_MC_Both_End_Release"},
                                        {2, "IDS_WG_CMD_MC_Start_Point_Release"},
                                        {3, "IDS_WG_CMD_MC_End_Point_Release"},
                                        {0, "IDS_WG_CMD_MC_Auto"}};
inline constexpr int kInitialRelease = 1;

// Beta angles offered (text and item data).
inline constexpr int kBetas[] = {0, 30, 45, 60, 90, 180};

// The property command of each type (button "..."); 32861 for any other type.
struct TypeId {
  int type;
  UINT id;
};
inline constexpr TypeId kPropCommands[] = {{100, 32966}, {101, 34542}, {200, 34548}, {201, 34543}, {202, 34545},
                                           {205, 34544}, {206, 34547}, {301, 34546}, {306, 34546}};
inline constexpr UINT kPropCommandOther = 32861;

// The cursor of each type (the application's cursor resources).
inline constexpr TypeId kCursors[] = {{100, 14193}, {101, 14195}, {200, 14196}, {201, 14194}, {202, 14198},
                                      {205, 14197}, {206, 14200}, {301, 14199}, {306, 14199}, {302, 3001}};

// A method and its button.
struct MethodButton {
  int method;
  UINT id;
};
// The common methods in Tab order; 0 stands for the curve button (7, or 8 for area types).
inline constexpr MethodButton kMethodButtons[] = {{1, IDC_CM_METHOD_1PICK}, {2, IDC_CM_METHOD_2PONT},
                                                  {4, IDC_CM_METHOD_AXIS},  {5, IDC_CM_METHOD_WND1},
                                                  {6, IDC_CM_METHOD_WND2},  {0, IDC_CM_METHOD_CURV}};
// The secondary-beam methods in Tab order.
inline constexpr MethodButton kSbMethodButtons[] = {{1, IDC_CM_SB_METHOD_1PICK}, {2, IDC_CM_SB_METHOD_2PONT},
                                                    {3, IDC_CM_SB_METHOD_2MEMB}, {4, IDC_CM_SB_METHOD_AXIS},
                                                    {5, IDC_CM_SB_METHOD_WND1},  {7, IDC_CM_SB_METHOD_CURV}};

// Radio groups, by index from 0.
inline constexpr UINT kCurveKinds[] = {IDC_CM_CURVE_LINE, IDC_CM_CURVE_MEMB, IDC_CM_CURVE_ARC_CENTER,
                                       IDC_CM_CURVE_ARC_3P};
inline constexpr int kCurvePickMember = 1;
inline constexpr UINT kCantiLocations[] = {IDC_CM_CANTI_LOC_I, IDC_CM_CANTI_LOC_CENTER, IDC_CM_CANTI_LOC_J};
inline constexpr int kCantiCentre = 1;
inline constexpr UINT kCantiDirections[] = {IDC_CM_CANTI_DIR_PLUS, IDC_CM_CANTI_DIR_MINUS, IDC_CM_CANTI_DIR_AUTO};
inline constexpr int kCantiDirAuto = 2;
inline constexpr UINT kSlabKinds[] = {IDC_CM_SLAB_KIND_SLAB, IDC_CM_SLAB_KIND_ROOF};
inline constexpr UINT kStairKinds[] = {IDC_CM_STAIR_SLOPE, IDC_CM_STAIR_LANDING};
inline constexpr int kStairSlope = 0;

}  // namespace CreateMembTables
