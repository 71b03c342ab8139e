// Opens the property sheet (materials, sections, thicknesses) on its material list from a
// dialog's material "..." button, as the dialog factory's "CModelDefProperty" row does.
// One sheet per document: when the current document already has it open, nothing happens
// (it is neither shown again nor switched to another tab). The caller does not wait for
// the sheet; material changes made there reach the caller's controls through the
// database's update records.
#pragma once

// The template (and modeless id) of the property sheet.
inline constexpr unsigned CMD_IDD_PROPERTY_SHEET = 14019;

// Returns 1 when a sheet was opened, 0 when one was open already, there is no document,
// or the sheet could not be made.
int CmdOpenPropertySheet();
