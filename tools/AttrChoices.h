// The row vocabulary of the attribute pages: the choice lists of the design-type, support
// and end-fixity rows, the beta-angle presets, and the converters that turn a chosen text
// back into the code the database stores.
//
// Every list holds the texts of its text keys (CMsgDll::pfuncLoadStr) in a fixed order;
// a builder empties the array it is given first. A converter compares the text with the
// texts of its keys in its order and answers the code of the first equal one; a text no
// key has gives -1 (the seismic grade: 0), which the editing handlers take as no change.
// Two keys with the same text cannot be told apart.
//
// Codings: for the design-type, support and end-fixity converters the code is the text's
// position in the matching choice list, except AttrTextToYesNoAutoCode (YES 0, NO 1,
// AUTO 2: the coding of the design-type dock bar) and AttrTextToIbKindCode (IBBOB 0, NO 1,
// IBNB 2 ... IBCB 6: the coding of a wall's base-protection value).
#pragma once
#include "afx/CArray.h"
#include "afx/CString.h"

void FillAutoYesNoChoices(CStringArray& list);    // AUTO, YES, NO
void FillYesNoChoices(CStringArray& list);        // YES, NO
void FillBeamFrameChoices(CStringArray& list);    // AUTO, GGR, GNR, YR
void FillAutoBrJrMrChoices(CStringArray& list);   // AUTO, BR, JR, MR
void FillIbKindChoices(CStringArray& list);       // IBNB, IBOB, IBIGB, IBMB, IBCB, IBBOB, NO
void FillAutoIbJpLpChoices(CStringArray& list);   // AUTO, IBJP, IBLP, NO
void FillWallShearChoices(CStringArray& list);    // AUTO, DJSD, GNSD
void FillWallInforceChoices(CStringArray& list);  // AUTO, JDMB, GAREA
void FillSupportChoices(CStringArray& list);      // AUTO, FIXED, HINGE, ROLLER, FREE, MEMB_VALUE
void FillEndFixityChoices(CStringArray& list);    // PINEDPINED ... FIXEDFIXED, MEMB_VALUE
// The beta-angle presets in degrees: 0, 30, 45, 60, 90, 120, 135, 150, 180.
void FillBetaAngleChoices(CArray<int>& list);

int AttrTextToYesNoAutoCode(const CString& text);
int AttrTextToAutoYesNoCode(const CString& text);
int AttrTextToYesNoCode(const CString& text);
int AttrTextToGgrGnrYrCode(const CString& text);
int AttrTextToBrJrMrCode(const CString& text);
int AttrTextToIbKindCode(const CString& text);
int AttrTextToIbKindCode2(const CString& text);
int AttrTextToIbKindCode3(const CString& text);
int AttrTextToIbJpLpCode(const CString& text);
int AttrTextToSupportCode(const CString& text);
int AttrTextToEndFixityCode(const CString& text);
// The grade codes the database stores: 101 special grade 1, 201 intensity-9 grade 1, 301
// to 304 grades 1 to 4, 306 to 309 intensities 6 to 9; 0 for any other text (also for
// the text of "IDS_CMD_MEMB_None").
int AttrTextToSeismicGradeCode(const CString& text);
